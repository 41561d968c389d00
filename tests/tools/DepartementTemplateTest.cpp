// The shipped departement template.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/TestFiles.h"
#include "tools/DepartementTemplate.h"

namespace {

using brivant::testing::readBytes;
using brivant::testing::shippedDataDir;

std::vector<std::string> shippedDepartementLines() {
  const std::string bytes = readBytes(shippedDataDir() / "FXXXX_Departement.txt");
  std::vector<std::string> lines;
  std::size_t pos = 0;
  for (std::size_t end; (end = bytes.find("\r\n", pos)) != std::string::npos; pos = end + 2)
    lines.push_back(bytes.substr(pos, end - pos));
  EXPECT_EQ(pos, bytes.size()) << "text after the last CR LF";
  return lines;
}

TEST(DepartementTemplate, ShippedFileIsWhatTheGeneratorWrites) {
  EXPECT_TRUE(readBytes(shippedDataDir() / "FXXXX_Departement.txt") == brivant::tools::formatDepartementTemplate());
}

TEST(DepartementTemplate, HasNinetySixDepartementsWithCorsicaInPlaceOfTwenty) {
  const auto lines = shippedDepartementLines();
  ASSERT_EQ(lines.size(), 96u);
  std::vector<std::string> codes;
  for (const std::string& line : lines) codes.push_back(line.substr(0, 2));
  std::vector<std::string> expected;
  for (int n = 1; n <= 95; ++n) {
    if (n == 20) {
      expected.insert(expected.end(), {"2A", "2B"});
      continue;
    }
    expected.push_back((n < 10 ? "0" : "") + std::to_string(n));
  }
  EXPECT_EQ(codes, expected);
}

TEST(DepartementTemplate, EveryLineHasTheLayoutAndEveryFlagZero) {
  // The accented letters French departement names use, in Windows-1252.
  const std::set<unsigned char> accents{0xE8, 0xE9, 0xEA, 0xF4, 0xE2, 0xE7};
  for (const std::string& line : shippedDepartementLines()) {
    SCOPED_TRACE(line);
    ASSERT_GT(line.size(), 21u);
    EXPECT_EQ(line[2], ' ');
    EXPECT_EQ(line.substr(3, 17), std::string(17, '0'));
    EXPECT_EQ(line[20], ' ');
    EXPECT_NE(line[21], ' ');
    EXPECT_NE(line.back(), ' ');
    for (char c : line.substr(21)) {
      const auto byte = static_cast<unsigned char>(c);
      EXPECT_TRUE((byte >= 0x20 && byte < 0x7F) || accents.count(byte)) << "byte " << int(byte);
    }
  }
}

TEST(DepartementTemplate, KnownNamesCarryTheirAccentsInWindows1252) {
  const auto lines = shippedDepartementLines();
  const std::set<std::string> all(lines.begin(), lines.end());
  for (const char* expected : {"01 00000000000000000 Ain",
                               "07 00000000000000000 Ard\xE8"
                               "che",
                               "13 00000000000000000 Bouches-du-Rh\xF4"
                               "ne",
                               "2A 00000000000000000 Corse-du-Sud", "2B 00000000000000000 Haute-Corse",
                               "21 00000000000000000 C\xF4"
                               "te-d'Or",
                               "34 00000000000000000 H\xE9"
                               "rault",
                               "59 00000000000000000 Nord",
                               "64 00000000000000000 Pyr\xE9"
                               "n\xE9"
                               "es-Atlantiques",
                               "90 00000000000000000 Territoire de Belfort", "95 00000000000000000 Val-d'Oise"})
    EXPECT_TRUE(all.count(expected)) << expected;
}

}  // namespace
