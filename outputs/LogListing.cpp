#include "outputs/LogListing.h"

#include "core/Language.h"
#include "core/LogFile.h"
#include "core/Text.h"
#include "outputs/OutputText.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace brivant {

namespace {

enum class Copy { Preview, Saved, Printed };

std::string title(Copy copy, bool french, std::string_view jncDate, std::string_view stationCall) {
  std::string text(pick<std::size_t>(french, copy == Copy::Preview ? 12 : 15, 25), ' ');
  text += pickBytes(french, "Journee Nationale des Ruziduza ", "Ravuzore Ruruzav Evu ");
  text += jncDate;
  text += " Station ";
  text += stationCall;
  return text;
}

std::string heads(Copy copy, bool french) {
  if (copy == Copy::Preview) {
    return pickBytes(french, "   No   Date   Indicatif    Dpt  QTR   Bande    Mode RstR    RstE     Ref Chateau",
                     "   No   Date   Callsign     Dpt  QTR   Band     Mode RstR    RstS     Ref Castle");
  }
  // The English heads name the report sent "RstS" on file and "RstE" on paper.
  return pickBytes(french, "        N°   Date   Indicatif    Dpt  QTR   Bande    Mode RstR    RstE     N° Chateau",
                   copy == Copy::Saved
                       ? "        No   Date   Callsign     Dpt  QTR   Band     Mode RstR    RstS     Ref Castle"
                       : "        No   Date   Callsign     Dpt  QTR   Band     Mode RstR    RstE     Ref Castle");
}

const std::string FiveBlanks(5, ' ');

std::string bannerLine(std::string_view revisionText) { return std::string(30, ' ') + recapBanner(revisionText); }

}  // namespace

std::string logListingLine(long long n, std::string_view line, std::size_t referenceWidth) {
  std::string text = rightAligned(n, 5);
  text += ' ';
  text += cutColumns(line, 1, 10);
  text += cutColumns(line, 11, 12);
  text += cutColumns(line, 37, 4);
  text += cutColumns(line, 23, 7);
  text += cutColumns(line, 50, 10);
  text += cutColumns(line, 60, 5);
  text += cutColumns(line, 79, 8);
  text += cutColumns(line, 69, 8);
  text += cutColumns(line, 89, referenceWidth);
  return text;
}

std::vector<std::string> previewLines(bool french, std::string_view jncDate, std::string_view stationCall,
                                      const std::vector<std::string>& logLines) {
  std::vector<std::string> lines{title(Copy::Preview, french, jncDate, stationCall), " ", heads(Copy::Preview, french),
                                 " "};
  lines.reserve(lines.size() + logLines.size());
  long long n = 1;
  for (const std::string& line : logLines) lines.push_back(logListingLine(n++, line, PreviewReferenceWidth));
  return lines;
}

std::string savedListing(bool french, std::string_view jncDate, std::string_view stationCall,
                         std::string_view revisionText, const std::vector<std::string>& logLines) {
  std::string bytes =
      TextFile::joinLines({title(Copy::Saved, french, jncDate, stationCall), "", heads(Copy::Saved, french), ""});
  bytes.reserve(bytes.size() + logLines.size() * 97 + 64);
  long long n = 1;
  for (const std::string& line : logLines) {
    bytes += FiveBlanks;
    bytes += logListingLine(n++, line, ListingReferenceWidth);
    bytes += "\r\n";
  }
  bytes += TextFile::joinLines({"", bannerLine(revisionText), ""});
  return bytes;
}

std::vector<std::string> printedListingLines(bool french, std::string_view jncDate, std::string_view stationCall,
                                             std::string_view revisionText, const std::vector<std::string>& logLines) {
  std::vector<std::string> lines{" ", title(Copy::Printed, french, jncDate, stationCall), " ",
                                 heads(Copy::Printed, french), " "};
  lines.reserve(lines.size() + logLines.size() + 2);
  long long n = 1;
  for (const std::string& line : logLines)
    lines.push_back(FiveBlanks + logListingLine(n++, line, ListingReferenceWidth));
  lines.emplace_back(" ");
  lines.push_back(bannerLine(revisionText));
  return lines;
}

std::string listingFileName(std::string_view stationCall, std::string_view jncDate) {
  return jncFileName(stationCall, "Log", jncDate);
}

QString listingSavedMessage(bool french, std::string_view stationCall, std::string_view fileName) {
  return jncSavedMessage(french, "Le Log de %1 a été sauvegardé sous le nom : %2", stationCall, fileName);
}

ExportOutcome saveListing(const std::filesystem::path& programDir, std::string_view stationCall,
                          std::string_view jncDate, std::string_view revisionText, bool french) {
  const std::filesystem::path log = logFilePath(programDir, stationCall);
  Result<TextFile::Lines> lines = TextFile::readLines(log);
  if (!lines) return {false, outputReadFailure(french, lines.error(), log)};
  const std::string name = listingFileName(stationCall, jncDate);
  return writeOutputAndConfirm(outputPath(programDir, name),
                               savedListing(french, jncDate, stationCall, revisionText, *lines), french,
                               listingSavedMessage(french, stationCall, name));
}

}  // namespace brivant
