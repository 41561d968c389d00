#include "outputs/AdifImport.h"

#include <cmath>

#include "core/Bands.h"
#include "core/DateText.h"
#include "core/Language.h"
#include "core/LogFile.h"
#include "core/Text.h"
#include "entry/ContactCheck.h"
#include "entry/Duplicates.h"
#include "entry/EntryRules.h"
#include "entry/PrefixIndex.h"
#include "outputs/OutputText.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"
#include "scoring/SaveContact.h"

namespace brivant {

namespace {

constexpr std::string_view DfcfPrefix = "DFCF ";
// Corsica's own prefix: its stations keep their departement, "2a" or "2b".
constexpr std::string_view CorsicaPrefix = "TK";
// Records between two calls of the progress.
constexpr std::size_t ProgressStep = 500;

bool allDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// The values of one record as Windows-1252 text; the first character that
// has no byte there becomes the record's problem.
class RecordText {
 public:
  RecordText(const AdifFields& record, bool utf8, bool french, QString& problem)
      : record_(record), utf8_(utf8), french_(french), problem_(problem) {}

  // The value, blanks around removed.
  std::string operator()(std::string_view name) const { return std::string(trimBlanks(raw(name))); }
  // The value as it is (a comment's blanks say where its parts end).
  std::string raw(std::string_view name) const {
    const std::string_view value = record_.value(name);
    if (!utf8_) return std::string(value);
    bool ok = true;
    std::string bytes = Cp1252::fromUtf8(value, &ok);
    if (!ok && problem_.isEmpty()) {
      const QString text = QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
      problem_ = unencodableCharacterMessage(french_, Cp1252::firstUnencodable(text).value_or(QString()));
    }
    return bytes;
  }

 private:
  const AdifFields& record_;
  bool utf8_;
  bool french_;
  QString& problem_;
};

// "yyyymmdd" -> "dd/mm/yy", when it is a real date.  The year keeps its last
// two digits, as the log writes it (and as the export's "20" gives it back).
std::optional<std::string> logDateOf(std::string_view adif) {
  if (adif.size() != 8 || !allDigits(adif)) return std::nullopt;
  std::string date(adif.substr(6, 2));
  date += '/';
  date += adif.substr(4, 2);
  date += '/';
  date += adif.substr(2, 2);
  if (Verif_Date(date) != 0) return std::nullopt;
  return date;
}

// "hhmm" or "hhmmss" -> "hh:mm", when it is a real time.
std::optional<std::string> logTimeOf(std::string_view adif) {
  if ((adif.size() != 4 && adif.size() != 6) || !allDigits(adif)) return std::nullopt;
  std::string time(adif.substr(0, 2));
  time += ':';
  time += adif.substr(2, 2);
  if (Verif_Heure(time) != 0) return std::nullopt;
  return time;
}

// French puts a blank before the colon, English does not.
QString withValue(bool french, const QString& text, std::string_view value) {
  return value.empty() ? text : text + pick(french, " : ", ": ") + Cp1252::toQString(value);
}

QString dateProblem(bool french, std::string_view field, std::string_view value) {
  const QString name = QString::fromLatin1(field.data(), static_cast<qsizetype>(field.size()));
  if (value.empty()) return pick(french, "Pas de ", "No ") + name;
  return withValue(french, pick(french, "Valeur illisible de ", "Unreadable value of ") + name, value);
}

// The band label of BAND ("20m", "20M"), else of FREQ in MHz.
std::optional<std::string> bandOf(const RecordText& text, bool french, QString& problem) {
  const std::string band = text("BAND");
  if (!band.empty()) {
    for (const Band& known : Bands)
      if (Cp1252::equalUpperAscii(known.adifBand, band)) return std::string(known.label);
    problem = withValue(french, pick(french, "Bande inconnue", "Unknown band"), band);
    return std::nullopt;
  }
  const std::string frequency = text("FREQ");
  if (frequency.empty()) {
    problem = pick(french, "Ni bande (BAND) ni fréquence (FREQ)", "Neither band (BAND) nor frequency (FREQ)");
    return std::nullopt;
  }
  const Band* known = bandOfFrequency(std::llround(basicValue(frequency) * 1000.0));
  if (known == nullptr) {
    problem = withValue(french, pick(french, "Fréquence hors des bandes", "Frequency outside the bands"), frequency);
    return std::nullopt;
  }
  return std::string(known->label);
}

// USB, LSB and SSB (as a mode, or as the submode of an empty one) are SSB.
std::string modeOf(const RecordText& text) {
  const std::string mode = Cp1252::upperAscii(text("MODE"));
  const std::string submode = Cp1252::upperAscii(text("SUBMODE"));
  const auto sideband = [](std::string_view m) { return m == "SSB" || m == "USB" || m == "LSB"; };
  if (sideband(mode) || (mode.empty() && sideband(submode))) return "SSB";
  return mode;
}

// The comment as the export writes it: the reference, a blank, the castle
// name.  A reference of a French castle starts with "DFCF " and is one word
// after it; a comment starting with the blank has no reference, one ending
// with it no castle name.  Any other comment is a QTH or a name: no
// reference.
void readComment(const std::string& comment, QsoFields& fields) {
  if (comment.empty()) return;
  std::string reference;
  std::string castleName;
  if (comment.starts_with(DfcfPrefix)) {
    const std::size_t blank = comment.find(' ', DfcfPrefix.size());
    reference = comment.substr(DfcfPrefix.size(), blank - DfcfPrefix.size());
    if (blank != std::string::npos) castleName = comment.substr(blank + 1);
    fields.activity = std::to_string(CastleActivity);
  } else if (comment.front() == ' ') {
    castleName = comment.substr(1);
  } else if (comment.back() == ' ') {
    reference = comment.substr(0, comment.size() - 1);
  } else {
    castleName = comment;
  }
  // QTH_A and Remarques_A put typed letters in capitals.
  fields.qth = Cp1252::upperAscii(trimBlanks(reference));
  fields.castleName = Cp1252::upperAscii(trimBlanks(castleName));
}

}  // namespace

ImportedContact contactOfAdif(const AdifFields& record, bool utf8, bool french) {
  ImportedContact contact;
  QString& problem = contact.problem;
  const RecordText text(record, utf8, french, problem);
  QsoFields& f = contact.fields;

  f.callsign = Cp1252::upperAscii(text("CALL"));
  f.activity = std::to_string(ContactActivity);
  readComment(text.raw("COMMENT"), f);
  f.mode = modeOf(text);
  const std::optional<std::string> band = bandOf(text, french, problem);
  f.band = band.value_or("");

  const std::string date = text("QSO_DATE");
  const std::string start = text("TIME_ON");
  const std::string end = text("TIME_OFF");
  const std::optional<std::string> logDate = logDateOf(date);
  const std::optional<std::string> logStart = logTimeOf(start);
  // A contact without its end ended when it started.
  const std::optional<std::string> logEnd = end.empty() ? logStart : logTimeOf(end);
  if (!logDate && problem.isEmpty()) problem = dateProblem(french, "QSO_DATE", date);
  if (!logStart && problem.isEmpty()) problem = dateProblem(french, "TIME_ON", start);
  if (!logEnd && problem.isEmpty()) problem = dateProblem(french, "TIME_OFF", end);
  f.date = logDate.value_or("");
  f.start = logStart.value_or("");
  f.end = logEnd.value_or("");

  // The reports the mode starts with, as Mode_A sets them, when the file has none.
  f.rstSent = text("RST_SENT");
  f.rstReceived = text("RST_RCVD");
  if (f.rstSent.empty()) f.rstSent = defaultReport(f.mode);
  if (f.rstReceived.empty()) f.rstReceived = defaultReport(f.mode);
  f.firstName = Cp1252::upper(text("NAME"));
  // The locator is never kept on the HF bands, whatever its length.
  f.locator = isHfBand(f.band) ? std::string() : Cp1252::upper(text("GRIDSQUARE"));
  f.departement = departementOfField(text("STATE")).field;

  if (!record.ended && problem.isEmpty())
    problem =
        pick(french, "Enregistrement sans <eor> à la fin du fichier", "Record without <eor> at the end of the file");
  return contact;
}

bool keepsDepartement(std::string_view entryPrefix) {
  return isFrenchPrefix(entryPrefix) || entryPrefix == CorsicaPrefix;
}

QString importedContactProblem(const QsoFields& contact, std::string_view entryPrefix, const DuplicateIndex& logged,
                               bool french) {
  // Every field as its own Enter checks it, as the save does for a typed
  // contact, the log line it makes included.
  ContactCheckContext context;
  context.prefix = std::string(entryPrefix);
  if (const std::optional<ContactRefusal> refusal = checkContact(contact, context))
    return contactRefusalMessage(*refusal, french);
  // The callsign logged on the band and mode without a reference (QTH_A is
  // still empty when Indicatif_A is entered), then a castle reference logged
  // on the band and mode.
  if (const std::optional<LoggedContact> twice =
          logged.callsignDuplicate(contact.callsign, "", contact.band, contact.mode))
    return callsignDuplicateMessage(french, contact.callsign, *twice);
  if (const std::optional<LoggedContact> twice = logged.referenceDuplicate(contact.qth, contact.band, contact.mode))
    return referenceDuplicateMessage(french, *twice);
  return {};
}

Result<ImportPlan> planAdifImport(const std::filesystem::path& programDir, std::string_view call,
                                  std::string_view fileBytes, bool french, const ImportProgress& progress) {
  Result<TextFile::Lines> log = TextFile::readLines(logFilePath(programDir, call));
  if (!log) return log.error();
  // The entry looks prefixes up in the station's tally of the mode; every
  // mode's holds the same prefix lines.
  Result<TextFile::Lines> prefixLines = TextFile::readLines(prefixTallyPath(programDir, call, ModeLabels.front()));
  if (!prefixLines) return prefixLines.error();
  const PrefixIndex prefixes(*prefixLines);
  DuplicateIndex logged(numberedListLines(*log));
  long long nextNumber = static_cast<long long>(log->size()) + 1;

  const AdifFile file = readAdif(fileBytes);
  ImportPlan plan;
  plan.recordsRead = file.records.size();
  for (std::size_t i = 0; i < file.records.size(); ++i) {
    if (progress && i % ProgressStep == 0) progress(i, file.records.size());
    const AdifFields& record = file.records[i];
    ImportedContact contact = contactOfAdif(record, file.utf8, french);
    QString reason = contact.problem;
    std::optional<std::string> line;
    if (reason.isEmpty()) {
      const std::string prefix = entryPrefixOf(*prefixLines, prefixes, contact.fields.callsign);
      if (!keepsDepartement(prefix)) contact.fields.departement.clear();
      reason = importedContactProblem(contact.fields, prefix, logged, french);
      if (reason.isEmpty()) {
        const std::string points = pointsOfBand(contact.fields.band).value_or("0");
        line = newContactRecord(contact.fields, prefix, points);
      }
    }
    if (!line) {
      const std::string_view callText = record.value("CALL");
      const std::string callBytes = file.utf8 ? Cp1252::fromUtf8(callText) : std::string(callText);
      plan.refused.push_back({record.number, std::string(trimBlanks(callBytes)), reason});
      continue;
    }
    logged.add(QsoListLine(nextNumber++, *line));
    plan.records.push_back(std::move(*line));
  }
  if (progress) progress(file.records.size(), file.records.size());
  return plan;
}

Result<std::vector<std::string>> applyAdifImport(const std::filesystem::path& programDir, std::string_view call,
                                                 const ImportPlan& plan) {
  return insertRecordsInDateOrder(programDir, call, plan.records);
}

std::filesystem::path importReportPath(const std::filesystem::path& programDir, std::string_view call) {
  return programDir / (std::string(call) + "_Import_ADIF.txt");
}

QString reasonOnOneLine(const QString& reason) { return reason.simplified(); }

std::string importReportText(bool french, std::string_view fileName, const ImportPlan& plan) {
  TextFile::Lines lines;
  lines.push_back(pickBytes(french, "Import du fichier ADIF ", "Import of the ADIF file ") + std::string(fileName));
  lines.push_back(Cp1252::fromQString(importSummary(french, plan.records.size(), plan.refused.size())));
  lines.emplace_back();
  for (const ImportRefusal& refusal : plan.refused) {
    std::string line = rightAligned(static_cast<long long>(refusal.number), 6);
    line += "  ";
    line += padRight(refusal.callsign, 12);
    line += "  ";
    line += Cp1252::fromQString(reasonOnOneLine(refusal.reason));
    lines.push_back(std::move(line));
  }
  return TextFile::joinLines(lines);
}

QString importSummary(bool french, std::size_t imported, std::size_t refused) {
  return pick(french, "%1 contact(s) importé(s), %2 refusé(s)", "%1 contact(s) imported, %2 refused")
      .arg(imported)
      .arg(refused);
}

QString emptyImportMessage(bool french) {
  return pick(french, "Ce fichier ne contient aucun contact ADIF", "This file holds no ADIF contact");
}

QString importFileTitle(bool french) { return pick(french, "Importer un fichier ADIF", "Import an ADIF file"); }

QString importReportTitle(bool french) {
  return pick(french, "Import ADIF : contacts refusés", "ADIF import: refused contacts");
}

}  // namespace brivant
