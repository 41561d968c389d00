// The windows of the lookup, cluster and label folders as the program wires
// them to the main window: opened from its menus and buttons, and acting on
// its list and entry.

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "cluster/ui/Cluster.h"
#include "cluster/ui/ClusterOpener.h"
#include "cluster/ui/RadioControl.h"
#include "core/ui/FieldColours.h"
#include "core/ui/QsoListModel.h"
#include "entry/ui/DeptGridView.h"
#include "entry/ui/EntryChain.h"
#include "labels/ui/LabelMenus.h"
#include "labels/ui/Select_QSO.h"
#include "outputs/ui/AdifImporter.h"
#include "outputs/ui/ImportReport.h"
#include "stats/ui/Affiche_Dpt.h"
#include "stats/ui/Carte_Acti.h"
#include "stats/ui/Recherche_Indicatif.h"
#include "stats/ui/Statistique_DFCF.h"
#include "stats/ui/Statistique_Prefixe.h"
#include "stats/ui/StatsMenus.h"
#include "tests/core/ui/MainFixture.h"
#include "tests/support/LocalServers.h"

namespace brivant::testing {
namespace {

class WiredWindows : public MainFixture {
 protected:
  Main& startWithContacts() {
    setUpStation("F6ABC", "Fr");
    writeLog("F6ABC", {contact("06/06/26", "F5AAA", "08:00", "59", "14 Mhz", "SSB"),
                       contact("06/06/26", "DL1XYZ", "08:05", "", "14 Mhz", "SSB"),
                       contact("06/06/26", "F6BBB", "08:10", "02", "7.0 Mhz", "CW")});
    Main& window = start();
    EXPECT_TRUE(started);
    return window;
  }
};

TEST_F(WiredWindows, MenusAndButtonsOpenTheirWindows) {
  Main& window = startWithContacts();
  StatsMenus& stats = program->statsMenus();
  window.Mnu_Stat_Prefixe->trigger();
  window.Mnu_Stat_DFCF->trigger();
  window.Mnu_Carte_Activation->trigger();
  QTest::mouseClick(window.Recherche, Qt::LeftButton);
  QTest::mouseClick(window.ClusterHF, Qt::LeftButton);
  window.Mnu_Imp_QSL->trigger();
  ASSERT_NE(stats.statistiquePrefixe(), nullptr);
  EXPECT_TRUE(stats.statistiquePrefixe()->isVisible());
  ASSERT_NE(stats.statistiqueDfcf(), nullptr);
  // The castle statistics have the main window count its list again.
  state->QsoCount = 0;
  window.Frame4->setTitle(QString());
  stats.statistiqueDfcf()->Afficher->click();
  EXPECT_EQ(state->QsoCount, 3);
  EXPECT_EQ(window.Frame4->title(), QStringLiteral("QSO numero 4"));
  ASSERT_NE(stats.carte(), nullptr);
  ASSERT_NE(stats.recherche(), nullptr);
  EXPECT_TRUE(stats.recherche()->isVisible());
  ASSERT_NE(program->cluster().cluster(), nullptr);
  EXPECT_TRUE(program->cluster().cluster()->isVisible());
  ASSERT_NE(program->labelMenus().selectQso(), nullptr);
  // The contact selection reads the log: every contact is offered.
  EXPECT_EQ(program->labelMenus().selectQso()->Liste_QSO->model()->rowCount(), 3);
  for (QWidget* opened :
       std::initializer_list<QWidget*>{stats.statistiquePrefixe(), stats.recherche(), program->cluster().cluster()})
    opened->close();
}

// A double click on a box of the grid lists that departement's contacts.
TEST_F(WiredWindows, GridDoubleClickListsTheDepartement) {
  startWithContacts();
  emit Dpt().boxChosen(2);
  Affiche_Dpt* list = program->statsMenus().afficheDpt();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->QSO_DU_Dpt->count(), 1);
  EXPECT_TRUE(list->QSO_DU_Dpt->item(0)->text().contains(QStringLiteral("F6BBB")));
}

// A result picked in the search selects the contact in the main list, where
// Editer then loads it.
TEST_F(WiredWindows, SearchResultSelectsTheContactForEditer) {
  Main& window = startWithContacts();
  QTest::mouseClick(window.Recherche, Qt::LeftButton);
  Recherche_Indicatif* search = program->statsMenus().recherche();
  ASSERT_NE(search, nullptr);
  QTest::keyClicks(search->Indica, QStringLiteral("dl1"));
  QTest::keyClick(search->Indica, Qt::Key_Return);
  ASSERT_EQ(search->QSO_Effectues->count(), 1);
  QListWidget* results = search->QSO_Effectues;
  QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, results->visualItemRect(results->item(0)).center());
  EXPECT_EQ(window.selectedQso(), 1);
  QTest::mouseClick(window.Editer, Qt::LeftButton);
  EXPECT_EQ(window.Indicatif_A->text(), QStringLiteral("DL1XYZ"));
}

// A spot's callsign reaches the entry only while it waits for a callsign.
TEST_F(WiredWindows, OfferedCallsignFillsTheEntryOnlyWhenItWaits) {
  Main& window = startWithContacts();
  EntryChain& chain = program->entryChain();
  // At start-up the entry waits for the mode, not the callsign.
  EXPECT_FALSE(chain.offerCallsign(QStringLiteral("F5ZZZ")));
  EXPECT_EQ(window.Indicatif_A->text(), QString());
  QTest::keyClick(window.Mode_A, Qt::Key_Return);
  ASSERT_EQ(fieldColour(window.Indicatif_A), AwaitingColour);
  EXPECT_TRUE(chain.offerCallsign(QStringLiteral("f5zzz")));
  EXPECT_EQ(window.Indicatif_A->text(), QStringLiteral("F5ZZZ"));
  // While a logged contact is edited, its callsign stays.
  window.selectQso(0);
  QTest::mouseClick(window.Editer, Qt::LeftButton);
  EXPECT_FALSE(chain.offerCallsign(QStringLiteral("F5ZZZ")));
  EXPECT_EQ(window.Indicatif_A->text(), QStringLiteral("F5AAA"));
}

// An ADIF file imported from the Fichier menu: the list and the score follow
// the log at once.
TEST_F(WiredWindows, AnImportedLogShowsInTheListAndScore) {
  Main& window = startWithContacts();
  const QString points = window.P_QSO->text();
  dialogs.clearShown();
  dialogs.expectOpenFile("Importer un fichier ADIF",
                         QString::fromStdString((fixturesDir() / "outputs" / "import" / "other_logger.adi").string()));
  window.Mnu_Import_ADIF->trigger();
  // F5AAA in SSB on 14 Mhz is already logged: three of the file's records are refused.
  EXPECT_EQ(window.listModel()->rowCount(), 3 + 3);
  EXPECT_NE(window.P_QSO->text(), points);
  EXPECT_EQ(window.Frame4->title(), QString::fromUtf8("QSO numero 7"));
  ASSERT_NE(program->adifImporter().report(), nullptr);
  EXPECT_EQ(program->adifImporter().report()->notesTable->model()->rowCount(), 4);
  program->adifImporter().report()->close();
}

// A callsign of no known prefix is imported as a foreign station and named in
// the report; no "Prefixe Inconnu" box comes, neither for it nor for one
// logged before.
TEST_F(WiredWindows, UnknownPrefixesOfAnImportAreInTheReportNotInBoxes) {
  setUpStation("F6ABC", "Fr");
  writeLog("F6ABC", {contact("06/06/26", "1B1ZZ", "06:00", "", "14 Mhz", "SSB")});
  Main& window = start();
  dialogs.clearShown();
  dialogs.expectOpenFile(
      "Importer un fichier ADIF",
      QString::fromStdString((fixturesDir() / "outputs" / "import" / "contest_logger.adi").string()));
  window.Mnu_Import_ADIF->trigger();
  dialogs.verifyAllConsumed();
  EXPECT_THAT(shownTexts(), ::testing::Not(::testing::Contains(::testing::HasSubstr("Prefixe"))));
  EXPECT_EQ(window.listModel()->rowCount(), 1 + 5);
  const ImportReport* report = program->adifImporter().report();
  ASSERT_NE(report, nullptr);
  const QAbstractItemModel& notes = *report->notesTable->model();
  QStringList unknown;
  for (int r = 0; r < notes.rowCount(); ++r)
    if (notes.index(r, 3).data().toString().startsWith(QString::fromUtf8("Aucun préfixe")))
      unknown << notes.index(r, 1).data().toString() + QLatin1Char(' ') + notes.index(r, 3).data().toString();
  EXPECT_EQ(unknown, QStringList{QString::fromUtf8("1B1AB Aucun préfixe DXCC ne correspond à 1B1AB")});
}

// A radio through hamlib (hamlib's simulated one): its frequency at the right
// of the menu bar, and the entry on its band and mode.
TEST_F(WiredWindows, TheEntryFollowsTheRadioShownBesideTheMenus) {
  Main& window = startWithContacts();
  RadioControl& radio = program->radioControl();
  EXPECT_EQ(window.menuBar()->cornerWidget(), radio.readout());
  EXPECT_TRUE(radio.readout()->isHidden());
  // Nothing stored: nothing linked.
  radio.restore();
  EXPECT_FALSE(radio.link().running());
  (void)store.save("ZIV", "Setup ", "Transceiver", "4");
  (void)store.save("ZIV", "Setup ", "Hamlib Modele", "1");
  radio.restore();
  ASSERT_TRUE(radio.link().running());
  ASSERT_TRUE(waitUntil([&] { return radio.link().state() == RadioLink::State::Answering; }));

  ASSERT_TRUE(radio.link().tune(14'025'000, RigMode::Cw));
  ASSERT_TRUE(waitUntil([&] { return window.Bande_A->currentText() == QStringLiteral("14 Mhz"); }));
  EXPECT_EQ(window.Mode_A->currentText(), QStringLiteral("CW"));
  EXPECT_EQ(program->entryChain().draft().EntryBand, "14 Mhz");
  EXPECT_EQ(radio.readout()->text(), QStringLiteral("14 025,00 kHz CW"));
  EXPECT_FALSE(radio.readout()->isHidden());
  radio.stop();
  EXPECT_TRUE(radio.readout()->isHidden());
}

}  // namespace
}  // namespace brivant::testing
