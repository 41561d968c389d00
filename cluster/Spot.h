#pragma once
// One DX-cluster spot, its sorted line (the key of the sort first) and its
// SpotLine (the fixed columns the list shows, whatever the sort).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brivant {

// Field texts are upper-case Windows-1252 bytes, each in its column width.
struct Spot {
  std::string date;     // 13 characters, whose text order is time order
  std::string dx;       // the spotted callsign, cut to 12 and padded
  std::string qrg;      // kHz as the source writes it, right-aligned in 8
  std::string spotter;  // 11, left-aligned
  std::string remarks;  // the rest of the line
  bool operator==(const Spot&) const = default;
};

inline constexpr std::size_t DateWidth = 13;
inline constexpr std::size_t DxWidth = 12;
inline constexpr std::size_t QrgWidth = 8;
inline constexpr std::size_t SpotterWidth = 11;

// A spot from its field values as cut from the source: the DX cut to 12 and
// padded, the QRG right-aligned in 8, the spotter cut to 11 and padded, the
// date cut or padded to 13, so that every column of the list stays in place.
// Nothing when the QRG does not fit its 8 columns.
std::optional<Spot> fittedSpot(std::string_view date, std::string_view dx, std::string_view qrg,
                               std::string_view spotter, std::string remarks);

// SortMode: 1 by date, 2 by DX, 3 by QRG.
enum class SortMode { Date = 1, Dx = 2, Qrg = 3 };

// The fields joined by single blanks after a leading blank, the sorted field
// first: " Date DX QRG Spotter Remarks", " DX Date QRG ...", " QRG DX Date ...".
std::string sortedLine(const Spot& spot, SortMode mode);

// The SpotLine of a sorted line: " " Date " " DX " " QRG " " and everything
// from column 38 of the sorted line (spotter, blank, remarks), the fields
// taken from the sorted line's columns for its mode.
std::string spotLineOfSorted(std::string_view sorted, SortMode mode);

// The columns of a SpotLine (1-based): Date 2-14, DX 16-27, QRG 29-36,
// spotter 38-48, remarks from 50.
namespace SpotLineLayout {
inline constexpr std::size_t DateColumn = 2;
inline constexpr std::size_t DxColumn = 16;
inline constexpr std::size_t QrgColumn = 29;
inline constexpr std::size_t SpotterColumn = 38;
inline constexpr std::size_t RemarksColumn = 50;
}  // namespace SpotLineLayout

// The spotted callsign of a SpotLine, blanks trimmed.
std::string spotLineCallsign(std::string_view spotLine);
// Its QRG in kHz; nothing when the column holds no number.
std::optional<double> spotLineKhz(std::string_view spotLine);
// Its remarks.
std::string_view spotLineRemarks(std::string_view spotLine);

}  // namespace brivant
