#pragma once
// The prefixes contacted on one band in one mode, read from the mode's prefix
// tally, as the lines of the prefix statistics list.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"

namespace brivant {

// Two blanks, the prefix padded to 5, a blank, the name right-aligned in 35
// characters (a longer name is kept whole): 43 characters.
inline constexpr int PrefixStatWidth = 43;
std::string PrefixStatLine(std::string_view prefix, std::string_view name);

// The lines of every prefix whose flag for the band is a digit 1 to 9, in
// ascending order of their text (hence by prefix).  A band that is no column
// of the tally lists nothing.  Missing tally: error 53.
Result<std::vector<std::string>> prefixStatLines(const std::filesystem::path& programDir, std::string_view call,
                                                 std::string_view band, std::string_view mode);

// The count under the list: "n préfixes" / "n prefixes" (singular for one).
QString prefixCountText(bool french, std::size_t count);

}  // namespace brivant
