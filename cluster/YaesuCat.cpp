#include "cluster/YaesuCat.h"

#include "cluster/RadioReadback.h"

#include <charconv>
#include <string>

#include "cluster/Spot.h"
#include "core/Text.h"

namespace brivant {

namespace {

constexpr unsigned char CatOn = 0x00;
constexpr unsigned char SetFrequency = 0x01;
constexpr unsigned char SetMode = 0x07;
constexpr unsigned char CatOff = 0x80;

constexpr unsigned char Lsb = 0x00;
constexpr unsigned char Usb = 0x01;
constexpr unsigned char Cw = 0x02;

// Digits, a point, one digit.
bool endsInOneDecimal(std::string_view qrg) {
  if (qrg.size() < 3 || qrg[qrg.size() - 2] != '.' || !isAsciiDigit(qrg.back())) return false;
  for (std::size_t i = 0; i + 2 < qrg.size(); ++i)
    if (!isAsciiDigit(qrg[i])) return false;
  return true;
}

CatBlock block(unsigned char opcode, CatBlock parameters = {}) {
  parameters[4] = opcode;
  return parameters;
}

}  // namespace

std::optional<YaesuModel> yaesuModelOf(std::string_view name) {
  for (std::size_t i = 0; i < YaesuModelNames.size(); ++i)
    if (YaesuModelNames[i] == name) return static_cast<YaesuModel>(i);
  return std::nullopt;
}

std::optional<long long> spotFrequencyTensOfHz(std::string_view spotLine) {
  if (!endsInOneDecimal(cutTrimmed(spotLine, SpotLineLayout::QrgColumn, QrgWidth))) return std::nullopt;
  const std::string columns = cutColumns(spotLine, SpotLineLayout::QrgColumn - 1, QrgWidth + 1);
  const std::string digits = std::string(trimBlanks(std::string(leftText(columns, 7)) + columns.back() + "0"));
  long long tens = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), tens);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return tens;
}

CatBlock frequencyParameters(long long tensOfHz) {
  std::string digits = std::to_string(tensOfHz < 0 ? 0 : tensOfHz);
  if (digits.size() < 8) digits.insert(0, 8 - digits.size(), '0');
  CatBlock parameters{};
  for (std::size_t i = 0; i < 4; ++i)
    parameters[i] = static_cast<unsigned char>((digits[2 * i] - '0') * 16 + (digits[2 * i + 1] - '0'));
  return parameters;
}

unsigned char yaesuModeByte(std::string_view mode, long long tensOfHz) {
  switch (rigModeOf(mode, tensOfHz * 10)) {
    case RigMode::Cw:
      return Cw;
    case RigMode::Lsb:
      return Lsb;
    default:
      return Usb;
  }
}

std::vector<CatBlock> yaesuTuningBlocks(YaesuModel model, long long tensOfHz, std::string_view mode) {
  const CatBlock frequency = block(SetFrequency, frequencyParameters(tensOfHz));
  const CatBlock modeBlock = block(SetMode, {yaesuModeByte(mode, tensOfHz), 0, 0, 0, 0});
  if (model == YaesuModel::FT817 || model == YaesuModel::FT897) return {frequency, modeBlock};
  return {block(CatOn), frequency, modeBlock, block(CatOff)};
}

}  // namespace brivant
