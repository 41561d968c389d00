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

// The station's files in the program directory: its log (callsign + ".log"),
// its tallies per mode (callsign + "_Prefixe_" / "_Departement_" + mode +
// ".txt") and the rebuild's list of unknown main prefixes (callsign +
// "_Absent.txt").
std::filesystem::path logFilePath(const std::filesystem::path& programDir, std::string_view callsign);
std::filesystem::path prefixTallyPath(const std::filesystem::path& programDir, std::string_view callsign,
                                      std::string_view mode);
std::filesystem::path deptTallyPath(const std::filesystem::path& programDir, std::string_view callsign,
                                    std::string_view mode);
std::filesystem::path absentListPath(const std::filesystem::path& programDir, std::string_view callsign);

// Appends one record and CR LF to the station's log, creating it when absent.
Status Ajout_Log(const std::filesystem::path& programDir, std::string_view callsign, std::string_view record);

// The list lines of the log of callsign, numbered from 1 in file order; their
// number is QsoCount.  A missing log gives error 53 (the caller shows the
// missing-file window); lines of another length are carried as they are.
Result<ListLines> Charge_Liste_QSO(const std::filesystem::path& programDir, std::string_view callsign);

// Numbers records from 1 into list lines.
ListLines numberedListLines(const std::vector<std::string>& records);

// The name of a file saved for the organisers: StationCall + "_" + kind +
// "_JNC_dd_mm_yy.txt", with dd_mm_yy cut from JncDate (the first 2
// characters, 2 from the 4th and the last 2 of the blank-trimmed date).
std::string jncFileName(std::string_view stationCall, std::string_view kind, std::string_view jncDate);

// Rewrites the log without the line equal to the old list line minus its first
// 6 characters, and with the new record before the first line whose date and
// start time are equal or later (at the end when none is).  The file is
// replaced atomically through "Temporaire6.txt"; the result is the reloaded
// list.  Pass a list line of 199 blanks to insert only.
Result<ListLines> Reecrit_Log(const std::filesystem::path& programDir, std::string_view callsign,
                              std::string_view oldListLine, std::string_view newRecord);

// Inserts many records at once, in one atomic replacement of the log through
// "Temporaire6.txt": each goes where Reecrit_Log would insert it, before the
// first logged line whose date and start time are equal or later; records
// of equal date and time among themselves keep their order.  A logged line
// whose date or time cannot be read keeps its place and takes none; a record
// whose own cannot be read goes to the end.  The result is the reloaded list.
Result<ListLines> insertRecordsInDateOrder(const std::filesystem::path& programDir, std::string_view callsign,
                                           const std::vector<std::string>& records);

// The sort key of a date "dd/mm/yy" and a time "hh:mm": years 50-99 are 19xx,
// 00-49 are 20xx; ordered by year, month, day, hour, minute as numbers (the
// values are not range-checked, as the entry checks only the form).  Nothing
// when a digit is missing, as in a damaged line.
std::optional<long long> logDateTimeKey(std::string_view date, std::string_view time);

}  // namespace brivant
