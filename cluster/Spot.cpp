#include "cluster/Spot.h"

#include <charconv>

#include "core/Text.h"

namespace brivant {

namespace {

std::string fitted(std::string_view text, std::size_t width) { return padRight(leftText(text, width), width); }

struct SortedColumns {
  std::size_t date, dx, qrg;
};

// Where a sorted line of each mode holds its fields (1-based).
constexpr SortedColumns sortedColumns(SortMode mode) {
  switch (mode) {
    case SortMode::Dx:
      return {15, 2, 29};
    case SortMode::Qrg:
      return {24, 11, 2};
    case SortMode::Date:
    default:
      return {2, 16, 29};
  }
}

constexpr std::size_t SortedRestColumn = 38;

}  // namespace

std::optional<Spot> fittedSpot(std::string_view date, std::string_view dx, std::string_view qrg,
                               std::string_view spotter, std::string remarks) {
  if (qrg.size() > QrgWidth) return std::nullopt;
  Spot spot;
  spot.date = fitted(date, DateWidth);
  spot.dx = fitted(dx, DxWidth);
  spot.qrg = std::string(QrgWidth - qrg.size(), ' ') + std::string(qrg);
  spot.spotter = fitted(spotter, SpotterWidth);
  spot.remarks = std::move(remarks);
  return spot;
}

std::string sortedLine(const Spot& spot, SortMode mode) {
  const std::string* order[3] = {&spot.date, &spot.dx, &spot.qrg};
  if (mode == SortMode::Dx) {
    order[0] = &spot.dx;
    order[1] = &spot.date;
  } else if (mode == SortMode::Qrg) {
    order[0] = &spot.qrg;
    order[2] = &spot.date;
  }
  std::string line;
  line.reserve(1 + DateWidth + 1 + DxWidth + 1 + QrgWidth + 1 + SpotterWidth + 1 + spot.remarks.size());
  for (const std::string* field : order) {
    line += ' ';
    line += *field;
  }
  line += ' ';
  line += spot.spotter;
  line += ' ';
  line += spot.remarks;
  return line;
}

std::string spotLineOfSorted(std::string_view sorted, SortMode mode) {
  const SortedColumns at = sortedColumns(mode);
  std::string line = " ";
  line += cutColumns(sorted, at.date, DateWidth);
  line += ' ';
  line += cutColumns(sorted, at.dx, DxWidth);
  line += ' ';
  line += cutColumns(sorted, at.qrg, QrgWidth);
  line += ' ';
  line += midText(sorted, SortedRestColumn, sorted.size());
  return line;
}

std::string spotLineCallsign(std::string_view spotLine) {
  return cutTrimmed(spotLine, SpotLineLayout::DxColumn, DxWidth);
}

std::optional<double> spotLineKhz(std::string_view spotLine) {
  const std::string qrg = cutTrimmed(spotLine, SpotLineLayout::QrgColumn, QrgWidth);
  double khz = 0;
  const auto [end, error] = std::from_chars(qrg.data(), qrg.data() + qrg.size(), khz);
  if (qrg.empty() || error != std::errc() || end != qrg.data() + qrg.size()) return std::nullopt;
  return khz;
}

std::string_view spotLineRemarks(std::string_view spotLine) {
  return midText(spotLine, SpotLineLayout::RemarksColumn, spotLine.size());
}

}  // namespace brivant
