#pragma once
// The upkeep of a station's files besides the rebuild: the reset to the
// templates, the backup copies, and the texts the windows show around them.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

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
