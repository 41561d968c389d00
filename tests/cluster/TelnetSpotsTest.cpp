#include "cluster/TelnetSpots.h"

#include <gtest/gtest.h>

#include "tests/support/SpotPages.h"

namespace brivant {
namespace {

using testing::dxLine;

const ClockFields Now{2026, 6, 6, 9, 30, 0};

TEST(TelnetSpots, TheSpotOfADxLine) {
  struct Case {
    std::string line;
    std::optional<Spot> spot;
    double khz;
  };
  const Case cases[] = {
      {dxLine("F5XYZ", "14025.0", "DL1ABC", "CQ cq", "0905"),
       fittedSpot("26-06-06 0905", "DL1ABC", "14025.0", "F5XYZ", "CQ CQ"), 14025.0},
      // A locator after the time; a comment holding a time-like word.
      {dxLine("G4ABC", "7012.0", "F6KGL/P", "DFCF 59-045 at 0900Z", "0906") + " JN18",
       fittedSpot("26-06-06 0906", "F6KGL/P", "7012.0", "G4ABC", "DFCF 59-045 AT 0900Z"), 7012.0},
      // A spotter longer than its columns, no comment, a bell at the end.
      {"DX de DL1ABCDEFG-5: 144300.0  OH2BBC            1200Z\x07\x07",
       fittedSpot("26-06-06 1200", "OH2BBC", "144300.0", "DL1ABCDEFG-", ""), 144300.0},
      // A spot from before midnight received after it belongs to the day before.
      {dxLine("F5XYZ", "3550.0", "EA3AAA", "", "2355"), fittedSpot("26-06-05 2355", "EA3AAA", "3550.0", "F5XYZ", ""),
       3550.0},
      // Not spots.
      {"To ALL de F5XYZ: hello", std::nullopt, 0},
      {"DX de F5XYZ 14025.0 DL1ABC CQ 0905Z", std::nullopt, 0},
      {dxLine("F5XYZ", "14O25.0", "DL1ABC", "CQ", "0905"), std::nullopt, 0},
      {dxLine("F5XYZ", "14025.0", "DL1ABC", "CQ", "2505"), std::nullopt, 0},
      {"DX de F5XYZ:  14025.0  DL1ABC  CQ", std::nullopt, 0},
      {dxLine("F5XYZ", "1296200.0", "DL1ABC", "EME", "0905"), std::nullopt, 0},
      {"", std::nullopt, 0},
  };
  const ClockFields justAfterMidnight{2026, 6, 6, 0, 5, 0};
  for (const Case& c : cases) {
    const ClockFields& now = c.line.find("2355Z") != std::string::npos ? justAfterMidnight : Now;
    const std::optional<TelnetSpot> parsed = parseDxLine(c.line, now);
    ASSERT_EQ(parsed.has_value(), c.spot.has_value()) << c.line;
    if (!parsed) continue;
    EXPECT_EQ(parsed->spot, *c.spot) << c.line;
    EXPECT_EQ(parsed->khz, c.khz) << c.line;
  }
  // The first of the month goes back to the last day of the month before.
  EXPECT_EQ(parseDxLine(dxLine("F5XYZ", "3550.0", "EA3AAA", "", "2350"), {2026, 3, 1, 0, 10, 0})->spot.date,
            "26-02-28 2350");
}

TEST(TelnetSpots, TheLatestFiftyOfEachEntry) {
  TelnetSpots spots;
  // 60 spots on 14 MHz, 5 on 7 MHz and 3 on 144 MHz, in arrival order.
  for (int i = 0; i < 60; ++i) {
    const std::string call = "DL" + std::to_string(i) + "A";
    spots.add(*parseDxLine(dxLine("F5XYZ", "14025.0", call, "", "0900"), Now));
    if (i % 12 == 0) spots.add(*parseDxLine(dxLine("F5XYZ", "7012.0", "F" + call, "", "0901"), Now));
    if (i % 20 == 0) spots.add(*parseDxLine(dxLine("F5XYZ", "144300.0", "G" + call, "", "0902"), Now));
  }
  const ClusterBandEntry& twenty = FirstBandEntries[5];
  ASSERT_EQ(twenty.label, "14 Mhz");
  const std::vector<Spot> latest = spots.latestOf(twenty);
  ASSERT_EQ(latest.size(), TelnetSpots::Shown);
  EXPECT_EQ(latest.front().dx, "DL10A       ");
  EXPECT_EQ(latest.back().dx, "DL59A       ");
  EXPECT_EQ(spots.latestOf(FirstBandEntries[3]).size(), 5u);                       // 7.0 Mhz
  EXPECT_EQ(spots.latestOf(FirstBandEntries.front()).size(), TelnetSpots::Shown);  // All HF: 65 on HF
  EXPECT_EQ(spots.latestOf(FirstBandEntries.back()).size(), 3u);                   // All VHF
  EXPECT_TRUE(spots.latestOf(SecondBandEntries.front()).empty());                  // Sans
  // Only the latest are kept.
  for (std::size_t i = 0; i < TelnetSpots::Kept; ++i)
    spots.add(*parseDxLine(dxLine("F5XYZ", "21025.0", "K1ABC", "", "0903"), Now));
  EXPECT_EQ(spots.size(), TelnetSpots::Kept);
  EXPECT_TRUE(spots.latestOf(twenty).empty());
}

}  // namespace
}  // namespace brivant
