// The menus of the main window: reset, rebuild, closing with its backups, the
// clock options, the station change and the history.

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/AltKeys.h"
#include "core/History.h"
#include "core/ui/FieldColours.h"
#include "core/ui/QsoListModel.h"
#include "core/ui/Station.h"
#include "entry/ui/Chargement.h"
#include "entry/ui/DeptGridView.h"
#include "entry/ui/Maintenance.h"
#include "outputs/ui/Impression.h"
#include "outputs/ui/OutputMenus.h"
#include "outputs/ui/Recapitulation.h"
#include "outputs/ui/Reglement.h"
#include "tests/core/ui/MainFixture.h"

namespace brivant::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

std::vector<std::string> twoContacts() {
  return {contact("06/06/26", "F5AAA", "08:00", "59", "3.5 Mhz", "SSB"),
          contact("06/06/26", "DL1ABC", "08:10", "", "3.5 Mhz", "SSB")};
}

class MenusTest : public MainFixture {
 protected:
  std::vector<std::string> stationFileBytes(const std::string& call) const {
    std::vector<std::string> bytes;
    for (const char* suffix : StationFiles) bytes.push_back(fileBytes(call + suffix));
    return bytes;
  }
};

TEST_F(MenusTest, ResetCancelledChangesNoFile) {
  setUpStation("F6ABC", "Fr");
  writeLog("F6ABC", twoContacts());
  Main& window = start();
  ASSERT_TRUE(started);
  const std::vector<std::string> before = stationFileBytes("F6ABC");
  const QString points = window.P_QSO->text();
  dialogs.setLenient(false);
  dialogs.expectOkCancel("!!! ATTENTION !!! tout les fichiers F6ABC vont etre effacé , Continuer ?", false);
  window.Mnu_RAZ_All->trigger();
  dialogs.verifyAllConsumed();
  EXPECT_EQ(stationFileBytes("F6ABC"), before);
  EXPECT_EQ(window.listModel()->rowCount(), 2);
  EXPECT_EQ(window.P_QSO->text(), points);
}

TEST_F(MenusTest, ResetConfirmedEmptiesTheLogAndTheTallies) {
  setUpStation("F6ABC");
  writeLog("F6ABC", twoContacts());
  Main& window = start();
  ASSERT_TRUE(started);
  ASSERT_NE(window.P_QSO->text(), QStringLiteral("0"));
  dialogs.setLenient(false);
  dialogs.expectOkCancel("!!! WARNING!!! all files F6ABC will be deleted, continue?", true);
  dialogs.expectMessage(::testing::HasSubstr("The files as they were before the reset are copied"));
  window.Mnu_RAZ_All->trigger();
  dialogs.verifyAllConsumed();
  EXPECT_EQ(fileBytes("F6ABC.log"), "");
  EXPECT_EQ(fileBytes("F6ABC_Prefixe_SSB.txt"), fileBytes("FXXXX_Prefixe.txt"));
  EXPECT_EQ(fileBytes("F6ABC_Prefixe_CW.txt"), fileBytes("FXXXX_Prefixe.txt"));
  EXPECT_EQ(fileBytes("F6ABC_Departement_SSB.txt"), fileBytes("FXXXX_Departement.txt"));
  EXPECT_EQ(fileBytes("F6ABC_Departement_CW.txt"), fileBytes("FXXXX_Departement.txt"));
  EXPECT_EQ(window.P_QSO->text(), QStringLiteral("0"));
  EXPECT_EQ(window.listModel()->rowCount(), 0);
  EXPECT_EQ(window.Frame4->title(), QStringLiteral("QSO number 1"));
  EXPECT_EQ(window.Frame3->title(), QStringLiteral(" 0 Dpts contacted on  3.5 Mhz SSB"));
  EXPECT_EQ(Dpt().boxColour(59), Dpt().levelColour(0));
  EXPECT_EQ(fieldColour(window.Bande_A), AwaitingColour);
  EXPECT_EQ(fieldColour(window.Mode_A), AcceptedColour);
}

TEST_F(MenusTest, RebuildShowsTheUpdatingWindowPausesTheClockAndNamesUnknownPrefixes) {
  setUpStation("F6ABC");
  writeLog("F6ABC", {contact("06/06/26", "F5AAA", "08:00", "59", "3.5 Mhz", "SSB"),
                     contact("06/06/26", "QQ1ABC", "08:10", "", "3.5 Mhz", "SSB"),
                     contact("06/06/26", "QQ2XYZ", "08:20", "", "7.0 Mhz", "CW")});
  Main& window = start();
  ASSERT_TRUE(started);
  EXPECT_TRUE(window.Timer1->isActive());
  window.Mnu_Fr->trigger();
  // Tallies spoiled by hand are put right again.
  writeBytes(programDir / "F6ABC_Departement_SSB.txt", fileBytes("FXXXX_Departement.txt"));
  window.P_QSO->clear();
  dialogs.clearShown();

  int seenWhileRebuilding = 0;
  QString updatingText;
  dialogs.beforeMessage = [&](const QString&) {
    Chargement* updating = program->maintenance().updatingWindow();
    if (updating->isVisible() && !window.Timer1->isActive()) ++seenWhileRebuilding;
    updatingText = updating->windowTitle() + "|" + updating->Label2->text() + "|" + updating->Label1->text();
  };
  window.Mnu_MAJ_Prefixe_Departement->trigger();
  EXPECT_THAT(dialogs.texts(), ElementsAre("Prefixe Inconnu", "Prefixe Inconnu"));
  EXPECT_EQ(seenWhileRebuilding, 2);
  EXPECT_EQ(updatingText, QString::fromUtf8("Morvex|Mise a jour des fichiers|Prefixes et Départements"));
  EXPECT_FALSE(program->maintenance().updatingWindow()->isVisible());
  EXPECT_TRUE(window.Timer1->isActive());
  EXPECT_NE(fileBytes("F6ABC_Departement_SSB.txt").find("\r\n59 01"), std::string::npos);
  EXPECT_EQ(Dpt().boxColour(59), QColor(255, 192, 192));
  // Contacts 2 x 1 on 3.5 Mhz (the unknown one too) + 1 on 7.0 Mhz; multiplier
  // departement 59 and prefix F on 3.5 Mhz.
  EXPECT_EQ(window.P_QSO->text(), QStringLiteral("6"));
  EXPECT_EQ(window.Frame3->title(), QString::fromUtf8("1 Dpts contacté(s) sur 3.5 Mhz en SSB"));
}

TEST_F(MenusTest, ClosingRefreshesTheFiveBackups) {
  setUpStation("F6ABC");
  writeLog("F6ABC", twoContacts());
  Main& window = start();
  ASSERT_TRUE(started);
  for (const char* backup : {"F6ABC.bak", "F6ABC_Departement_SSB.bak", "F6ABC_Departement_CW.bak",
                             "F6ABC_Prefixe_SSB.bak", "F6ABC_Prefixe_CW.bak"})
    writeBytes(programDir / backup, "stale");
  dialogs.clearShown();
  EXPECT_TRUE(window.close());
  EXPECT_EQ(fileBytes("F6ABC.bak"), fileBytes("F6ABC.log"));
  EXPECT_EQ(fileBytes("F6ABC_Departement_SSB.bak"), fileBytes("F6ABC_Departement_SSB.txt"));
  EXPECT_EQ(fileBytes("F6ABC_Departement_CW.bak"), fileBytes("F6ABC_Departement_CW.txt"));
  EXPECT_EQ(fileBytes("F6ABC_Prefixe_SSB.bak"), fileBytes("F6ABC_Prefixe_SSB.txt"));
  EXPECT_EQ(fileBytes("F6ABC_Prefixe_CW.bak"), fileBytes("F6ABC_Prefixe_CW.txt"));
  ASSERT_EQ(dialogs.texts().size(), 1);
  EXPECT_THAT(dialogs.texts().front().toStdString(), HasSubstr("File 1: for example "));
  EXPECT_THAT(endings, ElementsAre(0));
}

TEST_F(MenusTest, QuitterClosesTheWindowWithItsBackups) {
  setUpStation("F6ABC");
  Main& window = start();
  ASSERT_TRUE(started);
  window.Mnu_Quitter->trigger();
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(std::filesystem::exists(programDir / "F6ABC_Prefixe_CW.bak"));
  EXPECT_THAT(endings, ElementsAre(0));
}

TEST_F(MenusTest, ClockShowsTheChosenReferenceAndGreysTheOther) {
  setUpStation("F6ABC");
  Main& window = start();
  ASSERT_TRUE(started);
  EXPECT_EQ(window.Timer1->interval(), 1000);
  EXPECT_TRUE(window.Mnu_UTC_Oui->isChecked());
  EXPECT_EQ(window.Label33->text(), QStringLiteral("06/06/26"));
  EXPECT_EQ(window.Label37->text(), QStringLiteral("23:30 Utc"));
  EXPECT_EQ(window.Label34->text(), QStringLiteral("01:30 Loc"));
  EXPECT_TRUE(window.Label37->isEnabled());
  EXPECT_FALSE(window.Label34->isEnabled());

  window.Mnu_UTC_Non->trigger();
  EXPECT_FALSE(window.Mnu_UTC_Oui->isChecked());
  EXPECT_EQ(setting("Setup F6ABC", "Heure UTC"), "False");
  clock.advanceSeconds(60);
  window.Timer1_Timer();
  EXPECT_EQ(window.Label33->text(), QStringLiteral("07/06/26"));
  EXPECT_EQ(window.Label34->text(), QStringLiteral("01:31 Loc"));
  EXPECT_FALSE(window.Label37->isEnabled());
  EXPECT_TRUE(window.Label34->isEnabled());

  // The timer itself refreshes the labels.
  clock.advanceSeconds(60);
  QTest::qWait(1300);
  EXPECT_EQ(window.Label34->text(), QStringLiteral("01:32 Loc"));
}

TEST_F(MenusTest, AutomaticDateOptionIsStoredAndShown) {
  setUpStation("F6ABC");
  Main& window = start();
  ASSERT_TRUE(started);
  window.Date_A->setText("01/01/26");
  window.Remarques_A->setText("C. DE BRIVANT");
  window.Mnu_Auto_Non->trigger();
  EXPECT_TRUE(window.Mnu_Auto_Non->isChecked());
  EXPECT_FALSE(window.Mnu_Auto_Oui->isChecked());
  EXPECT_EQ(window.Label15->text(), QStringLiteral("Date manuelle"));
  EXPECT_EQ(setting("Setup F6ABC", "Date Automatique"), "False");
  EXPECT_EQ(window.Date_A->text(), QStringLiteral("01/01/26"));

  window.Mnu_Auto_Oui->trigger();
  EXPECT_EQ(window.Label15->text(), QStringLiteral("Date automatique"));
  EXPECT_EQ(setting("Setup F6ABC", "Date Automatique"), "True");
  EXPECT_TRUE(window.Date_A->text().isEmpty());
  EXPECT_TRUE(window.Remarques_A->text().isEmpty());
}

TEST_F(MenusTest, StoredClockOptionsAreReadAtStartUp) {
  setUpStation("F6ABC");
  (void)store.save("ZIV", "Setup F6ABC", "Heure UTC", "False");
  (void)store.save("ZIV", "Setup F6ABC", "Date Automatique", "False");
  Main& window = start();
  ASSERT_TRUE(started);
  EXPECT_TRUE(window.Mnu_UTC_Non->isChecked());
  EXPECT_TRUE(window.Mnu_Auto_Non->isChecked());
  EXPECT_EQ(window.Label33->text(), QStringLiteral("07/06/26"));
  // Aff_Langue puts "Date" back over the date field.
  EXPECT_EQ(window.Label15->text(), QStringLiteral("Date"));
}

TEST_F(MenusTest, ChangingStationReloadsEverything) {
  setUpStation("F5XYZ");
  writeLog("F5XYZ", twoContacts());
  setUpStation("F6ABC");
  Main& window = start();
  ASSERT_TRUE(started);
  EXPECT_EQ(window.listModel()->rowCount(), 0);

  window.Mnu_Station->trigger();
  Station* station = window.stationWindow();
  ASSERT_TRUE(station->isVisible());
  EXPECT_FALSE(station->isModal());
  EXPECT_EQ(station->New_Indicatif->text(), QStringLiteral("F6ABC"));
  EXPECT_EQ(station->Nouv_Date->text(), QStringLiteral("06/06/26"));
  EXPECT_EQ(fieldColour(station->New_Indicatif), AwaitingColour);
  station->New_Indicatif->selectAll();
  QTest::keyClicks(station->New_Indicatif, QStringLiteral("f5xyz"));
  QTest::keyClick(station->New_Indicatif, Qt::Key_Return);
  EXPECT_EQ(fieldColour(station->New_Indicatif), AcceptedColour);
  EXPECT_EQ(fieldColour(station->Nouv_Date), AwaitingColour);
  QTest::keyClick(station->Nouv_Date, Qt::Key_Return);
  station->Validation->click();

  EXPECT_FALSE(station->isVisible());
  EXPECT_EQ(state->StationCall, "F5XYZ");
  EXPECT_EQ(window.I_Station->text(), QStringLiteral("F5XYZ"));
  EXPECT_EQ(window.Frame5->title(), QStringLiteral("Log of F5XYZ"));
  EXPECT_EQ(window.listModel()->rowCount(), 2);
  EXPECT_EQ(window.selectedQso(), 1);
  EXPECT_EQ(window.Frame4->title(), QStringLiteral("QSO number 3"));
  // The other station's tallies are empty until rebuilt: its points too.
  EXPECT_EQ(window.P_QSO->text(), QStringLiteral("0"));
  EXPECT_EQ(window.focusWidget(), window.Bande_A);
}

struct StationRefusal {
  const char* typed;
  const char* message;
  bool cleared;
};

class StationRefusals : public MenusTest, public ::testing::WithParamInterface<StationRefusal> {};

TEST_P(StationRefusals, ARefusedCallsignKeepsTheStation) {
  setUpStation("F6ABC");
  Main& window = start();
  ASSERT_TRUE(started);
  window.Mnu_Station->trigger();
  Station* station = window.stationWindow();
  station->New_Indicatif->setText(QString::fromUtf8(GetParam().typed));
  dialogs.clearShown();
  station->Validation->setEnabled(true);
  station->Validation->click();
  EXPECT_THAT(dialogs.texts(), ElementsAre(QString::fromUtf8(GetParam().message)));
  EXPECT_EQ(station->New_Indicatif->text().isEmpty(), GetParam().cleared);
  EXPECT_TRUE(station->isVisible());
  EXPECT_EQ(state->StationCall, "F6ABC");
}

INSTANTIATE_TEST_SUITE_P(
    Callsigns, StationRefusals,
    ::testing::Values(StationRefusal{"", "Please you must enter a callsign", true},
                      StationRefusal{"F6ABCDEFGHIJK", "Caution 12 characters maximum for the callsign", false},
                      StationRefusal{"F6-ABC", "The callsign must contain only numbers or letters '_'", true}));

TEST_F(MenusTest, StationDateIsCheckedOnEnter) {
  setUpStation("F6ABC", "Fr");
  Main& window = start();
  ASSERT_TRUE(started);
  window.Mnu_Station->trigger();
  Station* station = window.stationWindow();
  EXPECT_EQ(station->windowTitle(), QStringLiteral("Identification de la station"));
  EXPECT_EQ(AltKeys::shownText(station->Validation->text()), QStringLiteral("Validez"));
  QTest::keyClick(station->New_Indicatif, Qt::Key_Return);
  dialogs.clearShown();
  station->Nouv_Date->clear();
  QTest::keyClick(station->Nouv_Date, Qt::Key_Return);
  station->Nouv_Date->setText("6/6/26");
  QTest::keyClick(station->Nouv_Date, Qt::Key_Return);
  EXPECT_THAT(dialogs.texts(),
              ElementsAre("Attention vous devez entrer une date", "Attention le format date doit etre jj/mm/aa"));
  EXPECT_FALSE(station->Validation->isEnabled());
  station->Nouv_Date->setText("07/06/26");
  QTest::keyClick(station->Nouv_Date, Qt::Key_Return);
  EXPECT_TRUE(station->Validation->isEnabled());
  EXPECT_EQ(fieldColour(station->Nouv_Date), AcceptedColour);
  station->Validation->click();
  EXPECT_EQ(setting("Setup F6ABC", "Date ZIV"), "07/06/26");
  // An existing station keeps its language and its options.
  EXPECT_TRUE(window.Mnu_Fr->isChecked());
}

TEST_F(MenusTest, HistoryShowsTheRevisions) {
  setUpStation("F6ABC");
  Main& window = start();
  dialogs.clearShown();
  window.Mnu_Historique->trigger();
  ASSERT_EQ(dialogs.texts().size(), 1);
  EXPECT_EQ(dialogs.texts().front(), QString::fromStdString(historyText()));
  EXPECT_THAT(dialogs.texts().front().toStdString(),
              StartsWith("V1.0.0   le 14/04/2005 creation a partir de Morvex\r\n"));
}

TEST_F(MenusTest, OutputMenusAnswerFromTheMenuBar) {
  setUpStation("F6ABC", "Fr");
  writeLog("F6ABC", {contact("06/06/26", "F5XYZ", "08:00", "59", "14 Mhz", "SSB")});
  Main& window = start();
  dialogs.clearShown();

  window.Mnu_Quellon->trigger();
  EXPECT_EQ(fileBytes("F6ABC.mvx"), fileBytes("F6ABC.log"));
  window.Mnu_ADIF->trigger();
  EXPECT_THAT(fileBytes("F6ABC.adi"), HasSubstr("<call:5>F5XYZ<band:3>20m<mode:3>SSB"));
  EXPECT_THAT(shownTexts(), ElementsAre("le fichier F6ABC.log a été copié en F6ABC.mvx",
                                        "le fichier F6ABC.log a été copié en F6ABC.adi"));

  // The sheet rebuilds the tallies through the main window first.
  window.Mnu_Feuille_Recap->trigger();
  ASSERT_NE(program->outputMenus().recapitulation(), nullptr);
  EXPECT_TRUE(program->outputMenus().recapitulation()->isVisible());
  window.Mnu_Imprime_Tout->trigger();
  ASSERT_NE(program->outputMenus().impression(), nullptr);
  window.Mnu_Reglement->trigger();
  ASSERT_NE(program->outputMenus().reglement(), nullptr);
  EXPECT_EQ(program->outputMenus().reglement()->Reg->count(), 63);
}

}  // namespace
}  // namespace brivant::testing
