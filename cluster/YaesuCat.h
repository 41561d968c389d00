#pragma once
// The Yaesu CAT command blocks that tune a transceiver to a spot: five bytes
// each, P1 to P4 then the opcode.

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace brivant {

using CatBlock = std::array<unsigned char, 5>;

// The models Emetteur offers, in its order ("Transceiver" holds the index).
enum class YaesuModel { FT736, FT817, FT847, FT897 };
inline constexpr std::array<std::string_view, 4> YaesuModelNames{"FT-736", "FT-817", "FT-847", "FT-897"};
std::optional<YaesuModel> yaesuModelOf(std::string_view name);

// The frequency of a SpotLine in units of 10 Hz, from the blank before its
// QRG and the QRG (columns 28 to 36): the first 7 characters, the last one,
// then "0", blanks removed (14025.0 kHz gives 1402500).  Nothing unless the
// QRG is digits, a point and one digit.
std::optional<long long> spotFrequencyTensOfHz(std::string_view spotLine);

// P1 to P4 of a frequency in units of 10 Hz: its first 8 digits, zero-filled
// on the left to 8, as packed BCD, most significant pair first
// (1402500 gives 01 40 25 00).
CatBlock frequencyParameters(long long tensOfHz);

// The mode byte of the mode being logged: 02 for CW; for SSB (and anything
// else) 00 (LSB) below 10 MHz and 01 (USB) from 10 MHz.
unsigned char yaesuModeByte(std::string_view mode, long long tensOfHz);

// The blocks that tune a model: the FT-736 and FT-847 get CAT on (opcode 00),
// the frequency (01), the mode (07) and CAT off (80); the FT-817 and FT-897,
// where 00 and 80 lock and unlock the panel, get the frequency and the mode
// only.
std::vector<CatBlock> yaesuTuningBlocks(YaesuModel model, long long tensOfHz, std::string_view mode);

}  // namespace brivant
