#include <gtest/gtest.h>

#include "entry/DeptTally.h"
#include "platform/TextFile.h"
#include "tests/entry/TallyTestData.h"

namespace brivant {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

using testing::LogStation;

class DeptTallyTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::seedStation(dir.path(), LogStation); }
  DeptLookup lookup(std::string_view dept, std::string_view band = "14 Mhz", std::string_view mode = "SSB") {
    Result<DeptLookup> result = Cherche_Departement(dir.path(), LogStation, dept, band, mode);
    EXPECT_TRUE(result.ok());
    return result.valueOr({});
  }
  void save(std::string_view dept, std::string_view band = "14 Mhz", std::string_view mode = "SSB") {
    EXPECT_TRUE(MAJ_Fichier_Departement(dir.path(), LogStation, dept, "1", band, mode).ok());
    EXPECT_FALSE(TextFile::exists(dir / "Temporaire2.txt"));
  }
  DeptGrid grid(std::string_view band = "14 Mhz", std::string_view mode = "SSB") {
    Result<DeptGrid> result = Affiche_Departements(dir.path(), LogStation, band, mode);
    EXPECT_TRUE(result.ok());
    return result.valueOr({});
  }
  std::string ssb() const { return readBytes(dir / "F6ABC_Departement_SSB.txt"); }
  TempDir dir;
};

TEST(DeptFileKey, CorsicaIsFiledAs2Aand2B) {
  for (auto [entry, key] : {std::pair{"96", "2A"},
                            {"97", "2B"},
                            {"2a", "2A"},
                            {"2b", "2B"},
                            {"59", "59"},
                            {"05", "05"},
                            {"", ""},
                            {"98", "98"}})
    EXPECT_EQ(deptFileKey(entry), key) << entry;
}

TEST_F(DeptTallyTest, NewDepartementIsAnnouncedThenSavedThenCounted) {
  const DeptLookup nord = lookup("59");
  EXPECT_TRUE(nord.found);
  EXPECT_EQ(nord.flag, "0");
  EXPECT_EQ(nord.name, "Nord");
  EXPECT_EQ(nord.line, "59 00000000000000000 Nord");
  save("59");
  EXPECT_EQ(lookup("59").line, "59 00001000000000000 Nord");  // column 8 is 14 Mhz
  EXPECT_EQ(lookup("59", "21 Mhz").flag, "0");                // announced again on another band
  const DeptGrid after = grid();
  EXPECT_EQ(after.DeptCount, 1);
  EXPECT_EQ(after.level[59], 1);
}

TEST_F(DeptTallyTest, CorsicanContactIsFoundAndFlaggedAtOnce) {
  EXPECT_EQ(lookup("96").name, "Corse-du-Sud");
  save("97", "28 Mhz", "CW");
  EXPECT_EQ(lookup("97", "28 Mhz", "CW").flag, "1");
  const DeptGrid cw = grid("28 Mhz", "CW");
  EXPECT_EQ(cw.level[97], 1);
  EXPECT_EQ(cw.level[96], 0);
  EXPECT_EQ(cw.DeptCount, 1);
}

TEST_F(DeptTallyTest, UnknownCodeOrBandChangesNothing) {
  const std::string before = ssb();
  EXPECT_FALSE(lookup("00").found);
  EXPECT_EQ(lookup("00").flag, "");
  EXPECT_EQ(lookup("59", "14 MHZ").flag, "");
  save("00");
  save("59", "99 Mhz");
  EXPECT_EQ(ssb(), before);
}

TEST_F(DeptTallyTest, ShortLineIsPaddedBeforeItsFlag) {
  EXPECT_EQ(lookup("33", "21 Mhz").flag, " ");
  save("33", "21 Mhz");
  EXPECT_EQ(lookup("33").line, "33 0000  1");  // column 10
  EXPECT_EQ(lookup("33", "21 Mhz").flag, "1");
}

TEST_F(DeptTallyTest, GridCountsOnlyLevels1To4) {
  writeBytes(dir / "F6ABC_Departement_SSB.txt",
             testing::crlf({"01 00001000000000000 Ain", "05 00002000000000000 Hautes-Alpes",
                            "13 00003000000000000 Bouches-du-Rhone", "2A 00004000000000000 Corse-du-Sud",
                            "2b 00001000000000000 Haute-Corse", "59 0000X000000000000 Nord",
                            "62 0000 000000000000 Pas-de-Calais", "75 0000", "xx 00001000000000000 Nowhere",
                            "95 00000000000000000 Val-d'Oise"}));
  const DeptGrid g = grid();
  EXPECT_EQ(g.DeptCount, 5);
  EXPECT_EQ(g.level[1], 1);
  EXPECT_EQ(g.level[5], 2);
  EXPECT_EQ(g.level[13], 3);
  EXPECT_EQ(g.level[96], 4);
  EXPECT_EQ(g.level[97], 1);
  for (int box : {59, 62, 75, 95, 0}) EXPECT_EQ(g.level[static_cast<std::size_t>(box)], 0) << box;
  EXPECT_EQ(grid("21 Mhz").DeptCount, 0);  // a column of zeros
  EXPECT_EQ(grid("").DeptCount, 0);        // no band: nothing is counted
}

TEST_F(DeptTallyTest, MissingFileIsError53) {
  std::filesystem::remove(dir / "F6ABC_Departement_CW.txt");
  Result<DeptLookup> found = Cherche_Departement(dir.path(), LogStation, "59", "14 Mhz", "CW");
  Status saved = MAJ_Fichier_Departement(dir.path(), LogStation, "59", "1", "14 Mhz", "CW");
  Result<DeptGrid> shown = Affiche_Departements(dir.path(), LogStation, "14 Mhz", "CW");
  ASSERT_FALSE(found.ok());
  ASSERT_FALSE(saved.ok());
  ASSERT_FALSE(shown.ok());
  EXPECT_EQ(found.error().number, FileNotFound);
  EXPECT_EQ(saved.error().number, FileNotFound);
  EXPECT_EQ(shown.error().number, FileNotFound);
  EXPECT_FALSE(TextFile::exists(dir / "F6ABC_Departement_CW.txt"));
}

TEST(DeptGridColours, WindowsValuesAndRgb) {
  EXPECT_EQ(gridLevelWindowsColour(0), 0x80000005u);
  EXPECT_EQ(gridLevelWindowsColour(1), 0xC0C0FFu);
  EXPECT_EQ(gridLevelWindowsColour(2), 0x00FFFFu);
  EXPECT_EQ(gridLevelWindowsColour(3), 0xFFFF80u);
  EXPECT_EQ(gridLevelWindowsColour(4), 0x80FF80u);
  const GridRgb red = *gridLevelRgb(1);
  EXPECT_EQ((std::array<int, 3>{red.red, red.green, red.blue}), (std::array<int, 3>{255, 192, 192}));
  EXPECT_FALSE(gridLevelRgb(5).has_value());
}

TEST(DeptBox, CodesToBoxes) {
  EXPECT_EQ(deptBoxOfCode("01"), 1);
  EXPECT_EQ(deptBoxOfCode("95"), 95);
  EXPECT_EQ(deptBoxOfCode("2a"), 96);
  EXPECT_EQ(deptBoxOfCode("2B"), 97);
  EXPECT_EQ(deptBoxOfCode("  "), std::nullopt);
  EXPECT_EQ(deptBoxOfCode("x1"), std::nullopt);
}

}  // namespace
}  // namespace brivant
