#pragma once
// Spots from a telnet cluster node: the "DX de" lines cut into spots, and the
// latest spots kept for each band list entry.

#include <cstddef>
#include <deque>
#include <optional>
#include <string_view>
#include <vector>

#include "cluster/ClusterBands.h"
#include "cluster/Spot.h"
#include "platform/Clock.h"

namespace brivant {

struct TelnetSpot {
  Spot spot;
  double khz = 0;
};

// The spot of a node's line "DX de SPOTTER: freq DX comment hhmmZ [locator]"
// (any case; the fields are upper-cased): the spotter up to its ":", the
// frequency in kHz as written, the DX callsign, the comment, and the time.
// The date is "yy-mm-dd hhmm", the day taken from the clock (the day before
// for a time more than 12 hours after the clock's).  Nothing for any other
// line, or one whose frequency is not a number or wider than the QRG column.
std::optional<TelnetSpot> parseDxLine(std::string_view line, const ClockFields& utcNow);

class TelnetSpots {
 public:
  // How many spots a band list entry shows, as a page does.
  static constexpr std::size_t Shown = 50;
  // How many received spots are kept, the latest.
  static constexpr std::size_t Kept = 2'000;

  void add(TelnetSpot spot);
  void clear() { spots_.clear(); }
  std::size_t size() const { return spots_.size(); }

  // The latest spots (at most Shown) whose frequency lies in the entry's
  // range, oldest first.
  std::vector<Spot> latestOf(const ClusterBandEntry& entry) const;

 private:
  std::deque<TelnetSpot> spots_;
};

}  // namespace brivant
