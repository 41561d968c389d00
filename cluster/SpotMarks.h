#pragma once
// What makes a listed spot look different: greyed when its station is already
// in the log on its band in the mode being logged, standing out when its
// remarks name a castle.

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace brivant {

class WorkedContacts {
 public:
  // From the list lines of the log (QsoListLine).
  explicit WorkedContacts(const std::vector<std::string>& listLines);

  // The callsign ("/" and "_" alike) is in the log on that band label and mode.
  bool worked(std::string_view callsign, std::string_view band, std::string_view mode) const;
  // The station of a SpotLine is in the log on the band of its QRG in that mode.
  bool spotWorked(std::string_view spotLine, std::string_view mode) const;

 private:
  std::set<std::string, std::less<>> keys_;
};

// Remarks that hold a castle reference: "DFCF" followed by digits, with
// blanks or a "-" allowed between ("DFCF 59-045", "DFCF59045").
bool holdsCastleReference(std::string_view remarks);

}  // namespace brivant
