#include <gtest/gtest.h>

#include "stats/CastleStats.h"
#include "stats/PrefixStats.h"
#include "tests/stats/StatsTestData.h"

namespace brivant::testing {
namespace {

// A list for a band and mode, and its golden lines (none: nothing listed).
struct Listing {
  const char* band;
  const char* mode;
  const char* golden;
};

TEST(PrefixStatistics, ListsThePrefixesFlaggedOnTheBandAndMode) {
  TempDir dir;
  writeStatsPrefixTallies(dir.path());
  const Listing cases[] = {
      {"14 Mhz", "SSB", "stats/prefixes_14_ssb.txt"},
      {"21 Mhz", "SSB", "stats/prefixes_21_ssb.txt"},
      // Contacted only in SSB: not in CW, and the other way round.
      {"14 Mhz", "CW", "stats/prefixes_14_cw.txt"},
      {"28 Mhz", "SSB", nullptr},
      // A band the tallies have no column for.
      {"", "SSB", nullptr},
  };
  for (const Listing& c : cases) {
    const Result<std::vector<std::string>> lines = prefixStatLines(dir.path(), StatsStation, c.band, c.mode);
    ASSERT_TRUE(lines.ok()) << c.band;
    if (c.golden == nullptr) {
      EXPECT_TRUE(lines->empty()) << c.band << " " << c.mode;
      continue;
    }
    expectBytesMatchGolden(crlf(*lines), c.golden);
  }
}

TEST(PrefixStatistics, LineLayoutLinesUpTheNames) {
  struct Case {
    std::string prefix, name, line;
  };
  const std::string name35(35, 'N');
  const Case cases[] = {
      {"F", "France", "  F     " + std::string(29, ' ') + "France"},
      {"DL", "Germany", "  DL    " + std::string(28, ' ') + "Germany"},
      {"3D2/c", name35, "  3D2/c " + name35},
      {"VP2E", name35 + "XY", "  VP2E  " + name35 + "XY"},
  };
  for (const Case& c : cases) EXPECT_EQ(PrefixStatLine(c.prefix, c.name), c.line) << c.name;
}

TEST(PrefixStatistics, CountUnderTheList) {
  EXPECT_EQ(prefixCountText(true, 0), QStringLiteral("0 préfixe"));
  EXPECT_EQ(prefixCountText(true, 1), QStringLiteral("1 préfixe"));
  EXPECT_EQ(prefixCountText(true, 12), QStringLiteral("12 préfixes"));
  EXPECT_EQ(prefixCountText(false, 1), QStringLiteral("1 prefix"));
  EXPECT_EQ(prefixCountText(false, 0), QStringLiteral("0 prefixes"));
}

TEST(CastleStatistics, ListsTheCastleContactsOfTheBandAndMode) {
  TempDir dir;
  writeStatsLog(dir.path());
  const Listing cases[] = {
      // The same castle twice is listed twice, sorted by reference.
      {"14 Mhz", "SSB", "stats/castles_14_ssb.txt"},
      // A reference over 15 characters is cut to 15.
      {"21 Mhz", "SSB", "stats/castles_21_ssb.txt"},
      {"7.0 Mhz", "CW", "stats/castles_7_cw.txt"},
  };
  for (const Listing& c : cases) {
    const Result<std::vector<std::string>> lines = castleStatLines(dir.path(), StatsStation, c.band, c.mode);
    ASSERT_TRUE(lines.ok());
    for (const std::string& line : *lines) EXPECT_EQ(line.size(), 69u);
    expectBytesMatchGolden(crlf(*lines), c.golden);
  }
  // A castle in CW is not listed in SSB; a plain contact never.
  EXPECT_TRUE(castleStatLines(dir.path(), StatsStation, "7.0 Mhz", "SSB")->empty());
  EXPECT_TRUE(castleStatLines(dir.path(), StatsStation, "14 Mhz", "CW")->empty());
}

TEST(Statistics, AMissingFileIsErrorFiftyThreeAndADamagedLineIsSkipped) {
  TempDir dir;
  EXPECT_EQ(prefixStatLines(dir.path(), StatsStation, "14 Mhz", "SSB").error().number, FileNotFound);
  EXPECT_EQ(castleStatLines(dir.path(), StatsStation, "14 Mhz", "SSB").error().number, FileNotFound);
  std::vector<std::string> records = statsLog();
  records.insert(records.begin() + 2, "19/05/13  F5CUT");
  records.insert(records.begin() + 3, "");
  writeStatsLog(dir.path(), records);
  EXPECT_EQ(castleStatLines(dir.path(), StatsStation, "14 Mhz", "SSB")->size(), 2u);
}

}  // namespace
}  // namespace brivant::testing
