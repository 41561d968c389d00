#include "entry/TallyBands.h"

namespace brivant {

namespace {

char upperAsciiChar(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool equalUpperCased(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (upperAsciiChar(a[i]) != upperAsciiChar(b[i])) return false;
  return true;
}

std::optional<std::size_t> shifted(std::optional<std::size_t> index, std::size_t firstColumn) {
  if (!index) return std::nullopt;
  return firstColumn + *index;
}

}  // namespace

std::optional<std::size_t> scoreBandIndex(std::string_view band) {
  for (std::size_t i = 0; i < ScoreBands.size(); ++i)
    if (ScoreBands[i] == band) return i;
  return std::nullopt;
}

std::optional<std::size_t> bandIndexUpperCased(std::string_view band) {
  for (std::size_t i = 0; i < TallyBandLabels.size(); ++i)
    if (equalUpperCased(TallyBandLabels[i], band)) return i;
  return std::nullopt;
}

std::optional<std::size_t> prefixBandColumn(std::string_view band) {
  return shifted(bandIndexExact(band), PrefixFirstBandColumn);
}

std::optional<std::size_t> deptBandColumn(std::string_view band) {
  return shifted(bandIndexExact(band), DeptFirstBandColumn);
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
