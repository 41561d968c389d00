#include "cluster/SpotList.h"

#include <gtest/gtest.h>

#include "cluster/SpotMarks.h"
#include "tests/cluster/ClusterTestData.h"

namespace brivant {
namespace {

using testing::fittingSpot;

TEST(SpotLines, SortedLinesAndTheOneLayoutOfASpotLine) {
  const Spot s = fittingSpot("26-06-06 0905", "DL1ABC", "14025.0", "F5XYZ", "CQ <QRP>");
  EXPECT_EQ(sortedLine(s, SortMode::Date), " 26-06-06 0905 DL1ABC        14025.0 F5XYZ       CQ <QRP>");
  EXPECT_EQ(sortedLine(s, SortMode::Dx), " DL1ABC       26-06-06 0905  14025.0 F5XYZ       CQ <QRP>");
  EXPECT_EQ(sortedLine(s, SortMode::Qrg), "  14025.0 DL1ABC       26-06-06 0905 F5XYZ       CQ <QRP>");
  const std::string expected = " 26-06-06 0905 DL1ABC        14025.0 F5XYZ       CQ <QRP>";
  for (SortMode mode : {SortMode::Date, SortMode::Dx, SortMode::Qrg})
    EXPECT_EQ(spotLineOfSorted(sortedLine(s, mode), mode), expected) << static_cast<int>(mode);
  EXPECT_EQ(spotLineCallsign(expected), "DL1ABC");
  EXPECT_EQ(spotLineKhz(expected), 14025.0);
  EXPECT_EQ(spotLineRemarks(expected), "CQ <QRP>");
  EXPECT_EQ(spotLineKhz(" 26-06-06 0905 DL1ABC          14.0X5 F5XYZ"), std::nullopt);
  EXPECT_FALSE(fittedSpot("26-06-06 0905", "F1AAA", "123456789", "F5XYZ", "").has_value());
  // A refresh selects the last line in date order (the latest spot), else the first.
  EXPECT_EQ(automaticSelection(3, SortMode::Date), 2u);
  EXPECT_EQ(automaticSelection(3, SortMode::Qrg), 0u);
  EXPECT_EQ(automaticSelection(0, SortMode::Date), std::nullopt);
}

TEST(SpotList, FiltersAndAlert) {
  struct Case {
    const char* dx;
    SpotFilters filters;
    int listings;
    bool alert;
  };
  const Case cases[] = {
      {"DL1ABC", {}, 1, false},
      {"DL1ABC", {true, false, false, ""}, 0, false},
      {"F5AAA", {true, false, false, ""}, 1, false},
      {"TK5XX", {true, false, false, ""}, 1, false},
      {"TO5A", {true, false, false, ""}, 0, false},  // not in the list of French prefixes
      {"HY0A", {true, false, false, ""}, 1, false},
      {"DL1ABC", {false, true, false, "DL1"}, 1, false},
      {"DL1ABC", {false, true, false, "DL2"}, 0, false},
      // Both filters: a French station matching the watched prefix is listed twice.
      {"F5AAA", {true, true, false, "F5"}, 2, false},
      {"F5AAA", {true, true, false, "F6"}, 1, false},
      // The alert wants Check2 and Check3; it does not depend on the listing.
      {"DL1ABC", {false, true, true, "DL1"}, 1, true},
      {"DL1ABC", {true, true, true, "DL1"}, 1, true},
      {"DL1ABC", {false, false, true, "DL1"}, 1, false},
      {"DL1ABC", {false, true, true, "DL1ABC"}, 1, true},
      {"DL1ABC", {false, true, true, "DL1ABCD"}, 0, false},
      // An empty watched text lists no row through Check2 but every row alerts.
      {"DL1ABC", {false, true, true, ""}, 0, true},
      {"F5AAA", {true, true, true, ""}, 1, true},
  };
  for (const Case& c : cases) {
    const Spot s = fittingSpot("26-06-06 0905", c.dx, "14025.0");
    EXPECT_EQ(listingsOf(s, c.filters), c.listings) << c.dx << " " << c.filters.watched;
    EXPECT_EQ(soundsAlert(s, c.filters), c.alert) << c.dx << " " << c.filters.watched;
    SpotList list;
    list.clear(SortMode::Date);
    EXPECT_EQ(list.add(s, c.filters), c.alert);
    EXPECT_EQ(list.size(), static_cast<std::size_t>(c.listings));
  }
}

TEST(SpotMarks, WorkedOnTheBandAndModeOfTheSpot) {
  const std::vector<std::string> log{testing::loggedLine("DL1ABC", "14 Mhz", "SSB"),
                                     testing::loggedLine("F6KGL_P", "7.0 Mhz", "CW"),
                                     testing::loggedLine("G4XYZ", "7.0 Mhz", "SSB")};
  struct Case {
    const char* dx;
    const char* qrg;
    const char* mode;
    bool worked;
  };
  const Case cases[] = {
      {"DL1ABC", "14025.0", "SSB", true}, {"DL1ABC", "14025.0", "CW", false},
      {"DL1ABC", "7025.0", "SSB", false}, {"F6KGL/P", "7012.0", "CW", true},
      {"F6KGL", "7012.0", "CW", false},   {"DL1ABC", "123.0", "SSB", false},  // outside every band
  };
  for (const Case& c : cases) {
    const std::string line =
        spotLineOfSorted(sortedLine(fittingSpot("26-06-06 0905", c.dx, c.qrg), SortMode::Date), SortMode::Date);
    EXPECT_EQ(workedSpots({line}, log, c.mode), std::vector<bool>{c.worked}) << line << " " << c.mode;
  }
  // Several spots at once, the same station on two bands.
  std::vector<std::string> lines;
  for (const char* qrg : {"14025.0", "7025.0", "14030.0"})
    lines.push_back(
        spotLineOfSorted(sortedLine(fittingSpot("26-06-06 0905", "DL1ABC", qrg), SortMode::Date), SortMode::Date));
  EXPECT_EQ(workedSpots(lines, log, "SSB"), (std::vector<bool>{true, false, true}));
  EXPECT_EQ(workedSpots(lines, {}, "SSB"), (std::vector<bool>{false, false, false}));
}

TEST(SpotMarks, CastleReferences) {
  struct Case {
    const char* remarks;
    bool castle;
  };
  const Case cases[] = {
      {"DFCF 59-045 CHATEAU", true}, {"DFCF59045", true}, {"QRV DFCF-21-003", true}, {"DFCF", false}, {"DFCF ?", false},
      {"JNC DFC 59", false},         {"", false},         {"DFCF DFCF 12", true}};
  for (const Case& c : cases) EXPECT_EQ(holdsCastleReference(c.remarks), c.castle) << c.remarks;
}

}  // namespace
}  // namespace brivant
