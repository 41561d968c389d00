#include "entry/TallyBands.h"

#include "platform/Cp1252.h"

namespace brivant {

namespace {

std::optional<std::size_t> shifted(std::optional<std::size_t> index, std::size_t firstColumn) {
  if (!index) return std::nullopt;
  return firstColumn + *index;
}

}  // namespace

std::optional<std::size_t> bandIndexUpperCased(std::string_view band) {
  for (std::size_t i = 0; i < Bands.size(); ++i)
    if (Cp1252::equalUpperAscii(Bands[i].label, band)) return i;
  return std::nullopt;
}

std::optional<std::size_t> prefixBandColumn(std::string_view band) {
  return shifted(bandIndexOfLabel(band), PrefixFirstBandColumn);
}

std::optional<std::size_t> deptBandColumn(std::string_view band) {
  return shifted(bandIndexOfLabel(band), DeptFirstBandColumn);
}

std::optional<std::size_t> prefixBandColumnUpper(std::string_view band) {
  return shifted(bandIndexUpperCased(band), PrefixFirstBandColumn);
}

std::optional<std::size_t> deptBandColumnUpper(std::string_view band) {
  return shifted(bandIndexUpperCased(band), DeptFirstBandColumn);
}

char flagAt(std::string_view line, std::size_t column) {
  return (column >= 1 && column <= line.size()) ? line[column - 1] : ' ';
}

void putFlag(std::string& line, std::size_t column, char flag) {
  if (column == 0) return;
  if (line.size() < column) line.resize(column, ' ');
  line[column - 1] = flag;
}

int flagLevel(char flag) { return (flag >= '1' && flag <= '4') ? flag - '0' : 0; }

}  // namespace brivant
