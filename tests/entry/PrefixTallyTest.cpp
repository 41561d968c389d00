#include <gtest/gtest.h>

#include "entry/PrefixTally.h"
#include "platform/TextFile.h"
#include "tests/entry/TallyTestData.h"

namespace brivant {
namespace {

using testing::crlf;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

using testing::LogStation;

class PrefixTallyTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::seedStation(dir.path(), LogStation); }
  PrefixLookup lookup(std::string_view key, std::string_view band = "14 Mhz", std::string_view mode = "SSB") {
    Result<PrefixLookup> result = Cherche_Prefixe(dir.path(), LogStation, key, band, mode);
    EXPECT_TRUE(result.ok());
    return result.valueOr({});
  }
  PrefixLookup save(std::string_view key, std::string_view band = "14 Mhz", std::string_view mode = "SSB") {
    Result<PrefixLookup> result = MAJ_Fichier_Prefixe(dir.path(), LogStation, key, band, mode);
    EXPECT_TRUE(result.ok());
    EXPECT_FALSE(TextFile::exists(dir / "Temporaire1.txt"));
    return result.valueOr({});
  }
  std::string ssb() const { return readBytes(dir / "F6ABC_Prefixe_SSB.txt"); }
  TempDir dir;
};

TEST_F(PrefixTallyTest, FirstMatchingLineFromTheTopWins) {
  struct Case {
    const char* key;
    const char* prefix;
    const char* mainPrefix;
  };
  for (const Case& c : {Case{"DL1AA", "DL", "DL"}, Case{"DA0XY", "DA", "DL"}, Case{"D2A", "D", "DL"},
                        Case{"EA8ZZ", "EA8", "EA8"}, Case{"EA1AB", "EA", "EA"}, Case{"TM2X", "TM", "F"},
                        Case{"HB0A", "HB0", "HB0"}, Case{"HB9XX", "HB", "HB"}, Case{"ZZ1A", "ZZ", "ZZ"}}) {
    const PrefixLookup found = lookup(c.key);
    EXPECT_TRUE(found.found) << c.key;
    EXPECT_EQ(found.prefix, c.prefix) << c.key;
    EXPECT_EQ(found.mainPrefix, c.mainPrefix) << c.key;
  }
  // With D above DL, every callsign beginning with D stops at D.
  writeBytes(dir / "F6ABC_Prefixe_SSB.txt",
             crlf({"D      00000000000000000  D      Short first", "DL     00000000000000000  DL     Germany"}));
  EXPECT_EQ(lookup("DL1AA").prefix, "D");
}

TEST_F(PrefixTallyTest, LookupGivesFlagNameAndNothingForAnUnknownKey) {
  const PrefixLookup dl = lookup("DL1AA", "14 Mhz");
  EXPECT_EQ(dl.flag, "0");
  EXPECT_EQ(dl.entityName, "Fed. Rep. of Germany");
  EXPECT_EQ(lookup("JA1ABC", "7.0 Mhz").flag, "X");
  EXPECT_EQ(lookup("K1AB", "21 Mhz").flag, " ");  // beyond the end of a short line
  EXPECT_EQ(lookup("DL1AA", "14 MHZ").flag, "");  // the live path compares labels exactly
  EXPECT_EQ(lookup("DL1AA", "").flag, "");
  EXPECT_EQ(lookup("VE3XX").entityName, "");  // a line without a name
  EXPECT_FALSE(lookup("QQ1XX").found);
  EXPECT_FALSE(lookup("dl1aa").found);  // case counts
  EXPECT_FALSE(lookup("").found);       // the blank line matches nothing
}

TEST_F(PrefixTallyTest, MissingFileIsError53) {
  std::filesystem::remove(dir / "F6ABC_Prefixe_CW.txt");
  for (auto call : {Cherche_Prefixe, MAJ_Fichier_Prefixe}) {
    Result<PrefixLookup> result = call(dir.path(), LogStation, "DL1AA", "14 Mhz", "CW");
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().number, FileNotFound);
  }
}

// The callsign field looks up the callsign, then its main prefix; the save
// marks the main prefix's line.
TEST_F(PrefixTallyTest, SaveMarksTheMainPrefixLineOnly) {
  const PrefixLookup own = lookup("TM2X");
  const PrefixLookup main = lookup(own.mainPrefix);
  EXPECT_EQ(main.prefix, "F");
  EXPECT_EQ(main.flag, "0");
  const std::string before = ssb();
  const PrefixLookup saved = save(own.mainPrefix, "14 Mhz");
  EXPECT_EQ(saved.flag, "0");  // the flag before the change
  EXPECT_EQ(saved.prefix, "F");
  std::string expected = before;
  expected[12 - 1] = '1';  // first line, column 12 is 14 Mhz
  EXPECT_EQ(ssb(), expected);
  EXPECT_EQ(lookup("TM2X").flag, "0");
  EXPECT_EQ(lookup("F").flag, "1");
}

TEST_F(PrefixTallyTest, SavingAnAlreadyMarkedPrefixLeavesTheFileAsItWas) {
  save("DL", "21 Mhz");
  const std::string once = ssb();
  EXPECT_EQ(save("DL", "21 Mhz").flag, "1");
  EXPECT_EQ(ssb(), once);
}

TEST_F(PrefixTallyTest, SaveOnDamagedLines) {
  save("JA", "7.0 Mhz");  // a stray character is no contact: it becomes 1
  EXPECT_EQ(lookup("JA1ABC", "7.0 Mhz").flag, "1");
  save("K", "21 Mhz");  // the short line is padded up to the column
  EXPECT_EQ(lookup("K1AB", "21 Mhz").flag, "1");
  Result<TextFile::Lines> lines = TextFile::readLines(dir / "F6ABC_Prefixe_SSB.txt");
  ASSERT_TRUE(lines.ok());
  EXPECT_EQ((*lines)[14], "K      00000 1");
}

TEST_F(PrefixTallyTest, SaveWithUnknownKeyOrBandChangesNothing) {
  const std::string before = ssb();
  EXPECT_FALSE(save("QQ").found);
  EXPECT_TRUE(save("DL", "99 Mhz").found);
  EXPECT_TRUE(save("DL", "14 MHZ").found);
  EXPECT_EQ(ssb(), before);
}

TEST(PrefixMessages, Texts) {
  EXPECT_EQ(unknownPrefixMessage(true), QStringLiteral("Prefixe Inconnu"));
  EXPECT_EQ(unknownPrefixMessage(false), QStringLiteral("Prefixe Unknown"));
  EXPECT_EQ(unknownPrefixSaveMessage(false), QStringLiteral("Prefixe Inconnu"));
}

TEST(TallyBands, ColumnsOfBothKindsOfTally) {
  EXPECT_EQ(prefixBandColumn("1.8 Mhz"), 8u);
  EXPECT_EQ(prefixBandColumn("24 Ghz"), 24u);
  EXPECT_EQ(deptBandColumn("14 Mhz"), 8u);
  EXPECT_EQ(deptBandColumn("28 Mhz"), 12u);
  EXPECT_EQ(prefixBandColumn("28 MHZ"), std::nullopt);
  EXPECT_EQ(prefixBandColumnUpper("28 mhz"), 16u);
  EXPECT_EQ(deptBandColumnUpper("1.3 GHZ"), 16u);
  EXPECT_EQ(deptBandColumnUpper("13 cm"), std::nullopt);
}

}  // namespace
}  // namespace brivant
