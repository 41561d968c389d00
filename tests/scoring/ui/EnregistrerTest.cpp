// "QSO Suivant": a typed contact becomes a log line, with every file it
// updates, the list, the grid, the score and the reset for the next contact.

#include <gmock/gmock.h>

#include <QGroupBox>
#include <QListView>

#include "entry/ui/DeptGridView.h"
#include "tests/entry/ui/EntryTyping.h"

namespace brivant::testing {
namespace {

using ::testing::HasSubstr;

class EnregistrerTest : public EntryTypingTest {
 protected:
  std::string expectedRecord(const QsoFields& f) { return buildQsoRecord(f).value(); }
  // Every file a save may touch, to show that a refused save touched none.
  std::string allFiles() const {
    std::string all;
    for (const char* suffix : StationFiles) all += stationFile(suffix) + "|";
    return all + fileBytes("Liste_Prenom.txt") + "|" + fileBytes("Nomenclature.txt");
  }
};

TEST_F(EnregistrerTest, AutomaticDateAppendsTheContactAndUpdatesEveryFile) {
  start();
  answer("SSB");
  dialogs.expectYesNo(HasSubstr("DXCC : F  France ?"), true);
  dialogs.expectMessage("Nouveau département le 59 Nord");
  typeContact({.callsign = "f5abc", .departement = "59", .firstName = "jean", .castleName = "lille", .save = false});
  EXPECT_EQ(focused(), m().Enregistrer);
  clock.set({2026, 6, 6, 10, 17, 40});  // the end time is the moment of saving
  dialogs.expectYesNo(QString::fromUtf8("Remplacer F5ABC Département XX Locator XXXXXX\r\n\r\n"
                                        "      par F5ABC département 59 Locator  ?"),
                      true);
  enter();

  QsoFields f;
  f.date = "06/06/26";
  f.callsign = "F5ABC";
  f.start = "10:15";
  f.end = "10:17";
  f.departement = "59";
  f.band = "3.5 Mhz";
  f.mode = "SSB";
  f.rstSent = f.rstReceived = "59";
  f.firstName = "JEAN";
  f.points = "1";
  f.activity = "0";
  f.castleName = "LILLE";
  const std::string record = expectedRecord(f);
  EXPECT_EQ(stationFile(".log"), crlf({record}));
  EXPECT_EQ(d().CurrentRecord, record);
  ASSERT_EQ(m().listLines().size(), 1u);
  EXPECT_EQ(m().listLines()[0], "    1 " + record);
  EXPECT_EQ(m().selectedQso(), 0);
  EXPECT_EQ(s().QsoCount, 1);
  EXPECT_EQ(m().Frame4->title(), QString::fromUtf8("QSO numéro 2"));

  EXPECT_EQ(tallyLine("_Departement_SSB.txt", "59"), "59 01000000000000000 Nord");
  EXPECT_EQ(tallyLine("_Prefixe_SSB.txt", "F "), "F      01000000000000000  F      France");
  EXPECT_EQ(fileBytes("Liste_Prenom.txt"), crlf({"F5ABC        59 JEAN"}));
  EXPECT_EQ(fileBytes("Nomenclature.txt"), crlf({"F5ABC      59 "}));
  EXPECT_FALSE(std::filesystem::exists(programDir / "Temporaire.txt"));

  // Ready for the next contact.
  EXPECT_EQ(focused(), m().Indicatif_A);
  EXPECT_TRUE(green(m().Indicatif_A));
  EXPECT_TRUE(yellow(m().Bande_A) && yellow(m().Mode_A) && yellow(m().Depart_A));
  for (const QLineEdit* emptied : {m().Indicatif_A, m().Depart_A, m().Locator_A, m().Date_A, m().Debut_A, m().Fin_A,
                                   m().Prenom_A, m().QTH_A, m().Remarques_A})
    EXPECT_EQ(text(emptied), "") << emptied->objectName().toStdString();
  EXPECT_EQ(text(m().RSTR_A), "59");
  EXPECT_FALSE(m().Activite_A->isEnabled());
  EXPECT_FALSE(m().Enregistrer->isEnabled());
  EXPECT_EQ(text(m().Label5), "Indicatif");
  EXPECT_EQ(text(m().NB_Debug), "13");
  EXPECT_EQ(m().Frame3->title(), QString::fromUtf8("1 Dpts contacté(s) sur 3.5 Mhz en SSB"));
  EXPECT_EQ(text(m().P_QSO), "2");  // 1 point x (1 departement + 1 prefix)

  // The next contact from the same station is a duplicate.
  dialogs.expectMessage(HasSubstr("F5ABC   deja contactée sur 3.5 Mhz a 10:15 en SSB"));
  answer("F5ABC");
}

TEST_F(EnregistrerTest, ManualDateInsertsAtItsPlaceAndKeepsDateAndCastleName) {
  start({.automaticDate = false,
         .log = {loggedRecord("06/06/26", "G4AAA", "09:00", "3.5 Mhz", "CW"),
                 loggedRecord("06/06/26", "G4BBB", "11:00", "3.5 Mhz", "CW")}});
  answer("CW");
  dialogs.expectYesNo(HasSubstr("DL  Fed. Rep. of Germany"), false);
  typeContact({.callsign = "DL1ABC", .date = "06/06/26", .start = "10:00", .castleName = "berlin", .save = false});
  enter();  // nothing to ask: the directory knows nothing and nothing was typed
  const std::vector<std::string> records = logRecords();
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(recordFieldTrimmed(records[1], QsoLayout::Callsign), "DL1ABC");
  EXPECT_EQ(recordFieldTrimmed(records[1], QsoLayout::EndTime), "10:00");
  EXPECT_EQ(recordFieldTrimmed(records[1], QsoLayout::RstSent), "599");
  EXPECT_EQ(m().listLines()[1].substr(0, 6), "    2 ");
  EXPECT_EQ(m().listLines()[2].substr(0, 12), "    3 06/06/");
  EXPECT_EQ(recordFieldTrimmed(recordOfListLine(m().listLines()[2]), QsoLayout::Callsign), "G4BBB");
  EXPECT_EQ(m().selectedQso(), 2);
  EXPECT_EQ(text(m().NB_Debug), "13");
  // The prefix was declined: nothing flagged.
  EXPECT_EQ(tallyLine("_Prefixe_CW.txt", "DL "), "DL     00000000000000000  DL     Fed. Rep. of Germany");
  // With typed dates the date and the castle name stay; CW keeps 599.
  EXPECT_EQ(text(m().Date_A), "06/06/26");
  EXPECT_EQ(text(m().Remarques_A), "BERLIN");
  EXPECT_EQ(text(m().Mode_A), "CW");
  EXPECT_EQ(text(m().RSTR_A), "599");
  EXPECT_EQ(text(m().RSTE_A), "599");
}

TEST_F(EnregistrerTest, AMalformedDateOrStartTimeChangesNoFile) {
  start({.language = "An", .automaticDate = false});
  answer("SSB");
  dialogs.expectYesNo(HasSubstr("F  France"), true);
  dialogs.expectMessage(HasSubstr("New department 59"));
  typeContact({.callsign = "F5ABC", .departement = "59", .date = "06/06/26", .start = "10:00", .save = false});
  const std::string before = allFiles();
  m().Date_A->setText(QStringLiteral("6/6/2026"));
  dialogs.expectMessage("Caution the date format should be dd/mm/yy");
  m().Enregistrer->click();
  m().Date_A->setText(QStringLiteral("06/06/26"));
  m().Debut_A->setText(QStringLiteral("10h00"));
  dialogs.expectMessage("Caution the time format should be hh/mm");
  m().Enregistrer->click();
  EXPECT_EQ(allFiles(), before);
  EXPECT_TRUE(m().Enregistrer->isEnabled());
  // A field lengthened after it was accepted is refused too.
  m().Debut_A->setText(QStringLiteral("10:00"));
  m().Prenom_A->setText(QStringLiteral("JEAN-CHRISTOPHEX"));
  dialogs.expectMessage("Caution 15 characters maximum for the name");
  m().Enregistrer->click();
  // A callsign emptied by a double click after it was accepted.
  m().Prenom_A->setText(QStringLiteral("JEAN"));
  QTest::mouseDClick(m().Indicatif_A, Qt::LeftButton);
  dialogs.expectMessage("Please you must enter a callsign");
  m().Enregistrer->click();
  EXPECT_EQ(allFiles(), before);
}

TEST_F(EnregistrerTest, CorsicaIsFlaggedLiveAndShownAs2aInTheQuestion) {
  writeBytes(programDir / "Nomenclature.txt", crlf({"F5KTE      97 JN41AA"}));
  start();
  answer("SSB");
  dialogs.expectYesNo(HasSubstr("F  France"), true);
  dialogs.expectMessage(QString::fromUtf8("Nouveau département le 2a Corse-du-Sud"));
  typeContact({.callsign = "F5KTE", .departement = "2A", .save = false});
  EXPECT_EQ(text(m().Locator_A), "JN41AA");
  dialogs.expectYesNo(QString::fromUtf8("Remplacer F5KTE Département 2b Locator JN41AA\r\n\r\n"
                                        "      par F5KTE département 2a Locator JN41AA ?"),
                      true);
  enter();
  EXPECT_EQ(recordField(logRecords().at(0), QsoLayout::Departement), "2a ");
  EXPECT_EQ(recordFieldTrimmed(logRecords().at(0), QsoLayout::Locator), "");  // HF
  EXPECT_EQ(tallyLine("_Departement_SSB.txt", "2A"), "2A 01000000000000000 Corse-du-Sud");
  EXPECT_EQ(fileBytes("Nomenclature.txt"), crlf({"F5KTE      96 JN41AA"}));
  EXPECT_EQ(fileBytes("Liste_Prenom.txt"), crlf({"F5KTE        2a "}));
  EXPECT_EQ(Dpt().boxColour(96), QColor(255, 192, 192));
  // The directory now agrees: the next Corsican contact asks nothing.
  m().Mode_A->setFocus();
  answer("CW");
  dialogs.expectYesNo(HasSubstr("F  France"), false);
  dialogs.expectMessage(HasSubstr("2a Corse-du-Sud"));
  typeContact({.callsign = "F5KTE", .departement = "2a"});
  EXPECT_EQ(logRecords().size(), 2u);
  EXPECT_EQ(tallyLine("_Departement_CW.txt", "2A"), "2A 01000000000000000 Corse-du-Sud");
}

TEST_F(EnregistrerTest, CastleOfAFrenchStationGetsDfcfAndTheBonus) {
  start();
  answer("SSB");
  dialogs.expectYesNo(HasSubstr("F  France"), true);
  dialogs.expectMessage(HasSubstr("59 Nord"));
  dialogs.expectYesNo(HasSubstr("Remplacer"), false);
  typeContact({.callsign = "TM5C",
               .departement = "59",
               .activity = "CHATEAU",
               .reference = "59045",
               .castleName = "C. DE LILLE"});
  const std::string record = logRecords().at(0);
  EXPECT_EQ(recordFieldTrimmed(record, QsoLayout::Qth), "DFCF 59045");
  EXPECT_EQ(recordFieldTrimmed(record, QsoLayout::Activity), "1");
  EXPECT_EQ(recordFieldTrimmed(record, QsoLayout::CastleName), "C. DE LILLE");
  EXPECT_FALSE(m().Label26->isVisibleTo(&m()));
  EXPECT_EQ(fileBytes("Nomenclature.txt"), "");  // declined
  EXPECT_EQ(text(m().P_QSO), "12");              // 1 x (10 + 1 + 1)
}

// A castle reference changed after it was accepted is checked again as its
// own Enter checks it, before any file is written.
TEST_F(EnregistrerTest, ACastleReferenceChangedAfterItWasAcceptedIsRefusedAndNothingIsWritten) {
  start();
  answer("SSB");
  dialogs.expectYesNo(HasSubstr("F  France"), true);
  dialogs.expectMessage(HasSubstr("59 Nord"));
  typeContact({.callsign = "F6CST",
               .departement = "59",
               .activity = "CHATEAU",
               .firstName = "paul",
               .reference = "59045",
               .castleName = "C. DE LILLE",
               .save = false});
  const std::string before = allFiles();
  const QString frenchCastleLength = QStringLiteral(
      "            5 caracteres pour un chateau Francais ex: 59045\r\n"
      "Pour un chateau etranger la reference complete ex: DCI UD116");
  for (const char* typed : {"DFCF 59045", "DFCF 59045123456", "5904", "62001"}) {
    m().QTH_A->setText(QString::fromLatin1(typed));
    if (std::string(typed) == "62001")
      dialogs.expectMessage("Attention le n° du chateau ne correspond pas au departement 59");
    else
      dialogs.expectMessage(frenchCastleLength);
    m().Enregistrer->click();
    EXPECT_EQ(allFiles(), before) << typed;
    EXPECT_EQ(focused(), m().QTH_A) << typed;
  }
  m().QTH_A->clear();
  dialogs.expectMessage("Attention la reference du Chateau est obligatoire");
  m().Enregistrer->click();
  EXPECT_EQ(allFiles(), before);

  m().QTH_A->setText(QStringLiteral("59045"));
  dialogs.expectYesNo(HasSubstr("Remplacer F6CST"), false);
  m().Enregistrer->click();
  dialogs.verifyAllConsumed();
  EXPECT_EQ(recordFieldTrimmed(logRecords().at(0), QsoLayout::Qth), "DFCF 59045");
}

TEST_F(EnregistrerTest, UnknownPrefixIsLoggedWithoutFlaggingAnything) {
  start({.language = "An"});
  answer("SSB");
  const std::string prefixes = stationFile("_Prefixe_SSB.txt");
  dialogs.expectMessage("Prefixe Unknown");
  typeContact({.callsign = "QQ1XYZ"});
  ASSERT_EQ(logRecords().size(), 1u);
  EXPECT_EQ(recordFieldTrimmed(logRecords()[0], QsoLayout::Callsign), "QQ1XYZ");
  EXPECT_EQ(stationFile("_Prefixe_SSB.txt"), prefixes);
  EXPECT_EQ(text(m().P_QSO), "0");
}

}  // namespace
}  // namespace brivant::testing
