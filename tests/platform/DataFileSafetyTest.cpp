// What the file layer does when the folder holds something other than plain
// data files, or a write was cut short: named pipes, symbolic links, file
// permissions, torn last lines and leftovers of interrupted copies.

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/ProgramDir.h"
#include "platform/TextFile.h"
#include "tests/support/FaultHookGuard.h"
#include "tests/support/TestFiles.h"

namespace {

namespace tf = brivant::TextFile;
namespace fs = std::filesystem;
using brivant::testing::readBytes;
using brivant::testing::TempDir;
using brivant::testing::writeBytes;

mode_t modeOf(const fs::path& file) {
  struct stat info {};
  EXPECT_EQ(::stat(file.c_str(), &info), 0) << file;
  return info.st_mode & 07777;
}

// A named pipe with no writer would block a plain open forever; every access
// answers at once, as for a missing file.
TEST(DataFileSafety, NamedPipeIsRefusedAsMissingWithoutWaiting) {
  TempDir dir;
  const fs::path pipe = dir / "F6ABC.log";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(tf::readLines(pipe).error().number, brivant::FileNotFound);
  EXPECT_EQ(tf::readAll(pipe).error().number, brivant::FileNotFound);
  EXPECT_EQ(tf::length(pipe).error().number, brivant::FileNotFound);
  EXPECT_FALSE(tf::exists(pipe));
  EXPECT_EQ(tf::appendLine(pipe, "x").error().number, brivant::FileNotFound);
  EXPECT_EQ(tf::writeLines(pipe, {"x"}).error().number, brivant::FileNotFound);
  EXPECT_EQ(tf::copy(pipe, dir / "copy.txt").error().number, brivant::FileNotFound);
}

TEST(DataFileSafety, ReplacementKeepsTheModeAndTheLink) {
  TempDir dir;
  TempDir elsewhere;
  const fs::path real = elsewhere / "F6ABC.log";
  writeBytes(real, "old\r\n");
  ASSERT_EQ(::chmod(real.c_str(), 0600), 0);
  const fs::path link = dir / "F6ABC.log";
  fs::create_symlink(real, link);

  ASSERT_TRUE(tf::replaceAtomically(dir / "Temporaire.txt", link, {"new"}).ok());
  EXPECT_TRUE(fs::is_symlink(link)) << "the link was replaced by a plain file";
  EXPECT_EQ(readBytes(real), "new\r\n");
  EXPECT_EQ(modeOf(real), 0600u);
  EXPECT_FALSE(fs::exists(dir / "Temporaire.txt"));

  ASSERT_TRUE(tf::copy(dir / "missing-source.txt", link).error().number == brivant::FileNotFound);
  writeBytes(dir / "source.txt", "copied\r\n");
  ASSERT_TRUE(tf::copy(dir / "source.txt", link).ok());
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(readBytes(real), "copied\r\n");
  EXPECT_EQ(modeOf(real), 0600u);

  // A plain file keeps its mode too.
  const fs::path plain = dir / "F6ABC_Prefixe_SSB.txt";
  writeBytes(plain, "a\r\n");
  ASSERT_EQ(::chmod(plain.c_str(), 0640), 0);
  ASSERT_TRUE(tf::replaceAtomically(dir / "Temporaire1.txt", plain, {"b"}).ok());
  EXPECT_EQ(modeOf(plain), 0640u);
}

TEST(DataFileSafety, TornLastLineIsSetAsideAndCutFromTheFile) {
  struct Case {
    const char* name;
    std::string before;
    std::string after;
    std::optional<std::string> fragment;
  };
  const std::string longLine(10'000, 'x');
  const Case cases[] = {
      {"whole lines", "a\r\nb\r\n", "a\r\nb\r\n", std::nullopt},
      {"empty file", "", "", std::nullopt},
      {"cut record", "a\r\nF6AB", "a\r\n", "F6AB"},
      {"cut between CR and LF", "a\r\nb\r", "a\r\n", "b"},
      {"only a fragment", "F6", "", "F6"},
      {"long torn line", "a\r\n" + longLine, "a\r\n", longLine},
  };
  for (const Case& c : cases) {
    TempDir dir;
    const fs::path log = dir / "F6ABC.log";
    const fs::path side = dir / "F6ABC_Incomplet.txt";
    writeBytes(log, c.before);
    auto outcome = tf::setAsideTornLastLine(log, side);
    ASSERT_TRUE(outcome.ok()) << c.name;
    EXPECT_EQ(*outcome, c.fragment) << c.name;
    EXPECT_EQ(readBytes(log), c.after) << c.name;
    EXPECT_EQ(readBytes(side), c.fragment ? *c.fragment + "\r\n" : "") << c.name;
  }
}

TEST(DataFileSafety, TornLineIsKeptWhenTheCutFails) {
  TempDir dir;
  const fs::path log = dir / "F6ABC.log";
  const fs::path side = dir / "F6ABC_Incomplet.txt";
  writeBytes(log, "a\r\nF6AB");
  {
    brivant::testing::FaultHookGuard guard([&](tf::testing::Step step, const fs::path& file) -> std::optional<int> {
      if (step == tf::testing::Step::Write && file == log) return ENOSPC;
      return std::nullopt;
    });
    auto outcome = tf::setAsideTornLastLine(log, side);
    ASSERT_FALSE(outcome.ok());
  }
  // Never in neither place: the fragment is kept aside and still in the log.
  EXPECT_EQ(readBytes(side), "F6AB\r\n");
  EXPECT_EQ(readBytes(log), "a\r\nF6AB");
}

TEST(DataFileSafety, LeftoversOfInterruptedCopiesGoAndNothingElse) {
  TempDir dir;
  const char* stale[] = {".F6ABC.bak.a1B2c3", ".F6ABC.mvx.ZZZZZZ", ".F6ABC_Prefixe_SSB.txt.000000"};
  const char* kept[] = {"F6ABC.log", ".F6ABC.bak.a1B2c", "F6ABC.bak.a1B2c3", ".F6ABC.bak.a1B2c!",
                        ".hidden",   "Temporaire.txt",   ".x.abcdefg"};
  for (const char* name : stale) writeBytes(dir / name, "partial");
  for (const char* name : kept) writeBytes(dir / name, "data");
  fs::create_directory(dir / ".folder.abcdef");
  EXPECT_EQ(brivant::ProgramDir::removeStaleTemporaries(dir.path()), 3);
  for (const char* name : stale) EXPECT_FALSE(fs::exists(dir / name)) << name;
  for (const char* name : kept) EXPECT_TRUE(fs::exists(dir / name)) << name;
  EXPECT_TRUE(fs::is_directory(dir / ".folder.abcdef"));
}

}  // namespace
