#include "entry/PrefixIndex.h"

#include <algorithm>

#include "entry/PrefixTally.h"

namespace brivant {

PrefixIndex::PrefixIndex(const std::vector<std::string>& lines) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view prefix = prefixOfLine(lines[i]);
    if (!prefix.empty()) first_.try_emplace(prefix, i);
  }
}

std::optional<std::size_t> PrefixIndex::firstMatch(std::string_view key) const {
  std::optional<std::size_t> best;
  for (std::size_t length = 1; length <= std::min(key.size(), PrefixLine::PrefixWidth); ++length) {
    const auto it = first_.find(key.substr(0, length));
    if (it != first_.end() && (!best || it->second < *best)) best = it->second;
  }
  return best;
}

std::string entryPrefixOf(const std::vector<std::string>& lines, const PrefixIndex& index, std::string_view callsign) {
  const std::optional<std::size_t> own = index.firstMatch(callsign);
  if (!own) return {};
  const PrefixLookup entity = describePrefixLine(lines[*own], std::nullopt);
  const std::optional<std::size_t> main = index.firstMatch(entity.mainPrefix);
  return main ? describePrefixLine(lines[*main], std::nullopt).prefix : entity.prefix;
}

}  // namespace brivant
