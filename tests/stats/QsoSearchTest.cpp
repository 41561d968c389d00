#include "stats/QsoSearch.h"

#include <gtest/gtest.h>

#include "tests/stats/StatsTestData.h"

namespace brivant::testing {
namespace {

std::vector<long long> numbersOf(const std::vector<std::string>& results) {
  std::vector<long long> numbers;
  for (const std::string& line : results) numbers.push_back(numberOfListLine(line));
  return numbers;
}

TEST(QsoSearch, FindsTheContactsOfEachCriterionInListOrder) {
  struct Case {
    SearchBy by;
    std::string value;
    std::vector<long long> found;
  };
  const Case cases[] = {
      // Anywhere inside the callsign, typed in any case.
      {SearchBy::Callsign, "6AB", {1, 2, 5, 6, 11}},
      {SearchBy::Callsign, "f6abd", {1, 6}},
      // Only the first ten characters of the callsign are a key.
      {SearchBy::Callsign, "EA8/F6ABCD", {5}},
      {SearchBy::Callsign, "EA8/F6ABCD/", {}},
      // The reference is found inside "DFCF " + number, cut to 15 characters.
      {SearchBy::Reference, "59045", {1, 7}},
      {SearchBy::Reference, "dci", {2}},
      {SearchBy::Reference, "ABCDEFGHIJ", {5}},
      {SearchBy::Reference, "ABCDEFGHIJK", {}},
      // A departement is two characters compared exactly.
      {SearchBy::Departement, "5", {}},
      {SearchBy::Departement, "05", {3}},
      {SearchBy::Departement, "2a", {4}},
      {SearchBy::Departement, "2A", {}},
      // A CR LF in front of the value is dropped.
      {SearchBy::Departement, "\r\n59", {1, 6, 7}},
  };
  const std::vector<std::string> lines = statsListLines();
  for (const Case& c : cases) {
    const SearchOutcome outcome = Cherche_QSO(lines, c.by, c.value);
    EXPECT_TRUE(outcome.ran) << c.value;
    EXPECT_EQ(numbersOf(outcome.results), c.found) << c.value;
    EXPECT_EQ(outcome.message.has_value(), c.found.empty()) << c.value;
    if (c.found.empty()) {
      EXPECT_EQ(outcome.message, QStringLiteral("Pas de QSO trouvé")) << c.value;
    }
  }
}

TEST(QsoSearch, AnEmptyValueOrAnEmptyLogTellsTheOperator) {
  const SearchOutcome empty = Cherche_QSO(statsListLines(), SearchBy::Reference, "\r\n");
  EXPECT_FALSE(empty.ran);
  EXPECT_EQ(empty.message, QStringLiteral("Entrez une reference"));
  const SearchOutcome noLog = Cherche_QSO({}, SearchBy::Callsign, "F6");
  EXPECT_TRUE(noLog.results.empty());
  EXPECT_EQ(noLog.message, QStringLiteral("Pas de QSO trouvé"));
}

TEST(QsoSearch, BoxesRefuseTooLongAndEmptyValues) {
  struct Case {
    SearchBy by;
    std::string typed;
    std::optional<QString> refusal;
  };
  const Case cases[] = {
      {SearchBy::Callsign, "EA8/F6ABCD/P", std::nullopt},
      {SearchBy::Callsign, "EA8/F6ABCD/PX", QStringLiteral("Attention 12 caracteres maxi pour l'indicatif")},
      {SearchBy::Callsign, "", QStringLiteral("Entrez un indicatif")},
      {SearchBy::Reference, "ABCDEFGHIJKLMNO", std::nullopt},
      {SearchBy::Reference, "ABCDEFGHIJKLMNOP", QStringLiteral("Attention 15 caracteres maxi pour la reference")},
      {SearchBy::Reference, "", QStringLiteral("Entrez une reference")},
      {SearchBy::Departement, "59", std::nullopt},
      {SearchBy::Departement, "590", QStringLiteral("Attention 2 caracteres maxi pour le departement")},
      {SearchBy::Departement, "", QStringLiteral("Entrez un departement")},
  };
  for (const Case& c : cases) EXPECT_EQ(searchValueRefusal(c.by, c.typed), c.refusal) << c.typed;
}

TEST(QsoSearch, ResultLinesCarryTheMarkerLetter) {
  std::vector<std::string> results;
  for (const std::string& line : statsListLines()) results.push_back(searchResultLine(line));
  for (const std::string& line : results) ASSERT_EQ(line.size(), static_cast<std::size_t>(SearchResultWidth) + 1);
  // Markers 1 to 4 give S, E, R, C; another digit a blank.
  expectBytesMatchGolden(crlf(results), "stats/search_results.txt");
}

// Numbered past 99,999, the same contacts are found and shown with the same
// record columns (one character more for the sixth digit).
TEST(QsoSearch, SixDigitNumbersAreSearchedAsTheOthers) {
  const std::vector<std::string> records = statsLog();
  std::vector<std::string> lines;
  for (const std::string& record : records)
    lines.push_back(QsoListLine(99'999 + static_cast<long long>(lines.size()), record));
  for (const auto& [by, value, found] :
       {std::tuple{SearchBy::Callsign, "f6abd", std::vector<long long>{99'999, 100'004}},
        std::tuple{SearchBy::Reference, "59045", std::vector<long long>{99'999, 100'005}},
        std::tuple{SearchBy::Departement, "2a", std::vector<long long>{100'002}}}) {
    const SearchOutcome outcome = Cherche_QSO(lines, by, value);
    EXPECT_EQ(numbersOf(outcome.results), found) << value;
    const SearchOutcome numberedFromOne = Cherche_QSO(statsListLines(), by, value);
    ASSERT_EQ(outcome.results.size(), numberedFromOne.results.size());
    for (std::size_t i = 0; i < outcome.results.size(); ++i)
      EXPECT_EQ(recordOfListLine(outcome.results[i]), recordOfListLine(numberedFromOne.results[i])) << value;
  }
  EXPECT_EQ(rowOfSearchResult(lines, searchResultLine(lines[1])), 1);
}

TEST(QsoSearch, APickedResultSelectsTheLastEqualLineAndNothingOnceRenumbered) {
  std::vector<std::string> lines = statsListLines();
  const std::string picked = searchResultLine(lines[5]);
  EXPECT_EQ(rowOfSearchResult(lines, picked), 5);
  // Two equal lines (a contact logged twice with the same number can only
  // come from a damaged list): the last one stays selected.
  lines.push_back(lines[5]);
  EXPECT_EQ(rowOfSearchResult(lines, picked), static_cast<int>(lines.size()) - 1);
  // A contact inserted before it renumbers it: the old result selects nothing.
  std::vector<std::string> records = statsLog();
  records.insert(records.begin(), statsRecord("07:00", "F5NEW", "59", "14 Mhz", "SSB"));
  EXPECT_EQ(rowOfSearchResult(numberedListLines(records), picked), std::nullopt);
}

}  // namespace
}  // namespace brivant::testing
