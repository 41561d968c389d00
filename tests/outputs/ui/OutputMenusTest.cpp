#include "outputs/ui/OutputMenus.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>

#include "outputs/ui/HelpWindow.h"
#include "outputs/ui/Impression.h"
#include "outputs/ui/Recapitulation.h"
#include "outputs/ui/Reglement.h"
#include "tests/outputs/ui/OutputWindowsFixture.h"

namespace brivant {
namespace {

using namespace testing;

class OutputMenusTest : public OutputWindowsFixture {
 protected:
  OutputMenus::Hooks recordingHooks() {
    OutputMenus::Hooks hooks;
    hooks.rebuildTallies = [this] {
      ++rebuilds;
      return rebuildSucceeds;
    };
    hooks.fileError = [this](const FileError& error) { fileErrors.push_back(error.number); };
    return hooks;
  }
  int rebuilds = 0;
  bool rebuildSucceeds = true;
  std::vector<int> fileErrors;
};

TEST_F(OutputMenusTest, ExportsShowTheirMessages) {
  writeBytes(programDir / "F6ABC.log", crlf(recordsOf(variedContacts())));
  OutputMenus menus(state, mainWindow, printer);
  dialogs.expectMessage("le fichier F6ABC.log a été copié en F6ABC.adi");
  menus.Mnu_ADIF_Click();
  dialogs.expectMessage("le fichier F6ABC.log a été copié en F6ABC.mvx");
  menus.Mnu_Quellon_Click();
  expectMatchesGolden(programDir / "F6ABC.adi", "outputs/varied_fr.adi");
  expectMatchesGolden(programDir / "F6ABC.mvx", "outputs/varied.log");
}

TEST_F(OutputMenusTest, TheSheetFollowsTheRebuild) {
  writeWorkedExample(programDir.path(), "F6ABC");
  OutputMenus menus(state, mainWindow, printer, recordingHooks());
  rebuildSucceeds = false;
  menus.Mnu_Feuille_Recap_Click();
  EXPECT_EQ(rebuilds, 1);
  EXPECT_EQ(menus.recapitulation(), nullptr);

  rebuildSucceeds = true;
  menus.Mnu_Feuille_Recap_Click();
  ASSERT_NE(menus.recapitulation(), nullptr);
  EXPECT_TRUE(menus.recapitulation()->isVisible());
  EXPECT_EQ(menus.recapitulation()->Total_Points->text(), QStringLiteral("150"));

  // Chosen again while open: the table follows the log, the typed text stays.
  menus.recapitulation()->Nom->setText(QStringLiteral("typed"));
  writeEmptyStation(programDir.path(), "F6ABC");
  Recapitulation* open = menus.recapitulation();
  menus.Mnu_Feuille_Recap_Click();
  EXPECT_EQ(menus.recapitulation(), open);
  EXPECT_EQ(open->Total_Points->text(), QStringLiteral("0"));
  EXPECT_EQ(open->Nom->text(), QStringLiteral("typed"));

  open->Quitter->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(menus.recapitulation(), nullptr);
  EXPECT_TRUE(fileErrors.empty());
}

TEST_F(OutputMenusTest, AMissingFileForTheSheetGoesToTheErrorHook) {
  writeBytes(programDir / "F6ABC.log", "");
  OutputMenus menus(state, mainWindow, printer, recordingHooks());
  menus.Mnu_Feuille_Recap_Click();
  EXPECT_EQ(fileErrors, std::vector<int>{53});
  EXPECT_EQ(menus.recapitulation(), nullptr);
}

TEST_F(OutputMenusTest, WithoutHooksTheTalliesAreRebuiltHereAndFailuresShown) {
  OutputMenus menus(state, mainWindow, printer);
  // No log and no templates: the rebuild cannot run.
  dialogs.expectMessage(::testing::StartsWith("Erreur N° 53 : le fichier "));
  menus.Mnu_Feuille_Recap_Click();
  EXPECT_EQ(menus.recapitulation(), nullptr);
}

TEST_F(OutputMenusTest, ListingWindow) {
  writeBytes(programDir / "F6ABC.log", crlf(recordsOf(variedContacts())));
  OutputMenus menus(state, mainWindow, printer);
  menus.Mnu_Imprime_Tout_Click();
  ASSERT_NE(menus.impression(), nullptr);
  EXPECT_TRUE(menus.impression()->isVisible());
  EXPECT_EQ(menus.impression()->Visu_Print->count(), 14);
}

TEST_F(OutputMenusTest, RulesAboutAndHelp) {
  OutputMenus menus(state, mainWindow, printer);
  menus.Mnu_Reglement_Click();
  ASSERT_NE(menus.reglement(), nullptr);
  EXPECT_EQ(menus.reglement()->windowTitle(), QStringLiteral("Règlement ZIV"));
  EXPECT_EQ(menus.reglement()->Label2->text(), QStringLiteral("Règlement de la Journée Nationale des Razeraro"));
  ASSERT_EQ(menus.reglement()->Reg->count(), 63);
  EXPECT_EQ(menus.reglement()->Reg->item(33)->text(),
            QStringLiteral("Envoi du compte rendu avant le 30/06/13 au correcteur de la JNC."));

  dialogs.expectMessage(
      ::testing::StartsWith("Journée Européenne des Ruziduza\r\n                revision  1.7.5\r\n\r\n"));
  menus.Mnu_A_Propos_Click();

  dialogs.expectMessage(::testing::HasSubstr("Brivant.html est introuvable"));
  menus.Mnu_Mode_Emploi_Click();
  EXPECT_EQ(menus.helpWindow(), nullptr);

  writeBytes(
      programDir / "Brivant.html",
      "<html><body><h1 id=\"fr\">Mode d'emploi</h1><p>Texte.</p><h1 id=\"en\">Operating manual</h1></body></html>");
  menus.Mnu_Mode_Emploi_Click();
  ASSERT_NE(menus.helpWindow(), nullptr);
  EXPECT_TRUE(menus.helpWindow()->isVisible());
  EXPECT_TRUE(menus.helpWindow()->Document->toPlainText().contains(QStringLiteral("Operating manual")));
}

TEST_F(OutputMenusTest, TheCorrectorSettingNamesTheCorrector) {
  ASSERT_TRUE(store.save("ZIV", "Setup ", "Correcteur", "F0XYZ").ok());
  OutputMenus menus(state, mainWindow, printer);
  menus.Mnu_Reglement_Click();
  EXPECT_EQ(menus.reglement()->Reg->item(61)->text(), QStringLiteral("Correcteur: F0XYZ"));
}

}  // namespace
}  // namespace brivant
