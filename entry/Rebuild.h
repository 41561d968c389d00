#pragma once
// The rebuild of a station's four tally files and of the absent list from
// the log, and the texts the windows show around it.

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

}  // namespace brivant
