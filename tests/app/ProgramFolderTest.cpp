// What the program does with its folder before the main window: one copy per
// folder, the leftovers of interrupted copies, a settings file that cannot be
// used.

#include <gtest/gtest.h>

#include <QString>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "app/ProgramFolder.h"
#include "core/Safeguards.h"
#include "platform/InstanceLock.h"
#include "platform/SettingsStore.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"

namespace brivant::testing {
namespace {

namespace fs = std::filesystem;

// Every file under a folder: its bytes and when it was last written.
struct FileState {
  std::string bytes;
  fs::file_time_type written;
  bool operator==(const FileState&) const = default;
};
std::map<std::string, FileState> snapshot(const fs::path& folder) {
  std::map<std::string, FileState> files;
  if (!fs::exists(folder)) return files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().lexically_relative(folder).string();
    files[name] = {entry.is_regular_file() ? readBytes(entry.path()) : "<folder>", entry.last_write_time()};
  }
  return files;
}

class ProgramFolderTest : public ::testing::Test {
 protected:
  ProgramFolderTest() { fs::create_directories(programDir); }

  std::unique_ptr<InstanceLock> open() { return openProgramFolder(programDir, shippedDataDir(), store, dialogs); }
  void storeStation(const char* language) {
    ASSERT_TRUE(store.save("ZIV", "Setup ", "Indicatif Station", "F6ABC").ok());
    ASSERT_TRUE(store.save("ZIV", "Setup F6ABC", "Langue", language).ok());
  }

  TempDir root;
  const fs::path programDir = root / "Brivant";
  TempDir settingsDir;
  SettingsStore store{settingsDir.path()};
  ScriptedDialogs dialogs;
};

// A second start on a folder another copy holds says so and changes no file:
// in the stored language, or in both when it cannot be known.
TEST_F(ProgramFolderTest, ASecondCopyEndsWithItsMessageAndTouchesNothing) {
  seedFromShippedData(programDir);
  writeBytes(programDir / "F6ABC.log", "contact\r\n");
  writeBytes(programDir / ".F6ABC.bak.Ab12Cd", "a copy of the running program, in progress");
  InstanceLock running(programDir);
  ASSERT_EQ(running.outcome(), InstanceLock::Outcome::Acquired);

  struct Case {
    const char* language;  // nullptr: no station stored
    QString message;
  };
  const Case cases[] = {
      {nullptr, alreadyOpenMessage(std::nullopt)},
      {"Fr", alreadyOpenMessage(true)},
      {"An", alreadyOpenMessage(false)},
  };
  for (const Case& c : cases) {
    if (c.language != nullptr) storeStation(c.language);
    const auto programBefore = snapshot(programDir);
    const auto settingsBefore = snapshot(settingsDir.path());
    dialogs.expectMessage(c.message);
    EXPECT_EQ(open(), nullptr);
    dialogs.verifyAllConsumed();
    EXPECT_EQ(snapshot(programDir), programBefore);
    EXPECT_EQ(snapshot(settingsDir.path()), settingsBefore);
  }
  EXPECT_TRUE(alreadyOpenMessage(std::nullopt).contains(QStringLiteral("déjà ouvert")));
  EXPECT_TRUE(alreadyOpenMessage(std::nullopt).contains(QStringLiteral("already open")));
}

TEST_F(ProgramFolderTest, TheFirstCopyHoldsTheFolderCleansItAndSeedsIt) {
  writeBytes(programDir / ".F6ABC.bak.Ab12Cd", "left by a copy cut short");
  writeBytes(programDir / ".F6ABC.mvx.x9Y8z7", "left by a copy cut short");
  writeBytes(programDir / "F6ABC.log", "contact\r\n");
  std::unique_ptr<InstanceLock> lock = open();
  ASSERT_NE(lock, nullptr);
  EXPECT_TRUE(dialogs.texts().isEmpty());
  EXPECT_EQ(InstanceLock(programDir).outcome(), InstanceLock::Outcome::HeldElsewhere);
  EXPECT_FALSE(fs::exists(programDir / ".F6ABC.bak.Ab12Cd"));
  EXPECT_FALSE(fs::exists(programDir / ".F6ABC.mvx.x9Y8z7"));
  EXPECT_TRUE(fs::exists(programDir / "FXXXX_Prefixe.txt"));
  EXPECT_EQ(readBytes(programDir / "F6ABC.log"), "contact\r\n");
  lock.reset();
  EXPECT_EQ(InstanceLock(programDir).outcome(), InstanceLock::Outcome::Acquired);
}

TEST_F(ProgramFolderTest, AFolderInPlaceOfTheSettingsIsKeptAsideNotOverwritten) {
  fs::create_directories(store.fileOf("ZIV") / "inside");
  writeBytes(store.fileOf("ZIV") / "inside" / "kept.txt", "the operator's");
  dialogs.expectMessage(::testing::HasSubstr("ZIV.ini.unreadable-"));
  std::unique_ptr<InstanceLock> lock = open();
  ASSERT_NE(lock, nullptr);
  dialogs.verifyAllConsumed();
  // Both languages: nothing tells which one the operator reads.
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("ne peut pas être lu")));
  EXPECT_TRUE(dialogs.lastText().contains(QStringLiteral("cannot be read")));
  int kept = 0;
  for (const auto& entry : fs::directory_iterator(settingsDir.path())) {
    if (entry.path().filename().string().rfind("ZIV.ini.unreadable-", 0) == 0) {
      EXPECT_EQ(readBytes(entry.path() / "inside" / "kept.txt"), "the operator's");
      ++kept;
    }
  }
  EXPECT_EQ(kept, 1);
  // The store starts empty and can be written again.
  EXPECT_TRUE(store.save("ZIV", "Setup ", "Indicatif Station", "F6ABC").ok());
}

TEST_F(ProgramFolderTest, DamagedSettingsLinesAreCopiedAsideAndTheRestKept) {
  writeBytes(store.fileOf("ZIV"), "[Setup ]\nIndicatif Station=F6ABC\n[Setup F6ABC]\nLangue=Fr\ngarbage line\n");
  dialogs.expectMessage(::testing::StartsWith("Le fichier des réglages de Brivant contient des lignes abîmées"));
  std::unique_ptr<InstanceLock> lock = open();
  ASSERT_NE(lock, nullptr);
  dialogs.verifyAllConsumed();
  EXPECT_EQ(store.get("ZIV", "Setup ", "Indicatif Station", ""), "F6ABC");
}

}  // namespace
}  // namespace brivant::testing
