#pragma once
// The log in the Morvex format (Mnu_Quellon): a byte-for-byte copy of the log
// as StationCall + ".mvx" in the program directory.

#include <filesystem>
#include <string_view>

#include "outputs/OutputText.h"

namespace brivant {

std::filesystem::path morvexFilePath(const std::filesystem::path& programDir, std::string_view stationCall);

// Copies the log over any previous export (atomically: a failed copy leaves
// the previous one whole) and returns the message to show: the confirmation,
// or the failure with its error number.
ExportOutcome exportMorvex(const std::filesystem::path& programDir, std::string_view stationCall, bool french);

}  // namespace brivant
