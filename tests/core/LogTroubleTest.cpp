// A log whose last line was cut short, or whose lines are damaged: the torn
// line never becomes a contact, a damaged one is counted, none is lost.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/LogFile.h"
#include "core/QsoRecord.h"
#include "tests/support/Records.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

using testing::crlf;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

std::string record(const char* call) { return testing::plainRecord(call, "07/06/26"); }

class LogTroubleTest : public ::testing::Test {
 protected:
  std::string log() const { return readBytes(dir / "F6ABC.log"); }
  std::string sideFile() const { return readBytes(dir / "F6ABC_Lignes_Incompletes.txt"); }
  TempDir dir;
  const std::string a = record("F1AAA");
  const std::string b = record("F1BBB");
  const std::string c = record("F1CCC");
};

// Before an append, a last line without its line end goes to the side file.
TEST_F(LogTroubleTest, AnAppendSetsATornLastLineAsideFirst) {
  struct Case {
    const char* name;
    std::string before;
    std::optional<std::string> setAside;
  };
  const Case cases[] = {
      {"cut in the record", crlf({a, b}) + c.substr(0, 120), c.substr(0, 120)},
      {"cut before LF", crlf({a, b}) + c + "\r", c},
      {"whole", crlf({a, b}), std::nullopt},
      {"only a fragment", a.substr(0, 40), a.substr(0, 40)},
      {"empty", "", std::nullopt},
  };
  for (const Case& tc : cases) {
    SCOPED_TRACE(tc.name);
    writeBytes(dir / "F6ABC.log", tc.before);
    std::filesystem::remove(dir / "F6ABC_Lignes_Incompletes.txt");
    const Result<LogAppend> appended = Ajout_Log(dir.path(), "F6ABC", c);
    ASSERT_TRUE(appended.ok());
    EXPECT_EQ(appended->setAside, tc.setAside);
    const std::string whole = tc.before.substr(0, tc.before.rfind('\n') + 1);
    EXPECT_EQ(log(), (tc.before.find('\n') == std::string::npos ? std::string() : whole) + c + "\r\n");
    EXPECT_EQ(sideFile(), tc.setAside ? *tc.setAside + "\r\n" : "");
  }
  // A missing log is created, as before.
  std::filesystem::remove(dir / "F6ABC.log");
  ASSERT_TRUE(Ajout_Log(dir.path(), "F6ABC", a).ok());
  EXPECT_EQ(log(), crlf({a}));
}

// Both rewrites of the whole log: one contact inserted, many imported.
TEST_F(LogTroubleTest, ARewriteNeverTurnsATornLineIntoARecord) {
  const std::string d = record("F1DDD");
  const struct {
    const char* name;
    std::function<Result<ListLines>()> rewrite;
    std::vector<std::string> after;  // same date and time: the new contacts first
  } cases[] = {
      {"one inserted",
       [&]() -> Result<ListLines> {
         Result<LogRewrite> rewritten = Reecrit_Log(dir.path(), "F6ABC", std::string(199, ' '), c);
         if (!rewritten) return rewritten.error();
         return rewritten->lines;
       },
       {c, a, b}},
      {"many inserted",
       [&] {
         return insertRecordsInDateOrder(dir.path(), "F6ABC", {c, d});
       },
       {c, d, a, b}},
  };
  for (const auto& tc : cases) {
    SCOPED_TRACE(tc.name);
    writeBytes(dir / "F6ABC.log", crlf({a, b}) + "07/06/26  F1ZZZ");
    std::filesystem::remove(dir / "F6ABC_Lignes_Incompletes.txt");
    const Result<ListLines> lines = tc.rewrite();
    ASSERT_TRUE(lines.ok());
    EXPECT_EQ(lines->size(), tc.after.size());
    EXPECT_EQ(log(), crlf(tc.after));
    EXPECT_EQ(sideFile(), "07/06/26  F1ZZZ\r\n");
  }
}

TEST_F(LogTroubleTest, TornLinesPileUpInTheSideFile) {
  for (const char* fragment : {"first", "second"}) {
    writeBytes(dir / "F6ABC.log", crlf({a}) + fragment);
    const auto setAside = setAsideTornLogLine(dir.path(), "F6ABC");
    ASSERT_TRUE(setAside.ok());
    EXPECT_EQ(*setAside, std::optional<std::string>(fragment));
  }
  EXPECT_EQ(sideFile(), "first\r\nsecond\r\n");
  EXPECT_EQ(log(), crlf({a}));
  EXPECT_EQ(setAsideTornLogLine(dir.path(), "F6ABC").value(), std::nullopt);
  EXPECT_EQ(setAsideTornLogLine(dir.path(), "F1NONE").error().number, FileNotFound);
}

TEST(DamagedLogLines, BytesNoRecordHoldsOrFarTooLong) {
  const std::string good = record("F1AAA");
  const std::pair<std::string, bool> cases[] = {
      {good, false},
      {good.substr(0, 60), false},                            // short: an old or hand-made line, shown as it is
      {"07/06/26  F1\xC9T\xE9", false},                       // accents of Windows-1252
      {std::string(398, 'x'), false},                         // up to twice a record
      {std::string(399, 'x'), true},                          //
      {std::string(100'000, 'x'), true},                      // a 100 kB line
      {good.substr(0, 20) + '\0' + good.substr(21), true},    // NUL
      {good.substr(0, 20) + '\x01' + good.substr(21), true},  // control characters
      {good.substr(0, 20) + '\t' + good.substr(21), true},
      {good.substr(0, 20) + '\x7F' + good.substr(21), true},
  };
  ListLines lines;
  std::size_t damaged = 0;
  for (const auto& [line, expected] : cases) {
    EXPECT_EQ(isDamagedLogLine(line), expected) << line.substr(0, 40);
    lines.push_back(QsoListLine(static_cast<long long>(lines.size()) + 1, line));
    if (expected) ++damaged;
  }
  EXPECT_EQ(damagedLineCount(lines), damaged);
}

}  // namespace
}  // namespace brivant
