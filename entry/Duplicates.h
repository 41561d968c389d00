#pragma once
// The duplicate scans of the entry over the list lines of Liste_QSO: a
// callsign already logged on the band and mode, and a castle reference
// already logged on the band and mode.

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "entry/EntryRules.h"

namespace brivant {

// The columns the scans cut from the record of a list line (1-based, trimmed
// when compared).  The callsign key is ten characters: an 11- or 12-character
// callsign never matches, as the log has always been read.
namespace DuplicateColumns {
struct Cut {
  std::size_t column;
  std::size_t length;
};
inline constexpr Cut Date{1, 10};
inline constexpr Cut Callsign{11, 10};
inline constexpr Cut Start{23, 5};
inline constexpr Cut Band{50, 8};
inline constexpr Cut Mode{60, 7};
inline constexpr Cut Reference{89, 20};
inline constexpr Cut DfcfNumber{94, 5};  // the number after "DFCF "
inline constexpr Cut CastleName{169, 30};
}  // namespace DuplicateColumns

// The columns of one list line as the scans read them.
LoggedContact loggedContactOf(std::string_view listLine, std::size_t row);

// The first line, from the top, with this callsign, this reference (the
// text of QTH_A, empty during a normal entry so that only contacts without a
// castle reference count), band and mode.
std::optional<LoggedContact> findCallsignDuplicate(const std::vector<std::string>& listLines, std::string_view callsign,
                                                   std::string_view reference, std::string_view band,
                                                   std::string_view mode);

// The first line whose reference is this one on the band and mode, whatever
// its callsign.  A French castle's stored "DFCF 59045" is compared by its
// number.  An empty reference is never looked for.
std::optional<LoggedContact> findReferenceDuplicate(const std::vector<std::string>& listLines,
                                                    std::string_view reference, std::string_view band,
                                                    std::string_view mode);

// The two scans above for many contacts at once (a log being imported): each
// list line is read once into two tables, so that checking n contacts against
// m lines costs n + m rather than n x m.  The answers are the scans' own,
// first line from the top included; lines added later come after the others.
class DuplicateIndex {
 public:
  explicit DuplicateIndex(const std::vector<std::string>& listLines);
  // A line below the others (a contact accepted a moment ago).
  void add(std::string listLine);

  std::optional<LoggedContact> callsignDuplicate(std::string_view callsign, std::string_view reference,
                                                 std::string_view band, std::string_view mode) const;
  std::optional<LoggedContact> referenceDuplicate(std::string_view reference, std::string_view band,
                                                  std::string_view mode) const;

 private:
  std::optional<LoggedContact> contactAt(std::optional<std::size_t> row) const;

  std::deque<std::string> lines_;
  std::unordered_map<std::string, std::size_t> byCallsign_;   // callsign, reference, band, mode
  std::unordered_map<std::string, std::size_t> byReference_;  // reference as scanned, band, mode
};

}  // namespace brivant
