#pragma once
// What a radio read back through hamlib means for the program: the text the
// main window shows ("14 025,00 kHz CW"), the band and mode the entry takes
// from it, and the mode a spot tunes the radio to.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "platform/HamlibRig.h"

namespace brivant {

// The frequency in kHz to the 10 Hz, thousands apart, and the radio's mode:
// "14 025,00 kHz CW" in French, "14 025.00 kHz CW" in English.
QString readbackText(bool french, const RigReading& reading);
// What stands in its place while the radio does not answer.
QString silentRadioText(bool french);

// The band label and the mode ("SSB", "CW"; empty for a mode the log does not
// keep) the entry takes from a reading; nothing when the frequency is in no
// band the entry accepts.
struct EntryFollow {
  std::string band;
  std::string mode;
  bool operator==(const EntryFollow&) const = default;
};
std::optional<EntryFollow> entryFollowOf(const RigReading& reading);

// The radio's mode for the mode being logged: CW, else the sideband used on
// the band, lower below 10 MHz and upper from 10 MHz.
RigMode rigModeOf(std::string_view loggingMode, long long hertz);

}  // namespace brivant
