#pragma once
// The upkeep of a station's files besides the rebuild: the reset to the
// templates, the backup copies, and the texts the windows show around them.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Clock.h"
#include "platform/Result.h"

namespace brivant {

// The reset: an empty log, the departement template over both departement
// files, the prefix template over the SSB then the CW prefix file.  All or
// nothing: the templates are read and every new file is made ready before
// any is replaced, and a failure at any step leaves the five files as they
// were (a missing template is error 53).  The log starts empty whatever the
// template log holds, and the template station's log, the template itself,
// is never written.
Status resetStationFiles(const std::filesystem::path& programDir, std::string_view call);

// The critical OK/Cancel question of Mnu_RAZ_All (call in Windows-1252 bytes).
QString resetQuestion(bool french, std::string_view call);

// Before a reset, the station's files as they are go to a dated set of the
// program directory: call + "_avant_RAZ_" + "yyyy-mm-dd_hh-mm-ss" (the time
// given), then what follows the callsign in each file's name
// ("F6ABC_avant_RAZ_2026-06-07_01-30-30.log", "..._Prefixe_SSB.txt").  A set
// already there is never overwritten: the next free "_2", "_3"... is added to
// the name.  All or nothing: when a file cannot be read or a copy written, no
// copy is left and the error is returned.  A station file that is not there
// has nothing to keep and is left out.  The names of the copies made.
Result<std::vector<std::string>> copyBeforeReset(const std::filesystem::path& programDir, std::string_view call,
                                                 const ClockFields& now);

// After a reset, where the files as they were have been copied; when the copy
// failed, the error and that nothing was deleted.
QString resetCopyMessage(bool french, const std::filesystem::path& programDir, const std::vector<std::string>& names);
QString resetCopyFailedMessage(bool french, const FileError& error);

struct BackupOutcome {
  Status copied;  // the first copy that failed
  // The damaged tally files whose good backup was kept (file names).
  std::vector<std::string> damagedKept;
};

// Copies the log to callsign + ".bak" and each tally file to its name with
// ".bak" for ".txt", each copy atomic.  A file that cannot be copied keeps its
// old backup; the others are still made and the first failure is returned.
// A damaged tally (entry/TallyCheck.h) never replaces a backup that is whole.
BackupOutcome Copie_Securite(const std::filesystem::path& programDir, std::string_view call);

// The backup reminder shown when the program closes (lines joined by CR LF).
// The example names are built from the callsign and the JNC date "dd/mm/yy"
// (as the sheet and the listing name their files); the directory named is the
// program directory, where those files are saved.
QString backupReminder(bool french, std::string_view call, std::string_view jncDate,
                       const std::filesystem::path& programDir);

}  // namespace brivant
