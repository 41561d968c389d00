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
// The shipped data: $BRIVANT_DATA_DIR when set, else data/ beside the
// executable, else ../share/brivant/data, else the source tree's data/.
fs::path installedDataFolder();

// Creates the folder when absent and copies in every shipped file that is
// missing there; an existing file is never overwritten.
Status seed(const fs::path& programDir, const fs::path& shippedData);

// Removes the hidden temporary files that copies cut short left behind
// (".F6ABC.bak.Xy12Ab": a dot, the target's name, a dot and six letters or
// digits).  Only while this copy of the program holds the folder's lock: a
// running copy's temporaries are not stale.  Returns how many went.
int removeStaleTemporaries(const fs::path& programDir);

}  // namespace brivant::ProgramDir
