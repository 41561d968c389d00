#include "outputs/AdifExport.h"

#include "core/Bands.h"
#include "core/Language.h"
#include "core/LogFile.h"
#include "core/Text.h"
#include "outputs/OutputText.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace brivant {

namespace {

// "<name:L>value": the value in printable ASCII, as ADIF's String fields
// must be, and L its length once so written.
void appendTag(std::string& out, std::string_view name, std::string_view value) {
  const std::string plain = Cp1252::toPlainAscii(value);
  out += '<';
  out += name;
  out += std::to_string(plain.size());
  out += '>';
  out += plain;
}

// "hh:mm" -> "hhmm": the first two and the last two characters.
std::string compactTime(std::string_view time) {
  std::string result(leftText(time, 2));
  result += rightText(time, 2);
  return result;
}

}  // namespace

std::string_view adifBandName(std::string_view bandLabel) {
  const Band* band = bandOfLabel(bandLabel);
  return band != nullptr ? band->adifBand : std::string_view();
}

std::string adifRecord(std::string_view line) {
  std::string record;
  record.reserve(200);
  appendTag(record, "call:", cutTrimmed(line, 11, 12));
  appendTag(record, "band:", adifBandName(cutTrimmed(line, 50, 10)));
  appendTag(record, "mode:", cutTrimmed(line, 60, 5));

  // The century is always 20: the event's logs are this century's.
  const std::string date = cutTrimmed(line, 1, 10);
  std::string isoDate = "20";
  isoDate += rightText(date, 2);
  isoDate += midText(date, 4, 2);
  isoDate += leftText(date, 2);
  appendTag(record, "qso_date:", isoDate);

  appendTag(record, "time_on:", compactTime(cutTrimmed(line, 23, 5)));
  appendTag(record, "time_off:", compactTime(cutTrimmed(line, 30, 7)));
  appendTag(record, "rst_sent:", cutTrimmed(line, 69, 8));
  appendTag(record, "rst_rcvd:", cutTrimmed(line, 79, 8));

  const std::string departement = cutTrimmed(line, 37, 4);
  if (!departement.empty()) appendTag(record, "State:", departement);

  const std::string reference = cutTrimmed(line, 89, 20);
  const std::string castleName = cutTrimmed(line, 169, 30);
  if (!reference.empty() || !castleName.empty()) appendTag(record, "comment:", reference + " " + castleName);

  record += "<eor>";
  return record;
}

std::string adifDocument(bool french, std::string_view stationCall, const std::vector<std::string>& logLines) {
  std::string title = pickBytes(french, "Exportation du carnet de trafic J.E.C. de ", "Export log J.E.C. of ");
  title += stationCall;
  title += pickBytes(french, " au format ADIF", " ADIF format");

  std::string document = TextFile::joinLines({title, "", "Tolvane", "", "", "<eoh>"});
  document.reserve(document.size() + logLines.size() * 180);
  for (const std::string& line : logLines) {
    document += adifRecord(line);
    document += "\r\n";
  }
  return document;
}

std::filesystem::path adifFilePath(const std::filesystem::path& programDir, std::string_view stationCall) {
  return stationFilePath(programDir, stationCall, ".adi");
}

ExportOutcome exportAdif(const std::filesystem::path& programDir, std::string_view stationCall, bool french) {
  const std::filesystem::path log = logFilePath(programDir, stationCall);
  const std::filesystem::path target = adifFilePath(programDir, stationCall);
  Result<TextFile::Lines> lines = TextFile::readLines(log);
  if (!lines) return {false, outputReadFailure(french, lines.error(), log)};
  return writeOutputAndConfirm(target, adifDocument(french, stationCall, *lines), french,
                               logCopiedMessage(french, stationCall, "adi"));
}

}  // namespace brivant
