#pragma once
// The per-user data folder ("program directory") and the settings folder.

#include <filesystem>

#include "platform/Result.h"

namespace brivant::ProgramDir {

namespace fs = std::filesystem;

// $XDG_DATA_HOME/Brivant, else ~/.local/share/Brivant.
fs::path defaultDataFolder();
// $XDG_CONFIG_HOME/Brivant, else ~/.config/Brivant.
fs::path defaultSettingsFolder();
// $XDG_STATE_HOME/Brivant, else ~/.local/state/Brivant: the diagnostic log.
fs::path defaultStateFolder();
// Where the shipped data of a program in executableFolder is: the first
// that exists of <executableFolder>/../share/brivant (the installed program,
// /usr/bin and /usr/share/brivant) and <executableFolder>/data (a build
// tree, which copies data/ beside the program); the latter when neither does.
fs::path shippedDataFolder(const fs::path& executableFolder);
// The shipped data of this running program (shippedDataFolder of the folder
// of /proc/self/exe).
fs::path installedDataFolder();

// Creates the folder when absent and copies in every shipped file that is
// missing there; an existing file is never overwritten.  Returns how many
// files were copied.
Result<int> seed(const fs::path& programDir, const fs::path& shippedData);

// Removes the hidden temporary files that copies cut short left behind
// (".F6ABC.bak.Xy12Ab": a dot, the target's name, a dot and six letters or
// digits).  Only while this copy of the program holds the folder's lock: a
// running copy's temporaries are not stale.  Returns how many went.
int removeStaleTemporaries(const fs::path& programDir);

}  // namespace brivant::ProgramDir
