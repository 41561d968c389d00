#pragma once
// The filters and the alert applied to each spot, and the sorted working list
// (Liste_Stations_Bis) the displayed SpotLines come from.

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cluster/Spot.h"

namespace brivant {

struct SpotFilters {
  bool frenchStations = false;   // Check1
  bool watchedCallsign = false;  // Check2
  bool alert = false;            // Check3
  std::string watched;           // the text of Indicatif (upper case)
};

// A DX field of a French station: it begins with "F" or with one of "TH",
// "TK", "TM", "TP", "TQ", "TV", "TW", "HW", "HX", "HY".
bool isFrenchStation(std::string_view dx);

// How many times a spot is listed: once for each checked filter it passes
// (so twice when it passes both), once when neither filter is checked.
int listingsOf(const Spot& spot, const SpotFilters& filters);

// Whether a spot sounds the alert: Check3 and Check2 checked and the blank-
// trimmed DX beginning with the watched text (an empty text matches every
// spot).  Whether the spot is listed does not matter.
bool soundsAlert(const Spot& spot, const SpotFilters& filters);

class SpotList {
 public:
  // Empties the list; the lines added from now on are sorted for mode.
  void clear(SortMode mode);
  SortMode mode() const { return mode_; }

  // Adds the spot's sorted line as many times as the filters list it, and
  // tells whether it sounds the alert.
  bool add(const Spot& spot, const SpotFilters& filters);

  // Liste_Stations_Bis: the sorted lines in ascending text order.
  const std::multiset<std::string>& sortedLines() const { return sorted_; }
  // Liste_Stations: the SpotLine of each sorted line, in the same order.
  std::vector<std::string> spotLines() const;
  std::size_t size() const { return sorted_.size(); }

 private:
  SortMode mode_ = SortMode::Date;
  std::multiset<std::string> sorted_;
};

// The line a refresh selects among count lines: the last when sorted by date
// (the latest spot), else the first; nothing for an empty list.
std::optional<std::size_t> automaticSelection(std::size_t count, SortMode mode);

}  // namespace brivant
