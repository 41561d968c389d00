#pragma once
// The castle activations contacted on one band in one mode, read from the
// log, as the lines of the castle statistics list.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"

namespace brivant {

// Two blanks, then cut from the record untrimmed: the first 15 characters of
// the reference, the castle name (30), the date with its two blanks (10) and
// the callsign (12): 69 characters.
inline constexpr int CastleStatWidth = 69;
std::string CastleStatLine(std::string_view record);

// The lines of every CHATEAU contact on the band and mode, in ascending order
// of their text (by reference, then name, date and callsign); a castle
// contacted twice is listed twice.  Missing log: error 53.
Result<std::vector<std::string>> castleStatLines(const std::filesystem::path& programDir, std::string_view call,
                                                 std::string_view band, std::string_view mode);

}  // namespace brivant
