#pragma once
// The log listing of the Impression window: the preview, the saved file
// (StationCall + "_Log_JNC_dd_mm_yy.txt") and the printed lines, all cut from
// the log lines in file order.  Texts are Windows-1252 bytes.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "outputs/OutputText.h"

namespace brivant {

// The castle reference is 20 characters in the saved and printed listings and
// cut to 18 in the preview.
inline constexpr std::size_t ListingReferenceWidth = 20;
inline constexpr std::size_t PreviewReferenceWidth = 18;

// One contact: its number n right-aligned in 5 columns and a blank, then date,
// callsign, departement, start time, band, mode, report received, report
// sent and reference, each cut with its fixed width (90 characters).
std::string logListingLine(long long n, std::string_view logLine, std::size_t referenceWidth);

// What goes into Visu_Print: title, " ", heads, " ", then the contacts.
std::vector<std::string> previewLines(bool french, std::string_view jncDate, std::string_view stationCall,
                                      const std::vector<std::string>& logLines);

// The saved file's content, every line ended by CR LF.
std::string savedListing(bool french, std::string_view jncDate, std::string_view stationCall,
                         std::string_view revisionText, const std::vector<std::string>& logLines);

// The printed lines, one printer line each.
std::vector<std::string> printedListingLines(bool french, std::string_view jncDate, std::string_view stationCall,
                                             std::string_view revisionText, const std::vector<std::string>& logLines);

std::string listingFileName(std::string_view stationCall, std::string_view jncDate);

// The confirmation after the listing was saved.
QString listingSavedMessage(bool french, std::string_view stationCall, std::string_view fileName);

// Save of the Impression window: reads the log afresh and writes the listing
// file over any previous one (atomically).
ExportOutcome saveListing(const std::filesystem::path& programDir, std::string_view stationCall,
                          std::string_view jncDate, std::string_view revisionText, bool french);

}  // namespace brivant
