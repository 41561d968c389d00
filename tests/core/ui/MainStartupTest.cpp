// The start-up of the main window: first run, restart, a missing log, the
// prefix-file size check, and what a log of contacts shows once loaded.

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/AltKeys.h"
#include "core/ui/FieldColours.h"
#include "core/ui/Gestion_Erreur.h"
#include "core/ui/QsoListModel.h"
#include "core/ui/Station.h"
#include "entry/ui/DeptGridView.h"
#include "entry/ui/EntryChain.h"
#include "tests/core/ui/MainFixture.h"
#include "tests/support/LogCapture.h"

namespace brivant::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST_F(MainFixture, FirstStartAsksForTheStationInEnglishAndCreatesItsFiles) {
  dialogs.expectMessage("First, you must enter your callsign and date of the JNC");
  dialogs.expectMessage(StartsWith("                                   Before the JNC \r\n"));
  Main& window = makeMain();
  bool stationWasModal = false;
  onNextModal([&](QWidget* modal) {
    auto* station = qobject_cast<Station*>(modal);
    ASSERT_NE(station, nullptr);
    stationWasModal = station->isModal();
    EXPECT_EQ(station->windowTitle(), QStringLiteral("Identification of the station"));
    EXPECT_EQ(station->New_Indicatif->text(), QStringLiteral("FXXXX"));
    station->New_Indicatif->clear();
    QTest::keyClicks(station->New_Indicatif, QStringLiteral("f6abc/p"));
    QTest::keyClick(station->New_Indicatif, Qt::Key_Return);
    QTest::keyClicks(station->Nouv_Date, QStringLiteral("06/06/26"));
    QTest::keyClick(station->Nouv_Date, Qt::Key_Return);
    EXPECT_TRUE(station->Validation->isEnabled());
    station->Validation->click();
  });

  EXPECT_TRUE(window.Form_Load());
  EXPECT_TRUE(stationWasModal);
  for (const char* suffix : StationFiles)
    EXPECT_TRUE(std::filesystem::exists(programDir / (std::string("F6ABC_P") + suffix))) << suffix;
  EXPECT_EQ(setting("Setup ", "Indicatif Station"), "F6ABC_P");
  EXPECT_EQ(window.I_Station->text(), QStringLiteral("F6ABC/P"));
  EXPECT_EQ(window.listModel()->rowCount(), 0);
  EXPECT_EQ(window.Frame4->title(), QStringLiteral("QSO number 1"));
  EXPECT_EQ(window.P_QSO->text(), QStringLiteral("0"));
  EXPECT_TRUE(window.Mnu_An->isChecked());
  EXPECT_FALSE(state->FirstRun);
  EXPECT_TRUE(endings.empty());
}

// The first run asks for the station over a main window already in the
// language of the question: English with nothing stored, French for a
// station whose files are gone but whose choice is kept.
TEST_F(MainFixture, TheFirstRunAsksForTheStationOverAWindowInItsLanguage) {
  dialogs.setLenient(true);
  const std::pair<const char*, const char*> cases[] = {
      {nullptr, "Ravuzore Ruruzav Evu  1.7.5|File|Callsign|Next QSO|QSO number 1"},
      {"Fr", "Journée Nationale des Ruziduza Revision  1.7.5|Fichier|Indicatif|QSO suivant|QSO numéro 1"},
  };
  for (const auto& [language, expected] : cases) {
    if (language != nullptr) (void)store.save("ZIV", "Setup FXXXX", "Langue", language);
    Main& window = makeMain();
    QString shown;
    dialogs.beforeMessage = [&](const QString&) {
      if (!shown.isEmpty()) return;
      EXPECT_TRUE(window.isVisible());
      shown = QStringList{window.windowTitle(), AltKeys::shownText(window.Mnu_Fichier->title()), window.Label5->text(),
                          AltKeys::shownText(window.Enregistrer->text()), window.Frame4->title()}
                  .join(QLatin1Char('|'));
    };
    onNextModal([](QWidget* modal) { modal->close(); });
    EXPECT_TRUE(window.Form_Load());
    EXPECT_EQ(shown, QString::fromUtf8(expected));
  }
}

TEST_F(MainFixture, TheStationWindowHintsTheDateInTheLanguage) {
  const std::pair<const char*, const char*> cases[] = {{"Fr", "jj/mm/aa"}, {"An", "dd/mm/yy"}};
  for (const auto& [language, hint] : cases) {
    setUpStation("F6ABC", language);
    Main& window = start();
    ASSERT_TRUE(started);
    window.Mnu_Station->trigger();
    EXPECT_EQ(window.stationWindow()->Nouv_Date->placeholderText(), QString::fromLatin1(hint)) << language;
    window.stationWindow()->close();
  }
}

TEST_F(MainFixture, ClosingTheFirstRunStationWindowKeepsTheTemplateStation) {
  dialogs.setLenient(true);
  Main& window = makeMain();
  onNextModal([](QWidget* modal) { modal->close(); });
  EXPECT_TRUE(window.Form_Load());
  EXPECT_EQ(state->StationCall, "FXXXX");
  EXPECT_EQ(window.I_Station->text(), QStringLiteral("FXXXX"));
}

TEST_F(MainFixture, RestartReadsTheStationAndAlwaysStartsOnTheFirstBand) {
  setUpStation("F6ABC", "An");
  (void)store.save("ZIV", "Setup F6ABC", "bande Utilisee", "3");
  (void)store.save("ZIV", "Setup F6ABC", "Mode Utilise", "1");
  (void)store.save("ZIV", "Setup F6ABC", "Activite", "1");
  Main& window = start();
  ASSERT_TRUE(started);
  EXPECT_EQ(window.Bande_A->currentText(), QStringLiteral("3.5 Mhz"));
  EXPECT_EQ(program->entryChain().draft().EntryBand, "3.5 Mhz");
  EXPECT_EQ(window.Mode_A->currentText(), QStringLiteral("CW"));
  EXPECT_EQ(window.Activite_A->currentText(), QStringLiteral("CHATEAU"));
  EXPECT_EQ(setting("Setup F6ABC", "bande Utilisee"), "0");
  EXPECT_EQ(setting("Setup F6ABC", "Session"), "HF");
  EXPECT_EQ(setting("Setup F6ABC", "Revision"), " 1.7.5");
  EXPECT_EQ(setting("Setup F6ABC", "Mode Utilise"), "1");
  EXPECT_EQ(setting("Setup ", "Chemin Repertoire"), programDir.path().string());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Ravuzore Ruruzav Evu  1.7.5"));
  EXPECT_EQ(window.Frame5->title(), QStringLiteral("Log from F6ABC"));
  // The entry waits at the mode, the band accepted.
  EXPECT_EQ(fieldColour(window.Bande_A), AcceptedColour);
  EXPECT_EQ(fieldColour(window.Mode_A), AwaitingColour);
  EXPECT_EQ(AwaitingColour, QColor(192, 255, 192));
  EXPECT_EQ(AcceptedColour, QColor(255, 255, 192));
  EXPECT_TRUE(window.Indicatif_A->isEnabled());
  EXPECT_FALSE(window.Enregistrer->isEnabled());
  EXPECT_EQ(window.focusWidget(), window.Mode_A);
  // No first-run message and no station window at a restart.
  EXPECT_THAT(shownTexts(), ElementsAre(StartsWith("                                   Before the JNC ")));
}

TEST_F(MainFixture, PreEventInstructionsAreShownExactlyInFrench) {
  setUpStation("F6ABC", "Fr");
  start();
  ASSERT_EQ(dialogs.texts().size(), 1);
  EXPECT_EQ(dialogs.texts().front(),
            QString::fromUtf8("                                   Avant le debut de la JNC \r\n"
                              "-1- Dans le menu 'Station' verifiez Indicatif et date d'Activité \r\n\r\n"
                              "-2- Remettez a zero les fichiers de Brivant   \r\n"
                              "    pour cela allez dans le menu 'Fichiers'             \r\n"
                              "    puis cliquez sur 'Remise a zero des fichiers log, Departement, Prefixe'  \r\n"
                              "-3- Si vous contactez un Chateau sélectionner CHATEAU \r\n"
                              "    dans la fenêtre activité, dans le cas contraire sélectionnez QSO\r\n\r\n"
                              "-4- A partir du 1er Janvier 2019 le règlement a changé :\r\n"
                              "    Un opérateur individuel ne pourra contacter que des DFCF ou DMF."));
}

TEST_F(MainFixture, PreEventInstructionsAreShownExactlyInEnglish) {
  setUpStation("F6ABC");
  start();
  ASSERT_EQ(dialogs.texts().size(), 1);
  EXPECT_EQ(dialogs.texts().front(),
            QString::fromUtf8("                                   Before the JNC \r\n"
                              "      -1- In the menu 'Station' check callsign and date of activity \r\n\r\n"
                              "      -2- Reset files Brivant\r\n"
                              "           go to the menu 'Files' then click' Reset files log, Department, Prefixe"
                              "\r\n\r\n"
                              "      -3- If you contact a Castle remember to select CHATEAU \r\n"
                              "           in the window activity if not select QSO\r\n\r\n"
                              "      -4- From 1 January 2014 Regulation has changed\r\n"
                              "           An individual operator can only contact DFCF or DMF."));
}

TEST_F(MainFixture, AMissingLogRaisesTheErrorWindowAndStopsTheStartUp) {
  setUpStation("F6ABC");
  std::filesystem::remove(programDir / "F6ABC.log");
  Main& window = start();
  EXPECT_FALSE(started);
  Gestion_Erreur* error = window.errorWindow();
  ASSERT_NE(error, nullptr);
  EXPECT_TRUE(error->isVisible());
  EXPECT_EQ(error->windowTitle(), QStringLiteral("Erreur"));
  EXPECT_EQ(error->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(error->Ind_Station->text(), QStringLiteral("F6ABC"));
  EXPECT_EQ(error->Ind_Station1->text() + error->Err_Departement->text(), QStringLiteral("F6ABC.log"));
  EXPECT_EQ(error->Label7->text(),
            QStringLiteral("Pour remedier a cet etat, cliquez sur \" Initialiser\" et relancez Brivant"));
  // The start-up went no further: no instructions, no score.
  EXPECT_TRUE(dialogs.texts().isEmpty());
  EXPECT_TRUE(window.P_QSO->text().isEmpty());
  // The program keeps processing events while it waits there.
  QApplication::processEvents();
  EXPECT_EQ(QApplication::activeModalWidget(), error);

  (void)store.save("ZIV", "Setup ", "Locator Station", "JN18GU");
  error->Initialisation->click();
  EXPECT_TRUE(std::filesystem::exists(programDir / "F6ABC.log"));
  EXPECT_EQ(fileBytes("F6ABC.log"), "");
  EXPECT_EQ(setting("Setup ", "Indicatif Station"), "F6ABC");
  EXPECT_EQ(setting("Setup ", "Locator Station"), "------");
  EXPECT_TRUE(endings.empty());
  error->Quitter->click();
  EXPECT_THAT(endings, ElementsAre(0));
  EXPECT_TRUE(window.programEnded());
}

TEST_F(MainFixture, ClosingTheErrorWindowEndsTheProgramAsQuitterDoes) {
  setUpStation("F6ABC");
  std::filesystem::remove(programDir / "F6ABC.log");
  Main& window = start();
  ASSERT_NE(window.errorWindow(), nullptr);
  window.errorWindow()->close();
  EXPECT_THAT(endings, ElementsAre(0));
  // Ending that way makes no backup.
  EXPECT_FALSE(std::filesystem::exists(programDir / "F6ABC_Prefixe_SSB.bak"));
}

TEST_F(MainFixture, AnyOtherFileErrorIsNumberedAndEndsTheProgram) {
  setUpStation("F6ABC");
  Main& window = start();
  ASSERT_TRUE(started);
  dialogs.clearShown();
  window.raiseFileError(FileError{PermissionDenied, (programDir / "F6ABC.log").string(), ""}, ".log");
  EXPECT_THAT(shownTexts(), ElementsAre("Erreur N° 70"));
  EXPECT_THAT(endings, ElementsAre(1));
  EXPECT_EQ(window.errorWindow(), nullptr);
  // Nothing runs once the program is ending.
  EXPECT_FALSE(window.Charge_Liste_QSO());
  EXPECT_FALSE(window.Timer1->isActive());
}

struct SizeCase {
  const char* file;
  const char* message;
};

class PrefixSizeCheck : public MainFixture, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(PrefixSizeCheck, AFileOneByteShortIsNamedWithItsSize) {
  setUpStation("F6ABC");
  const std::filesystem::path file = programDir / GetParam().file;
  std::string bytes = readBytes(file);
  ASSERT_EQ(bytes.size(), 50700u);
  // One byte short: the last line loses its line feed.
  bytes.pop_back();
  writeBytes(file, bytes);
  start();
  EXPECT_THAT(dialogs.texts(), ::testing::Contains(QString::fromUtf8(GetParam().message)));
  EXPECT_TRUE(started);
}

INSTANTIATE_TEST_SUITE_P(
    Files, PrefixSizeCheck,
    ::testing::Values(SizeCase{"FXXXX_Prefixe.txt",
                               "Le fichier FXXXX_Prefixe.txt ne convient pas a cette version 50699 octets"},
                      SizeCase{"F6ABC_Prefixe_SSB.txt",
                               "Le fichier F6ABC_Prefixe_SSB.txt ne convient pas a cette version50699 octets"}));

TEST_F(MainFixture, PrefixFilesOfTheRightSizeSayNothing) {
  setUpStation("F6ABC");
  start();
  for (const QString& text : dialogs.texts()) EXPECT_THAT(text.toStdString(), ::testing::Not(HasSubstr("octets")));
}

// 3.5 Mhz SSB: F5AAA (59), F6BBB (Corsica, a castle), DL1ABC; 14 Mhz SSB:
// F5CCC (75); 7.0 Mhz CW: G4XYZ; and a callsign of no known prefix.
std::vector<std::string> severalContacts() {
  return {
      contact("06/06/26", "F5AAA", "08:00", "59", "3.5 Mhz", "SSB"),
      contact("06/06/26", "F6BBB", "08:05", "2a", "3.5 Mhz", "SSB", true),
      contact("06/06/26", "DL1ABC", "08:10", "", "3.5 Mhz", "SSB"),
      contact("06/06/26", "F5CCC", "09:00", "75", "14 Mhz", "SSB"),
      contact("06/06/26", "G4XYZ", "10:00", "", "7.0 Mhz", "CW"),
      contact("06/06/26", "QQ1ABC", "10:30", "", "7.0 Mhz", "CW"),
  };
}

TEST_F(MainFixture, ALogOfSeveralContactsShowsTheGridTheCountAndTheScore) {
  setUpStation("F6ABC", "Fr");
  writeLog("F6ABC", severalContacts());
  LogCapture log;
  Main& window = start();
  ASSERT_TRUE(started);
  // The time the log and the tallies took, for a user's report.
  EXPECT_EQ(log.matching(QStringLiteral("^brivant.startup info log of F6ABC loaded: 6 contacts in \\d+ ms$")).size(), 1)
      << log.lines().join('\n').toStdString();
  EXPECT_EQ(log.matching(QStringLiteral("^brivant.startup info tallies rebuilt from the log in \\d+ ms$")).size(), 1);

  EXPECT_EQ(window.listModel()->rowCount(), 6);
  EXPECT_EQ(window.selectedQso(), 5);
  EXPECT_EQ(window.listLines().front().substr(0, 6), "    1 ");
  EXPECT_EQ(window.Frame4->title(), QStringLiteral("QSO numéro 7"));
  // 59 and Corsica (2A) on 3.5 Mhz SSB; 75 is on another band.
  const QColor base = Dpt().levelColour(0);
  EXPECT_EQ(Dpt().boxColour(59), QColor(255, 192, 192));
  EXPECT_EQ(Dpt().boxColour(96), QColor(255, 192, 192));
  EXPECT_EQ(Dpt().boxColour(75), base);
  EXPECT_EQ(Dpt().boxColour(1), base);
  EXPECT_EQ(state->DeptCount, 2);
  EXPECT_EQ(window.Frame3->title(), QString::fromUtf8("2 Dpts contacté(s) sur 3.5 Mhz en SSB"));
  // Points 3 x 1 + 1 x 3 + 2 x 1 = 8; multiplier: one castle 10, departements
  // 2 + 1, prefixes F and DL on 3.5, F on 14, G on 7.0 = 4; 8 x 17.
  EXPECT_EQ(window.P_QSO->text(), QStringLiteral("136"));
  // The rebuild told of the unknown callsign.
  EXPECT_EQ(dialogs.texts().count(QStringLiteral("Prefixe Inconnu")), 1);
  // The tallies were rebuilt from the log.
  EXPECT_NE(readBytes(programDir / "F6ABC_Departement_SSB.txt").find("\r\n59 01"), std::string::npos);
}

TEST_F(MainFixture, TheGridFollowsTheModeStoredForTheStation) {
  setUpStation("F6ABC");
  (void)store.save("ZIV", "Setup F6ABC", "Mode Utilise", "1");
  writeLog("F6ABC", severalContacts());
  Main& window = start();
  ASSERT_TRUE(started);
  EXPECT_EQ(state->DeptCount, 0);
  EXPECT_EQ(window.Frame3->title(), QStringLiteral("0 Dpts contacted on 3.5 Mhz CW"));
  EXPECT_EQ(Dpt().boxColour(59), Dpt().levelColour(0));
}

TEST_F(MainFixture, AMissingDepartementTallyRaisesTheErrorWindowNamingIt) {
  setUpStation("F6ABC");
  // The rebuild recreates the tallies from the template; without the template
  // the departement files stay missing.
  std::filesystem::remove(programDir / "F6ABC_Departement_SSB.txt");
  std::filesystem::remove(programDir / "FXXXX_Departement.txt");
  Main& window = start();
  EXPECT_FALSE(started);
  EXPECT_THAT(dialogs.texts(),
              ::testing::Contains(QStringLiteral("Fichier FXXXX_Departement.txt Absent du repertoire")));
  EXPECT_THAT(endings, ElementsAre(1));
  EXPECT_EQ(window.errorWindow(), nullptr);
}

}  // namespace
}  // namespace brivant::testing
