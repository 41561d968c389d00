#include "cluster/SpotMarks.h"

#include <cmath>

#include "cluster/Spot.h"
#include "core/Bands.h"
#include "core/QsoRecord.h"

namespace brivant {

namespace {

std::string key(std::string_view callsign, std::string_view band, std::string_view mode) {
  std::string text(callsign);
  for (char& c : text)
    if (c == '_') c = '/';
  text += '|';
  text += band;
  text += '|';
  text += mode;
  return text;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

WorkedContacts::WorkedContacts(const std::vector<std::string>& listLines) {
  for (const std::string& line : listLines)
    keys_.insert(key(listFieldTrimmed(line, QsoLayout::Callsign), listFieldTrimmed(line, QsoLayout::Band),
                     listFieldTrimmed(line, QsoLayout::Mode)));
}

bool WorkedContacts::worked(std::string_view callsign, std::string_view band, std::string_view mode) const {
  return keys_.contains(key(callsign, band, mode));
}

bool WorkedContacts::spotWorked(std::string_view spotLine, std::string_view mode) const {
  const std::optional<double> khz = spotLineKhz(spotLine);
  if (!khz) return false;
  const Band* band = bandOfFrequency(std::llround(*khz));
  return band != nullptr && worked(spotLineCallsign(spotLine), band->label, mode);
}

bool holdsCastleReference(std::string_view remarks) {
  for (std::size_t at = remarks.find("DFCF"); at != std::string_view::npos; at = remarks.find("DFCF", at + 1)) {
    std::size_t next = at + 4;
    while (next < remarks.size() && (remarks[next] == ' ' || remarks[next] == '-')) ++next;
    if (next < remarks.size() && isDigit(remarks[next])) return true;
  }
  return false;
}

}  // namespace brivant
