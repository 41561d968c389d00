#pragma once
// The missing-file error window's logic (Gestion_Erreur) and the message of
// any other run-time error.

#include <QString>
#include <filesystem>
#include <string_view>

#include "platform/Result.h"
#include "platform/SettingsStore.h"

namespace brivant {

// "Erreur N° " + the error number, the message a file error shows.  The
// error itself (number, file, system reason) goes into the diagnostic log.
QString runtimeErrorMessage(const FileError& error);

// What Err_Departement shows after the callsign, by the file found missing.
namespace MissingFileLabel {
inline constexpr std::string_view Log = ".log";
inline constexpr std::string_view PrefixTallies = "_Prefixe_SSB.txt ou Prefixe_CW.txt";
inline constexpr std::string_view DepartementTallies = "_Departement_SSB.txt ou Departement_CW.txt";
}  // namespace MissingFileLabel

// The Initialiser button: stores the callsign as "Indicatif Station" and
// "------" as "Locator Station" in the common section, and creates an empty log
// for the callsign when it has none.  An existing log is left as it is: the
// window may have been raised for a missing tally file, and contacts are never
// thrown away.
Status Initialiser(SettingsStore& store, const std::filesystem::path& programDir, std::string_view callsign);

}  // namespace brivant
