#pragma once
// The DXCC country file (cty.dat): entities, their prefixes and exact calls,
// and how it resolves a callsign.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brivant::tools {

struct CountryEntity {
  std::string name;
  std::string fileMainPrefix;           // as written, e.g. "F", "3D2/c", "*IT9"
  std::vector<std::string> prefixes;    // zone and other overrides removed
  std::vector<std::string> exactCalls;  // the "=CALL" entries, without "="
  int countsFor = -1;                   // the DXCC entity a contact scores for

  // Entities marked "*" exist only for the WAE list; they score as their parent.
  bool waeOnly() const { return !fileMainPrefix.empty() && fileMainPrefix.front() == '*'; }
};

class CountryFile {
 public:
  // Throws std::runtime_error naming the fault when the text is not a country file.
  static CountryFile parse(std::string_view text);

  const std::vector<CountryEntity>& entities() const { return entities_; }
  const CountryEntity& entity(int index) const { return entities_.at(static_cast<std::size_t>(index)); }
  int findByFileMainPrefix(std::string_view mainPrefix) const;  // -1 when absent

  // The country file's own answer for a callsign: the exact call when listed,
  // else the longest listed prefix that begins it.  Returns the DXCC entity
  // (WAE-only entities folded into their parent), -1 when nothing matches.
  int resolve(std::string_view call) const;
  // The same with the exact calls ignored.
  int resolveByPrefix(std::string_view text) const;

  // The main prefix a table line names for a DXCC entity: the file's main
  // prefix in capitals ("3D2/c" becomes "3D2/C").
  std::string tableMainPrefix(int index) const;

 private:
  std::vector<CountryEntity> entities_;
  std::unordered_map<std::string, int> byPrefix_;
  std::unordered_map<std::string, int> byExactCall_;
  std::size_t longestPrefix_ = 0;
};

}  // namespace brivant::tools
