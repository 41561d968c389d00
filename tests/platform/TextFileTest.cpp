#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

#include "tests/support/FaultHookGuard.h"
#include "tests/support/TestFiles.h"

namespace {

namespace tf = brivant::TextFile;
namespace fs = std::filesystem;
using brivant::testing::readBytes;
using brivant::testing::TempDir;
using brivant::testing::writeBytes;
using Step = tf::testing::Step;

using FaultHook = brivant::testing::FaultHookGuard;

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(TextFileRead, LineEnds) {
  struct Case {
    const char* name;
    std::string bytes;
    tf::Lines lines;
  };
  const Case cases[] = {
      {"empty file", "", {}},
      {"CR LF", "abc\r\ndef\r\n", {"abc", "def"}},
      {"last line without end", "abc\r\ndef", {"abc", "def"}},
      {"bare LF", "abc\ndef\n", {"abc", "def"}},
      {"mixed", "a\r\nb\nc", {"a", "b", "c"}},
      {"empty lines", "\r\n\r\nx\r\n", {"", "", "x"}},
      {"cut between CR and LF", "abc\r\nde\r", {"abc", "de"}},
      {"CR inside a line is data", "a\rb\r\n", {"a\rb"}},
      {"NUL bytes are data", std::string("a\0b\r\n\0\r\n", 8), {std::string("a\0b", 3), std::string("\0", 1)}},
      {"1252 bytes", "Ch\xE2teau \x80\r\n", {"Ch\xE2teau \x80"}},
  };
  TempDir dir;
  for (const auto& c : cases) {
    const fs::path file = dir / "f.txt";
    writeBytes(file, c.bytes);
    auto lines = tf::readLines(file);
    ASSERT_TRUE(lines.ok()) << c.name;
    EXPECT_EQ(*lines, c.lines) << c.name;
    auto all = tf::readAll(file);
    ASSERT_TRUE(all.ok());
    EXPECT_EQ(*all, c.bytes) << c.name;
  }
}

TEST(TextFileRead, LargeFileReadsEveryLine) {
  TempDir dir;
  tf::Lines lines;
  for (int i = 0; i < 10000; ++i)
    lines.push_back(std::string(190, static_cast<char>('A' + i % 26)) + std::to_string(100000 + i));
  writeBytes(dir / "big.log", brivant::testing::crlf(lines));
  auto read = tf::readLines(dir / "big.log");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(*read, lines);
}

// The file is read in blocks of 64 KiB: a line end may fall on either side of
// a block boundary, or be split across it.
TEST(TextFileRead, LineEndsAtBlockBoundaries) {
  TempDir dir;
  for (std::size_t firstLength : {65533u, 65534u, 65535u, 65536u, 131071u}) {
    const tf::Lines lines = {std::string(firstLength, 'x'), "", "after", std::string(70000, 'y'), "last"};
    writeBytes(dir / "f.txt", brivant::testing::crlf(lines));
    auto read = tf::readLines(dir / "f.txt");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(*read, lines) << firstLength;
    writeBytes(dir / "f.txt", std::string(firstLength, 'x') + "\r");  // cut between CR and LF
    EXPECT_EQ(*tf::readLines(dir / "f.txt"), tf::Lines{std::string(firstLength, 'x')}) << firstLength;
  }
}

TEST(TextFileRead, Errors) {
  TempDir dir;
  writeBytes(dir / "plain.txt", "x\r\n");
  auto missing = tf::readLines(dir / "absent.txt");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().number, 53);
  EXPECT_EQ(missing.error().path, (dir / "absent.txt").string());

  EXPECT_EQ(tf::readLines(dir.path()).error().number, 75);                   // a folder
  EXPECT_EQ(tf::readLines(dir / "plain.txt" / "x").error().number, 75);      // through a file
  EXPECT_EQ(tf::readLines(dir / std::string(300, 'n')).error().number, 75);  // name too long

  FaultHook denied([](Step step, const fs::path&) -> std::optional<int> {
    return step == Step::Open ? std::optional<int>(EACCES) : std::nullopt;
  });
  EXPECT_EQ(tf::readLines(dir / "plain.txt").error().number, 70);
}

// A file read in pieces: every byte once, in order, never more than a piece
// at a time, with the bytes read so far and the file's length; stopping when
// asked.
TEST(TextFileRead, InPieces) {
  TempDir dir;
  std::string bytes;
  for (int i = 0; i < 10'000; ++i) bytes += static_cast<char>('a' + i % 26);
  writeBytes(dir / "long.txt", bytes);
  std::string read;
  std::vector<std::uintmax_t> done;
  ASSERT_TRUE(tf::readInPieces(dir / "long.txt", 4'096,
                               [&](std::string_view piece, std::uintmax_t sofar, std::uintmax_t total) {
                                 EXPECT_LE(piece.size(), 4'096u);
                                 EXPECT_EQ(total, bytes.size());
                                 read += piece;
                                 done.push_back(sofar);
                                 return true;
                               })
                  .ok());
  EXPECT_EQ(read, bytes);
  EXPECT_EQ(done, (std::vector<std::uintmax_t>{4'096, 8'192, 10'000}));
  int pieces = 0;
  ASSERT_TRUE(tf::readInPieces(dir / "long.txt", 4'096, [&](std::string_view, std::uintmax_t, std::uintmax_t) {
                return ++pieces < 2;
              }).ok());
  EXPECT_EQ(pieces, 2);
  EXPECT_EQ(
      tf::readInPieces(dir / "absent.txt", 4'096, [](std::string_view, std::uintmax_t, std::uintmax_t) { return true; })
          .error()
          .number,
      53);
}

TEST(TextFile, ErrnoMapping) {
  struct Case {
    int errnoValue;
    int number;
  };
  const Case cases[] = {
      {ENOENT, 53},  {EACCES, 70},       {EPERM, 70}, {EROFS, 70}, {ENOSPC, 61}, {EDQUOT, 61}, {EISDIR, 75},
      {ENOTDIR, 75}, {ENAMETOOLONG, 75}, {ELOOP, 75}, {EIO, 57},   {EBADF, 57},  {ENOMEM, 57},
  };
  for (const auto& c : cases) EXPECT_EQ(tf::errorNumberOf(c.errnoValue), c.number) << "errno " << c.errnoValue;
}

TEST(TextFileWrite, WriteLinesAndAppend) {
  TempDir dir;
  const fs::path file = dir / "out.txt";
  writeBytes(file, "old content that is longer\r\n");
  ASSERT_TRUE(tf::writeLines(file, {"un", "", "tr\xE9s"}).ok());
  EXPECT_EQ(readBytes(file), "un\r\n\r\ntr\xE9s\r\n");

  const fs::path log = dir / "new.log";
  ASSERT_TRUE(tf::appendLine(log, "first").ok());
  ASSERT_TRUE(tf::appendLine(log, "second").ok());
  EXPECT_EQ(readBytes(log), "first\r\nsecond\r\n");

  auto size = tf::length(log);
  ASSERT_TRUE(size.ok());
  EXPECT_EQ(*size, 15u);
  EXPECT_EQ(tf::length(dir / "absent").error().number, 53);
  EXPECT_TRUE(tf::exists(log));
  EXPECT_FALSE(tf::exists(dir / "absent"));
  EXPECT_FALSE(tf::exists(dir.path()));

  ASSERT_TRUE(tf::remove(log).ok());
  EXPECT_FALSE(tf::exists(log));
  EXPECT_TRUE(tf::remove(log).ok());  // already gone
}

TEST(TextFileWrite, AppendNeverGluesOntoALastLineWithoutEnd) {
  TempDir dir;
  const fs::path file = dir / "F1ABC.log";
  for (const char* old : {"one\r\ntwo", "one\r\ntwo\r", "one\ntwo\n"}) {
    writeBytes(file, old);
    ASSERT_TRUE(tf::appendLine(file, "three").ok());
    EXPECT_EQ(*tf::readLines(file), (tf::Lines{"one", "two", "three"})) << old;
  }
}

TEST(TextFileWrite, DiskFullIsError61) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  EXPECT_EQ(tf::writeLines("/dev/full", {"x"}).error().number, 61);
  EXPECT_EQ(tf::appendLine("/dev/full", "x").error().number, 61);
}

TEST(TextFileWrite, FailedAppendLeavesTheFileAsItWas) {
  for (Step failing : {Step::Open, Step::Write, Step::Flush, Step::Close}) {
    TempDir dir;
    const fs::path file = dir / "F1ABC.log";
    writeBytes(file, "one\r\ntwo\r\n");
    FaultHook hook([failing](Step step, const fs::path&) -> std::optional<int> {
      return step == failing ? std::optional<int>(ENOSPC) : std::nullopt;
    });
    const brivant::Status status = tf::appendLine(file, "three");
    ASSERT_FALSE(status.ok()) << int(failing);
    EXPECT_EQ(status.error().number, 61);
    EXPECT_EQ(readBytes(file), "one\r\ntwo\r\n") << int(failing);
  }
}

// The heart of "never lose data": whichever step fails, the target keeps its
// old bytes and no temporary file is left behind.
TEST(TextFileReplace, AFailureAtAnyStepLeavesTheTargetIntact) {
  struct Fault {
    int injected;
    int number;
  };
  const Fault faults[] = {{EACCES, 70}, {ENOSPC, 61}, {EIO, 57}, {ENAMETOOLONG, 75}, {53, 53}, {70, 70}};
  for (Step failing : {Step::Open, Step::Write, Step::Flush, Step::Close, Step::Rename}) {
    for (const auto& fault : faults) {
      TempDir dir;
      const fs::path target = dir / "F1ABC_Prefixe_SSB.txt";
      const fs::path temporary = dir / "Temporaire1.txt";
      writeBytes(target, "old\r\nlines\r\n");
      std::vector<Step> seen;
      FaultHook hook([&](Step step, const fs::path&) -> std::optional<int> {
        seen.push_back(step);
        return step == failing ? std::optional<int>(fault.injected) : std::nullopt;
      });
      const brivant::Status status = tf::replaceAtomically(temporary, target, {"new", "content"});
      const std::string where = "step " + std::to_string(int(failing)) + ", error " + std::to_string(fault.injected);
      ASSERT_FALSE(status.ok()) << where;
      EXPECT_EQ(status.error().number, fault.number) << where;
      EXPECT_EQ(seen.back(), failing) << where;  // stopped at the failing step
      EXPECT_EQ(readBytes(target), "old\r\nlines\r\n") << where;
      EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"F1ABC_Prefixe_SSB.txt"}) << where;
    }
  }
}

TEST(TextFileReplace, WritesThroughTheNamedTemporaryFile) {
  TempDir dir;
  const fs::path target = dir / "F1ABC.log";
  const fs::path temporary = dir / "Temporaire.txt";
  writeBytes(target, "old\r\n");
  std::vector<std::pair<Step, fs::path>> seen;
  {
    FaultHook hook([&](Step step, const fs::path& file) -> std::optional<int> {
      seen.emplace_back(step, file);
      return std::nullopt;
    });
    ASSERT_TRUE(tf::replaceAtomically(temporary, target, {"a", "b\xE9"}).ok());
  }
  EXPECT_EQ(readBytes(target), "a\r\nb\xE9\r\n");
  EXPECT_FALSE(fs::exists(temporary));
  const std::vector<std::pair<Step, fs::path>> expected = {{Step::Open, temporary},
                                                           {Step::Write, temporary},
                                                           {Step::Flush, temporary},
                                                           {Step::Close, temporary},
                                                           {Step::Rename, target}};
  EXPECT_EQ(seen, expected);

  // A missing target is simply created; an empty list gives an empty file.
  ASSERT_TRUE(tf::replaceAtomically(temporary, dir / "new.txt", {}).ok());
  EXPECT_TRUE(tf::exists(dir / "new.txt"));
  EXPECT_EQ(readBytes(dir / "new.txt"), "");

  // Raw bytes go through unchanged.
  ASSERT_TRUE(tf::replaceAtomicallyBytes(temporary, target, std::string("x\0y", 3)).ok());
  EXPECT_EQ(readBytes(target), std::string("x\0y", 3));
}

TEST(TextFileReplace, RealFailuresLeaveTheTargetIntact) {
  TempDir dir;
  const fs::path target = dir / "F1ABC.log";
  writeBytes(target, "old\r\n");
  // The temporary file's folder does not exist.
  EXPECT_EQ(tf::replaceAtomically(dir / "nowhere" / "Temporaire.txt", target, {"x"}).error().number, 53);
  // The target is a folder: the rename fails after the temporary was written.
  fs::create_directory(dir / "folder");
  writeBytes(dir / "folder" / "inside", "kept");
  const brivant::Status overFolder = tf::replaceAtomically(dir / "Temporaire.txt", dir / "folder", {"x"});
  ASSERT_FALSE(overFolder.ok());
  EXPECT_EQ(overFolder.error().number, 75);
  EXPECT_FALSE(fs::exists(dir / "Temporaire.txt"));
  EXPECT_EQ(readBytes(dir / "folder" / "inside"), "kept");
  // A temporary file named like the target would destroy it.
  EXPECT_FALSE(tf::replaceAtomically(target, target, {"x"}).ok());
  EXPECT_FALSE(tf::replaceAtomically(dir / "." / "F1ABC.log", target, {"x"}).ok());
  EXPECT_EQ(readBytes(target), "old\r\n");
}

TEST(TextFileCopy, CopiesBytesAndIsAtomic) {
  TempDir dir;
  const std::string content = std::string("Ch\xE2teau\r\n\0\x80\r\n", 13);
  writeBytes(dir / "F1ABC.log", content);
  ASSERT_TRUE(tf::copy(dir / "F1ABC.log", dir / "F1ABC.log.bak").ok());
  EXPECT_EQ(readBytes(dir / "F1ABC.log.bak"), content);

  writeBytes(dir / "F1ABC.log", "newer\r\n");
  for (Step failing : {Step::Open, Step::Write, Step::Flush, Step::Close, Step::Rename}) {
    FaultHook hook([failing](Step step, const fs::path&) -> std::optional<int> {
      return step == failing ? std::optional<int>(EIO) : std::nullopt;
    });
    const brivant::Status status = tf::copy(dir / "F1ABC.log", dir / "F1ABC.log.bak");
    ASSERT_FALSE(status.ok()) << int(failing);
    EXPECT_EQ(status.error().number, 57);
    EXPECT_EQ(readBytes(dir / "F1ABC.log.bak"), content) << int(failing);
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"F1ABC.log", "F1ABC.log.bak"})) << int(failing);
  }

  EXPECT_EQ(tf::copy(dir / "absent.log", dir / "F1ABC.log.bak").error().number, 53);
  EXPECT_EQ(readBytes(dir / "F1ABC.log.bak"), content);
  EXPECT_EQ(tf::copy(dir / "F1ABC.log", dir / "no" / "such" / "folder.txt").error().number, 53);
}

// Several files replaced as one change: a failure at the nth step of any kind
// (the last renames included) leaves every file as it was, a missing one
// missing, and no hidden file behind.
TEST(TextFileReplaceTogether, AllOrNothing) {
  TempDir dir;
  writeBytes(dir / "a.txt", "old a\r\n");
  writeBytes(dir / "b.txt", "old b\r\n");
  const std::vector<tf::Replacement> files = {
      {dir / "a.txt", "new a\r\n"}, {dir / "b.txt", ""}, {dir / "c.txt", "new c\r\n"}};
  const std::vector<std::string> namesBefore = namesIn(dir.path());
  std::vector<Step> steps;  // of the run that succeeds
  for (int failAt = 0;; ++failAt) {
    int calls = 0;
    std::vector<Step> seen;
    brivant::Status status;
    {
      FaultHook hook([&](Step step, const fs::path&) -> std::optional<int> {
        seen.push_back(step);
        return calls++ == failAt ? std::optional<int>(ENOSPC) : std::nullopt;
      });
      status = tf::replaceTogether(files);
    }
    if (status.ok()) {
      EXPECT_EQ(failAt, int(seen.size()));  // every step was failed once before
      steps = seen;
      break;
    }
    EXPECT_EQ(status.error().number, 61) << failAt;
    EXPECT_EQ(readBytes(dir / "a.txt"), "old a\r\n") << failAt;
    EXPECT_EQ(readBytes(dir / "b.txt"), "old b\r\n") << failAt;
    EXPECT_EQ(namesIn(dir.path()), namesBefore) << failAt;
  }
  // Every new content is on disk before the first rename.
  const auto firstRename = std::find(steps.begin(), steps.end(), Step::Rename);
  EXPECT_EQ(std::count(steps.begin(), firstRename, Step::Flush), 3);
  EXPECT_EQ(std::count(firstRename, steps.end(), Step::Rename), 3);
  EXPECT_EQ(readBytes(dir / "a.txt"), "new a\r\n");
  EXPECT_EQ(readBytes(dir / "b.txt"), "");
  EXPECT_EQ(readBytes(dir / "c.txt"), "new c\r\n");
  EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"a.txt", "b.txt", "c.txt"}));
}

}  // namespace
