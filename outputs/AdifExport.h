#pragma once
// The log in the ADIF tag syntax (Mnu_ADIF): StationCall + ".adi" in the
// program directory, a short header, then one record line per contact.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "outputs/OutputText.h"

namespace brivant {

// The ADIF band of one of the 17 band labels ("3.5 Mhz" 80m, "10 Mhz" 30m,
// "24 Ghz" 1.25cm).  Any other text gives the empty text: the record then
// carries "<band:0>" rather than a band it does not have.
std::string_view adifBandName(std::string_view bandLabel);

// One record line of a log line (Windows-1252): the fields cut by column and
// trimmed, each as "<name:L>value" with L the number of characters, then
// "<eor>".  Values are written in printable ASCII (accents dropped: "CHÂTEAU"
// is written "CHATEAU"), which strict ADIF readers require; the log keeps its
// accents.  "<State:" only for a departement, "<comment:" only when the
// reference or the castle name is there.
std::string adifRecord(std::string_view logLine);

// The whole file: title, "", "Tolvane", "", "", "<eoh>", then the records,
// every line ended by CR LF.
std::string adifDocument(bool french, std::string_view stationCall, const std::vector<std::string>& logLines);

std::filesystem::path adifFilePath(const std::filesystem::path& programDir, std::string_view stationCall);

// Exports the station's log; the message to show, the confirmation on
// success and the failure with its error number otherwise.
ExportOutcome exportAdif(const std::filesystem::path& programDir, std::string_view stationCall, bool french);

}  // namespace brivant
