#pragma once
// The program folder taken for this copy of the program, before any of its
// files is read or written: app/main.cpp calls it first, and it is tested
// without starting a process.

#include <filesystem>
#include <memory>

#include "platform/Dialogs.h"
#include "platform/InstanceLock.h"
#include "platform/SettingsStore.h"

namespace brivant {

// In order: the folder is made when absent; its lock is taken (when another
// running copy holds it, the operator is told that the logbook is already
// open and nothing is touched); the hidden leftovers of copies cut short are
// removed; the shipped files missing from it are copied in (how many, and
// from where, goes to the diagnostic log); a settings file that cannot be
// used is kept aside with a message, rather than overwritten.
// Messages are in the language the settings give, in both when it cannot be
// known.  Returns the lock, to hold for the whole run, or nothing when the
// program must end (its reason has been shown).
std::unique_ptr<InstanceLock> openProgramFolder(const std::filesystem::path& programDir,
                                                const std::filesystem::path& shippedData, SettingsStore& settings,
                                                Dialogs& dialogs);

}  // namespace brivant
