// Whether a prefix or departement file is whole: the shipped templates are,
// and each kind of damage (cut short, a line lost, shifted or doubled, a flag
// where a template has none) is found.

#include <gtest/gtest.h>

#include <functional>

#include "entry/TallyCheck.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

using testing::readBytes;
using testing::shippedDataDir;

struct Damage {
  const char* what;
  std::function<void(std::string&)> change;
  bool wholeAsTemplate;
  bool wholeAsStation;
};

// The byte offset of the start of the nth line (from 0).
std::size_t lineStart(const std::string& bytes, int line) {
  std::size_t at = 0;
  for (int i = 0; i < line; ++i) at = bytes.find("\r\n", at) + 2;
  return at;
}

void checkDamages(const char* file, bool (*whole)(std::string_view, TallyRole), const std::vector<Damage>& damages) {
  const std::string shipped = readBytes(shippedDataDir() / file);
  ASSERT_FALSE(shipped.empty());
  for (const Damage& damage : damages) {
    std::string bytes = shipped;
    damage.change(bytes);
    EXPECT_EQ(whole(bytes, TallyRole::Template), damage.wholeAsTemplate) << file << ": " << damage.what;
    EXPECT_EQ(whole(bytes, TallyRole::Station), damage.wholeAsStation) << file << ": " << damage.what;
  }
}

TEST(TallyCheck, PrefixFiles) {
  checkDamages("FXXXX_Prefixe.txt", prefixFileIsWhole,
               {
                   {"as shipped", [](std::string&) {}, true, true},
                   {"one byte short", [](std::string& b) { b.pop_back(); }, false, false},
                   {"cut in half", [](std::string& b) { b.resize(20902); }, false, false},
                   {"a flag set", [](std::string& b) { b[lineStart(b, 3) + 9] = '1'; }, false, true},
                   {"a stray flag", [](std::string& b) { b[lineStart(b, 3) + 9] = 'X'; }, false, false},
                   {"a line shifted by one column",
                    [](std::string& b) {
                      const std::size_t line = lineStart(b, 10);
                      b.insert(line, " ");
                      b.erase(b.find("\r\n", line) - 1, 1);
                    },
                    false, false},
                   {"a line ended by a bare line feed",
                    [](std::string& b) {
                      b.erase(lineStart(b, 4) - 2, 1);
                      b.insert(b.size() - 2, " ");
                    },
                    false, false},
                   {"no name",
                    [](std::string& b) {
                      const std::size_t line = lineStart(b, 5);
                      const std::size_t end = b.find("\r\n", line);
                      const std::size_t cut = end - (line + 33);
                      b.erase(line + 33, cut);
                      b.insert(b.size() - 2, std::string(cut, 'x'));
                    },
                    false, false},
               });
}

TEST(TallyCheck, DepartementFiles) {
  checkDamages("FXXXX_Departement.txt", deptFileIsWhole,
               {
                   {"as shipped", [](std::string&) {}, true, true},
                   {"the last line lost", [](std::string& b) { b.erase(lineStart(b, 95)); }, false, false},
                   {"cut in the middle of a line", [](std::string& b) { b.resize(1228); }, false, false},
                   {"a departement twice", [](std::string& b) { b.replace(lineStart(b, 1), 2, "01"); }, false, false},
                   {"departement 20", [](std::string& b) { b.replace(lineStart(b, 19), 2, "20"); }, false, false},
                   {"levels 1 to 4", [](std::string& b) { b.replace(lineStart(b, 7) + 3, 4, "1234"); }, false, true},
                   {"level 5", [](std::string& b) { b[lineStart(b, 7) + 3] = '5'; }, false, false},
                   {"a blank missing", [](std::string& b) { b.erase(lineStart(b, 7) + 2, 1); }, false, false},
                   {"no line end at the end", [](std::string& b) { b.resize(b.size() - 2); }, false, false},
                   {"an empty line", [](std::string& b) { b += "\r\n"; }, false, false},
               });
}

TEST(TallyCheck, DamagedTemplatesAreNamed) {
  testing::TempDir dir;
  testing::seedFromShippedData(dir.path());
  EXPECT_TRUE(damagedTemplates(dir.path()).empty());
  testing::writeBytes(dir / "FXXXX_Departement.txt", "59 00000000000000000 Nord\r\n");
  EXPECT_EQ(damagedTemplates(dir.path()), std::vector<std::string>{"FXXXX_Departement.txt"});
  std::filesystem::remove(dir / "FXXXX_Departement.txt");
  EXPECT_TRUE(damagedTemplates(dir.path()).empty());  // missing: reported by whoever uses it

  const std::string tally = readBytes(dir / "FXXXX_Prefixe.txt");
  testing::writeBytes(dir / "F6ABC_Prefixe_SSB.txt", tally.substr(0, 1000));
  EXPECT_TRUE(stationFileIsDamaged("FXXXX_Prefixe.txt", dir / "F6ABC_Prefixe_SSB.txt"));
  EXPECT_FALSE(stationFileIsDamaged("FXXXX_Prefixe.txt", dir / "FXXXX_Prefixe.txt"));
  EXPECT_FALSE(stationFileIsDamaged("FXXXX.log", dir / "F6ABC_Prefixe_SSB.txt"));
  EXPECT_FALSE(stationFileIsDamaged("FXXXX_Prefixe.txt", dir / "F6ABC_Prefixe_CW.txt"));  // not there
}

}  // namespace
}  // namespace brivant
