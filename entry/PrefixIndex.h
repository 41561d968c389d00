#pragma once
// The lines of a prefix table (a prefix tally or its template) indexed by
// prefix, so that many callsigns are resolved without reading the table from
// the top for each: the rebuild of the tallies and the import of a log.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brivant {

// The first line of each prefix.  A key is matched by the lines whose prefix
// begins it: with prefixes of at most five characters, the first matching line
// is the earliest of the first lines of the key's first 1 to 5 characters.
// The index keeps views into the lines: they must outlive it.
class PrefixIndex {
 public:
  explicit PrefixIndex(const std::vector<std::string>& lines);
  std::optional<std::size_t> firstMatch(std::string_view key) const;

 private:
  std::unordered_map<std::string_view, std::size_t> first_;
};

// EntryPrefix of a callsign as the entry finds it: the callsign's line names
// its main prefix, and the main prefix's line gives the prefix ("TM5CHA" is
// "F" when TM's main prefix is F).  Empty when no line matches the callsign
// (the entry then logs the station as a foreign one).
std::string entryPrefixOf(const std::vector<std::string>& lines, const PrefixIndex& index, std::string_view callsign);

}  // namespace brivant
