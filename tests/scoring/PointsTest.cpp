#include <gtest/gtest.h>

#include "entry/Rebuild.h"
#include "scoring/Points.h"
#include "tests/entry/TallyTestData.h"

namespace brivant {
namespace {

using testing::crlf;
using testing::LogLine;
using testing::logRecord;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

using testing::LogStation;

LogLine contact(std::string call, std::string band, std::string mode, std::string dept, char activity = '0') {
  LogLine f;
  f.callsign = std::move(call);
  f.band = std::move(band);
  f.mode = std::move(mode);
  f.departement = std::move(dept);
  f.activity = activity;
  return f;
}

// A prefix line and a departement line with a flag at the given columns.
std::string prefixLine(std::string_view prefix, std::initializer_list<std::size_t> flagged, char flag = '1') {
  std::string line = std::string(prefix) + std::string(7 - prefix.size(), ' ') + std::string(17, '0') + "  " +
                     std::string(prefix) + std::string(7 - prefix.size(), ' ') + "Entity";
  for (std::size_t column : flagged) line[column - 1] = flag;
  return line;
}
std::string deptLine(std::string_view code, std::initializer_list<std::size_t> flagged, char flag = '1') {
  std::string line = std::string(code) + " " + std::string(17, '0') + " Name";
  for (std::size_t column : flagged) line[column - 1] = flag;
  return line;
}

class PointsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::seedStation(dir.path(), LogStation);
    writeLog({});
    for (const char* name : {"_Prefixe_SSB.txt", "_Prefixe_CW.txt", "_Departement_SSB.txt", "_Departement_CW.txt"})
      writeBytes(dir / ("F6ABC" + std::string(name)), "");
  }
  void writeLog(const std::vector<LogLine>& lines) {
    std::vector<std::string> records;
    for (const LogLine& line : lines) records.push_back(logRecord(line));
    writeBytes(dir / "F6ABC.log", crlf(records));
  }
  void writeTally(std::string_view suffix, const std::vector<std::string>& lines) {
    writeBytes(dir / ("F6ABC" + std::string(suffix)), crlf(lines));
  }
  long long score() {
    Result<long long> points = Calcul_Points(dir.path(), LogStation);
    EXPECT_TRUE(points.ok());
    return points.valueOr(-1);
  }
  // The worked example: 3 SSB contacts on 14 Mhz (one castle), 2 CW on 7.0 Mhz.
  void writeExampleLog() {
    writeLog({contact("F5ABC", "14 Mhz", "SSB", "59", '1'), contact("F4XYZ", "14 Mhz", "SSB", "62"),
              contact("F1AAA", "14 Mhz", "SSB", "59"), contact("F2BBB", "7.0 Mhz", "CW", "13"),
              contact("F3CCC", "7.0 Mhz", "CW", "13")});
  }
  TempDir dir;
};

TEST_F(PointsTest, WorkedExample) {
  writeExampleLog();
  writeTally("_Prefixe_SSB.txt", {prefixLine("F", {12})});
  writeTally("_Departement_SSB.txt", {deptLine("59", {8}), deptLine("62", {8})});
  writeTally("_Prefixe_CW.txt", {prefixLine("F", {10})});
  writeTally("_Departement_CW.txt", {deptLine("13", {6})});
  Result<ScoreCounters> counters = countScore(dir.path(), LogStation);
  ASSERT_TRUE(counters.ok());
  const BandModeCounts& ssb14 = counters->cell[0][2];
  EXPECT_EQ(ssb14.contacts, 3);
  EXPECT_EQ(ssb14.castleBonus, 10);
  EXPECT_EQ(ssb14.departements, 2);
  EXPECT_EQ(ssb14.prefixes, 1);
  const BandModeCounts& cw7 = counters->cell[1][1];
  EXPECT_EQ(cw7.contacts, 2);
  EXPECT_EQ(cw7.departements, 1);
  EXPECT_EQ(cw7.prefixes, 1);
  EXPECT_EQ(contactPointsOf(*counters), 11);
  EXPECT_EQ(multiplierOf(*counters), 15);
  EXPECT_EQ(score(), 165);
}

// The same example with the tallies made by the rebuild from the log.
TEST_F(PointsTest, WorkedExampleAfterTheRebuild) {
  writeExampleLog();
  ASSERT_TRUE(rebuildTallies(dir.path(), LogStation).ok());
  EXPECT_EQ(score(), 165);
}

TEST_F(PointsTest, EmptyLogScoresNothingWhateverTheTallies) {
  writeTally("_Prefixe_SSB.txt", {prefixLine("F", {9, 10, 12, 14, 16})});
  writeTally("_Departement_CW.txt", {deptLine("59", {5, 6, 8, 10, 12})});
  EXPECT_EQ(score(), 0);
}

TEST_F(PointsTest, PlainContactsWithoutFlagsScoreNothing) {
  writeLog({contact("DL1AA", "14 Mhz", "SSB", ""), contact("G4ABC", "28 Mhz", "CW", "")});
  EXPECT_EQ(score(), 0);
}

TEST_F(PointsTest, OnlyTheFiveBandsAndTwoModesCount) {
  writeLog({contact("F5ABC", "144 Mhz", "SSB", "59", '1'), contact("F5ABC", "14 MHZ", "SSB", "59", '1'),
            contact("F5ABC", "14 Mhz", "FM", "59", '1'), contact("F5ABC", "28 Mhz", "CW", "59")});
  writeTally("_Departement_CW.txt", {deptLine("59", {12, 13})});  // 28 Mhz counts, 50 Mhz does not
  Result<ScoreCounters> counters = countScore(dir.path(), LogStation);
  ASSERT_TRUE(counters.ok());
  EXPECT_EQ(contactPointsOf(*counters), 5);
  EXPECT_EQ(multiplierOf(*counters), 1);  // the castles were on bands or modes that do not count
}

TEST_F(PointsTest, FlagsThatCount) {
  writeLog({contact("F5ABC", "3.5 Mhz", "SSB", "59")});
  struct Case {
    char flag;
    long long multiplier;
  };
  for (const Case& c :
       {Case{'0', 0}, Case{'1', 2}, Case{'2', 2}, Case{'4', 2}, Case{'5', 0}, Case{' ', 0}, Case{'X', 0}}) {
    writeTally("_Prefixe_SSB.txt", {prefixLine("F", {9}, c.flag)});
    writeTally("_Departement_SSB.txt", {deptLine("59", {5}, c.flag)});
    EXPECT_EQ(score(), c.multiplier) << "flag '" << c.flag << "'";
  }
}

TEST_F(PointsTest, PointsColumnOfTheLogPlaysNoPart) {
  LogLine edited = contact("F5ABC", "21 Mhz", "SSB", "59");
  edited.points = "99";
  writeLog({edited});
  writeTally("_Prefixe_SSB.txt", {prefixLine("F", {14})});
  EXPECT_EQ(score(), 4);
}

TEST_F(PointsTest, ActivityRules) {
  LogLine castle = contact("F5ABC", "14 Mhz", "SSB", "59", '1');
  LogLine unclear = contact("F4XYZ", "14 Mhz", "SSB", "62", ' ');
  LogLine plain = contact("F1AAA", "14 Mhz", "SSB", "59", '0');
  writeLog({unclear, castle, unclear, plain, unclear});
  Result<ScoreCounters> score = countScore(dir.path(), LogStation, ActivityRule::KeepPreviousOnOther);
  Result<ScoreCounters> sheet = countScore(dir.path(), LogStation, ActivityRule::FirstCharacterIsOne);
  ASSERT_TRUE(score.ok());
  ASSERT_TRUE(sheet.ok());
  EXPECT_EQ(score->cell[0][2].castleBonus, 20);  // the unclear line after the castle is one too
  EXPECT_EQ(sheet->cell[0][2].castleBonus, 10);
  EXPECT_EQ(score->cell[0][2].contacts, 5);
}

TEST_F(PointsTest, DamagedLinesCountNothingAndBreakNothing) {
  const std::string good = logRecord(contact("F5ABC", "14 Mhz", "SSB", "59", '1'));
  writeBytes(dir / "F6ABC.log", crlf({good.substr(0, 55), "", good.substr(0, 61), good, "*"}));
  writeBytes(dir / "F6ABC_Prefixe_SSB.txt", crlf({"F      01", "", "F"}));
  Result<ScoreCounters> counters = countScore(dir.path(), LogStation);
  ASSERT_TRUE(counters.ok());
  EXPECT_EQ(contactPointsOf(*counters), 3);     // only the whole line: a cut band or mode is no contact
  EXPECT_EQ(counters->cell[0][0].prefixes, 1);  // column 9 of the short tally line
  EXPECT_EQ(counters->cell[0][1].prefixes, 0);  // the columns past its end read as blanks
  EXPECT_EQ(counters->cell[0][2].prefixes, 0);
}

TEST_F(PointsTest, AnyMissingFileIsError53) {
  for (const char* name :
       {".log", "_Prefixe_SSB.txt", "_Prefixe_CW.txt", "_Departement_SSB.txt", "_Departement_CW.txt"}) {
    const std::filesystem::path file = dir / ("F6ABC" + std::string(name));
    const std::string bytes = readBytes(file);
    std::filesystem::remove(file);
    Result<long long> points = Calcul_Points(dir.path(), LogStation);
    ASSERT_FALSE(points.ok()) << name;
    EXPECT_EQ(points.error().number, FileNotFound);
    EXPECT_EQ(std::filesystem::path(points.error().path).filename(), file.filename());
    writeBytes(file, bytes);
  }
}

}  // namespace
}  // namespace brivant
