#include "cluster/RadioReadback.h"

#include "core/Bands.h"
#include "core/Language.h"

namespace brivant {

namespace {

constexpr long long LowerSidebandBelowHertz = 10'000'000;

// "14025" -> "14 025".
std::string thousandsApart(long long number) {
  std::string digits = std::to_string(number);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(static_cast<std::size_t>(at), 1, ' ');
  return digits;
}

}  // namespace

QString readbackText(bool french, const RigReading& reading) {
  const long long tens = (reading.hertz + 5) / 10;
  const long long hundredths = tens % 100;
  std::string text = thousandsApart(tens / 100);
  text += french ? ',' : '.';
  text += static_cast<char>('0' + hundredths / 10);
  text += static_cast<char>('0' + hundredths % 10);
  text += " kHz ";
  // CW whether the radio listens on the upper or the lower side.
  text += reading.mode == RigMode::Cw ? std::string(CwModeLabel) : reading.modeName;
  return QString::fromStdString(text);
}

QString silentRadioText(bool french) { return pick(french, "radio muette", "radio not answering"); }

std::optional<EntryFollow> entryFollowOf(const RigReading& reading) {
  const Band* band = bandOfFrequency(reading.hertz / 1000);
  if (band == nullptr || !band->acceptedInEntry) return std::nullopt;
  EntryFollow follow{std::string(band->label), {}};
  if (reading.mode == RigMode::Cw) follow.mode = CwModeLabel;
  if (reading.mode == RigMode::Lsb || reading.mode == RigMode::Usb) follow.mode = SsbModeLabel;
  return follow;
}

RigMode rigModeOf(std::string_view loggingMode, long long hertz) {
  if (loggingMode == CwModeLabel) return RigMode::Cw;
  return hertz < LowerSidebandBelowHertz ? RigMode::Lsb : RigMode::Usb;
}

}  // namespace brivant
