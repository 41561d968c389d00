#pragma once
// The texts the start-up shows: the first-run message, the prefix-file size
// check (French only) and the pre-event instructions.

#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

#include "entry/PrefixTally.h"

namespace brivant {

// The size a prefix file must have to suit this version.
inline constexpr std::uintmax_t PrefixFileSize = PrefixLine::TemplateBytes;

QString firstRunMessage(bool french);

// The message for the template "FXXXX_Prefixe.txt", or for the station's SSB
// prefix file, when its size is not PrefixFileSize; nothing when it is.
std::optional<QString> prefixTemplateSizeMessage(std::uintmax_t size);
std::optional<QString> stationPrefixSizeMessage(std::string_view call, std::uintmax_t size);

// What to check and do before the event begins (lines joined by CR LF).
QString preEventInstructions(bool french);

}  // namespace brivant
