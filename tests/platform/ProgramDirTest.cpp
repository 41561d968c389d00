#include "platform/ProgramDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;
namespace pd = brivant::ProgramDir;
using brivant::testing::readBytes;
using brivant::testing::TempDir;
using brivant::testing::writeBytes;

// Changes environment variables for one test and puts them back.
class EnvGuard {
 public:
  ~EnvGuard() {
    for (const auto& [name, value] : saved_) {
      if (value) {
        ::setenv(name.c_str(), value->c_str(), 1);
      } else {
        ::unsetenv(name.c_str());
      }
    }
  }
  void set(const std::string& name, const std::optional<std::string>& value) {
    if (!saved_.count(name)) {
      const char* old = std::getenv(name.c_str());
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    if (value) {
      ::setenv(name.c_str(), value->c_str(), 1);
    } else {
      ::unsetenv(name.c_str());
    }
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

TEST(ProgramDir, FoldersFollowXdgThenHome) {
  TempDir dir;
  EnvGuard env;
  env.set("HOME", (dir / "home").string());
  env.set("XDG_DATA_HOME", (dir / "data").string());
  env.set("XDG_CONFIG_HOME", (dir / "config").string());
  env.set("XDG_STATE_HOME", (dir / "state").string());
  EXPECT_EQ(pd::defaultDataFolder(), dir / "data" / "Brivant");
  EXPECT_EQ(pd::defaultSettingsFolder(), dir / "config" / "Brivant");
  EXPECT_EQ(pd::defaultStateFolder(), dir / "state" / "Brivant");

  env.set("XDG_DATA_HOME", std::nullopt);
  env.set("XDG_CONFIG_HOME", "");
  env.set("XDG_STATE_HOME", std::nullopt);
  EXPECT_EQ(pd::defaultDataFolder(), dir / "home" / ".local" / "share" / "Brivant");
  EXPECT_EQ(pd::defaultSettingsFolder(), dir / "home" / ".config" / "Brivant");
  EXPECT_EQ(pd::defaultStateFolder(), dir / "home" / ".local" / "state" / "Brivant");

  // A relative XDG folder is ignored, as the XDG rules ask.
  env.set("XDG_DATA_HOME", "relative/data");
  env.set("XDG_STATE_HOME", "relative/state");
  EXPECT_EQ(pd::defaultDataFolder(), dir / "home" / ".local" / "share" / "Brivant");
  EXPECT_EQ(pd::defaultStateFolder(), dir / "home" / ".local" / "state" / "Brivant");
}

// One rule finds the shipped data, installed or in a build tree.
TEST(ProgramDir, ShippedDataFolderInstalledThenBesideTheProgram) {
  TempDir dir;
  // Installed: /usr/bin/brivant and /usr/share/brivant.
  fs::create_directories(dir / "usr" / "bin");
  fs::create_directories(dir / "usr" / "share" / "brivant");
  EXPECT_EQ(pd::shippedDataFolder(dir / "usr" / "bin"), dir / "usr" / "share" / "brivant");
  // A build tree: build/app/brivant and build/app/data.
  fs::create_directories(dir / "build" / "app" / "data");
  EXPECT_EQ(pd::shippedDataFolder(dir / "build" / "app"), dir / "build" / "app" / "data");
  // Both: the installed data wins over a stray data/ in /usr/bin.
  fs::create_directories(dir / "usr" / "bin" / "data");
  EXPECT_EQ(pd::shippedDataFolder(dir / "usr" / "bin"), dir / "usr" / "share" / "brivant");
  // Neither: data/ beside the program, which seeding reports as missing.
  fs::create_directories(dir / "lone");
  EXPECT_EQ(pd::shippedDataFolder(dir / "lone"), dir / "lone" / "data");
  EXPECT_EQ(pd::seed(dir / "program", pd::shippedDataFolder(dir / "lone")).error().number, 53);

  // This test program is in neither place: its own folder's data/.
  std::error_code ec;
  EXPECT_EQ(pd::installedDataFolder(), fs::read_symlink("/proc/self/exe", ec).parent_path() / "data");
}

TEST(ProgramDir, SeedCopiesWhatIsMissingAndNeverOverwrites) {
  TempDir dir;
  const fs::path shipped = dir / "shipped";
  writeBytes(shipped / "FXXXX.log", "");
  writeBytes(shipped / "FXXXX_Prefixe.txt", "F     \r\nDL    \r\n");
  writeBytes(shipped / "Nomenclature.txt", "F1ABC Ch\xE2teau\r\n");
  writeBytes(shipped / "sons" / "ringin.wav", "RIFF");

  const fs::path program = dir / "home" / "data" / "Brivant";  // nothing of it exists yet
  const brivant::Result<int> first = pd::seed(program, shipped);
  ASSERT_TRUE(first.ok());
  EXPECT_EQ(*first, 4);
  EXPECT_EQ(readBytes(program / "FXXXX_Prefixe.txt"), "F     \r\nDL    \r\n");
  EXPECT_EQ(readBytes(program / "Nomenclature.txt"), "F1ABC Ch\xE2teau\r\n");
  EXPECT_TRUE(fs::exists(program / "FXXXX.log"));
  EXPECT_EQ(readBytes(program / "sons" / "ringin.wav"), "RIFF");

  // The operator's copies are kept; only a deleted file comes back.
  writeBytes(program / "Nomenclature.txt", "learnt stations\r\n");
  fs::remove(program / "FXXXX_Prefixe.txt");
  writeBytes(program / "F1ABC.log", "my log\r\n");
  const brivant::Result<int> again = pd::seed(program, shipped);
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(*again, 1);
  EXPECT_EQ(readBytes(program / "Nomenclature.txt"), "learnt stations\r\n");
  EXPECT_EQ(readBytes(program / "FXXXX_Prefixe.txt"), "F     \r\nDL    \r\n");
  EXPECT_EQ(readBytes(program / "F1ABC.log"), "my log\r\n");
}

TEST(ProgramDir, SeedErrors) {
  TempDir dir;
  const brivant::Status noShipped = pd::seed(dir / "program", dir / "absent");
  ASSERT_FALSE(noShipped.ok());
  EXPECT_EQ(noShipped.error().number, 53);
  EXPECT_TRUE(fs::is_directory(dir / "program"));

  writeBytes(dir / "shipped" / "a.txt", "a");
  writeBytes(dir / "file", "not a folder");
  const brivant::Status overFile = pd::seed(dir / "file", dir / "shipped");
  ASSERT_FALSE(overFile.ok());
  EXPECT_EQ(overFile.error().number, 75);
  EXPECT_EQ(readBytes(dir / "file"), "not a folder");
}

}  // namespace
