#include "cluster/SpotList.h"

#include <array>

#include "core/Text.h"

namespace brivant {

namespace {

constexpr std::array<std::string_view, 10> FrenchTwoLetterPrefixes{"TH", "TK", "TM", "TP", "TQ",
                                                                   "TV", "TW", "HW", "HX", "HY"};

}  // namespace

bool isFrenchStation(std::string_view dx) {
  if (dx.starts_with('F')) return true;
  for (std::string_view prefix : FrenchTwoLetterPrefixes)
    if (dx.starts_with(prefix)) return true;
  return false;
}

int listingsOf(const Spot& spot, const SpotFilters& filters) {
  if (!filters.frenchStations && !filters.watchedCallsign) return 1;
  int listings = 0;
  if (filters.frenchStations && isFrenchStation(spot.dx)) ++listings;
  const std::size_t n = filters.watched.size();
  if (filters.watchedCallsign && n != 0 && leftText(spot.dx, n) == filters.watched) ++listings;
  return listings;
}

bool soundsAlert(const Spot& spot, const SpotFilters& filters) {
  return filters.alert && filters.watchedCallsign &&
         leftText(trimBlanks(spot.dx), filters.watched.size()) == filters.watched;
}

void SpotList::clear(SortMode mode) {
  mode_ = mode;
  sorted_.clear();
}

bool SpotList::add(const Spot& spot, const SpotFilters& filters) {
  const int listings = listingsOf(spot, filters);
  if (listings > 0) {
    const std::string line = sortedLine(spot, mode_);
    for (int i = 0; i < listings; ++i) sorted_.insert(line);
  }
  return soundsAlert(spot, filters);
}

std::vector<std::string> SpotList::spotLines() const {
  std::vector<std::string> lines;
  lines.reserve(sorted_.size());
  for (const std::string& sorted : sorted_) lines.push_back(spotLineOfSorted(sorted, mode_));
  return lines;
}

std::optional<std::size_t> automaticSelection(std::size_t count, SortMode mode) {
  if (count == 0) return std::nullopt;
  return mode == SortMode::Date ? count - 1 : 0;
}

}  // namespace brivant
