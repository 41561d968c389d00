#include "outputs/AdifImport.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <map>

#include "core/Bands.h"
#include "core/DateText.h"
#include "core/Language.h"
#include "core/LogFile.h"
#include "core/Text.h"
#include "entry/ContactCheck.h"
#include "entry/Duplicates.h"
#include "entry/EntryRules.h"
#include "entry/PrefixIndex.h"
#include "entry/ReferenceLists.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"
#include "scoring/SaveContact.h"

namespace brivant {

namespace {

constexpr std::string_view DfcfPrefix = "DFCF ";
constexpr std::string_view Dfcf = "DFCF";
// Corsica's own prefix: its stations keep their departement, "2a" or "2b".
constexpr std::string_view CorsicaPrefix = "TK";
// The file is read a mebibyte at a time.
constexpr std::size_t PieceBytes = 1 << 20;
// The ADIF band names for which the program has no band.
constexpr std::array<std::string_view, 16> OtherAdifBands{"2190m", "630m",  "560m", "60m",  "8m",  "5m",
                                                          "4m",    "1.25m", "33cm", "9cm",  "6mm", "4mm",
                                                          "2.5mm", "2mm",   "1mm",  "submm"};

bool allDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

QString latin(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }
QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// French puts a blank before the colon, English does not.
QString colon(bool french) { return pick(french, " : ", ": "); }
QString quoted(bool french, const QString& text) { return pick(french, "« ", "“") + text + pick(french, " »", "”"); }

// "dd/mm/yyyy" of a date.
std::string fullDate(int year, int month, int day) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", day, month, year);
  return text;
}
std::string fullDate(int yyyymmdd) { return fullDate(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100); }

// yyyymmdd of a real date, or nothing.
std::optional<int> dayOf(int year, int month, int day) {
  const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                         std::chrono::day(static_cast<unsigned>(day))};
  if (!date.ok()) return std::nullopt;
  return year * 10000 + month * 100 + day;
}

int dayAfter(int yyyymmdd) {
  const std::chrono::year_month_day date{std::chrono::year(yyyymmdd / 10000),
                                         std::chrono::month(static_cast<unsigned>(yyyymmdd / 100 % 100)),
                                         std::chrono::day(static_cast<unsigned>(yyyymmdd % 100))};
  const std::chrono::year_month_day next{std::chrono::sys_days(date) + std::chrono::days(1)};
  return static_cast<int>(next.year()) * 10000 + static_cast<int>(static_cast<unsigned>(next.month())) * 100 +
         static_cast<int>(static_cast<unsigned>(next.day()));
}

// The event's day (the log's "dd/mm/yy" is in 2000-2099), or nothing when
// the station's date is not one.
std::optional<int> jncDayOf(std::string_view jncDate) {
  if (Verif_Date(jncDate) != 0) return std::nullopt;
  const auto number = [&](std::size_t at) { return (jncDate[at] - '0') * 10 + (jncDate[at + 1] - '0'); };
  return dayOf(2000 + number(6), number(3), number(0));
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

// "DFCF 59123", "DFCF-59123" or "59123": the number.
std::string castleNumberOf(std::string_view reference) {
  std::string_view rest = trimBlanks(reference);
  if (rest.size() > Dfcf.size() && Cp1252::equalUpperAscii(rest.substr(0, Dfcf.size()), Dfcf)) {
    rest.remove_prefix(Dfcf.size());
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '-' || rest.front() == '_')) rest.remove_prefix(1);
  }
  return Cp1252::upper(rest);
}

// ---- The reasons, in both languages ----

QString unreadableHeading(bool french) { return pick(french, "Date ou heure illisible", "Unreadable date or time"); }

ImportReason missingOrUnreadable(bool french, std::string_view field, std::string_view value) {
  if (value.empty()) return {unreadableHeading(french), pick(french, "Pas de ", "No ") + latin(field)};
  return {unreadableHeading(french),
          pick(french, "Valeur illisible de ", "Unreadable value of ") + latin(field) + colon(french) + utf8(value)};
}

ImportReason yearOutside(bool french, int yyyymmdd) {
  return {pick(french, "Année hors de 2000 à 2099 (le log écrit l'année sur deux chiffres)",
               "Year outside 2000 to 2099 (the log writes the year in two digits)"),
          pick(french, "Contact du ", "Contact of ") + latin(fullDate(yyyymmdd)) +
              pick(french, " : année hors de 2000 à 2099", ": year outside 2000 to 2099")};
}

QString bandHeading(bool french) { return pick(french, "Bande non proposée", "Band not offered"); }

ImportReason notJncBand(bool french, std::string_view adifBand, std::string_view label) {
  QString band = pick(french, "Bande ", "Band ") + latin(adifBand);
  if (!label.empty()) band += QStringLiteral(" (") + latin(label) + QLatin1Char(')');
  return {bandHeading(french), band + pick(french, " : pas une bande de la JNC", ": not a JNC band")};
}

ImportReason notInSession(bool french, std::string_view adifBand, std::string_view label) {
  return {bandHeading(french),
          pick(french, "Bande ", "Band ") + latin(adifBand) + QStringLiteral(" (") + latin(label) +
              pick(french, ") : non proposée dans cette session (HF)", "): not offered in this session (HF)")};
}

ImportReason modeRefused(bool french, std::string_view mode, std::string_view submode) {
  const QString heading = pick(french, "Mode autre que SSB ou CW", "Mode other than SSB or CW");
  if (mode.empty()) return {heading, pick(french, "Pas de mode (MODE)", "No mode (MODE)")};
  QString named = QStringLiteral("Mode ") + utf8(mode);
  if (!submode.empty()) named += QStringLiteral(" (") + utf8(submode) + QLatin1Char(')');
  return {heading, named + pick(french, " : seuls SSB et CW sont enregistrés", ": only SSB and CW are logged")};
}

ImportReason characterRefused(bool french, std::string_view field, const QString& character) {
  return {pick(french, "Caractère impossible à enregistrer", "Character that cannot be saved"),
          pick(french, "Le champ ", "The field ") + latin(field) + pick(french, " contient ", " holds ") +
              quoted(french, character) +
              pick(french, ", que le log ne peut pas enregistrer", ", which the log cannot hold")};
}

ImportReason damaged(bool french, const AdifRecord& record) {
  const QString field = latin(record.damagedField);
  const QString text = utf8(record.damageText);
  switch (record.damage) {
    case AdifDamage::MalformedTag:
      return {pick(french, "Balise mal formée", "Malformed tag"),
              pick(french, "Balise mal formée", "Malformed tag") + colon(french) + text};
    case AdifDamage::RunsIntoTag:
      return {pick(french, "Valeur qui déborde sur la balise suivante", "Value running into the next tag"),
              pick(french, "La longueur de ", "The length of ") + field +
                  pick(french, " déborde sur la balise ", " runs into the tag ") + text +
                  pick(french, " : enregistrement endommagé", ": damaged record")};
    case AdifDamage::LengthTooShort:
      return {pick(french, "Valeur plus longue que sa longueur", "Value longer than its length"),
              pick(french, "La valeur de ", "The value of ") + field +
                  pick(french, " continue après sa longueur (« ", " goes on past its length (“") + text +
                  pick(french, " ») : enregistrement endommagé", "”): damaged record")};
    case AdifDamage::LengthTooLarge:
      return {pick(french, "Longueur trop grande", "Length too large"),
              pick(french, "Longueur trop grande dans la balise ", "Length too large in the tag ") + text};
    case AdifDamage::RepeatedField:
      return {pick(french, "Champ en double", "Field given twice"),
              pick(french, "Le champ ", "The field ") + field +
                  pick(french, " figure deux fois : enregistrement endommagé", " appears twice: damaged record")};
    case AdifDamage::None:
      break;
  }
  return {};
}

ImportReason torn(bool french) {
  const QString text =
      pick(french, "Enregistrement sans <eor> à la fin du fichier", "Record without <eor> at the end of the file");
  return {text, text};
}

QString duplicateHeading(bool french) {
  return pick(french, "Déjà enregistré sur la bande et le mode", "Already logged on the band and mode");
}

ImportReason unknownPrefix(bool french, std::string_view callsign) {
  return {pick(french, "Préfixe inconnu : importé comme une station étrangère",
               "Unknown prefix: imported as a foreign station"),
          pick(french, "Aucun préfixe DXCC ne correspond à ", "No DXCC prefix matches ") + Cp1252::toQString(callsign)};
}

ImportReason otherCastle(bool french, std::string_view own, std::string_view station) {
  return {pick(french, "Contact fait depuis un autre château que celui de la station",
               "Contact made from another castle than the station's"),
          QStringLiteral("MY_SIG_INFO DFCF ") + Cp1252::toQString(own) +
              pick(french, ", château de la station : DFCF ", ", the station's castle: DFCF ") +
              Cp1252::toQString(station)};
}

ImportReason otherDay(bool french, const OtherDates& other, int yyyymmdd) {
  return {pick(french, "Contact d'un autre jour que la JNC et son lendemain, non importé (du %1 au %2)",
               "Contact of another day than the JNC and the day after, not imported (from %1 to %2)")
              .arg(latin(other.first), latin(other.last)),
          pick(french, "Contact du ", "Contact of ") + latin(fullDate(yyyymmdd))};
}

// The values of one record as the log holds them, and the first reason to
// refuse it.
class RecordText {
 public:
  RecordText(const AdifRecord& record, bool french, ImportedContact& contact)
      : record_(record), french_(french), contact_(contact) {}

  std::string_view raw(std::string_view field) const { return record_.value(field); }

  // A value taken as it is (blanks around removed): one character with no
  // Windows-1252 byte refuses the record.
  std::string strict(std::string_view field) {
    const std::string_view value = trimBlanks(record_.value(field));
    if (isAscii(value)) return std::string(value);
    const QString text = utf8(value);
    if (const std::optional<QString> bad = Cp1252::firstUnencodable(text)) {
      refuse(characterRefused(french_, field, *bad));
      return {};
    }
    return Cp1252::fromQString(text);
  }

  // An optional text: the nearest Windows-1252 letters, in capitals, cut at
  // its field's length.  What was changed is a remark.
  std::string optional(std::string_view field, std::string_view value, std::size_t limit) {
    value = trimBlanks(value);
    if (isAscii(value) && value.size() <= limit) return Cp1252::upper(value);
    const QString original = utf8(value);
    bool changed = false;
    std::string text(trimBlanks(Cp1252::fromQStringNearest(original, &changed)));
    if (text.size() > limit) {
      text = std::string(trimBlanks(std::string_view(text).substr(0, limit)));
      changed = true;
    }
    text = Cp1252::upper(text);
    if (changed)
      contact_.remarks.push_back({pick(french_, "Texte raccourci", "Text shortened"),
                                  latin(field) + colon(french_) + quoted(french_, original) +
                                      pick(french_, " devient ", " becomes ") +
                                      quoted(french_, Cp1252::toQString(text))});
    return text;
  }

  void refuse(ImportReason reason) {
    if (!contact_.refusal) contact_.refusal = std::move(reason);
  }
  bool refused() const { return contact_.refusal.has_value(); }

 private:
  const AdifRecord& record_;
  bool french_;
  ImportedContact& contact_;
};

// QSO_DATE "yyyymmdd": the log's "dd/mm/yy" for a year of 2000-2099.
void readDate(RecordText& text, bool french, ImportedContact& contact) {
  const std::string date = text.strict("QSO_DATE");
  std::optional<int> day;
  if (date.size() == 8 && allDigits(date)) {
    const auto number = [&date](std::size_t at, std::size_t length) { return std::stoi(date.substr(at, length)); };
    day = dayOf(number(0, 4), number(4, 2), number(6, 2));
  }
  if (!day) {
    text.refuse(missingOrUnreadable(french, "QSO_DATE", date));
    return;
  }
  if (*day < 2000'01'01 || *day > 2099'12'31) {
    text.refuse(yearOutside(french, *day));
    return;
  }
  contact.day = *day;
  contact.fields.date = date.substr(6, 2) + "/" + date.substr(4, 2) + "/" + date.substr(2, 2);
}

void readTimes(RecordText& text, bool french, QsoFields& f) {
  const std::string start = text.strict("TIME_ON");
  const std::string end = text.strict("TIME_OFF");
  const std::optional<std::string> logStart = logTimeOf(start);
  // A contact without its end ended when it started.
  const std::optional<std::string> logEnd = end.empty() ? logStart : logTimeOf(end);
  if (!logStart) text.refuse(missingOrUnreadable(french, "TIME_ON", start));
  if (!logEnd) text.refuse(missingOrUnreadable(french, "TIME_OFF", end));
  f.start = logStart.value_or("");
  f.end = logEnd.value_or("");
}

// The band label of BAND ("20m", "20M"), else of FREQ in MHz; only the bands
// the entry accepts.
void readBand(RecordText& text, bool french, QsoFields& f) {
  const std::string band = text.strict("BAND");
  const Band* known = nullptr;
  if (!band.empty()) {
    for (const Band& b : Bands)
      if (Cp1252::equalUpperAscii(b.adifBand, band)) known = &b;
    if (known == nullptr) {
      const auto adif = std::find_if(OtherAdifBands.begin(), OtherAdifBands.end(),
                                     [&band](std::string_view name) { return Cp1252::equalUpperAscii(name, band); });
      text.refuse(
          adif != OtherAdifBands.end()
              ? notJncBand(french, *adif, {})
              : ImportReason{bandHeading(french), pick(french, "Bande inconnue de l'ADIF", "Band unknown to ADIF") +
                                                      colon(french) + Cp1252::toQString(band)});
      return;
    }
  } else {
    const std::string frequency = text.strict("FREQ");
    if (frequency.empty()) {
      text.refuse({bandHeading(french),
                   pick(french, "Ni bande (BAND) ni fréquence (FREQ)", "Neither band (BAND) nor frequency (FREQ)")});
      return;
    }
    known = bandOfFrequency(std::llround(basicValue(frequency) * 1000.0));
    if (known == nullptr) {
      text.refuse({bandHeading(french), pick(french, "Fréquence hors des bandes", "Frequency outside the bands") +
                                            colon(french) + Cp1252::toQString(frequency)});
      return;
    }
  }
  if (!known->acceptedInEntry) {
    text.refuse(isHf(*known) ? notJncBand(french, known->adifBand, known->label)
                             : notInSession(french, known->adifBand, known->label));
    return;
  }
  f.band = std::string(known->label);
}

// USB, LSB and SSB (as a mode, or as the submode of an empty one) are SSB.
// ADIF names the two modes of the log as the log does.
void readMode(RecordText& text, bool french, QsoFields& f) {
  const std::string mode = Cp1252::upperAscii(text.strict("MODE"));
  // The submode only tells which kind of the mode it was: never refused for itself.
  const std::string submode = Cp1252::upperAscii(trimBlanks(text.raw("SUBMODE")));
  const auto sideband = [](std::string_view m) { return m == SsbModeLabel || m == "USB" || m == "LSB"; };
  if (sideband(mode) || (mode.empty() && sideband(submode))) {
    f.mode = SsbModeLabel;
  } else if (mode == CwModeLabel) {
    f.mode = CwModeLabel;
  } else {
    text.refuse(modeRefused(french, mode, submode));
  }
}

// The castle contacted: SIG "DFCF" with its SIG_INFO, else a comment
// beginning "DFCF "; this program's export also writes " NAME" (no
// reference) and "REFERENCE " (a reference without name).  Any other comment
// is no castle and no name.
void readCastle(RecordText& text, const AdifRecord& record, QsoFields& f) {
  std::string reference;
  std::string castleName;
  bool castle = false;
  if (Cp1252::equalUpperAscii(trimBlanks(record.value("SIG")), Dfcf) && !trimBlanks(record.value("SIG_INFO")).empty()) {
    reference = castleNumberOf(text.strict("SIG_INFO"));
    castle = true;
  }
  const std::string_view comment = record.value("COMMENT");
  if (comment.size() > DfcfPrefix.size() && Cp1252::equalUpperAscii(comment.substr(0, DfcfPrefix.size()), DfcfPrefix)) {
    const std::size_t blank = comment.find(' ', DfcfPrefix.size());
    const std::string number = Cp1252::upper(comment.substr(DfcfPrefix.size(), blank - DfcfPrefix.size()));
    if (!castle && isAscii(number)) {
      reference = number;
      castle = true;
    }
    if (castle && number == reference && blank != std::string_view::npos)
      castleName = text.optional("COMMENT", comment.substr(blank + 1), EntryLimits::CastleName);
  } else if (!castle && comment.starts_with(' ')) {
    castleName = text.optional("COMMENT", comment.substr(1), EntryLimits::CastleName);
  } else if (!castle && comment.ends_with(' ') && isAscii(comment) &&
             trimBlanks(comment).size() <= EntryLimits::Reference) {
    reference = Cp1252::upper(trimBlanks(comment));
  }
  if (!castle && castleName.empty()) castleName = text.optional("QTH", record.value("QTH"), EntryLimits::CastleName);
  f.activity = std::to_string(castle ? CastleActivity : ContactActivity);
  f.qth = reference;
  f.castleName = castleName;
}

// MY_SIG "DFCF" names the castle the operator was on, which is never the one
// contacted; a castle other than the station's own is said.
void readOwnCastle(const AdifRecord& record, const ImportStation& station, bool french, ImportedContact& contact) {
  if (!Cp1252::equalUpperAscii(trimBlanks(record.value("MY_SIG")), Dfcf)) return;
  const std::string_view info = trimBlanks(record.value("MY_SIG_INFO"));
  const std::string own = castleNumberOf(station.ownReference);
  if (info.empty() || own.empty() || !isAscii(info)) return;
  const std::string number = castleNumberOf(info);
  if (number != own) contact.remarks.push_back(otherCastle(french, number, own));
}

}  // namespace

ImportedContact contactOfAdif(const AdifRecord& record, const ImportStation& station, bool french) {
  ImportedContact contact;
  RecordText text(record, french, contact);
  QsoFields& f = contact.fields;

  f.callsign = Cp1252::upper(text.strict("CALL"));
  readDate(text, french, contact);
  readTimes(text, french, f);
  readBand(text, french, f);
  readMode(text, french, f);
  // The reports the mode starts with, as Mode_A sets them, when the file has none.
  f.rstSent = text.strict("RST_SENT");
  f.rstReceived = text.strict("RST_RCVD");
  if (f.rstSent.empty()) f.rstSent = defaultReport(f.mode);
  if (f.rstReceived.empty()) f.rstReceived = defaultReport(f.mode);
  f.firstName = text.optional("NAME", record.value("NAME"), EntryLimits::FirstName);
  readCastle(text, record, f);
  // Corsica's "2A" as the field writes it; a castle's departement is the
  // one its reference begins with.
  f.departement = departementOfField(text.strict("STATE")).field;
  if (f.departement.empty() && activityIndexOf(f) == static_cast<int>(CastleActivity) && f.qth.size() >= 2)
    f.departement = departementOfField(f.qth.substr(0, 2)).field;
  // The locator is never kept on the HF bands, and the entry takes no other.
  f.locator.clear();
  readOwnCastle(record, station, french, contact);
  return contact;
}

bool keepsDepartement(std::string_view entryPrefix) {
  return isFrenchPrefix(entryPrefix) || entryPrefix == CorsicaPrefix;
}

std::optional<ImportReason> importedContactProblem(const QsoFields& contact, std::string_view entryPrefix,
                                                   bool french) {
  // Every field as its own Enter checks it, as the save does for a typed
  // contact, the log line it makes included.
  ContactCheckContext context;
  context.prefix = std::string(entryPrefix);
  if (const std::optional<ContactRefusal> refusal = checkContact(contact, context)) {
    const QString message = contactRefusalMessage(*refusal, french);
    return ImportReason{message, message};
  }
  return std::nullopt;
}

std::optional<ImportReason> importedDuplicate(std::string_view record, const DuplicateIndex& logged, bool french) {
  const QsoFields f = contactOfRecord(record);
  // The callsign logged on the band and mode without a reference (QTH_A is
  // still empty when Indicatif_A is entered), then a castle reference logged
  // on the band and mode (as QTH_A holds it: without "DFCF ").
  if (const std::optional<LoggedContact> twice = logged.callsignDuplicate(f.callsign, "", f.band, f.mode))
    return ImportReason{duplicateHeading(french), callsignDuplicateMessage(french, f.callsign, *twice)};
  const std::string_view reference =
      f.qth.starts_with(DfcfPrefix) ? std::string_view(f.qth).substr(DfcfPrefix.size()) : std::string_view(f.qth);
  if (const std::optional<LoggedContact> twice = logged.referenceDuplicate(reference, f.band, f.mode))
    return ImportReason{duplicateHeading(french), referenceDuplicateMessage(french, *twice)};
  return std::nullopt;
}

std::size_t ImportPlan::refused() const {
  return static_cast<std::size_t>(
      std::count_if(notes.begin(), notes.end(), [](const ImportNote& note) { return !note.imported; }));
}

namespace {

// One record after its own checks: the log line it makes, or why not.
struct Examined {
  std::size_t number = 0;
  QString callsign;
  std::string line;
  ImportReason refusal;
  std::vector<ImportReason> remarks;
  int day = 0;
  bool otherDay = false;
};

class Examiner {
 public:
  Examiner(const std::filesystem::path& programDir, const TextFile::Lines& prefixLines, const ImportStation& station,
           bool french)
      : prefixLines_(prefixLines), prefixes_(prefixLines), known_(programDir), station_(station), french_(french) {
    if (const std::optional<int> jnc = jncDayOf(station.jncDate)) {
      jncDay_ = *jnc;
      dayAfter_ = dayAfter(*jnc);
    }
  }

  Examined operator()(const AdifRecord& record) const {
    Examined e;
    e.number = record.number;
    e.callsign = utf8(trimBlanks(record.value("CALL")));
    if (record.damage != AdifDamage::None) {
      e.refusal = damaged(french_, record);
      return e;
    }
    if (!record.ended) {
      e.refusal = torn(french_);
      return e;
    }
    ImportedContact contact = contactOfAdif(record, station_, french_);
    e.day = contact.day;
    e.otherDay = jncDay_ != 0 && e.day != 0 && e.day != jncDay_ && e.day != dayAfter_;
    if (contact.refusal) {
      e.refusal = std::move(*contact.refusal);
      return e;
    }
    QsoFields& f = contact.fields;
    const std::string prefix = entryPrefixOf(prefixLines_, prefixes_, f.callsign);
    if (prefix.empty()) contact.remarks.push_back(unknownPrefix(french_, f.callsign));
    // A French station without its departement in the file gets the one the
    // entry would offer for it.
    if (!keepsDepartement(prefix))
      f.departement.clear();
    else if (f.departement.empty())
      f.departement = departementOfField(known_.of(f.callsign)).field;
    if (std::optional<ImportReason> refusal = importedContactProblem(f, prefix, french_)) {
      e.refusal = std::move(*refusal);
      return e;
    }
    std::optional<std::string> line = newContactRecord(f, prefix, pointsOfBand(f.band).value_or("0"));
    if (!line) {
      const QString message = entryMessageText(EntryMessage::Unwritable, french_);
      e.refusal = {message, message};
      return e;
    }
    e.line = std::move(*line);
    e.remarks = std::move(contact.remarks);
    return e;
  }

 private:
  const TextFile::Lines& prefixLines_;
  const PrefixIndex prefixes_;
  const KnownDepartements known_;
  const ImportStation& station_;
  bool french_;
  int jncDay_ = 0;
  int dayAfter_ = 0;
};

}  // namespace

Result<ImportPlan> planAdifImport(const std::filesystem::path& programDir, std::string_view call,
                                  const std::filesystem::path& adifFile, const ImportOptions& options) {
  const bool french = options.french;
  ImportPlan plan;
  const Result<std::uintmax_t> size = TextFile::length(adifFile);
  if (!size) return size.error();
  plan.fileBytes = *size;
  if (plan.fileBytes > MaxImportBytes) {
    plan.tooLarge = true;
    return plan;
  }
  Result<TextFile::Lines> log = TextFile::readLines(logFilePath(programDir, call));
  if (!log) return log.error();
  // The entry looks prefixes up in the station's tally of the mode; every
  // mode's holds the same prefix lines.
  const Result<TextFile::Lines> prefixLines =
      TextFile::readLines(prefixTallyPath(programDir, call, ModeLabels.front()));
  if (!prefixLines) return prefixLines.error();

  // Each record is checked as it is read; only what it makes is kept.
  std::vector<Examined> examined;
  {
    const Examiner examine(programDir, *prefixLines, options.station, french);
    AdifReader reader([&](AdifRecord&& record) { examined.push_back(examine(record)); });
    const Status read = TextFile::readInPieces(adifFile, PieceBytes,
                                               [&](std::string_view piece, std::uintmax_t done, std::uintmax_t total) {
                                                 if (done > MaxImportBytes) return false;  // it grew since
                                                 reader.feed(piece);
                                                 if (options.progress) options.progress(done, total);
                                                 return true;
                                               });
    if (!read) return read.error();
    reader.finish();
    plan.recordsRead = reader.records();
  }

  OtherDates other;
  int firstDay = 0;
  int lastDay = 0;
  for (const Examined& e : examined) {
    if (!e.otherDay) continue;
    ++other.count;
    firstDay = firstDay == 0 ? e.day : std::min(firstDay, e.day);
    lastDay = std::max(lastDay, e.day);
  }
  if (other.count > 0) {
    other.first = fullDate(firstDay);
    other.last = fullDate(lastDay);
  }
  const bool otherDatesToo = other.count > 0 && options.importOtherDates && options.importOtherDates(other);

  // In the file's order, each contact against the log and those accepted
  // before it.
  DuplicateIndex logged(numberedListLines(*log));
  long long nextNumber = static_cast<long long>(log->size()) + 1;
  log = TextFile::Lines{};
  for (Examined& e : examined) {
    const auto refuse = [&](ImportReason reason) {
      plan.notes.push_back({e.number, std::move(e.callsign), false, std::move(reason)});
    };
    if (e.otherDay && !otherDatesToo) {
      refuse(otherDay(french, other, e.day));
    } else if (e.line.empty()) {
      refuse(std::move(e.refusal));
    } else if (std::optional<ImportReason> twice = importedDuplicate(e.line, logged, french)) {
      refuse(std::move(*twice));
    } else {
      for (ImportReason& remark : e.remarks) plan.notes.push_back({e.number, e.callsign, true, std::move(remark)});
      logged.add(QsoListLine(nextNumber++, e.line));
      plan.records.push_back(std::move(e.line));
    }
  }
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

std::vector<ReasonCount> reasonCounts(const std::vector<ImportNote>& notes) {
  std::vector<ReasonCount> counts;
  std::map<std::pair<bool, QString>, std::size_t> at;
  for (const ImportNote& note : notes) {
    const auto key = std::make_pair(note.imported, note.reason.heading);
    const auto found = at.find(key);
    if (found == at.end()) {
      at.emplace(key, counts.size());
      counts.push_back({note.imported, note.reason.heading, 1});
    } else {
      ++counts[found->second].count;
    }
  }
  // Refused first, then the most frequent; equal ones as they came.
  std::stable_sort(counts.begin(), counts.end(), [](const ReasonCount& a, const ReasonCount& b) {
    if (a.imported != b.imported) return !a.imported;
    return a.count > b.count;
  });
  return counts;
}

QString noteOutcome(bool french, bool imported) {
  return imported ? pick(french, "Importé", "Imported") : pick(french, "Refusé", "Refused");
}

std::string importReportText(bool french, std::string_view fileName, const ImportPlan& plan) {
  const auto bytes = [](const QString& text) { return Cp1252::fromQStringNamingCodes(text); };
  TextFile::Lines lines;
  lines.push_back(pickBytes(french, "Import du fichier ADIF ", "Import of the ADIF file ") + std::string(fileName));
  lines.push_back(bytes(importSummary(french, plan.records.size(), plan.refused())));
  const std::vector<ReasonCount> counts = reasonCounts(plan.notes);
  for (const bool imported : {false, true}) {
    if (std::none_of(counts.begin(), counts.end(), [imported](const ReasonCount& c) { return c.imported == imported; }))
      continue;
    lines.emplace_back();
    lines.push_back(imported ? pickBytes(french, "Importés avec une remarque :", "Imported with a remark:")
                             : pickBytes(french, "Refusés :", "Refused:"));
    for (const ReasonCount& count : counts)
      if (count.imported == imported)
        lines.push_back(rightAligned(static_cast<long long>(count.count), 6) + "  " + bytes(count.heading));
  }
  lines.emplace_back();
  for (const ImportNote& note : plan.notes) {
    std::string line = rightAligned(static_cast<long long>(note.number), 6);
    line += "  ";
    line += padRight(bytes(note.callsign), 12);
    line += "  ";
    line += padRight(bytes(noteOutcome(french, note.imported)), 8);
    line += "  ";
    line += bytes(reasonOnOneLine(note.reason.detail));
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

QString importTooLargeMessage(bool french, std::uintmax_t fileBytes) {
  const auto megabytes = [](std::uintmax_t bytes) { return QString::number((bytes + 999'999) / 1'000'000); };
  return pick(french,
              "Ce fichier fait %1 Mo : l'import ADIF lit au plus %2 Mo (le log d'une JNC tient en bien moins). "
              "Rien n'a été importé.",
              "This file is %1 MB: the ADIF import reads at most %2 MB (the log of one JNC takes far less). "
              "Nothing was imported.")
      .arg(megabytes(fileBytes), megabytes(MaxImportBytes));
}

QString otherDatesQuestion(bool french, std::string_view jncDate, const OtherDates& other) {
  return pick(french,
              "Ce fichier contient %1 contact(s) daté(s) d'un autre jour que la JNC du %2 et son lendemain (UTC), "
              "du %3 au %4.\n\nLes importer aussi ?\n(Non : seuls les contacts de la JNC sont importés.)",
              "This file holds %1 contact(s) dated another day than the JNC of %2 and the day after (UTC), "
              "from %3 to %4.\n\nImport them too?\n(No: only the contacts of the JNC are imported.)")
      .arg(other.count)
      .arg(latin(jncDate), latin(other.first), latin(other.last));
}

QString importFileTitle(bool french) { return pick(french, "Importer un fichier ADIF", "Import an ADIF file"); }

QString importReportTitle(bool french) { return pick(french, "Rapport d'import ADIF", "ADIF import report"); }

}  // namespace brivant
