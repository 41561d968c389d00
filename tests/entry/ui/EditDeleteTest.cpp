// Editer, Effacer and Annuler on the main window.

#include <gmock/gmock.h>

#include <QGroupBox>
#include <QListView>

#include "tests/entry/ui/EntryTyping.h"

namespace brivant::testing {
namespace {

using ::testing::HasSubstr;

// A contact on 144 Mhz keeps its locator.
std::string vhfRecord(const char* call, const char* start, const char* locator) {
  QsoFields f;
  f.date = "06/06/26";
  f.callsign = call;
  f.start = start;
  f.end = start;
  f.departement = "59";
  f.locator = locator;
  f.band = "144 Mhz";
  f.mode = "SSB";
  f.rstSent = f.rstReceived = "59";
  f.points = "0";
  f.activity = "0";
  return buildQsoRecord(f).value();
}

// Contact n of a long log: a foreign station (no departement asked), one
// minute after the one before.
std::string numberedRecord(int n) {
  const int day = n / 1440;
  char date[16];
  char start[16];
  char call[16];
  std::snprintf(date, sizeof date, "%02d/%02d/26", 1 + day % 28, 1 + day / 28);
  std::snprintf(start, sizeof start, "%02d:%02d", n % 1440 / 60, n % 60);
  std::snprintf(call, sizeof call, "DL%d%c%c%c", n % 10, 'A' + n / 6760 % 26, 'A' + n / 260 % 26, 'A' + n / 10 % 26);
  return loggedRecord(date, call, start, "3.5 Mhz", "SSB");
}

class EditDeleteTest : public EntryTypingTest {
 protected:
  const std::string a = loggedRecord("06/06/26", "F5AAA", "09:00", "3.5 Mhz", "SSB", "59");
  const std::string b = loggedRecord("06/06/26", "F5BBB", "09:10", "3.5 Mhz", "SSB", "62");
  const std::string c = loggedRecord("06/06/26", "DL1CCC", "09:20", "3.5 Mhz", "SSB");
  void startWithThree(const char* language = "Fr") { start({.language = language, .log = {a, b, c}}); }
};

TEST_F(EditDeleteTest, NothingSelected) {
  startWithThree("An");
  m().Liste_QSO->clearSelection();
  m().Liste_QSO->setCurrentIndex(QModelIndex());
  dialogs.expectMessage("First select a QSO");
  m().Editer->click();
  EXPECT_FALSE(d().EntryEditing);
  dialogs.expectMessage("First select a QSO");
  m().Effacer->click();
  EXPECT_EQ(logRecords().size(), 3u);
}

TEST_F(EditDeleteTest, EditerLoadsTheSelectedContact) {
  startWithThree();
  m().selectQso(1);
  EXPECT_EQ(d().EditedLine, m().listLines()[1]);
  m().Editer->click();
  EXPECT_TRUE(d().EntryEditing);
  EXPECT_EQ(text(m().Indicatif_A), "F5BBB");
  EXPECT_EQ(text(m().Depart_A), "62");
  EXPECT_EQ(text(m().Date_A), "06/06/26");
  EXPECT_EQ(text(m().Debut_A), "09:10");
  EXPECT_EQ(text(m().Fin_A), "09:10");
  EXPECT_EQ(text(m().Bande_A), "3.5 Mhz");
  EXPECT_EQ(text(m().Mode_A), "SSB");
  EXPECT_EQ(text(m().RSTR_A), "59");
  EXPECT_EQ(text(m().Activite_A), "QSO");
  EXPECT_EQ(d().QsoPoints, "3");
  // An HF contact has no locator: nothing to measure.
  EXPECT_EQ(text(m().Azimut_A), "?");
  EXPECT_EQ(text(m().Distance_A), "?");
  EXPECT_EQ(text(m().Enregistrer), "Valider QSO");
  EXPECT_TRUE(m().Enregistrer->isEnabled());
  EXPECT_FALSE(m().Editer->isEnabled());
  EXPECT_FALSE(m().Effacer->isEnabled());
  EXPECT_FALSE(m().Recherche->isEnabled());
  EXPECT_EQ(m().Frame4->title(), QString::fromUtf8("QSO numéro 2"));
}

TEST_F(EditDeleteTest, DistanceAndAzimuthFromTheStationLocator) {
  start({.log = {vhfRecord("F1AAA", "09:00", "JN18EU"), vhfRecord("F1BBB", "09:10", "JN18FU"),
                 vhfRecord("F1CCC", "09:20", "JN18")}});
  const auto readout = [this](int row) {
    m().selectQso(row);
    m().Editer->click();
    const std::string shown = text(m().Azimut_A) + "|" + text(m().Distance_A);
    m().Annuler->click();
    return shown;
  };
  EXPECT_EQ(readout(0), "?|0");   // the station's own locator
  EXPECT_EQ(readout(1), "90|6");  // one sub-square east
  EXPECT_EQ(readout(2), "?|?");   // too short to measure
}

TEST_F(EditDeleteTest, SavingAnEditReplacesTheLineAndRebuildsTheTallies) {
  std::string marked = a;
  marked[134] = '3';  // a level the departement map shows
  start({.log = {marked, b, c}});
  EXPECT_EQ(tallyLine("_Departement_SSB.txt", "59"), "59 03000000000000000 Nord");
  m().selectQso(0);
  m().Editer->click();
  m().Indicatif_A->setFocus();
  retype("f5aab");
  m().Bande_A->setFocus();
  retype("21 Mhz");
  // Clicking another contact during the edit does not change which is replaced.
  m().selectQso(2);
  m().Enregistrer->setFocus();
  enter();

  const std::vector<std::string> records = logRecords();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1], b);
  EXPECT_EQ(records[2], c);
  EXPECT_EQ(recordFieldTrimmed(records[0], QsoLayout::Callsign), "F5AAB");
  EXPECT_EQ(recordFieldTrimmed(records[0], QsoLayout::Band), "21 Mhz");
  EXPECT_EQ(recordFieldTrimmed(records[0], QsoLayout::Points), "4");
  EXPECT_EQ(records[0][134], '3');  // the marker is kept
  EXPECT_FALSE(d().EntryEditing);
  EXPECT_EQ(text(m().Enregistrer), "QSO Suivant");
  EXPECT_FALSE(m().Enregistrer->isEnabled());
  EXPECT_TRUE(m().Editer->isEnabled() && m().Effacer->isEnabled() && m().Annuler->isEnabled());
  EXPECT_EQ(text(m().NB_Debug), "13");
  // The tallies follow: 59 moved from 3.5 to 21 Mhz.
  EXPECT_EQ(tallyLine("_Departement_SSB.txt", "59"), "59 00000030000000000 Nord");
  EXPECT_EQ(m().listLines().size(), 3u);
  EXPECT_EQ(d().EditedLine, m().listLines()[2]);
  EXPECT_EQ(focused(), m().Indicatif_A);
}

TEST_F(EditDeleteTest, TheOnlyContactCannotBeEdited) {
  start({.language = "An", .log = {a}});
  m().selectQso(0);
  m().Editer->click();
  m().Indicatif_A->setText(QStringLiteral("F5ZZZ"));
  const std::string before = stationFile(".log") + fileBytes("Liste_Prenom.txt");
  dialogs.expectMessage("There must be at least TWO QSO recorded to change the first QSO");
  m().Enregistrer->click();
  EXPECT_EQ(stationFile(".log") + fileBytes("Liste_Prenom.txt"), before);
  EXPECT_TRUE(d().EntryEditing);
  EXPECT_TRUE(m().Enregistrer->isEnabled());
}

TEST_F(EditDeleteTest, AnEditedFieldThatCannotFitIsRefused) {
  startWithThree("An");
  m().selectQso(0);
  m().Editer->click();
  const std::string before = stationFile(".log");
  m().Fin_A->setText(QStringLiteral("9h20"));
  dialogs.expectMessage("Caution 5 characters for time(format hh/mm)");
  m().Enregistrer->click();
  m().Fin_A->setText(QStringLiteral("09:20"));
  m().Indicatif_A->setText(QStringLiteral("F5AAA/P123456"));
  dialogs.expectMessage("Caution 12 characters maximum for the callsign");
  m().Enregistrer->click();
  EXPECT_EQ(stationFile(".log"), before);
  EXPECT_TRUE(d().EntryEditing);
}

TEST_F(EditDeleteTest, DeclinedDeleteChangesNothing) {
  startWithThree();
  const std::string before =
      stationFile(".log") + stationFile("_Departement_SSB.txt") + stationFile("_Prefixe_SSB.txt");
  const QString score = m().P_QSO->text();
  m().selectQso(1);
  dialogs.expectYesNo("Effacer le QSO avec la station F5BBB ?", false);
  m().Effacer->click();
  EXPECT_EQ(stationFile(".log") + stationFile("_Departement_SSB.txt") + stationFile("_Prefixe_SSB.txt"), before);
  EXPECT_EQ(m().P_QSO->text(), score);
  EXPECT_EQ(m().listLines().size(), 3u);
}

TEST_F(EditDeleteTest, DeleteRewritesTheLogAndRecomputesTalliesAndScore) {
  startWithThree();
  EXPECT_EQ(text(m().P_QSO), "12");  // 3 contacts x (2 departements + F + DL)
  m().selectQso(1);
  dialogs.expectYesNo("Effacer le QSO avec la station F5BBB ?", true);
  m().Effacer->click();
  EXPECT_EQ(logRecords(), (std::vector<std::string>{a, c}));
  EXPECT_FALSE(std::filesystem::exists(programDir / "Temporaire6.txt"));
  ASSERT_EQ(m().listLines().size(), 2u);
  EXPECT_EQ(m().listLines()[1], "    2 " + c);
  EXPECT_EQ(m().selectedQso(), 1);
  EXPECT_EQ(tallyLine("_Departement_SSB.txt", "62"), "62 00000000000000000 Pas-de-Calais");
  EXPECT_EQ(text(m().P_QSO), "6");  // 2 x (1 + F + DL)
  EXPECT_EQ(m().Frame3->title(), QString::fromUtf8(" 1 Dpts contacté(s) sur  3.5 Mhz en SSB"));
  EXPECT_EQ(focused(), m().Indicatif_A);
  EXPECT_TRUE(green(m().Indicatif_A));
}

TEST_F(EditDeleteTest, DeletingTheOnlyContactLeavesAnEmptyLog) {
  start({.log = {a}});
  m().selectQso(0);
  dialogs.expectYesNo(HasSubstr("F5AAA"), true);
  m().Effacer->click();
  EXPECT_EQ(stationFile(".log"), "");
  EXPECT_TRUE(m().listLines().empty());
  EXPECT_EQ(text(m().P_QSO), "0");
  EXPECT_EQ(m().Frame4->title(), QStringLiteral("QSO numero 1"));
}

TEST_F(EditDeleteTest, AnnulerStartsTheEntryAgain) {
  start({.language = "An"});
  (void)store.save("ZIV", "Setup F6ABC", "Activite", "1");
  answer("CW");
  dialogs.expectYesNo(HasSubstr("F  France"), true);
  dialogs.expectMessage(HasSubstr("59"));
  for (const char* typed : {"F5ABC", "59", "CHATEAU", "599", "599", ""}) answer(typed);
  EXPECT_EQ(focused(), m().QTH_A);
  m().Annuler->click();
  for (const QLineEdit* field : {m().Indicatif_A, m().Depart_A, m().Locator_A, m().Date_A, m().Debut_A, m().Fin_A,
                                 m().Prenom_A, m().QTH_A, m().Remarques_A, m().Distance_A, m().Azimut_A})
    EXPECT_EQ(text(field), "") << field->objectName().toStdString();
  EXPECT_EQ(text(m().Mode_A), "SSB");
  EXPECT_EQ(text(m().RSTR_A), "59");
  EXPECT_EQ(text(m().Activite_A), "CHATEAU");  // the stored activity
  EXPECT_EQ(text(m().Label5), "Indicatif");
  EXPECT_FALSE(m().Label26->isVisibleTo(&m()));
  EXPECT_EQ(focused(), m().Indicatif_A);
  EXPECT_TRUE(green(m().Indicatif_A));
  EXPECT_TRUE(yellow(m().Bande_A) && yellow(m().Depart_A) && yellow(m().QTH_A));
  for (const QWidget* field : std::initializer_list<const QWidget*>{m().Depart_A, m().Mode_A, m().Activite_A,
                                                                    m().Date_A, m().RSTR_A, m().QTH_A, m().Remarques_A})
    EXPECT_FALSE(field->isEnabled()) << field->objectName().toStdString();
  EXPECT_FALSE(m().Enregistrer->isEnabled());
  EXPECT_TRUE(m().Editer->isEnabled() && m().Effacer->isEnabled() && m().Annuler->isEnabled());
  EXPECT_EQ(m().Frame4->title(), QStringLiteral("QSO number  1"));
  EXPECT_EQ(logRecords().size(), 0u);
}

TEST_F(EditDeleteTest, AnnulerEndsAnEditWithoutSaving) {
  startWithThree();
  const std::string before = stationFile(".log");
  m().selectQso(0);
  m().Editer->click();
  m().Indicatif_A->setText(QStringLiteral("F5ZZZ"));
  m().Annuler->click();
  EXPECT_FALSE(d().EntryEditing);
  EXPECT_EQ(stationFile(".log"), before);
  EXPECT_EQ(text(m().Indicatif_A), "");
  // The caption stays until the next save.
  EXPECT_EQ(text(m().Enregistrer), "Valider QSO");
}

// Past contact 99,999 the list line's number takes six digits: the contact is
// still the one edited and deleted.
TEST_F(EditDeleteTest, ContactsOfSixDigitNumbersAreEditedAndDeleted) {
  std::vector<std::string> records;
  for (int n = 1; n <= 100'001; ++n) records.push_back(numberedRecord(n));
  start({.log = records});
  for (const std::size_t number : {99'999u, 100'000u, 100'001u}) {
    SCOPED_TRACE(number);
    std::string& record = records[number - 1];
    m().selectQso(static_cast<int>(number) - 1);
    m().Editer->click();
    EXPECT_EQ(text(m().Indicatif_A), recordFieldTrimmed(record, QsoLayout::Callsign));
    EXPECT_EQ(text(m().Debut_A), recordFieldTrimmed(record, QsoLayout::StartTime));
    EXPECT_EQ(m().Frame4->title().toStdString(), "QSO numéro " + std::to_string(number));
    m().RSTR_A->setText(QStringLiteral("57"));
    m().Enregistrer->click();
    QsoFields edited = contactOfRecord(record);
    edited.rstReceived = "57";
    edited.points = "1";                     // the points of 3.5 Mhz
    edited.distance = edited.azimuth = "?";  // an HF contact has nothing to measure
    record = buildQsoRecord(edited).value();
    EXPECT_TRUE(logRecords() == records);
    EXPECT_FALSE(d().EntryEditing);
  }
  // From the last one: the others keep their numbers.
  for (const std::size_t number : {100'001u, 100'000u, 99'999u}) {
    SCOPED_TRACE(number);
    m().selectQso(static_cast<int>(number) - 1);
    dialogs.expectYesNo(
        "Effacer le QSO avec la station " + recordFieldTrimmed(records[number - 1], QsoLayout::Callsign) + " ?", true);
    m().Effacer->click();
    records.erase(records.begin() + static_cast<std::ptrdiff_t>(number) - 1);
    EXPECT_TRUE(logRecords() == records);
    EXPECT_EQ(m().listLines().size(), records.size());
  }
}

// A contact the log no longer holds (changed behind the list) is said, and
// nothing is written.
TEST_F(EditDeleteTest, AContactNoLongerInTheLogIsSaid) {
  for (const auto& [language, deleted, edited] : {std::tuple{"Fr", "QSO introuvable dans le log : rien n'a été effacé",
                                                             "QSO introuvable dans le log : rien n'a été modifié"},
                                                  std::tuple{"An", "QSO not found in the log: nothing was deleted",
                                                             "QSO not found in the log: nothing was changed"}}) {
    startWithThree(language);
    writeLog(EntryStation, {a, c});
    const std::string behind = stationFile(".log");
    m().selectQso(1);
    dialogs.expectYesNo(HasSubstr("F5BBB"), true);
    dialogs.expectMessage(deleted);
    m().Effacer->click();
    EXPECT_EQ(stationFile(".log"), behind);
    EXPECT_EQ(m().listLines().size(), 2u);  // the list is the log's again

    startWithThree(language);
    m().selectQso(1);
    m().Editer->click();
    writeLog(EntryStation, {a, c});
    m().RSTR_A->setText(QStringLiteral("57"));
    dialogs.expectMessage(edited);
    m().Enregistrer->click();
    dialogs.verifyAllConsumed();
    EXPECT_EQ(stationFile(".log"), behind);
    EXPECT_EQ(m().listLines().size(), 2u);
  }
}

}  // namespace
}  // namespace brivant::testing
