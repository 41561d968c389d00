// Whether a prefix or departement file is whole: the shipped templates are,
// and each kind of damage is found, a flag of a contact being whole only in a
// station's tally.

#include <gtest/gtest.h>

#include <functional>

#include "entry/TallyCheck.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

using testing::readBytes;

// The byte offset where line n (from 0) starts.
std::size_t lineAt(const std::string& bytes, int n) {
  std::size_t at = 0;
  for (int i = 0; i < n; ++i) at = bytes.find("\r\n", at) + 2;
  return at;
}

TEST(TallyCheck, EveryDamageIsFound) {
  struct Damage {
    const char* file;
    const char* what;
    std::function<void(std::string&)> change;
    bool wholeTemplate;
    bool wholeTally;
  };
  const char* prefixes = "FXXXX_Prefixe.txt";
  const char* departements = "FXXXX_Departement.txt";
  const Damage damages[] = {
      {prefixes, "as shipped", [](std::string&) {}, true, true},
      {prefixes, "one byte short", [](std::string& b) { b.pop_back(); }, false, false},
      {prefixes, "a contact flagged", [](std::string& b) { b[lineAt(b, 3) + 9] = '1'; }, false, true},
      {prefixes, "a stray flag", [](std::string& b) { b[lineAt(b, 3) + 9] = 'X'; }, false, false},
      {prefixes, "a line shifted, the size kept",
       [](std::string& b) { b.insert(lineAt(b, 10), " "), b.erase(lineAt(b, 11) - 3, 1); }, false, false},
      {prefixes, "a bare line feed", [](std::string& b) { b.erase(lineAt(b, 4) - 2, 1), b.insert(40, " "); }, false,
       false},
      {departements, "as shipped", [](std::string&) {}, true, true},
      {departements, "the last line lost", [](std::string& b) { b.erase(lineAt(b, 95)); }, false, false},
      {departements, "cut within a line", [](std::string& b) { b.resize(1228); }, false, false},
      {departements, "a departement twice", [](std::string& b) { b.replace(lineAt(b, 1), 2, "01"); }, false, false},
      {departements, "levels 1 to 4", [](std::string& b) { b.replace(lineAt(b, 7) + 3, 4, "1234"); }, false, true},
      {departements, "a blank missing", [](std::string& b) { b.erase(lineAt(b, 7) + 2, 1); }, false, false},
      {departements, "an empty line", [](std::string& b) { b += "\r\n"; }, false, false},
  };
  for (const Damage& damage : damages) {
    std::string bytes = readBytes(testing::shippedDataDir() / damage.file);
    damage.change(bytes);
    const auto whole = damage.file == prefixes ? prefixFileIsWhole : deptFileIsWhole;
    EXPECT_EQ(whole(bytes, TallyRole::Template), damage.wholeTemplate) << damage.file << ": " << damage.what;
    EXPECT_EQ(whole(bytes, TallyRole::Station), damage.wholeTally) << damage.file << ": " << damage.what;
  }
}

TEST(TallyCheck, DamagedFilesAreNamedMissingOnesAreNot) {
  testing::TempDir dir;
  testing::seedFromShippedData(dir.path());
  EXPECT_TRUE(damagedTemplates(dir.path()).empty());
  testing::writeBytes(dir / "FXXXX_Departement.txt", "59 00000000000000000 Nord\r\n");
  EXPECT_EQ(damagedTemplates(dir.path()), std::vector<std::string>{"FXXXX_Departement.txt"});
  std::filesystem::remove(dir / "FXXXX_Departement.txt");
  EXPECT_TRUE(damagedTemplates(dir.path()).empty());

  testing::writeBytes(dir / "F6ABC_Prefixe_SSB.txt", readBytes(dir / "FXXXX_Prefixe.txt").substr(0, 1000));
  EXPECT_TRUE(stationFileIsDamaged("FXXXX_Prefixe.txt", dir / "F6ABC_Prefixe_SSB.txt"));
  EXPECT_FALSE(stationFileIsDamaged("FXXXX.log", dir / "F6ABC_Prefixe_SSB.txt"));
  EXPECT_FALSE(stationFileIsDamaged("FXXXX_Prefixe.txt", dir / "F6ABC_Prefixe_CW.txt"));
}

}  // namespace
}  // namespace brivant
