#pragma once
// The station's log file: appending a record, loading the numbered list lines
// and rewriting the log in date and start-time order.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"

namespace brivant {

using ListLines = std::vector<std::string>;

// Whether a callsign may name files: one the Station window accepts (1 to 12
// of A-Z, a-z, 0-9 and "_").  The builders below give an empty path, which
// names no file and which every file operation refuses, for any other text
// (a NUL, "/", "..", an absolute path) and for a mode that is not one of the
// modes: no name built from a callsign leaves the program folder or merges
// the files of two stations.
bool namesStationFiles(std::string_view callsign);

// A station's file: callsign + suffix in the program directory.
std::filesystem::path stationFilePath(const std::filesystem::path& programDir, std::string_view callsign,
                                      std::string_view suffix);

// The station's files in the program directory: its log (callsign + ".log"),
// its tallies per mode (callsign + "_Prefixe_" / "_Departement_" + mode +
// ".txt"), the rebuild's list of unknown main prefixes (callsign +
// "_Absent.txt") and the lines set aside from its log (callsign +
// "_Lignes_Incompletes.txt").
std::filesystem::path logFilePath(const std::filesystem::path& programDir, std::string_view callsign);
std::filesystem::path prefixTallyPath(const std::filesystem::path& programDir, std::string_view callsign,
                                      std::string_view mode);
std::filesystem::path deptTallyPath(const std::filesystem::path& programDir, std::string_view callsign,
                                    std::string_view mode);
std::filesystem::path absentListPath(const std::filesystem::path& programDir, std::string_view callsign);
std::filesystem::path tornLinesPath(const std::filesystem::path& programDir, std::string_view callsign);

// A last line of the log without its line end is a write cut short (the
// program killed during an append): it is moved to the end of the station's
// side file (tornLinesPath) and the log is cut back to its last whole line,
// so that it never becomes a contact.  The fragment when there was one; error
// 53 when the log is missing.
Result<std::optional<std::string>> setAsideTornLogLine(const std::filesystem::path& programDir,
                                                       std::string_view callsign);

// What an append did first: the torn last line it set aside, if any.
struct LogAppend {
  std::optional<std::string> setAside;
};
// Appends one record and CR LF to the station's log, creating it when absent;
// a torn last line is set aside first.
Result<LogAppend> Ajout_Log(const std::filesystem::path& programDir, std::string_view callsign,
                            std::string_view record);

// The list lines of the log of callsign, numbered from 1 in file order; their
// number is QsoCount.  A missing log gives error 53 (the caller shows the
// missing-file window); lines of another length are carried as they are.
Result<ListLines> Charge_Liste_QSO(const std::filesystem::path& programDir, std::string_view callsign);

// Numbers records from 1 into list lines.
ListLines numberedListLines(const std::vector<std::string>& records);

// A log line that no record could be: it holds a byte records never hold (a
// control character) or is far longer than a record.  Such lines are listed
// as they are and counted, never changed.
bool isDamagedLogLine(std::string_view line);
// How many of the list lines carry a damaged log line.
std::size_t damagedLineCount(const ListLines& lines);

// The name of a file saved for the organisers: StationCall + "_" + kind +
// "_JNC_dd_mm_yy.txt", with dd_mm_yy cut from JncDate (the first 2
// characters, 2 from the 4th and the last 2 of the blank-trimmed date).  The
// empty text when the callsign names no file or the date is not a real date
// written dd/mm/yy.
std::string jncFileName(std::string_view stationCall, std::string_view kind, std::string_view jncDate);

// What a rewrite of the log did.
struct LogRewrite {
  ListLines lines;  // the list of the log as it now is
  // False when the log holds no line equal to the old one (it changed behind
  // the list): then nothing was written.
  bool oldLineFound = true;
};

// Rewrites the log without the line equal to the record of the old list line,
// and with the new record before the first line whose date and start time
// are equal or later (at the end when none is).  The file is replaced
// atomically through "Temporaire6.txt"; the result holds the reloaded list.
// Pass a list line of 199 blanks to insert only.  When the old line names a
// record that the log no longer holds, the log is left as it is.  A torn last
// line is set aside first, never rewritten as a record.
Result<LogRewrite> Reecrit_Log(const std::filesystem::path& programDir, std::string_view callsign,
                               std::string_view oldListLine, std::string_view newRecord);

// Inserts many records at once, in one atomic replacement of the log through
// "Temporaire6.txt": each goes where Reecrit_Log would insert it, before the
// first logged line whose date and start time are equal or later; records
// of equal date and time among themselves keep their order.  A logged line
// whose date or time cannot be read keeps its place and takes none; a record
// whose own cannot be read goes to the end.  A torn last line is set aside
// first, never rewritten as a record.  The result is the reloaded list.
Result<ListLines> insertRecordsInDateOrder(const std::filesystem::path& programDir, std::string_view callsign,
                                           const std::vector<std::string>& records);

// The sort key of a date "dd/mm/yy" and a time "hh:mm": years 50-99 are 19xx,
// 00-49 are 20xx; ordered by year, month, day, hour, minute as numbers (the
// values are not range-checked, as the entry checks only the form).  Nothing
// when a digit is missing, as in a damaged line.
std::optional<long long> logDateTimeKey(std::string_view date, std::string_view time);

}  // namespace brivant
