// The entry fields of the main window, typed from the keyboard: every check,
// message, conversion, colour and focus move of the chain.

#include <gmock/gmock.h>

#include <QClipboard>
#include <QGroupBox>

#include "entry/ui/DeptGridView.h"
#include "tests/entry/ui/EntryWindow.h"

namespace brivant::testing {
namespace {

using ::testing::HasSubstr;

class EntryChainTest : public EntryWindowTest {
 protected:
  // From the start: the mode is accepted, the callsign awaits.
  void toCallsign(const char* mode = "SSB") { answer(mode); }
  // A French station up to its departement (the prefix F is new: Yes).
  void frenchCallsign(const char* call = "F5ABC") {
    toCallsign();
    dialogs.expectYesNo(HasSubstr(": F  France ?"), true);
    answer(call);
  }
  void frenchUpToActivity(const char* dept = "59") {
    frenchCallsign();
    dialogs.expectMessage(HasSubstr(std::string(dept) + " "));
    answer(dept);
  }
};

TEST_F(EntryChainTest, StartsAtTheModeAndTheReportsFollowIt) {
  start();
  EXPECT_EQ(focused(), m().Mode_A);
  EXPECT_TRUE(green(m().Mode_A));
  answer("CW");
  EXPECT_EQ(text(m().RSTR_A), "599");
  EXPECT_EQ(text(m().RSTE_A), "599");
  EXPECT_EQ(d().EntryMode, "CW");
  EXPECT_EQ(setting("Mode Utilise"), "1");
  EXPECT_TRUE(yellow(m().Mode_A));
  EXPECT_TRUE(green(m().Indicatif_A));
  EXPECT_EQ(focused(), m().Indicatif_A);
  EXPECT_EQ(m().Frame3->title(), QString::fromUtf8(" 0 Dpts contacté(s) sur 3.5 Mhz en CW"));
}

TEST_F(EntryChainTest, ModeOtherThanSsbOrCwIsRefused) {
  start();
  dialogs.expectMessage("Attention le mode doit etre uniquement SSB ou CW ");
  answer("FM");
  EXPECT_EQ(focused(), m().Mode_A);
  answer("SSB");
  EXPECT_EQ(text(m().RSTR_A), "59");
  EXPECT_EQ(text(m().RSTE_A), "59");
}

TEST_F(EntryChainTest, BandTypedOrOffered) {
  start({.language = "An"});
  m().Bande_A->setFocus();
  dialogs.expectMessage("Caution You can only select the bands proposed");
  answer("10 Mhz");
  EXPECT_EQ(focused(), m().Bande_A);
  EXPECT_EQ(m().Frame3->title().toStdString(), " 0 Dpts contacted) on 10 Mhz SSB");
  answer("1.8 Mhz");
  EXPECT_EQ(d().EntryBand, "1.8 Mhz");
  EXPECT_EQ(focused(), m().Mode_A);
  EXPECT_TRUE(yellow(m().Bande_A));
  EXPECT_TRUE(green(m().Mode_A));
  EXPECT_TRUE(m().Indicatif_A->isEnabled());
  m().Bande_A->setFocus();
  answer("21 Mhz");
  EXPECT_EQ(setting("bande Utilisee"), "3");
}

TEST_F(EntryChainTest, CallsignInCapitalsAndItsLimits) {
  start();
  toCallsign();
  dialogs.expectMessage("Attention vous devez entrer un indicatif");
  enter();
  dialogs.expectMessage("Attention 12 caracteres maxi pour l'indicatif");
  answer("f5abc/p12345x");
  EXPECT_EQ(text(m().Indicatif_A), "F5ABC/P12345X");
  EXPECT_EQ(focused(), m().Indicatif_A);
  dialogs.expectYesNo(HasSubstr("F  France"), false);
  answer("f5abc/p12345");  // 12 characters
  EXPECT_EQ(d().EntryCall, "F5ABC/P12345");
  EXPECT_FALSE(d().NewPrefixConfirmed);
  EXPECT_EQ(focused(), m().Depart_A);
  EXPECT_TRUE(green(m().Depart_A));
  EXPECT_TRUE(yellow(m().Indicatif_A));
}

TEST_F(EntryChainTest, CallsignLoggedOnTheSameBandAndModeIsRefused) {
  start({.log = {loggedRecord("06/06/26", "F5ABC", "09:12", "3.5 Mhz", "SSB", "59")}});
  toCallsign();
  dialogs.expectMessage(QString::fromUtf8("F5ABC   deja contactée sur 3.5 Mhz a 09:12 en SSB"));
  answer("F5ABC");
  EXPECT_EQ(text(m().Indicatif_A), "");
  EXPECT_EQ(focused(), m().Indicatif_A);
  EXPECT_EQ(text(m().Label5), "Contacté le 06/06/26");
  // In CW the same station is a new contact.
  m().Mode_A->setFocus();
  answer("CW");
  dialogs.expectYesNo(HasSubstr("F  France"), true);
  answer("F5ABC");
  EXPECT_EQ(text(m().Label5), "Nouvel indicatif");
  EXPECT_TRUE(d().NewPrefixConfirmed);
}

TEST_F(EntryChainTest, UnknownPrefixGoesOnAsAForeignStationWithoutQuestion) {
  start({.language = "An"});
  frenchCallsign();  // leaves a French prefix in the entry state
  m().Indicatif_A->setFocus();
  dialogs.expectMessage("Prefixe Unknown");
  answer("QQ1XYZ");
  EXPECT_EQ(d().EntryPrefix, "");
  EXPECT_EQ(d().EntryMainPrefix, "");
  EXPECT_FALSE(d().NewPrefixConfirmed);
  EXPECT_EQ(d().DeptBandFlag, "");
  EXPECT_EQ(focused(), m().Activite_A);
  // No castle for it.
  dialogs.expectMessage("Selectionnez 'QSO' pour un Chateau etranger");
  answer("CHATEAU");
  EXPECT_EQ(focused(), m().Activite_A);
}

TEST_F(EntryChainTest, ForeignStationSkipsTheDepartement) {
  start();
  toCallsign();
  dialogs.expectYesNo(" Valider le nouveau prefixe DXCC : DL  Fed. Rep. of Germany ?", true);
  answer("dl1abc");
  EXPECT_EQ(d().EntryPrefix, "DL");
  EXPECT_EQ(focused(), m().Activite_A);
  EXPECT_TRUE(green(m().Activite_A));
  EXPECT_FALSE(m().Depart_A->isEnabled());
}

TEST_F(EntryChainTest, CallsignOfAnotherPrefixLineTakesTheFlagOfItsEntity) {
  start();
  toCallsign();
  // TM's line names France as its entity: the question is about F.
  dialogs.expectYesNo(HasSubstr(": F  France ?"), true);
  answer("TM5C");
  EXPECT_EQ(d().EntryPrefix, "F");
  EXPECT_EQ(d().EntryMainPrefix, "F");
  EXPECT_EQ(focused(), m().Depart_A);
}

TEST_F(EntryChainTest, KnownStationIsFilledFromTheListsAndTheDirectory) {
  writeBytes(programDir / "Liste_Prenom.txt", crlf({"F5ABC        59 jean", "F5ABC        62 PAUL"}));
  writeBytes(programDir / "Nomenclature.txt", crlf({"F5ABC      59 JO10AA"}));
  start();
  frenchCallsign();
  EXPECT_EQ(text(m().Depart_A), "62");  // the last line of the callsign wins
  EXPECT_EQ(text(m().Prenom_A), "PAUL");
  EXPECT_EQ(text(m().Locator_A), "JO10AA");
  EXPECT_EQ(d().DirectoryDept, "59");
  EXPECT_EQ(d().DirectoryLocator, "JO10AA");
  EXPECT_FALSE(d().FirstNameMissing);
}

TEST_F(EntryChainTest, MissingFirstNameListIsReportedAndTheEntryGoesOn) {
  start();
  std::filesystem::remove(programDir / "Liste_Prenom.txt");
  toCallsign();
  dialogs.expectMessage("Attention il vous faut le fichier 'Liste_Prenom.txt'");
  dialogs.expectYesNo(HasSubstr("F  France"), true);
  answer("F5ABC");
  EXPECT_EQ(focused(), m().Depart_A);
}

TEST_F(EntryChainTest, DepartementChecksAndANewOneIsAnnouncedInTheGrid) {
  start();
  frenchCallsign();
  dialogs.expectMessage("Attention le n° de departement est obligatoire pour la France");
  enter();
  dialogs.expectMessage("Attention 2 caracteres pour le departement");
  answer("590");
  EXPECT_EQ(focused(), m().Depart_A);
  dialogs.expectMessage("Nouveau département le 59 Nord");
  answer("59");
  EXPECT_EQ(d().EntryDept, "59");
  EXPECT_EQ(d().DeptBandFlag, "0");
  EXPECT_EQ(Dpt().boxColour(59), QColor(255, 192, 192));
  EXPECT_EQ(focused(), m().Activite_A);
  EXPECT_TRUE(yellow(m().Depart_A));
  EXPECT_TRUE(m().Mode_A->isEnabled());
}

TEST_F(EntryChainTest, CorsicaTypedInCapitals) {
  start({.language = "An"});
  toCallsign();
  dialogs.expectYesNo(HasSubstr("F  France"), true);
  answer("F5KTE");
  dialogs.expectMessage("New department 2a Corse-du-Sud");
  answer("2A");
  EXPECT_EQ(text(m().Depart_A), "2a");
  EXPECT_EQ(d().EntryDept, "96");
  EXPECT_EQ(d().DeptBandFlag, "0");
  EXPECT_EQ(Dpt().boxColour(96), QColor(255, 192, 192));
}

TEST_F(EntryChainTest, DepartementNotInTheFileIsAcceptedSilently) {
  start();
  frenchCallsign();
  answer("00");
  EXPECT_EQ(d().DeptBandFlag, "");
  EXPECT_EQ(focused(), m().Activite_A);
}

TEST_F(EntryChainTest, AutomaticDateStampsTheClockAndGoesToTheReport) {
  start({.utc = false});
  frenchUpToActivity();
  answer("QSO");
  EXPECT_EQ(text(m().Date_A), "06/06/26");
  EXPECT_EQ(text(m().Debut_A), "12:15");  // local time, two hours east
  EXPECT_EQ(d().EntryDate, "06/06/26");
  EXPECT_EQ(d().EntryStart, "12:15");
  EXPECT_EQ(focused(), m().RSTR_A);
  EXPECT_EQ(m().RSTR_A->cursorPosition(), 2);
  EXPECT_TRUE(green(m().RSTR_A));
  EXPECT_TRUE(yellow(m().Activite_A));
  EXPECT_EQ(text(m().Label38), "QTH (optionel)");
  EXPECT_EQ(setting("Activite"), "0");
}

TEST_F(EntryChainTest, CastleShowsDfcfAndPrefillsTheName) {
  start();
  frenchUpToActivity();
  answer("CHATEAU");
  EXPECT_TRUE(m().Label26->isVisibleTo(&m()));
  EXPECT_EQ(text(m().Remarques_A), "C. ");
  EXPECT_EQ(text(m().Label38), "Nom du Chateau (optionel)");
  EXPECT_EQ(setting("Activite"), "1");
  dialogs.expectMessage(QString::fromUtf8("Attention l'activité doit etre uniquement CHATEAUX ou QSO "));
  m().Activite_A->setFocus();
  answer("CHATEAUX");
}

TEST_F(EntryChainTest, ManualDateAndTimesWithTheirMessages) {
  start({.language = "An", .automaticDate = false});
  frenchUpToActivity();
  answer("QSO");
  EXPECT_EQ(focused(), m().Date_A);
  EXPECT_TRUE(green(m().Date_A));
  const std::pair<const char*, const char*> dates[] = {
      {"", "Caution you must enter a date"},
      {"6/06/26", "Caution 8 characters for the date(format jj/mm/aa)"},
      {"06-06-26", "Caution the date format should be dd/mm/yy"}};
  for (const auto& [typed, message] : dates) {
    dialogs.expectMessage(message);
    answer(typed);
    EXPECT_EQ(focused(), m().Date_A);
  }
  answer("05/06/26");
  EXPECT_EQ(d().EntryDate, "05/06/26");
  const std::pair<const char*, const char*> starts[] = {{"", "Caution you must enter the start time of QSO"},
                                                        {"9:05", "Caution 5 characters for time(format hh/mm)"},
                                                        {"09h05", "Caution the time format should be hh/mm"}};
  for (const auto& [typed, message] : starts) {
    dialogs.expectMessage(message);
    answer(typed);
    EXPECT_EQ(focused(), m().Debut_A);
  }
  answer("10:15");
  EXPECT_EQ(text(m().Fin_A), "10:15");
  EXPECT_EQ(focused(), m().Fin_A);
  EXPECT_EQ(m().Fin_A->cursorPosition(), 5);
  dialogs.expectMessage("Caution you must enter the end time of QSO");
  answer("");
  dialogs.expectMessage("Caution 5 characters for time(format hh/mm)");
  answer("10:1");
  answer("10:17");
  EXPECT_EQ(d().EntryEnd, "10:17");
  EXPECT_EQ(focused(), m().RSTR_A);
  EXPECT_EQ(m().RSTR_A->cursorPosition(), 2);
}

TEST_F(EntryChainTest, ReportsAndFirstName) {
  start();
  frenchUpToActivity();
  answer("QSO");
  dialogs.expectMessage("Attention le report recu est obligatoire");
  answer("");
  dialogs.expectMessage(QString::fromUtf8("Attention 8 caracteres maxi pour le report reçu"));
  answer("123456789");
  answer("57");
  EXPECT_EQ(d().EntryRstReceived, "57");
  EXPECT_EQ(focused(), m().RSTE_A);
  EXPECT_EQ(m().RSTE_A->cursorPosition(), 2);
  dialogs.expectMessage(QString::fromUtf8("Attention le report envoyé est obligatoire"));
  answer("");
  dialogs.expectMessage(QString::fromUtf8("Attention 8 caracteres maxi pour le report envoyé"));
  answer("123456789");
  answer("59");
  EXPECT_EQ(focused(), m().Prenom_A);
  dialogs.expectMessage(QString::fromUtf8("Attention 15 caracteres maxi pour le prénom"));
  answer("jean-christophex");
  answer("jean");
  EXPECT_EQ(text(m().Prenom_A), "JEAN");
  EXPECT_EQ(focused(), m().Remarques_A);  // no castle: the QTH
}

TEST_F(EntryChainTest, CastleReferenceChecks) {
  start();
  frenchUpToActivity("59");
  answer("CHATEAU");
  answer("59");
  answer("59");
  answer("");
  EXPECT_EQ(focused(), m().QTH_A);
  dialogs.expectMessage("Attention la reference du Chateau est obligatoire");
  enter();
  dialogs.expectMessage(HasSubstr("5 caracteres pour un chateau Francais ex: 59045\r\nPour un chateau"));
  answer("5904");
  dialogs.expectMessage("Attention le n° du chateau ne correspond pas au departement 59");
  answer("62045");
  EXPECT_EQ(focused(), m().QTH_A);
  answer("59045");
  EXPECT_EQ(d().EntryReference, "59045");
  EXPECT_EQ(focused(), m().Remarques_A);
  EXPECT_TRUE(m().Annuler->isEnabled());
  dialogs.expectMessage("Attention 30 caracteres maxi pour le nom du Chateau");
  answer("c. du haut koenigsbourg et alsa");
  EXPECT_EQ(focused(), m().Remarques_A);
  answer("c. de lille");
  EXPECT_EQ(text(m().Remarques_A), "C. DE LILLE");
  EXPECT_EQ(d().QsoPoints, "1");  // 3.5 Mhz
  EXPECT_EQ(focused(), m().Enregistrer);
  EXPECT_TRUE(m().Enregistrer->isEnabled());
}

TEST_F(EntryChainTest, CastleReferenceAlreadyLoggedWhateverTheCallsign) {
  start({.log = {loggedRecord("06/06/26", "F6XYZ", "09:40", "3.5 Mhz", "SSB", "59", "59045", true)}});
  // Prefix and departement are already contacted: nothing is announced.
  toCallsign();
  answer("F5ABC");
  answer("59");
  answer("CHATEAU");
  answer("59");
  answer("59");
  answer("");
  dialogs.expectMessage(QString::fromUtf8("DFCF 59045 deja contactée sur 3.5 Mhz a 09:40 en SSB"));
  answer("59045");
  EXPECT_EQ(text(m().QTH_A), "");
  EXPECT_EQ(text(m().Label5), "Contacté le 06/06/26");
  EXPECT_EQ(focused(), m().QTH_A);
}

TEST_F(EntryChainTest, EscapeAndTheMouse) {
  start();
  toCallsign();
  type("F5A");
  key(Qt::Key_Escape);
  EXPECT_EQ(focused(), m().Bande_A);
  EXPECT_TRUE(green(m().Bande_A));
  EXPECT_TRUE(yellow(m().Indicatif_A));
  EXPECT_EQ(text(m().Indicatif_A), "F5A");
  QTest::mouseDClick(m().Indicatif_A, Qt::LeftButton);
  EXPECT_EQ(text(m().Indicatif_A), "");
  m().Depart_A->setEnabled(true);
  m().Depart_A->setText(QStringLiteral("59"));
  QTest::mouseDClick(m().Depart_A, Qt::LeftButton);
  EXPECT_EQ(text(m().Depart_A), "");
  QTest::mousePress(m().Bande_A, Qt::LeftButton);
  EXPECT_FALSE(m().Indicatif_A->isEnabled());
  EXPECT_TRUE(yellow(m().Indicatif_A));
  EXPECT_TRUE(green(m().Bande_A));
}

TEST_F(EntryChainTest, CharactersWindows1252CannotHoldAreRefused) {
  start({.language = "An"});
  toCallsign();
  type("F5");
  dialogs.expectMessage(QString::fromUtf8("This character cannot be saved: ✓"));
  type("✓");
  EXPECT_EQ(text(m().Indicatif_A), "F5");
  // Pasted text too: the field keeps what it had.
  QApplication::clipboard()->setText(QString::fromUtf8("AB\U0001F4FB"));
  dialogs.expectMessage(QString::fromUtf8("This character cannot be saved: \U0001F4FB"));
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text(m().Indicatif_A), "F5");
  // Pasted lower case becomes capitals, accents that 1252 holds are welcome.
  QApplication::clipboard()->setText(QStringLiteral("abc"));
  key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(text(m().Indicatif_A), "F5ABC");
  m().Remarques_A->setEnabled(true);
  m().Remarques_A->setFocus();
  type("château");
  EXPECT_EQ(m().Remarques_A->text(), QString::fromUtf8("CHâTEAU"));
}

TEST_F(EntryChainTest, EditingBlocksEnterInTheEntryFields) {
  start({.log = {loggedRecord("06/06/26", "F5ABC", "09:12", "3.5 Mhz", "SSB", "59"),
                 loggedRecord("06/06/26", "G4XYZ", "09:30", "3.5 Mhz", "SSB")}});
  m().selectQso(0);
  m().Editer->click();
  ASSERT_TRUE(d().EntryEditing);
  const std::string bandBefore = d().EntryBand;
  for (QWidget* field :
       std::initializer_list<QWidget*>{m().Bande_A, m().Indicatif_A, m().Date_A, m().Debut_A, m().Fin_A, m().RSTR_A,
                                       m().RSTE_A, m().Prenom_A, m().QTH_A, m().Remarques_A}) {
    field->setFocus();
    enter();
    EXPECT_EQ(focused(), field) << field->objectName().toStdString();
  }
  EXPECT_EQ(d().EntryBand, bandBefore);
  // The mode only recomposes the grid's caption; the activity checks but
  // neither stamps the clock nor blanks the castle name.
  m().Activite_A->setFocus();
  answer("QSO");
  EXPECT_EQ(text(m().Date_A), "06/06/26");
  EXPECT_EQ(text(m().Debut_A), "09:12");
  EXPECT_EQ(focused(), m().Activite_A);
  // The departement still checks (here the last entry left no French prefix).
  m().Depart_A->setFocus();
  enter();
  EXPECT_EQ(focused(), m().Depart_A);
}

}  // namespace
}  // namespace brivant::testing
