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

TEST(ProgramDir, InstalledDataFolder) {
  TempDir dir;
  EnvGuard env;
  env.set("BRIVANT_DATA_DIR", dir.path().string());
  EXPECT_EQ(pd::installedDataFolder(), dir.path());
  env.set("BRIVANT_DATA_DIR", std::nullopt);
  // The test program has no data/ beside it: the source tree's data/.
  const fs::path fallback = pd::installedDataFolder();
  EXPECT_TRUE(fs::is_directory(fallback)) << fallback;
  EXPECT_EQ(fallback.filename(), "data");
}

TEST(ProgramDir, SeedCopiesWhatIsMissingAndNeverOverwrites) {
  TempDir dir;
  const fs::path shipped = dir / "shipped";
  writeBytes(shipped / "FXXXX.log", "");
  writeBytes(shipped / "FXXXX_Prefixe.txt", "F     \r\nDL    \r\n");
  writeBytes(shipped / "Nomenclature.txt", "F1ABC Ch\xE2teau\r\n");
  writeBytes(shipped / "sons" / "ringin.wav", "RIFF");

  const fs::path program = dir / "home" / "data" / "Brivant";  // nothing of it exists yet
  ASSERT_TRUE(pd::seed(program, shipped).ok());
  EXPECT_EQ(readBytes(program / "FXXXX_Prefixe.txt"), "F     \r\nDL    \r\n");
  EXPECT_EQ(readBytes(program / "Nomenclature.txt"), "F1ABC Ch\xE2teau\r\n");
  EXPECT_TRUE(fs::exists(program / "FXXXX.log"));
  EXPECT_EQ(readBytes(program / "sons" / "ringin.wav"), "RIFF");

  // The operator's copies are kept; only a deleted file comes back.
  writeBytes(program / "Nomenclature.txt", "learnt stations\r\n");
  fs::remove(program / "FXXXX_Prefixe.txt");
  writeBytes(program / "F1ABC.log", "my log\r\n");
  ASSERT_TRUE(pd::seed(program, shipped).ok());
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
