#include "outputs/RecapSheet.h"

#include <gtest/gtest.h>

#include "platform/SettingsStore.h"
#include "tests/outputs/OutputsTestData.h"

namespace brivant {
namespace {

using namespace testing;

RecapIdentity castleOperator() {
  return {QStringLiteral("Dupont"),
          QStringLiteral("Jean"),
          QStringLiteral("TM5CHX"),
          QStringLiteral("12 rue du Château"),
          QStringLiteral("59000 Lille"),
          QStringLiteral("France"),
          QStringLiteral("DFCF 59045 Château de Flers"),
          QStringLiteral("Villeneuve d'Ascq"),
          QStringLiteral("F5AAA, F6BBB"),
          QStringLiteral("1")};
}

RecapCells workedExampleCells() {
  TempDir dir;
  writeWorkedExample(dir.path(), "F6ABC");
  Result<RecapCells> cells = computeRecapCells(dir.path(), "F6ABC");
  EXPECT_TRUE(cells.ok());
  return cells.valueOr({});
}

std::string sheet(SheetCopy copy, bool french, const RecapIdentity& identity, const RecapCells& cells) {
  return crlf(recapSheetLines(copy, french, identity, cells, "19/05/13", " 1.7.5"));
}

TEST(RecapSheetTest, WorkedExampleTable) {
  const RecapCells cells = workedExampleCells();
  const auto row = [&](std::size_t r) {
    std::vector<QString> values(cells.rows[r].begin(), cells.rows[r].end());
    return values;
  };
  using V = std::vector<QString>;
  EXPECT_EQ(row(2), (V{"3", "9", "10", "2", "1"}));  // 14 Mhz SSB
  EXPECT_EQ(row(6), (V{"1", "1", "0", "1", "1"}));   // 7.0 Mhz CW
  for (std::size_t r : {0u, 1u, 3u, 4u, 5u, 7u, 8u, 9u}) EXPECT_EQ(row(r), (V{"0", "0", "0", "0", "0"})) << r;
  EXPECT_EQ(std::vector<QString>(cells.totals.begin(), cells.totals.end()), (V{"4", "10", "10", "3", "2"}));
  EXPECT_EQ(cells.totalPoints, QStringLiteral("150"));
}

TEST(RecapSheetTest, TwoCastleContactsOnOneRowGiveTwenty) {
  TempDir dir;
  writeEmptyStation(dir.path(), "F6ABC");
  writeBytes(dir / "F6ABC.log",
             crlf({simpleRecord("F5AAA", "21 Mhz", "CW", true), simpleRecord("F5BBB", "21 Mhz", "CW", true)}));
  Result<RecapCells> cells = computeRecapCells(dir.path(), "F6ABC");
  ASSERT_TRUE(cells.ok());
  EXPECT_EQ(cells->rows[8][0], QStringLiteral("2"));
  EXPECT_EQ(cells->rows[8][1], QStringLiteral("8"));
  EXPECT_EQ(cells->rows[8][2], QStringLiteral("20"));
}

TEST(RecapSheetTest, MissingTallyIsFileNotFound) {
  TempDir dir;
  writeBytes(dir / "F6ABC.log", "");
  Result<RecapCells> cells = computeRecapCells(dir.path(), "F6ABC");
  ASSERT_FALSE(cells.ok());
  EXPECT_EQ(cells.error().number, 53);
}

TEST(RecapSheetTest, SavedSheetGoldens) {
  const RecapCells example = workedExampleCells();
  RecapIdentity individual = castleOperator();
  individual.categorie = QStringLiteral("3");
  individual.reference.clear();
  individual.commune.clear();
  individual.operateurs.clear();
  expectBytesMatchGolden(sheet(SheetCopy::Saved, true, castleOperator(), example), "outputs/recap_castle_fr.txt");
  expectBytesMatchGolden(sheet(SheetCopy::Saved, false, castleOperator(), example), "outputs/recap_castle_en.txt");
  expectBytesMatchGolden(sheet(SheetCopy::Saved, true, individual, example), "outputs/recap_individual_fr.txt");
  expectBytesMatchGolden(sheet(SheetCopy::Saved, false, individual, example), "outputs/recap_individual_en.txt");

  TempDir dir;
  writeEmptyStation(dir.path(), "F6ABC");
  Result<RecapCells> empty = computeRecapCells(dir.path(), "F6ABC");
  ASSERT_TRUE(empty.ok());
  expectBytesMatchGolden(sheet(SheetCopy::Saved, true, RecapIdentity{}, *empty), "outputs/recap_empty_fr.txt");
  expectBytesMatchGolden(sheet(SheetCopy::Saved, false, RecapIdentity{}, *empty), "outputs/recap_empty_en.txt");
}

TEST(RecapSheetTest, PrintedSheetDiffersWhereThePaperDoes) {
  const RecapCells example = workedExampleCells();
  expectBytesMatchGolden(sheet(SheetCopy::Printed, true, castleOperator(), example), "outputs/recap_printed_fr.txt");
  expectBytesMatchGolden(sheet(SheetCopy::Printed, false, castleOperator(), example), "outputs/recap_printed_en.txt");
  RecapIdentity individual = castleOperator();
  individual.categorie = QStringLiteral("3");
  const std::vector<std::string> french =
      recapSheetLines(SheetCopy::Printed, true, individual, example, "19/05/13", " 1.7.5");
  EXPECT_EQ(french[8], Cp1252::fromUtf8("     Catégorie : Autre opérateur et SWL"));
}

TEST(RecapSheetTest, RowLinesAreSixtyOneCharacters) {
  const std::vector<std::string> lines =
      recapSheetLines(SheetCopy::Saved, true, castleOperator(), workedExampleCells(), "19/05/13", " 1.7.5");
  const auto first =
      std::find(lines.begin(), lines.end(), "     3.5 Mhz SSB     0       0       0       0       0       ");
  ASSERT_NE(first, lines.end());
  for (auto line = first; line != first + 10; ++line) EXPECT_EQ(line->size(), 61u) << *line;
  EXPECT_EQ(*(first + 1), "     7.0 Mhz SSS     0       0       0       0       0       ");
  EXPECT_EQ(*(first + 2), "     14 Mhz SSB      3       9       10      2       1       ");
  EXPECT_EQ(*(first + 7), "     14 Mhz CW       0       0       0       0       0       ");
  EXPECT_EQ(*(first + 10), std::string(61, ' ').replace(5, 7, "144 Mhz"));
  EXPECT_EQ(*(first + 12), "       Total         4       10      10      3       2       ");
}

TEST(RecapSheetTest, TotalPointsFollowTheTotalBoxesAsTyped) {
  RecapCells cells = workedExampleCells();
  cells.totals[1] = QStringLiteral("20");
  EXPECT_EQ(totalPointsText(cells), QStringLiteral("300"));
  cells.totals[3] = QStringLiteral(" 1 2abc");  // read as 12
  EXPECT_EQ(totalPointsText(cells), QStringLiteral("480"));
  cells.totals[2] = QStringLiteral("x");  // read as 0
  EXPECT_EQ(totalPointsText(cells), QStringLiteral("280"));
}

TEST(RecapSheetTest, BasicValueAndNumberText) {
  const std::vector<std::pair<QString, double>> values{{"150", 150},  {"  42 ", 42}, {"1 000", 1000}, {"-3", -3},
                                                       {"2.5x", 2.5}, {"1e3", 1000}, {"", 0},         {"abc", 0},
                                                       {".5", 0.5},   {"7e", 7},     {"+8", 8}};
  for (const auto& [text, value] : values) EXPECT_DOUBLE_EQ(basicValue(text), value) << text.toStdString();
  EXPECT_EQ(basicNumberText(0), QStringLiteral("0"));
  EXPECT_EQ(basicNumberText(123456789012345.0), QStringLiteral("123456789012345"));
  EXPECT_EQ(basicNumberText(2.5), QStringLiteral("2.5"));
  EXPECT_EQ(basicNumberText(1e16), QStringLiteral("1E+16"));
}

TEST(RecapSheetTest, TextsThatCannotBeWrittenAreFoundBeforeWriting) {
  RecapIdentity identity = castleOperator();
  RecapCells cells = workedExampleCells();
  EXPECT_FALSE(findUnwritableText(identity, cells, true).has_value());
  identity.commune = QStringLiteral("Łódź");
  auto problem = findUnwritableText(identity, cells, true);
  ASSERT_TRUE(problem.has_value());
  EXPECT_EQ(problem->field, QStringLiteral("Nom de la commune"));
  EXPECT_EQ(problem->character, QStringLiteral("Ł"));
  EXPECT_EQ(unwritableTextMessage(false, {QStringLiteral("Commune name"), QStringLiteral("Ł")}),
            QStringLiteral("The field \"Commune name\" holds the character \"Ł\", which the file cannot hold: "
                           "replace it before saving or printing."));
  identity = castleOperator();
  cells.rows[3][4] = QStringLiteral("1😀");
  problem = findUnwritableText(identity, cells, false);
  ASSERT_TRUE(problem.has_value());
  EXPECT_EQ(problem->field, QStringLiteral("MPV4"));
  EXPECT_EQ(problem->character, QStringLiteral("😀"));
}

TEST(RecapSheetTest, IdentityRoundTripAndDefaultCategory) {
  TempDir dir;
  SettingsStore store(dir.path());
  RecapIdentity fresh = readIdentity(store, "F6ABC");
  EXPECT_EQ(fresh.categorie, QStringLiteral("3"));
  EXPECT_TRUE(fresh.nom.isEmpty());
  ASSERT_TRUE(storeIdentity(store, "F6ABC", castleOperator()).ok());
  SettingsStore reread(dir.path());
  const RecapIdentity back = readIdentity(reread, "F6ABC");
  EXPECT_EQ(back.reference, castleOperator().reference);
  EXPECT_EQ(back.adresse1, castleOperator().adresse1);
  EXPECT_EQ(back.categorie, QStringLiteral("1"));
  EXPECT_EQ(reread.get("ZIV", "Setup F6ABC", "Adresse 1", "?"), "12 rue du Château");
  // No option selected is stored as the empty text.
  RecapIdentity none = castleOperator();
  none.categorie.clear();
  ASSERT_TRUE(storeIdentity(store, "F6ABC", none).ok());
  EXPECT_EQ(store.get("ZIV", "Setup F6ABC", "Categorie", "?"), "");
}

TEST(RecapSheetTest, FileNameAndMessage) {
  EXPECT_EQ(recapFileName("FXXXX", "19/05/13"), "FXXXX_Recapitulatif_JNC_19_05_13.txt");
  EXPECT_EQ(recapSavedMessage(true, "FXXXX", "FXXXX_Recapitulatif_JNC_19_05_13.txt"),
            QStringLiteral("La feuille récapitulative JNC de FXXXX a été sauvegardée sous le nom : "
                           "FXXXX_Recapitulatif_JNC_19_05_13.txt"));
  EXPECT_EQ(recapSavedMessage(false, "FXXXX", "x.txt"), QStringLiteral("The Log FXXXX was saved as: x.txt"));
}

}  // namespace
}  // namespace brivant
