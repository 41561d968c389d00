#include <gtest/gtest.h>

#include <map>
#include <set>
#include <vector>

#include "stats/DepartementsSvg.h"
#include "stats/DeptList.h"
#include "stats/DeptMapLayout.h"
#include "stats/DeptMapTally.h"
#include "stats/DeptShapes.h"
#include "tests/stats/StatsTestData.h"

namespace brivant::testing {
namespace {

std::set<std::string> expectedCodes() {
  std::set<std::string> codes{"2A", "2B"};
  for (int i = 1; i <= 95; ++i)
    if (i != 20) codes.insert(deptCodeOfBox(i));
  return codes;
}

TEST(DeptShapes, TheShippedFileHoldsTheNinetySixDepartementsAndNothingElse) {
  // The compiled-in copy is the file of data/.
  EXPECT_EQ(departementsSvg(), readBytes(shippedDataDir() / "Departements.svg"));
  const DeptMap& map = shippedDeptMap();
  std::set<std::string> codes;
  for (const DeptShape& shape : map.shapes) {
    EXPECT_TRUE(codes.insert(shape.code).second) << shape.code << " twice";
    EXPECT_FALSE(shape.name.empty()) << shape.code;
    EXPECT_GT(shape.bounds.width, 0) << shape.code;
  }
  EXPECT_EQ(codes, expectedCodes());
  EXPECT_EQ(shapeOfBox(map, 96)->name, "Corse-du-Sud");
  EXPECT_EQ(shapeOfBox(map, 22)->name, "Côtes-d'Armor");
  for (int none : {0, 20, 98, 99}) EXPECT_EQ(shapeOfBox(map, none), nullptr) << none;
}

TEST(DeptShapes, PathDataIsReadExactly) {
  // A square with a square hole (relative moves after a close), H and V, an
  // exponent and numbers run together.
  const std::string svg = R"(<svg viewBox="0 0 100 50"><path id="59" aria-label="Nord &amp; co" )"
                          R"(d="M10,10 H30 V30 h-20 z m5,5 l10,0 0,1e1 -10-0 z"/></svg>)";
  const std::optional<DeptMap> map = parseDeptMap(svg);
  ASSERT_TRUE(map.has_value());
  EXPECT_DOUBLE_EQ(map->viewBox.width, 100);
  ASSERT_EQ(map->shapes.size(), 1u);
  const DeptShape& shape = map->shapes.front();
  EXPECT_EQ(shape.name, "Nord & co");
  EXPECT_EQ(shape.box, 59);
  ASSERT_EQ(shape.rings.size(), 2u);
  EXPECT_DOUBLE_EQ(shape.rings[1][2].y, 25);
  struct Probe {
    MapPoint point;
    bool inside;
  };
  const Probe probes[] = {{{12, 12}, true}, {{20, 20}, false}, {{28, 28}, true}, {{31, 20}, false}};
  for (const Probe& p : probes) EXPECT_EQ(shapeContains(shape, p.point), p.inside) << p.point.x << "," << p.point.y;
  EXPECT_TRUE(shapeContainsRect(shape, {11, 11, 3, 3}));
  EXPECT_FALSE(shapeContainsRect(shape, {11, 11, 5, 5}));  // reaches into the hole
}

TEST(DeptShapes, DocumentsItCannotReadAreRefused) {
  const char* documents[] = {
      R"(<svg><path id="59" d="M0,0 L1,0 1,1 z"/></svg>)",                        // no viewBox
      R"(<svg viewBox="0 0 9 9"><path id="XY" d="M0,0 L1,0 1,1 z"/></svg>)",      // no departement
      R"(<svg viewBox="0 0 9 9"><path id="59" d="M0,0 C1,0 1,1 2,2 z"/></svg>)",  // a curve
      R"(<svg viewBox="0 0 9 9"><path id="59" d="M0,0 L1"/></svg>)",              // half a point
      R"(<svg viewBox="0 0 9 9"><path id="59"/></svg>)",                          // no data
  };
  for (const char* document : documents) EXPECT_FALSE(parseDeptMap(document).has_value()) << document;
}

TEST(DeptMapLayout, EveryBoxLiesInsideItsOwnDepartement) {
  const DeptMap& map = shippedDeptMap();
  std::set<int> boxes;
  for (const DepBoxPlace& place : depBoxPlaces()) {
    EXPECT_TRUE(boxes.insert(place.box).second) << place.box;
    const DeptShape* shape = shapeOfBox(map, place.box);
    ASSERT_NE(shape, nullptr) << place.box;
    EXPECT_TRUE(shapeContainsRect(*shape, depBoxOnGround(place))) << shape->code;
    // A click in the middle of the box as drawn finds its departement.
    EXPECT_EQ(boxAtDrawnPoint(map, depBoxDrawn(place).centre()), place.box) << shape->code;
  }
  EXPECT_EQ(boxes.size(), 96u);
}

TEST(DeptMapLayout, TheParisInsetShowsItsFourDepartementsOverTheSea) {
  const DeptMap& map = shippedDeptMap();
  const MapRect frame = ParisInset.frame();
  for (const DepBoxPlace& place : depBoxPlaces()) {
    const MapRect drawn = depBoxDrawn(place);
    const bool inInset = place.size == BoxSize::Inset;
    EXPECT_EQ(inInset, place.box == 75 || (place.box >= 92 && place.box <= 94)) << place.box;
    // Inset boxes lie in the frame whole; no other box touches it.
    const bool touches =
        drawn.right() > frame.x && drawn.x < frame.right() && drawn.bottom() > frame.y && drawn.y < frame.bottom();
    EXPECT_EQ(touches, inInset) << place.box;
    if (inInset) {
      EXPECT_TRUE(frame.contains({drawn.x, drawn.y}) && frame.contains({drawn.right(), drawn.bottom()}));
    }
  }
  // The frame covers only sea: no departement lies under any of its corners
  // or its centre.
  for (MapPoint p : {MapPoint{frame.x, frame.y}, MapPoint{frame.right(), frame.y}, MapPoint{frame.x, frame.bottom()},
                     MapPoint{frame.right(), frame.bottom()}})
    EXPECT_EQ(shapeAt(map, p), nullptr);
  for (const DeptShape& shape : map.shapes) {
    const bool overlaps = shape.bounds.right() > frame.x && shape.bounds.x < frame.right() &&
                          shape.bounds.bottom() > frame.y && shape.bounds.y < frame.bottom();
    EXPECT_FALSE(overlaps) << shape.code;
  }
}

// From any departement the arrow keys reach every other one, and each step
// goes the way of its arrow on the ground.
TEST(DeptMapLayout, TheArrowsReachEveryDepartementEachStepTheWayOfItsArrow) {
  std::map<int, MapPoint> centres;
  for (const DepBoxPlace& place : depBoxPlaces()) centres[place.box] = place.centre;
  const Heading headings[] = {Heading::West, Heading::East, Heading::North, Heading::South};
  for (const auto& [start, unused] : centres) {
    std::set<int> reached{start};
    std::vector<int> next{start};
    while (!next.empty()) {
      const int box = next.back();
      next.pop_back();
      for (const Heading heading : headings) {
        const int to = boxToward(box, heading);
        const double dx = centres[to].x - centres[box].x;
        const double dy = centres[to].y - centres[box].y;
        const double ahead = heading == Heading::West    ? -dx
                             : heading == Heading::East  ? dx
                             : heading == Heading::North ? -dy
                                                         : dy;
        EXPECT_TRUE(to == box || ahead > 0) << box << " to " << to;
        if (reached.insert(to).second) next.push_back(to);
      }
    }
    EXPECT_EQ(reached.size(), centres.size()) << "from " << start;
  }
  // At the coast the box stays; a box the map has not stays too.
  EXPECT_EQ(boxToward(29, Heading::West), 29);
  EXPECT_EQ(boxToward(20, Heading::East), 20);
}

TEST(DeptMapLayout, TheDrawnDocumentFillsEachDepartementWithItsLevel) {
  const DeptMap& map = shippedDeptMap();
  std::array<int, 100> levels{};
  levels[59] = 1;
  levels[96] = 4;
  const std::string styled = styledDeptMapSvg(departementsSvg(), map, levels);
  const std::optional<DeptMap> again = parseDeptMap(styled);
  ASSERT_TRUE(again.has_value());
  ASSERT_EQ(again->shapes.size(), map.shapes.size());
  const auto fillOf = [&](const DeptShape& shape) {
    const std::size_t at = styled.find("fill=\"", shape.elementStart);
    return styled.substr(at + 6, styled.find('"', at + 6) - at - 6);
  };
  for (const DeptShape& shape : again->shapes) {
    const std::string expected = shape.box == 59 ? "#ffc0c0" : shape.box == 96 ? "#80ff80" : "none";
    EXPECT_EQ(fillOf(shape), expected) << shape.code;
  }
}

TEST(DeptMapTally, ColoursByTheHighestMarkerAndCountsEveryContact) {
  TempDir dir;
  writeStatsLog(dir.path());
  const Result<MapTally> ssb = Affiche_Carte(dir.path(), StatsStation, "14 Mhz", "SSB");
  ASSERT_TRUE(ssb.ok());
  // Every 14 Mhz SSB contact counts, the foreign one and the departements "00"
  // and "20" included, which colour nothing.
  EXPECT_EQ(ssb->contacts, 7);
  std::array<int, 100> levels{};
  levels[59] = 2;  // markers 1 and 2
  levels[96] = 1;
  levels[97] = 4;
  EXPECT_EQ(ssb->level, levels);
  EXPECT_EQ(ssb->contactsOfBox[59], 2);
  EXPECT_EQ(ssb->contactsOfBox[0], 0);
  EXPECT_EQ(ssb->boxesAtLevel, (std::array<int, 5>{0, 1, 1, 0, 1}));
  EXPECT_EQ(mapCountsLine(true, *ssb), QStringLiteral("7 QSO et 1 départements contactés"));
  EXPECT_EQ(mapCountsLine(false, *ssb), QStringLiteral("7 QSO and 1 departments contacted"));

  // Worked on 14 Mhz SSB and CW: each mode has its own level; a marker
  // outside 1-4 counts the contact without colouring.
  EXPECT_EQ(Affiche_Carte(dir.path(), StatsStation, "14 Mhz", "CW")->level[59], 3);
  const MapTally high = Affiche_Carte(dir.path(), StatsStation, "28 Mhz", "SSB").value();
  EXPECT_EQ(high.contacts, 1);
  EXPECT_EQ(high.level[62], 0);
  EXPECT_EQ(high.contactsOfBox[62], 1);
  EXPECT_EQ(Affiche_Carte(dir.path(), StatsStation, "3.5 Mhz", "SSB")->contacts, 0);
  EXPECT_EQ(Affiche_Carte(dir.path() / "none", StatsStation, "14 Mhz", "SSB").error().number, FileNotFound);
}

TEST(DeptMapTally, OnlyTheCodesOfTheMapNameABox) {
  struct Case {
    const char* code;
    std::optional<int> box;
  };
  const Case cases[] = {{"01", 1},  {"95", 95},           {"2a", 96},           {"2b", 97},          {"  ", {}},
                        {"00", {}}, {"20", {}},           {"96", {}},           {"2A", {}},          {"5 ", {}},
                        {"5", {}},  {"AB", std::nullopt}, {"9x", std::nullopt}, {"99", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(mapBoxOfLogCode(c.code), c.box) << c.code;
}

TEST(DeptList, ListsTheContactsOfABoxsDepartement) {
  const std::vector<std::string> lines = statsListLines();
  struct Case {
    int box;
    const char* code;
    std::size_t count;
  };
  const Case cases[] = {{2, "02", 0}, {5, "05", 1}, {59, "59", 3}, {96, "2a", 1}, {97, "2b", 1}, {20, "20", 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(deptCodeOfBox(c.box), c.code);
    const std::vector<std::string> listed = deptListLines(lines, c.code);
    EXPECT_EQ(listed.size(), c.count) << c.code;
    for (const std::string& line : listed) EXPECT_EQ(line.size(), 116u);
  }
  expectBytesMatchGolden(crlf(deptListLines(lines, "59")), "stats/departement_59.txt");
  EXPECT_EQ(deptListCountLine(true, 1, "2a"), QStringLiteral("1  QSO(s) effectué(s) avec le département 2a"));
  EXPECT_EQ(deptListCountLine(false, 0, "02"), QStringLiteral("0  QSO(s) made with the Department 02"));
}

}  // namespace
}  // namespace brivant::testing
