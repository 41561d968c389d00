// The country-file reader and the table builder on small hand-made inputs.

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/CountryFile.h"
#include "tools/PrefixTable.h"

namespace {

using brivant::tools::buildPrefixTable;
using brivant::tools::comesBefore;
using brivant::tools::CountryFile;
using brivant::tools::formatTable;
using brivant::tools::lineBytes;
using brivant::tools::PrefixLine;

// Same shape as cty.dat: a header of eight ':'-separated fields, then the
// prefixes and "=" exact calls separated by ',' and closed by ';'.
const char* const miniCountryFile =
    "Alpha:                    14:  27:  EU:   10.00:   -10.00:    -1.0:  AA:\n"
    "    AA,AB(14)[28],=AC1X;\n"
    "Beta Island:              14:  27:  EU:   11.00:   -11.00:    -1.0:  AA1:\n"
    "    AA1<1.0/2.0>{AF}~-1.0~,=AB9ZZ,\n"
    "    =AB9Z;\n"
    "France:                   14:  27:  EU:   46.00:    -2.00:    -1.0:  F:\n"
    "    F,TM,TO,=F5XYZ,=TM1A/LH;\n"
    "Gamma Reef:               32:  56:  OC:  -22.00:  -175.00:   -12.0:  AB/g:\n"
    "    =AB2G,=AB2GG;\n"
    "Italy:                    15:  28:  EU:   42.82:   -12.58:    -1.0:  I:\n"
    "    I;\n"
    "Sicily:                   15:  28:  EU:   37.50:   -14.00:    -1.0:  *IT9:\n"
    "    IT9,IW9,=IT9ABC/P;\n";

int indexOf(const CountryFile& country, const std::string& main) { return country.findByFileMainPrefix(main); }

TEST(CountryFile, ReadsEntitiesPrefixesAndExactCallsWithoutOverrides) {
  const CountryFile country = CountryFile::parse(miniCountryFile);
  ASSERT_EQ(country.entities().size(), 6u);
  const auto& alpha = country.entity(indexOf(country, "AA"));
  EXPECT_EQ(alpha.name, "Alpha");
  EXPECT_EQ(alpha.prefixes, (std::vector<std::string>{"AA", "AB"}));
  EXPECT_EQ(alpha.exactCalls, (std::vector<std::string>{"AC1X"}));
  const auto& beta = country.entity(indexOf(country, "AA1"));
  EXPECT_EQ(beta.name, "Beta Island");
  EXPECT_EQ(beta.prefixes, (std::vector<std::string>{"AA1"}));
  EXPECT_EQ(beta.exactCalls, (std::vector<std::string>{"AB9ZZ", "AB9Z"}));
  EXPECT_EQ(country.tableMainPrefix(indexOf(country, "AB/g")), "AB/G");
}

TEST(CountryFile, ResolvesExactCallFirstThenLongestPrefixAndFoldsWaeEntities) {
  const CountryFile country = CountryFile::parse(miniCountryFile);
  const int alpha = indexOf(country, "AA"), beta = indexOf(country, "AA1"), italy = indexOf(country, "I");
  EXPECT_EQ(country.resolve("AA2XY"), alpha);
  EXPECT_EQ(country.resolve("AA1XY"), beta);
  EXPECT_EQ(country.resolve("AB9ZZ"), beta);    // exact call
  EXPECT_EQ(country.resolve("AB9ZZZ"), alpha);  // not that call: prefix AB
  EXPECT_EQ(country.resolve("AC1X"), alpha);
  EXPECT_EQ(country.resolve("AC1XY"), -1);
  EXPECT_EQ(country.resolve("IT9ABC"), italy);  // Sicily scores as Italy
  EXPECT_EQ(country.resolve("IT9ABC/P"), italy);
  EXPECT_EQ(country.resolveByPrefix("AB9ZZ"), alpha);
  EXPECT_EQ(country.entity(indexOf(country, "*IT9")).countsFor, italy);
}

TEST(CountryFile, RefusesWhatItCannotScoreSafely) {
  const std::string unknownWae =
      std::string(miniCountryFile) + "Nowhere:  1:  1:  EU:  0.00:  0.00:  0.0:  *ZZ9:\n    ZZ9;\n";
  EXPECT_THROW((void)CountryFile::parse(unknownWae), std::runtime_error);
  EXPECT_THROW((void)CountryFile::parse("Alpha: 14: 27: EU: 0: 0: 0: AA:\n    AA,AB\n"), std::runtime_error);
  EXPECT_THROW((void)CountryFile::parse("Alpha: 14: 27\n    AA;\n"), std::runtime_error);
  EXPECT_THROW((void)CountryFile::parse("\n\n"), std::runtime_error);
}

TEST(PrefixTableFormat, PutsEveryLongerPrefixBeforeTheShorterOneItExtends) {
  std::vector<std::string> prefixes{"D", "DL", "D2", "E", "DA0", "DA", "3D2/C", "3D2", "3D2C"};
  std::sort(prefixes.begin(), prefixes.end(),
            [](const std::string& a, const std::string& b) { return comesBefore(a, b); });
  EXPECT_EQ(prefixes, (std::vector<std::string>{"3D2/C", "3D2C", "3D2", "D2", "DA0", "DA", "DL", "D", "E"}));
}

TEST(PrefixTableBuild, MainLinesFirstThenLinesThatFixSampleCallsToTheExactSize) {
  const CountryFile country = CountryFile::parse(miniCountryFile);
  // AB9ZZ belongs to Beta Island by its exact call, so a line must take it
  // from Alpha's AB: the exact call AB9Z is the safe line that does (every
  // known call beginning with it is Beta's).  F5XYZ is listed for France but
  // must not become a line: France keeps its plain prefixes only.
  const std::vector<std::string> sample{"AA1XY", "AB9ZZ", "AA5K", "IT9AAA", "F5XYZ", "TM2X"};
  const std::vector<PrefixLine> mandatory{
      {"AA", "AA", "Alpha"}, {"AA1", "AA1", "Beta Island"}, {"F", "F", "France"},           {"TM", "F", "France"},
      {"TO", "F", "France"}, {"TW", "F", "France"},         {"AB/G", "AB/G", "Gamma Reef"}, {"I", "I", "Italy"}};
  std::size_t bytes = 0;
  for (const PrefixLine& line : mandatory) bytes += lineBytes(line);
  const PrefixLine fix{"AB9Z", "AA1", "Beta Island"};

  const auto table = buildPrefixTable(country, sample, bytes + lineBytes(fix));
  EXPECT_EQ(formatTable(table.lines).size(), bytes + lineBytes(fix));
  EXPECT_EQ(table.mandatoryLines, mandatory.size());
  EXPECT_EQ(table.measuredLines, 1u);
  const auto has = [&](const std::string& prefix) {
    return std::any_of(table.lines.begin(), table.lines.end(), [&](const PrefixLine& l) { return l.prefix == prefix; });
  };
  EXPECT_TRUE(has("AB9Z"));
  EXPECT_FALSE(has("F5XYZ"));
  for (std::size_t i = 1; i < table.lines.size(); ++i)
    EXPECT_TRUE(comesBefore(table.lines[i - 1].prefix, table.lines[i].prefix));
  EXPECT_EQ(table.accuracy.calls, 6u);
  EXPECT_EQ(table.accuracy.correct, 6u);
}

TEST(PrefixTableBuild, FailsRatherThanMissTheExactSize) {
  const CountryFile country = CountryFile::parse(miniCountryFile);
  EXPECT_THROW((void)buildPrefixTable(country, {"AA1XY"}, 100), std::runtime_error);
  EXPECT_THROW((void)buildPrefixTable(country, {"AA1XY"}, 50700), std::runtime_error);
}

}  // namespace
