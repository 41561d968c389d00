#pragma once
// Importing a log written by another program in ADIF: the file is read in
// pieces and each record becomes a contact as the entry form would hold it,
// goes through the checks of a typed contact, and the accepted ones are
// inserted into the log in date order in one replacement.  Every record of
// the file is accounted for: imported, or refused with its reason; an
// imported one whose optional text had to be shortened, or whose prefix is
// unknown, carries a remark.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/QsoRecord.h"
#include "outputs/AdifReader.h"
#include "platform/Result.h"

namespace brivant {

class DuplicateIndex;

// Why a record is refused, or what was done to a contact imported: the kind
// (counted at the top of the report) and what exactly, for this record.
struct ImportReason {
  QString heading;
  QString detail;
};

// What the import needs to know of the station besides its files.
struct ImportStation {
  std::string jncDate;       // "dd/mm/yy": the event's date; its contacts are on it or the day after (UTC)
  std::string ownReference;  // the station's own castle as the sheet gives it ("59045" or "DFCF 59045"); may be empty
};

// A record made a contact, as the entry form would hold it (Windows-1252):
// the band label, "SSB" or "CW", "dd/mm/yy", "hh:mm", the reports (the
// mode's own when the file has none), the callsign in capitals, the
// departement of STATE ("2a"/"2b" for Corsica, else the one a castle's
// reference begins with), and the castle: SIG "DFCF" with SIG_INFO
// "DFCF 59123" or "59123", or a comment beginning "DFCF " (this program's
// export writes "DFCF 59045 NAME"; its " NAME" and "REFERENCE " forms are
// read too).  The castle name comes from such a comment only; a plain
// contact's QTH column from QTH.  MY_SIG and MY_SIG_INFO are the operator's
// own castle, never the contacted one.  The optional texts (first name,
// castle name or QTH) are written with the nearest Windows-1252 letters, in
// capitals, cut at their field's length, and each change is a remark; the
// callsign, date, times, band, mode, reports and reference are taken as they
// are or refused.
struct ImportedContact {
  QsoFields fields;
  std::optional<ImportReason> refusal;
  std::vector<ImportReason> remarks;
  int day = 0;  // the contact's date as yyyymmdd, when it is one the log can hold
};
ImportedContact contactOfAdif(const AdifRecord& record, const ImportStation& station, bool french);

// The stations whose departement the log keeps: the French prefixes and
// Corsica's.
bool keepsDepartement(std::string_view entryPrefix);

// Every check a typed contact goes through before it is saved: its fields as
// the save checks them (entry/ContactCheck.h: the entry's bands and modes,
// the departement of a French station, the castle activation and its
// reference, the log line it makes).  entryPrefix is the station's prefix as
// the entry finds it.  The reason it is refused, or nothing.
std::optional<ImportReason> importedContactProblem(const QsoFields& contact, std::string_view entryPrefix, bool french);

// The callsign and the castle reference already logged on the band and mode
// (logged holds the log's contacts and those accepted before this one), for
// a contact whose fields passed their checks: the reason, or nothing.
std::optional<ImportReason> importedDuplicate(std::string_view record, const DuplicateIndex& logged, bool french);

// One line of the report: a refused record, or a remark on a contact
// imported.
struct ImportNote {
  std::size_t number = 0;  // of the record in the file
  QString callsign;        // as the file gives it
  bool imported = false;
  ImportReason reason;
};

// The contacts dated neither on the event's day nor on the day after.
struct OtherDates {
  std::size_t count = 0;
  std::string first;  // "dd/mm/yyyy"
  std::string last;
};

struct ImportPlan {
  std::uintmax_t fileBytes = 0;
  bool tooLarge = false;  // nothing was read
  std::size_t recordsRead = 0;
  std::vector<std::string> records;  // the log lines of the accepted contacts, in file order
  std::vector<ImportNote> notes;     // in file order
  std::size_t refused() const;
};

// The largest file read: the log of one day is far smaller.
inline constexpr std::uintmax_t MaxImportBytes = 100'000'000;

struct ImportOptions {
  bool french = true;
  ImportStation station;
  // Now and then while the file is read: the bytes read and the file's size.
  std::function<void(std::uintmax_t done, std::uintmax_t total)> progress;
  // Asked once, after the file is read, when it holds contacts of other
  // dates: true to import them too.  Without it they are not imported.
  std::function<bool(const OtherDates&)> importOtherDates;
};

// Reads the file in pieces and checks every record against the station's
// log and prefix table.  Changes no file; error 53 when the file, the log or
// the prefix table is missing.
Result<ImportPlan> planAdifImport(const std::filesystem::path& programDir, std::string_view call,
                                  const std::filesystem::path& adifFile, const ImportOptions& options);

// Inserts the accepted records into the log in one atomic replacement; the
// reloaded list lines.
Result<std::vector<std::string>> applyAdifImport(const std::filesystem::path& programDir, std::string_view call,
                                                 const ImportPlan& plan);

// The report: StationCall + "_Import_ADIF.txt" in the program directory, and
// its text (Windows-1252; a character it cannot hold is written U+XXXX): the
// file's name and the counts, the number of records of each reason, then a
// line per record: its number, its callsign, refused or imported, and why.
std::filesystem::path importReportPath(const std::filesystem::path& programDir, std::string_view call);
std::string importReportText(bool french, std::string_view fileName, const ImportPlan& plan);
// The reasons and how many records each, most frequent first: refused ones,
// then remarks.
struct ReasonCount {
  bool imported = false;
  QString heading;
  std::size_t count = 0;
};
std::vector<ReasonCount> reasonCounts(const std::vector<ImportNote>& notes);
// "Refusé" / "Importé" and the like.
QString noteOutcome(bool french, bool imported);
// A reason on one line, as the report file and window show it.
QString reasonOnOneLine(const QString& reason);

// "n contact(s) importé(s), m refusé(s)" and the like.
QString importSummary(bool french, std::size_t imported, std::size_t refused);
QString emptyImportMessage(bool french);
QString importTooLargeMessage(bool french, std::uintmax_t fileBytes);
// The Yes/No question on the contacts of other dates.
QString otherDatesQuestion(bool french, std::string_view jncDate, const OtherDates& other);
// The title of the file choice and of the report window.
QString importFileTitle(bool french);
QString importReportTitle(bool french);

}  // namespace brivant
