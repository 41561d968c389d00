// The shipped prefix template, read as the entry reads it: first line from the
// top whose prefix begins the key, then a second lookup by its main prefix.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tests/support/TestFiles.h"
#include "tools/CountryFile.h"
#include "tools/PrefixTable.h"

namespace {

namespace fs = std::filesystem;
using brivant::testing::readBytes;
using brivant::testing::shippedDataDir;

const fs::path countryFilePath = "/usr/share/hamradio-files/cty.dat";
const fs::path samplePath = "/usr/share/hamradio-files/MASTER.SCP";

struct TableLine {
  std::string text;  // without CR LF
  std::string prefix;
  std::string mainPrefix;
  std::string name;
};

std::string trim(const std::string& text) {
  const auto begin = text.find_first_not_of(' ');
  if (begin == std::string::npos) return "";
  return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

std::vector<TableLine> shippedPrefixLines() {
  const std::string bytes = readBytes(shippedDataDir() / "FXXXX_Prefixe.txt");
  std::vector<TableLine> lines;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", pos);
    if (end == std::string::npos) break;
    TableLine line;
    line.text = bytes.substr(pos, end - pos);
    if (line.text.size() >= 34) {
      line.prefix = trim(line.text.substr(0, 5));
      line.mainPrefix = trim(line.text.substr(26, 6));
      line.name = line.text.substr(33);
    }
    lines.push_back(line);
    pos = end + 2;
  }
  return lines;
}

const TableLine* firstMatch(const std::vector<TableLine>& lines, const std::string& key) {
  for (const TableLine& line : lines)
    if (!line.prefix.empty() && key.compare(0, line.prefix.size(), line.prefix) == 0) return &line;
  return nullptr;
}

const std::set<std::string> frenchPrefixes{"F", "TH", "TM", "TP", "TQ", "TV", "TW", "HW", "HX", "HY"};

TEST(PrefixTemplate, IsExactlyTheSizeStartUpChecks) {
  EXPECT_EQ(readBytes(shippedDataDir() / "FXXXX_Prefixe.txt").size(), 50700u);
}

TEST(PrefixTemplate, EveryLineIsWellFormedWithEveryFlagZero) {
  const std::string bytes = readBytes(shippedDataDir() / "FXXXX_Prefixe.txt");
  ASSERT_FALSE(bytes.empty());
  ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  const auto lines = shippedPrefixLines();
  std::size_t total = 0;
  for (const TableLine& line : lines) {
    SCOPED_TRACE(line.text);
    total += line.text.size() + 2;
    ASSERT_GE(line.text.size(), 34u);
    EXPECT_EQ(line.text.find_first_of("\r\n"), std::string::npos);
    EXPECT_NE(line.text[0], ' ') << "prefix left-aligned";
    EXPECT_FALSE(line.prefix.empty());
    EXPECT_EQ(line.prefix.find(' '), std::string::npos);
    EXPECT_EQ(line.text.substr(0, 5), (line.prefix + "     ").substr(0, 5));
    EXPECT_EQ(line.text.substr(5, 2), "  ");
    EXPECT_EQ(line.text.substr(7, 17), std::string(17, '0'));
    EXPECT_EQ(line.text.substr(24, 2), "  ");
    EXPECT_NE(line.text[26], ' ') << "main prefix left-aligned";
    EXPECT_EQ(line.text.substr(26, 6), (line.mainPrefix + "      ").substr(0, 6));
    EXPECT_EQ(line.text[32], ' ');
    EXPECT_FALSE(line.name.empty());
    EXPECT_NE(line.name.front(), ' ');
    EXPECT_NE(line.name.back(), ' ') << "names are never padded";
    for (char c : line.text) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "byte " << int(static_cast<unsigned char>(c));
    for (char c : line.prefix) EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/');
  }
  EXPECT_EQ(total, bytes.size()) << "no text after the last CR LF";
}

TEST(PrefixTemplate, NoLineIsShadowedByAnEarlierOne) {
  const auto lines = shippedPrefixLines();
  for (std::size_t j = 0; j < lines.size(); ++j)
    for (std::size_t i = 0; i < j; ++i)
      ASSERT_NE(lines[j].prefix.compare(0, lines[i].prefix.size(), lines[i].prefix), 0)
          << lines[i].prefix << " (line " << i + 1 << ") hides " << lines[j].prefix << " (line " << j + 1 << ")";
}

TEST(PrefixTemplate, EveryMainPrefixLeadsToItsOwnMainLine) {
  const auto lines = shippedPrefixLines();
  std::set<std::string> mains;
  for (const TableLine& line : lines) mains.insert(line.mainPrefix);
  for (const std::string& main : mains) {
    const TableLine* found = firstMatch(lines, main);
    ASSERT_NE(found, nullptr) << main;
    EXPECT_EQ(found->prefix, main);
    EXPECT_EQ(found->mainPrefix, main);
  }
  // Every line of an entity carries the name its main line carries.
  for (const TableLine& line : lines) EXPECT_EQ(line.name, firstMatch(lines, line.mainPrefix)->name) << line.text;
}

TEST(PrefixTemplate, EveryDxccEntityHasItsMainLine) {
  if (!fs::exists(countryFilePath)) GTEST_SKIP() << "no country file installed";
  const auto country = brivant::tools::CountryFile::parse(readBytes(countryFilePath));
  const auto lines = shippedPrefixLines();
  std::size_t entities = 0;
  for (std::size_t i = 0; i < country.entities().size(); ++i) {
    if (country.entities()[i].waeOnly()) continue;
    ++entities;
    const std::string main = country.tableMainPrefix(static_cast<int>(i));
    const TableLine* line = firstMatch(lines, main);
    ASSERT_NE(line, nullptr) << main;
    EXPECT_EQ(line->prefix, main);
    EXPECT_EQ(line->name, country.entities()[i].name);
  }
  EXPECT_EQ(entities, 340u);
}

TEST(PrefixTemplate, FranceHasOnlyItsPlainPrefixes) {
  const auto lines = shippedPrefixLines();
  std::set<std::string> french;
  for (const TableLine& line : lines)
    if (line.mainPrefix == "F") french.insert(line.prefix);
  const std::set<std::string> expected{"F", "TH", "TM", "TP", "TQ", "TV", "TW", "HW", "HX", "HY", "TO", "TX"};
  EXPECT_EQ(french, expected);
  EXPECT_EQ(firstMatch(lines, "F")->name, "France");
}

TEST(PrefixTemplate, KnownCallsResolveAsTheEntryNeedsThem) {
  struct Case {
    const char* call;
    const char* prefix;  // of the first matching line
    const char* main;    // after the second lookup
    const char* name;
    bool french;  // the entry asks for a departement
  };
  const Case cases[] = {
      {"F5ABC", "F", "F", "France", true},
      {"F4XYZ/P", "F", "F", "France", true},
      {"TM2X", "TM", "F", "France", true},
      {"TW5CH", "TW", "F", "France", true},
      {"HW1A", "HW", "F", "France", true},
      {"DL1ABC", "DL", "DL", "Fed. Rep. of Germany", false},
      {"EA8XX", "EA8", "EA8", "Canary Islands", false},
      {"EA1XX", "EA", "EA", "Spain", false},
      {"K1ABC", "K", "K", "United States of America", false},
      {"KH6XX", "KH6", "KH6", "Hawaii", false},
      {"VP2EXX", "VP2E", "VP2E", "Anguilla", false},
      {"FG5XX", "FG", "FG", "Guadeloupe", false},
      {"FY5XX", "FY", "FY", "French Guiana", false},
      {"TK5XX", "TK", "TK", "Corsica", false},
      {"IT9XXX", "I", "I", "Italy", false},  // Sicily scores as Italy
      {"IS0XX", "IS", "IS", "Sardinia", false},
      {"UA9ABC", "UA9", "UA9", "Asiatic Russia", false},
      {"UA3ABC", "UA", "UA", "European Russia", false},
      {"HB0XX", "HB0", "HB0", "Liechtenstein", false},
      {"GM4ABC", "GM", "GM", "Scotland", false},
      {"FT5XA", "FT5X", "FT/X", "Kerguelen Islands", false},
      {"3D2CR", "3D2C", "3D2/C", "Conway Reef", false},
      {"JA1ABC", "JA", "JA", "Japan", false},
  };
  const auto lines = shippedPrefixLines();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.call);
    const TableLine* line = firstMatch(lines, c.call);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->prefix, c.prefix);
    const TableLine* main = firstMatch(lines, line->mainPrefix);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->mainPrefix, c.main);
    EXPECT_EQ(main->name, c.name);
    EXPECT_EQ(frenchPrefixes.count(line->prefix) != 0, c.french);
  }
}

TEST(PrefixTemplate, ResolvesTheSampleCallsAsTheCountryFileDoes) {
  if (!fs::exists(countryFilePath) || !fs::exists(samplePath)) GTEST_SKIP() << "no country file or sample installed";
  const auto country = brivant::tools::CountryFile::parse(readBytes(countryFilePath));
  const auto sample = brivant::tools::parseSampleCalls(readBytes(samplePath));
  const auto lines = shippedPrefixLines();
  std::size_t calls = 0, correct = 0;
  for (const std::string& call : sample) {
    const int truth = country.resolve(call);
    if (truth < 0) continue;
    ++calls;
    const TableLine* line = firstMatch(lines, call);
    const TableLine* main = line == nullptr ? nullptr : firstMatch(lines, line->mainPrefix);
    if (main != nullptr && main->mainPrefix == country.tableMainPrefix(truth)) ++correct;
  }
  ASSERT_GT(calls, 80000u);
  const double share = static_cast<double>(correct) / static_cast<double>(calls);
  // Measured when the table was made: 85356 of 85429 (99.915 %).
  EXPECT_GE(share, 0.9991) << correct << " of " << calls;
}

TEST(PrefixTemplate, RegeneratingFromTheInstalledFilesGivesTheShippedBytes) {
  if (!fs::exists(countryFilePath) || !fs::exists(samplePath)) GTEST_SKIP() << "no country file or sample installed";
  const auto country = brivant::tools::CountryFile::parse(readBytes(countryFilePath));
  const auto sample = brivant::tools::parseSampleCalls(readBytes(samplePath));
  const auto table = brivant::tools::buildPrefixTable(country, sample);
  const std::string rebuilt = brivant::tools::formatTable(table.lines);
  EXPECT_TRUE(rebuilt == readBytes(shippedDataDir() / "FXXXX_Prefixe.txt"))
      << "data/FXXXX_Prefixe.txt is not what the generator makes from the installed files";
}

}  // namespace
