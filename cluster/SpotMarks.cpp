#include "cluster/SpotMarks.h"

#include <cmath>
#include <unordered_map>

#include "cluster/Spot.h"
#include "core/Bands.h"
#include "core/QsoRecord.h"
#include "core/Text.h"

namespace brivant {

namespace {

std::string withSlashes(std::string_view callsign) {
  std::string text(callsign);
  for (char& c : text)
    if (c == '_') c = '/';
  return text;
}

struct CallHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view callsign) const { return std::hash<std::string_view>{}(callsign); }
};

// A field of a list line, blanks trimmed, without copying it.
std::string_view listFieldView(std::string_view line, QsoField field) {
  return trimBlanks(midText(recordOfListLine(line), field.column, field.width));
}

}  // namespace

std::vector<bool> workedSpots(const std::vector<std::string>& spotLines, const std::vector<std::string>& listLines,
                              std::string_view mode) {
  std::vector<bool> worked(spotLines.size(), false);
  // The spots by callsign, with the band of each: the log is read once and
  // only the contacts of a listed station are looked at.
  std::unordered_map<std::string, std::vector<std::pair<std::size_t, std::string_view>>, CallHash, std::equal_to<>>
      spotsByCall;
  for (std::size_t i = 0; i < spotLines.size(); ++i) {
    const std::optional<double> khz = spotLineKhz(spotLines[i]);
    const Band* band = khz ? bandOfFrequency(std::llround(*khz)) : nullptr;
    if (band != nullptr) spotsByCall[withSlashes(spotLineCallsign(spotLines[i]))].emplace_back(i, band->label);
  }
  if (spotsByCall.empty()) return worked;
  std::string callsign;
  for (const std::string& line : listLines) {
    const std::string_view logged = listFieldView(line, QsoLayout::Callsign);
    auto found = spotsByCall.find(logged);
    if (found == spotsByCall.end() && logged.find('_') != std::string_view::npos)
      found = spotsByCall.find(callsign = withSlashes(logged));
    if (found == spotsByCall.end() || listFieldView(line, QsoLayout::Mode) != mode) continue;
    const std::string_view band = listFieldView(line, QsoLayout::Band);
    for (const auto& [index, spotBand] : found->second)
      if (spotBand == band) worked[index] = true;
  }
  return worked;
}

bool holdsCastleReference(std::string_view remarks) {
  for (std::size_t at = remarks.find("DFCF"); at != std::string_view::npos; at = remarks.find("DFCF", at + 1)) {
    std::size_t next = at + 4;
    while (next < remarks.size() && (remarks[next] == ' ' || remarks[next] == '-')) ++next;
    if (next < remarks.size() && isAsciiDigit(remarks[next])) return true;
  }
  return false;
}

}  // namespace brivant
