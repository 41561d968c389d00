#include "app/ProgramFolder.h"

#include <optional>
#include <string>
#include <system_error>

#include "core/Safeguards.h"
#include "core/SettingsKeys.h"
#include "platform/Diagnostics.h"
#include "platform/ProgramDir.h"
#include "platform/TextFile.h"

namespace brivant {

namespace fs = std::filesystem;

std::unique_ptr<InstanceLock> openProgramFolder(const fs::path& programDir, const fs::path& shippedData,
                                                SettingsStore& settings, Dialogs& dialogs) {
  // Read from a store of its own: this copy may not use the folder yet, and
  // the settings may change until it does.
  const std::optional<bool> french = storedFrench(SettingsStore(settings.fileOf(Settings::Application).parent_path()));

  std::error_code ec;
  fs::create_directories(programDir, ec);
  if (ec) {
    dialogs.message(programFolderFailure(french, programDir,
                                         {TextFile::errorNumberOf(ec.value()), programDir.string(), ec.message()}));
    return nullptr;
  }
  auto lock = std::make_unique<InstanceLock>(programDir);
  switch (lock->outcome()) {
    case InstanceLock::Outcome::Acquired:
      break;
    case InstanceLock::Outcome::HeldElsewhere:
      dialogs.message(alreadyOpenMessage(french));
      return nullptr;
    case InstanceLock::Outcome::Failed:
      dialogs.message(programFolderFailure(
          french, programDir, {PathFileAccessError, (programDir / InstanceLock::FileName).string(), "lock file"}));
      return nullptr;
  }

  ProgramDir::removeStaleTemporaries(programDir);
  const Result<int> seeded = ProgramDir::seed(programDir, shippedData);
  if (!seeded) {
    dialogs.message(programFolderFailure(french, programDir, seeded.error()));
    return nullptr;
  }
  if (*seeded > 0)
    Diagnostics::startupStep(std::to_string(*seeded) + " shipped files copied from " + shippedData.string() + " into " +
                             programDir.string());

  const Result<std::optional<SettingsStore::KeptAside>> kept = settings.keepAsideIfUnusable(Settings::Application);
  if (!kept) {
    dialogs.message(settingsNotKeptAsideMessage(french, kept.error()));
    return nullptr;
  }
  if (const std::optional<SettingsStore::KeptAside>& aside = *kept)
    dialogs.message(settingsKeptAsideMessage(french, aside->file, aside->unreadable));
  return lock;
}

}  // namespace brivant
