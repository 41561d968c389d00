#include "core/LogFile.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "core/MainCaptions.h"
#include "core/QsoRecord.h"
#include "core/Text.h"
#include "platform/TextFile.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

using testing::crlf;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

std::string record(std::string_view date, std::string_view start, std::string_view callsign) {
  QsoFields f;
  f.date = date;
  f.callsign = callsign;
  f.start = start;
  f.end = start;
  f.band = "14 Mhz";
  f.mode = "SSB";
  f.rstSent = "59";
  f.rstReceived = "59";
  f.points = "3";
  f.activity = "0";
  return *buildQsoRecord(f);
}

std::vector<std::string> callsignsOf(const ListLines& lines) {
  std::vector<std::string> calls;
  for (const std::string& line : lines) calls.push_back(listFieldTrimmed(line, QsoLayout::Callsign));
  return calls;
}

class LogFileTest : public ::testing::Test {
 protected:
  void writeLog(const std::vector<std::string>& records) { writeBytes(dir / "F6ABC.log", crlf(records)); }
  std::string logBytes() const { return readBytes(dir / "F6ABC.log"); }
  ListLines rewrite(std::string_view oldListLine, std::string_view newRecord) {
    Result<LogRewrite> rewritten = Reecrit_Log(dir.path(), "F6ABC", oldListLine, newRecord);
    EXPECT_TRUE(rewritten.ok() && rewritten->oldLineFound);
    EXPECT_FALSE(TextFile::exists(dir / "Temporaire6.txt"));
    return rewritten ? rewritten->lines : ListLines{};
  }
  const std::string insertOnly = std::string(199, ' ');
  TempDir dir;
};

TEST_F(LogFileTest, AppendCreatesTheLogAndAddsCrLf) {
  const std::string a = record("07/06/26", "08:00", "F1AAA");
  const std::string b = record("07/06/26", "08:05", "F1BBB");
  ASSERT_TRUE(Ajout_Log(dir.path(), "F6ABC", a).ok());
  EXPECT_EQ(logBytes().size(), 201u);  // the save pipeline's one-contact test
  ASSERT_TRUE(Ajout_Log(dir.path(), "F6ABC", b).ok());
  EXPECT_EQ(logBytes(), crlf({a, b}));
}

TEST_F(LogFileTest, LoadNumbersLinesWhateverTheLineEnds) {
  const std::string a = record("07/06/26", "08:00", "F1AAA");
  const std::string b = record("07/06/26", "08:05", "F1BBB");
  const std::string c = record("07/06/26", "08:10", "F1CCC");
  for (const std::string& bytes :
       {a + "\r\n" + b + "\r\n" + c + "\r\n", a + "\n" + b + "\n" + c + "\n", a + "\r\n" + b + "\r\n" + c}) {
    writeBytes(dir / "F6ABC.log", bytes);
    Result<ListLines> lines = Charge_Liste_QSO(dir.path(), "F6ABC");
    ASSERT_TRUE(lines.ok());
    ASSERT_EQ(lines->size(), 3u);
    EXPECT_EQ((*lines)[0], "    1 " + a);
    EXPECT_EQ((*lines)[2], "    3 " + c);
  }
}

TEST_F(LogFileTest, LoadOfEmptyAndMissingLogs) {
  writeLog({});
  Result<ListLines> empty = Charge_Liste_QSO(dir.path(), "F6ABC");
  ASSERT_TRUE(empty.ok());
  EXPECT_TRUE(empty->empty());
  EXPECT_EQ(frame4Caption(true, 0), "QSO numero 1");
  EXPECT_EQ(frame4Caption(false, 41), "QSO number 42");

  Result<ListLines> missing = Charge_Liste_QSO(dir.path(), "F5ZZZ");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().number, FileNotFound);
}

TEST_F(LogFileTest, DamagedLinesAreListedAsTheyAre) {
  writeLog({"07/06/26  F1AAA", "", record("07/06/26", "08:00", "F1BBB") + "extra"});
  Result<ListLines> lines = Charge_Liste_QSO(dir.path(), "F6ABC");
  ASSERT_TRUE(lines.ok());
  EXPECT_EQ(callsignsOf(*lines), (std::vector<std::string>{"F1AAA", "", "F1BBB"}));
  EXPECT_EQ(listFieldTrimmed((*lines)[0], QsoLayout::CastleName), "");
}

TEST_F(LogFileTest, RewriteInsertsInDateOrderWithYearWindowing) {
  // 31/12/49 is 2049 and 01/01/50 is 1950.
  writeLog({record("01/01/50", "10:00", "F1OLD"), record("12/05/09", "10:00", "F1MID"),
            record("31/12/49", "10:00", "F1NEW")});
  EXPECT_EQ(callsignsOf(rewrite(insertOnly, record("01/06/99", "23:59", "F1A"))),
            (std::vector<std::string>{"F1OLD", "F1A", "F1MID", "F1NEW"}));
  EXPECT_EQ(callsignsOf(rewrite(insertOnly, record("01/01/00", "00:00", "F1B"))),
            (std::vector<std::string>{"F1OLD", "F1A", "F1B", "F1MID", "F1NEW"}));
  EXPECT_EQ(callsignsOf(rewrite(insertOnly, record("01/01/50", "09:59", "F1C"))).front(), "F1C");
  EXPECT_EQ(callsignsOf(rewrite(insertOnly, record("31/12/49", "10:01", "F1D"))).back(), "F1D");
}

TEST_F(LogFileTest, RewriteOrdersByCalendarDateNotText) {
  writeLog({record("28/02/26", "23:00", "F1FEB"), record("01/03/26", "00:00", "F1MAR")});
  // Read as text "15/..." would sort after "01/..." and before "28/...".
  EXPECT_EQ(callsignsOf(rewrite(insertOnly, record("15/03/26", "08:00", "F1X"))),
            (std::vector<std::string>{"F1FEB", "F1MAR", "F1X"}));
}

TEST_F(LogFileTest, RewriteTiesPutTheNewContactFirst) {
  writeLog({record("07/06/26", "08:00", "F1AAA"), record("07/06/26", "08:05", "F1BBB")});
  EXPECT_EQ(callsignsOf(rewrite(insertOnly, record("07/06/26", "08:05", "F1NEW"))),
            (std::vector<std::string>{"F1AAA", "F1NEW", "F1BBB"}));
}

TEST_F(LogFileTest, RewriteIntoAnEmptyLog) {
  writeLog({});
  const std::string a = record("07/06/26", "08:00", "F1AAA");
  EXPECT_EQ(rewrite(insertOnly, a), (ListLines{"    1 " + a}));
  EXPECT_EQ(logBytes(), crlf({a}));
}

TEST_F(LogFileTest, RewriteOfMissingLogIsError53) {
  Result<LogRewrite> lines = Reecrit_Log(dir.path(), "F6ABC", insertOnly, record("07/06/26", "08:00", "F1AAA"));
  ASSERT_FALSE(lines.ok());
  EXPECT_EQ(lines.error().number, FileNotFound);
  EXPECT_FALSE(TextFile::exists(dir / "F6ABC.log"));
}

TEST_F(LogFileTest, EditRemovesTheOldLineOnce) {
  const std::string a = record("07/06/26", "08:00", "F1AAA");
  const std::string b = record("07/06/26", "09:00", "F1BBB");
  const std::string c = record("07/06/26", "10:00", "F1CCC");
  writeLog({a, b, b, c});
  ListLines listed = Charge_Liste_QSO(dir.path(), "F6ABC").value();
  // The second contact is edited: moved to 11:00 under another callsign.
  const ListLines after = rewrite(listed[1], record("07/06/26", "11:00", "F1EDT"));
  EXPECT_EQ(callsignsOf(after), (std::vector<std::string>{"F1AAA", "F1BBB", "F1CCC", "F1EDT"}));
  EXPECT_EQ(logBytes(), crlf({a, b, c, record("07/06/26", "11:00", "F1EDT")}));
  EXPECT_EQ(after.back().substr(0, 6), "    4 ");
}

TEST_F(LogFileTest, DamagedLinesNeverTakeTheNewContactsPlace) {
  const std::string damaged = "xx/06/26  F1BAD";
  writeLog(
      {record("07/06/26", "08:00", "F1AAA"), damaged, "", std::string(193, ' '), record("07/06/26", "10:00", "F1CCC")});
  EXPECT_EQ(callsignsOf(rewrite(insertOnly, record("07/06/26", "09:00", "F1NEW"))),
            (std::vector<std::string>{"F1AAA", "F1BAD", "", "", "F1NEW", "F1CCC"}));
  // A record whose own date cannot be read goes to the end.
  EXPECT_EQ(callsignsOf(rewrite(insertOnly, record("7/06/26 ", "00:00", "F1ODD"))).back(), "F1ODD");
  // The damaged lines are kept byte for byte, blank ones too: an old line that
  // names no record removes nothing.
  rewrite("", record("07/06/26", "11:00", "F1END"));
  EXPECT_NE(logBytes().find("\r\n" + damaged + "\r\n\r\n" + std::string(193, ' ') + "\r\n"), std::string::npos);
}

TEST_F(LogFileTest, FailedRenameLeavesTheOldLog) {
  writeLog({record("07/06/26", "08:00", "F1AAA")});
  const std::string before = logBytes();
  TextFile::testing::setFaultHook([](TextFile::testing::Step step, const std::filesystem::path&) -> std::optional<int> {
    if (step == TextFile::testing::Step::Rename) return PermissionDenied;
    return std::nullopt;
  });
  Result<LogRewrite> lines =
      Reecrit_Log(dir.path(), "F6ABC", std::string(199, ' '), record("07/06/26", "09:00", "F1B"));
  TextFile::testing::setFaultHook({});
  ASSERT_FALSE(lines.ok());
  EXPECT_EQ(lines.error().number, PermissionDenied);
  EXPECT_EQ(logBytes(), before);
  EXPECT_FALSE(TextFile::exists(dir / "Temporaire6.txt"));
}

TEST_F(LogFileTest, ManyRecordsGoWhereOneByOneInsertionsPutThem) {
  const std::vector<std::string> logged{record("07/06/26", "08:00", "F1AAA"), "xx/06/26  F1BAD",
                                        record("07/06/26", "10:00", "F1CCC"), record("07/06/26", "09:00", "F1LATE")};
  const std::vector<std::string> added{record("07/06/26", "11:00", "F1END"), record("07/06/26", "07:00", "F1FIRST"),
                                       record("07/06/26", "10:00", "F1TIE"), record("07/06/26", "09:30", "F1MID")};
  // Each record alone where Reecrit_Log would put it, in turn.
  writeLog(logged);
  for (const std::string& one : added) rewrite(insertOnly, one);
  const std::string oneByOne = logBytes();

  writeLog(logged);
  Result<ListLines> lines = insertRecordsInDateOrder(dir.path(), "F6ABC", added);
  ASSERT_TRUE(lines.ok());
  EXPECT_EQ(logBytes(), oneByOne);
  EXPECT_EQ(callsignsOf(*lines),
            (std::vector<std::string>{"F1FIRST", "F1AAA", "F1BAD", "F1MID", "F1TIE", "F1CCC", "F1LATE", "F1END"}));
  EXPECT_FALSE(TextFile::exists(dir / "Temporaire6.txt"));
}

TEST_F(LogFileTest, ManyRecordsOfOneTimeKeepTheirOrder) {
  writeLog({});
  const std::vector<std::string> added{record("07/06/26", "08:00", "F1A"), record("07/06/26", "08:00", "F1B"),
                                       record("7/06/26 ", "08:00", "F1ODD"), record("06/06/26", "08:00", "F1C")};
  Result<ListLines> lines = insertRecordsInDateOrder(dir.path(), "F6ABC", added);
  ASSERT_TRUE(lines.ok());
  EXPECT_EQ(callsignsOf(*lines), (std::vector<std::string>{"F1C", "F1A", "F1B", "F1ODD"}));
}

TEST_F(LogFileTest, ManyRecordsFailingLeaveTheOldLog) {
  writeLog({record("07/06/26", "08:00", "F1AAA")});
  const std::string before = logBytes();
  TextFile::testing::setFaultHook([](TextFile::testing::Step step, const std::filesystem::path&) -> std::optional<int> {
    if (step == TextFile::testing::Step::Write) return ENOSPC;
    return std::nullopt;
  });
  Result<ListLines> lines = insertRecordsInDateOrder(dir.path(), "F6ABC", {record("07/06/26", "09:00", "F1B")});
  TextFile::testing::setFaultHook({});
  ASSERT_FALSE(lines.ok());
  EXPECT_EQ(lines.error().number, DiskFull);
  EXPECT_EQ(logBytes(), before);
  EXPECT_EQ(insertRecordsInDateOrder(dir.path(), "F5ZZZ", {}).error().number, FileNotFound);
}

TEST(LogDateTimeKey, YearWindowAndMalformedDates) {
  EXPECT_LT(*logDateTimeKey("01/01/50", "00:00"), *logDateTimeKey("31/12/99", "23:59"));
  EXPECT_LT(*logDateTimeKey("31/12/99", "23:59"), *logDateTimeKey("01/01/00", "00:00"));
  EXPECT_LT(*logDateTimeKey("01/01/00", "00:00"), *logDateTimeKey("31/12/49", "00:00"));
  EXPECT_LT(*logDateTimeKey("07/06/26", "08:59"), *logDateTimeKey("07/06/26", "09:00"));
  // Lines logged before the entry refused impossible dates still order.
  EXPECT_TRUE(logDateTimeKey("99/99/99", "99:99"));
  EXPECT_FALSE(logDateTimeKey("7/06/26", "08:00"));
  EXPECT_FALSE(logDateTimeKey("07/06/26", "8:00 "));
  EXPECT_FALSE(logDateTimeKey("07-06-26", "08:00"));
  EXPECT_FALSE(logDateTimeKey("        ", "     "));
}

}  // namespace
}  // namespace brivant
