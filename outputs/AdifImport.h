#pragma once
// Importing a log written by another program in ADIF: each record becomes a
// contact as the entry form would hold it, goes through the checks of a typed
// contact, and the accepted ones are inserted into the log in date order in
// one replacement; the refused ones are listed with their reason.

#include <QString>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/QsoRecord.h"
#include "outputs/AdifReader.h"
#include "platform/Result.h"

namespace brivant {

class DuplicateIndex;

// A record made a contact, as the entry form would hold it (Windows-1252):
// the band label, "SSB" or "CW", "dd/mm/yy", "hh:mm", the reports (the
// mode's own when the file has none), the first name and the callsign in
// capitals, the departement of "<State:" ("2a"/"2b" for Corsica), and from
// the comment as this program's export writes it ("DFCF 59045 NAME", " NAME",
// "REFERENCE ") the castle reference (qth, as typed: without "DFCF ") and
// the castle name or QTH; any other comment is the castle name or QTH.
// problem names what the record lacks or holds that no entry field could
// (no callsign, a date that is none, a band it does not name, a character
// Windows-1252 cannot hold); empty when there is none.
struct ImportedContact {
  QsoFields fields;
  QString problem;
};
ImportedContact contactOfAdif(const AdifFields& record, bool utf8, bool french);

// The stations whose departement the log keeps: the French prefixes and
// Corsica's.
bool keepsDepartement(std::string_view entryPrefix);

// Every check a typed contact goes through before it is saved: its fields as
// the save checks them (entry/ContactCheck.h: the entry's bands and modes,
// the departement of a French station, the castle activation and its
// reference, the log line it makes), then the callsign and the castle
// reference already logged on the band and mode.  entryPrefix is the
// station's prefix as the entry finds it; logged holds the log's contacts
// and those accepted before this one.  The reason it is refused, or an empty
// text.
QString importedContactProblem(const QsoFields& contact, std::string_view entryPrefix, const DuplicateIndex& logged,
                               bool french);

struct ImportRefusal {
  std::size_t number = 0;  // of the record in the file
  std::string callsign;    // as the file gives it (Windows-1252)
  QString reason;
};

struct ImportPlan {
  std::size_t recordsRead = 0;
  std::vector<std::string> records;  // the log lines of the accepted contacts, in file order
  std::vector<ImportRefusal> refused;
};

// Called now and then while records are checked.
using ImportProgress = std::function<void(std::size_t done, std::size_t total)>;

// Reads the file's bytes and checks every record against the station's log
// and prefix table.  Changes no file; error 53 when the log or the prefix
// table is missing.
Result<ImportPlan> planAdifImport(const std::filesystem::path& programDir, std::string_view call,
                                  std::string_view fileBytes, bool french, const ImportProgress& progress = {});

// Inserts the accepted records into the log in one atomic replacement; the
// reloaded list lines.
Result<std::vector<std::string>> applyAdifImport(const std::filesystem::path& programDir, std::string_view call,
                                                 const ImportPlan& plan);

// The report of the refused records: StationCall + "_Import_ADIF.txt" in the
// program directory, and its text (the count, then a line per record: its
// number, its callsign and the reason, Windows-1252).
std::filesystem::path importReportPath(const std::filesystem::path& programDir, std::string_view call);
std::string importReportText(bool french, std::string_view fileName, const ImportPlan& plan);
// A reason on one line, as the report file and window show it.
QString reasonOnOneLine(const QString& reason);

// "n contact(s) importé(s), m refusé(s)" and the like.
QString importSummary(bool french, std::size_t imported, std::size_t refused);
QString emptyImportMessage(bool french);
// The title of the file choice and of the report window.
QString importFileTitle(bool french);
QString importReportTitle(bool french);

}  // namespace brivant
