#pragma once
// The upkeep of a station's files besides the rebuild: the reset to the
// templates, the backup copies, and the texts the windows show around them.

#include <QString>
#include <filesystem>
#include <string_view>

#include "platform/Result.h"

namespace brivant {

// The reset: the template log over the log, the departement template over
// both departement files, the prefix template over the SSB then the CW prefix
// file.  The templates are read first: a missing one is error 53 and nothing
// is changed.  For the station "FXXXX", whose log is the template itself, the
// log is emptied.
Status resetStationFiles(const std::filesystem::path& programDir, std::string_view call);

// The critical OK/Cancel question of Mnu_RAZ_All (call in Windows-1252 bytes).
QString resetQuestion(bool french, std::string_view call);

// Copies the log to callsign + ".bak" and each tally file to its name with
// ".bak" for ".txt", each copy atomic.  A file that cannot be copied keeps its
// old backup; the others are still made and the first failure is returned.
Status Copie_Securite(const std::filesystem::path& programDir, std::string_view call);

// The backup reminder shown when the program closes (lines joined by CR LF).
// The example names are built from the callsign and the JNC date "dd/mm/yy"
// (as the sheet and the listing name their files); the directory named is the
// program directory, where those files are saved.
QString backupReminder(bool french, std::string_view call, std::string_view jncDate,
                       const std::filesystem::path& programDir);

}  // namespace brivant
