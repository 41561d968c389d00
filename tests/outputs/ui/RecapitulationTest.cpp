#include "outputs/ui/Recapitulation.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cerrno>

#include "core/AltKeys.h"
#include "outputs/RecapSheet.h"
#include "tests/outputs/ui/OutputWindowsFixture.h"
#include "tests/support/qt/ModalAnswers.h"

namespace brivant {
namespace {

using namespace testing;

class RecapitulationTest : public OutputWindowsFixture {
 protected:
  void SetUp() override {
    writeWorkedExample(programDir.path(), "F6ABC");
    // The identity of the golden sheets with castle lines.
    saveSetting("Nom", QStringLiteral("Dupont"));
    saveSetting("Prenom", QStringLiteral("Jean"));
    saveSetting("Indicatif", QStringLiteral("TM5CHX"));
    saveSetting("Adresse 1", QStringLiteral("12 rue du Château"));
    saveSetting("Adresse 2", QStringLiteral("59000 Lille"));
    saveSetting("Pays", QStringLiteral("France"));
    saveSetting("Categorie", QStringLiteral("1"));
    saveSetting("Reference", QStringLiteral("DFCF 59045 Château de Flers"));
    saveSetting("Commune", QStringLiteral("Villeneuve d'Ascq"));
    saveSetting("Operateurs", QStringLiteral("F5AAA, F6BBB"));
    window = std::make_unique<Recapitulation>(state, printer);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
  }
  fs::path sheetFile() const { return programDir / "F6ABC_Recapitulatif_JNC_19_05_13.txt"; }
  std::unique_ptr<Recapitulation> window;
};

TEST_F(RecapitulationTest, LoadShowsIdentityCategoryAndTheWorkedExample) {
  ASSERT_TRUE(window->Form_Load().ok());
  EXPECT_EQ(window->objectName(), QStringLiteral("Recapitulation"));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Feuille récapitulative"));
  EXPECT_EQ(window->Label13->text(), QStringLiteral("Journée Nationale des Razeraro du 19/05/13"));
  EXPECT_EQ(window->Nom->text(), QStringLiteral("Dupont"));
  EXPECT_EQ(window->Adresse1->text(), QStringLiteral("12 rue du Château"));
  EXPECT_TRUE(window->Option1[0]->isChecked());
  EXPECT_TRUE(window->Reference->isEnabled());
  EXPECT_EQ(window->QSO[2]->text(), QStringLiteral("3"));
  EXPECT_EQ(window->Point[2]->text(), QStringLiteral("9"));
  EXPECT_EQ(window->MCT[2]->text(), QStringLiteral("10"));
  EXPECT_EQ(window->MDP[6]->text(), QStringLiteral("1"));
  EXPECT_EQ(window->MPV[6]->text(), QStringLiteral("1"));
  EXPECT_EQ(window->Tot_QSO->text(), QStringLiteral("4"));
  EXPECT_EQ(window->Total_Points->text(), QStringLiteral("150"));
  // The named controls are found by their names.
  EXPECT_EQ(window->findChild<QLineEdit*>(QStringLiteral("MPV10")), window->MPV[9]);
  EXPECT_EQ(window->findChild<QRadioButton*>(QStringLiteral("Option1_3")), window->Option1[2]);

  state.Language = "An";
  ASSERT_TRUE(window->Form_Load().ok());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Recapitulative sheet"));
  EXPECT_EQ(AltKeys::shownText(window->Quitter->text()), QStringLiteral("Exit"));
}

TEST_F(RecapitulationTest, SaveWritesTheSheetAndConfirms) {
  ASSERT_TRUE(window->Form_Load().ok());
  dialogs.expectMessage(
      "La feuille récapitulative JNC de F6ABC a été sauvegardée sous le nom : "
      "F6ABC_Recapitulatif_JNC_19_05_13.txt");
  QTest::mouseClick(window->Enregistrer, Qt::LeftButton);
  expectMatchesGolden(sheetFile(), "outputs/recap_castle_fr.txt");
}

TEST_F(RecapitulationTest, OptionThreeEmptiesTheCastleFieldsWhichAreStoredEmpty) {
  ASSERT_TRUE(window->Form_Load().ok());
  window->Option1[2]->click();
  EXPECT_TRUE(window->Reference->text().isEmpty());
  EXPECT_FALSE(window->Commune->isEnabled());
  window->Option1[1]->click();
  EXPECT_TRUE(window->Operateurs->isEnabled());
  window->Option1[2]->click();
  window->Nom->setText(QStringLiteral("Martin"));
  dialogs.expectMessage(::testing::HasSubstr("sauvegardée"));
  window->Enregistrer_Click();
  EXPECT_EQ(store.get("ZIV", "Setup F6ABC", "Categorie", "?"), "3");
  EXPECT_EQ(store.get("ZIV", "Setup F6ABC", "Reference", "?"), "");
  EXPECT_EQ(store.get("ZIV", "Setup F6ABC", "Nom", "?"), "Martin");
  const std::string sheet = readBytes(sheetFile());
  EXPECT_EQ(sheet.find("Commune"), std::string::npos);
  EXPECT_NE(sheet.find(Cp1252::fromUtf8("Categorie : Opérateur individuel\r\n")), std::string::npos);
}

TEST_F(RecapitulationTest, ATotalChangedByHandChangesTheScore) {
  ASSERT_TRUE(window->Form_Load().ok());
  window->Tot_MC->setText(QStringLiteral("20"));
  dialogs.expectMessage(::testing::HasSubstr("sauvegardée"));
  window->Enregistrer_Click();
  EXPECT_EQ(window->Total_Points->text(), QStringLiteral("250"));
  EXPECT_NE(readBytes(sheetFile()).find("TOTAL DES POINTS : 250\r\n"), std::string::npos);
}

TEST_F(RecapitulationTest, ACharacterTheFileCannotHoldIsRefusedBeforeAnythingIsWritten) {
  ASSERT_TRUE(window->Form_Load().ok());
  window->Prenom->setText(QStringLiteral("Jiří"));
  dialogs.expectMessage(::testing::HasSubstr("« Prenom » contient le caractère « ř »"));
  window->Enregistrer_Click();
  EXPECT_FALSE(fs::exists(sheetFile()));
  EXPECT_EQ(store.get("ZIV", "Setup F6ABC", "Prenom", "?"), "Jean");
  dialogs.expectMessage(::testing::HasSubstr("« Prenom »"));
  window->Imprimer_Click();
  EXPECT_FALSE(fs::exists(pdfFile()));
}

TEST_F(RecapitulationTest, AFailedSaveIsReportedNotConfirmed) {
  ASSERT_TRUE(window->Form_Load().ok());
  writeBytes(sheetFile(), "previous sheet\r\n");
  TextFile::testing::setFaultHook([](TextFile::testing::Step step, const fs::path& file) -> std::optional<int> {
    if (step == TextFile::testing::Step::Flush && file.filename().string().find("Recapitulatif") != std::string::npos) {
      return EIO;
    }
    return std::nullopt;
  });
  dialogs.expectMessage("Erreur N° 57 : le fichier F6ABC_Recapitulatif_JNC_19_05_13.txt n'a pas été enregistré.");
  window->Enregistrer_Click();
  EXPECT_EQ(readBytes(sheetFile()), "previous sheet\r\n");
}

// Through Qt's print dialog: Cancel prints nothing and says nothing, OK
// prints the sheet on the printer chosen.
TEST_F(RecapitulationTest, PrintSendsThePrintedSheetAndCancelInThePrintDialogNothing) {
  if (!havePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  ASSERT_TRUE(window->Form_Load().ok());
  printer.setFontName(QStringLiteral("Arial"));
  printer.setFontSize(12);
  dialogs.expectPrinter(realPrintDialog(std::nullopt));
  window->Imprimer_Click();
  dialogs.verifyAllConsumed();
  EXPECT_FALSE(fs::exists(pdfFile()));
  EXPECT_EQ(printer.font(), (PrinterFont{QStringLiteral("Arial"), 12, false}));
  EXPECT_EQ(store.get("ZIV", "Setup F6ABC", "Nom", "?"), "Dupont");

  dialogs.expectPrinter(realPrintDialog(pdfFile()));
  window->Imprimer_Click();

  QStringList expected;
  for (const std::string& line : recapSheetLines(SheetCopy::Printed, true, window->identityOfBoxes(),
                                                 window->cellsOfBoxes(), "19/05/13", " 1.7.5")) {
    expected.push_back(Cp1252::toQString(line));
  }
  const std::optional<QString> text = pdfText(pdfFile());
  ASSERT_TRUE(text.has_value());
  // Every column where it belongs on paper, not only the same words.
  EXPECT_EQ(columnLines(pdfColumnText(pdfFile()).value_or(QString())), columnLines(expected));
  EXPECT_TRUE(text->contains(QStringLiteral("59000 Lille France")));
  // The printer's font is given back, bold off.
  EXPECT_EQ(printer.fontName(), QStringLiteral("Arial"));
  EXPECT_EQ(printer.fontSize(), 12);
  EXPECT_FALSE(printer.fontBold());
  EXPECT_EQ(store.get("ZIV", "Setup F6ABC", "Nom", "?"), "Dupont");
}

TEST_F(RecapitulationTest, MissingTallyFileIsReturnedAndTheTableShowsZero) {
  fs::remove(programDir / "F6ABC_Prefixe_CW.txt");
  const Status loaded = window->Form_Load();
  ASSERT_FALSE(loaded.ok());
  EXPECT_EQ(loaded.error().number, 53);
  EXPECT_EQ(window->Tot_QSO->text(), QStringLiteral("0"));
}

}  // namespace
}  // namespace brivant
