#pragma once
// What makes a listed spot look different: greyed when its station is already
// in the log on its band in the mode being logged, standing out when its
// remarks name a castle.

#include <string>
#include <string_view>
#include <vector>

namespace brivant {

// For each SpotLine, whether its callsign ("/" and "_" alike) is in the log
// (its list lines, QsoListLine) on the band of the spot's QRG in that mode.
std::vector<bool> workedSpots(const std::vector<std::string>& spotLines, const std::vector<std::string>& listLines,
                              std::string_view mode);

// Remarks that hold a castle reference: "DFCF" followed by digits, with
// blanks or a "-" allowed between ("DFCF 59-045", "DFCF59045").
bool holdsCastleReference(std::string_view remarks);

}  // namespace brivant
