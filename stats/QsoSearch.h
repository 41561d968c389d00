#pragma once
// Finding contacts again in the lines of Liste_QSO: by callsign, by castle
// reference or by departement; the result lines the search window lists and
// the list row a picked result stands for.

#include <QString>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brivant {

// The criteria, numbered as the options Option1(1) to Option1(3).
enum class SearchBy { Callsign = 1, Reference = 2, Departement = 3 };

// A result line is the first ResultWidth characters of the list line
// (number to points) and the letter of the contact's marker.
inline constexpr int SearchResultWidth = 134;

// Enter in a search box: the message that refuses its text (too long or
// empty), or nothing when the search runs.  The messages are French in both
// languages.  typed is Windows-1252 bytes.
std::optional<QString> searchValueRefusal(SearchBy by, std::string_view typed);

// The message for an empty box of the criterion ("Entrez un indicatif", ...).
QString emptySearchValueMessage(SearchBy by);

// "Pas de QSO trouvé", in both languages.
QString noQsoFoundMessage();

struct SearchOutcome {
  std::vector<std::string> results;  // Windows-1252 result lines, in list order
  // What to tell the operator: the empty-box message (the search did not
  // run) or "Pas de QSO trouvé"; nothing when contacts were found.
  std::optional<QString> message;
  bool ran = false;  // false: the box was empty and nothing was searched
};

// Cherche_QSO over the list lines.  The value is the text of the criterion's
// box; a CR LF at its front is dropped first.  Callsign and reference are
// compared in capitals and found anywhere inside the key (the first ten
// characters of the callsign, the first fifteen of the reference); a
// departement must equal the two characters of its column.
SearchOutcome Cherche_QSO(const std::vector<std::string>& listLines, SearchBy by, std::string_view value);

// The result line of a list line (a short line is read as blank-padded).
std::string searchResultLine(std::string_view listLine);

// The row of Liste_QSO a picked result stands for: the last line whose first
// 134 characters equal the result's.  Nothing when the list has changed so
// that no line matches any more (a contact renumbered by a later save or
// delete).
std::optional<int> rowOfSearchResult(const std::vector<std::string>& listLines, std::string_view resultLine);

}  // namespace brivant
