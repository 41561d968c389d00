#pragma once
// The maintenance of a station's files: the rebuild of the four tally files
// and of the absent list from the log, the reset to the templates, the backup
// copies and the texts the windows show around them.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/LogFile.h"
#include "platform/Result.h"

namespace brivant {

struct RebuildOutcome {
  // One entry per logged contact whose callsign matches no prefix, in the
  // order the "Prefixe Inconnu" messages come: SSB contacts in log order, then
  // CW contacts in log order.
  std::vector<std::string> unknownCallsigns;
};

// MAJ_Prefixe then MAJ_Departement: the tallies start from the templates and
// every logged contact of mode "SSB" or "CW" marks its prefix and departement
// on its band.  The result is the one the contact-by-contact rewrite gives,
// computed in memory: each of the four tally files and the absent list is
// written at most once, atomically, and not at all when it already holds the
// result.  A missing log or template is error 53 and no
// file is changed (the departement template's message is
// missingDeptTemplateMessage).
Result<RebuildOutcome> rebuildTallies(const std::filesystem::path& programDir, std::string_view call);

// "Fichier FXXXX_Departement.txt Absent du repertoire" (both languages).
QString missingDeptTemplateMessage(bool french);

// Texts of the updating window Chargement.
QString updatingCaption();               // "Morvex"
QString updatingFilesText(bool french);  // Label2
QString updatingWhatText(bool french);   // Label1

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
