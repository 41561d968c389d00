// A JNC morning logged from the keyboard alone: SSB and CW on three bands,
// French stations with their departements (Corsica typed "2A"), foreign
// stations, castles from "F" and "TM", a foreign castle refused, duplicates
// refused at the callsign and at the reference, a cancelled entry, a contact
// typed with its date and inserted before the last one, an edit and a delete.
// The log, the four tallies and the two reference lists are compared with
// golden files, the score with the one worked out by hand.

#include <gmock/gmock.h>

#include <QAction>
#include <QListView>

#include "tests/entry/ui/EntryTyping.h"

namespace brivant::testing {
namespace {

using ::testing::HasSubstr;

class EndToEndTest : public EntryTypingTest {
 protected:
  // The clock reads the start time when the activity is accepted, and one
  // minute more when "QSO Suivant" is pressed.
  void logAt(int hour, int minute, TypedContact contact) {
    clock.set({2026, 6, 6, hour, minute, 5});
    contact.save = false;
    typeContact(contact);
    clock.set({2026, 6, 6, hour, minute + 1, 5});
    EXPECT_EQ(focused(), m().Enregistrer);
    enter();
    EXPECT_EQ(focused(), m().Indicatif_A);
  }
  void newPrefix(const char* prefixAndName) {
    dialogs.expectYesNo(HasSubstr(std::string(": ") + prefixAndName + " ?"), true);
  }
  void newDepartement(const char* codeAndName) {
    dialogs.expectMessage(QString::fromUtf8("Nouveau département le ") + QString::fromUtf8(codeAndName));
  }
  void directoryQuestion(bool yes) { dialogs.expectYesNo(HasSubstr("Remplacer "), yes); }
  // From the callsign back to the band, then a band and a mode.
  void switchTo(const char* band, const char* mode) {
    key(Qt::Key_Escape);
    EXPECT_EQ(focused(), m().Bande_A);
    answer(band);
    answer(mode);
  }
  // Tab to a control, as the operator does.
  void tabTo(QWidget* control) { control->setFocus(); }
};

TEST_F(EndToEndTest, AMorningOfContacts) {
  start();
  answer("SSB");  // 3.5 Mhz SSB, the start-up band

  newPrefix("F  France");
  newDepartement("59 Nord");
  directoryQuestion(true);
  logAt(8, 0, {.callsign = "f5aaa", .departement = "59", .firstName = "jean", .castleName = "lille"});

  newPrefix("DL  Fed. Rep. of Germany");
  logAt(8, 3, {.callsign = "dl1abc", .firstName = "hans", .castleName = "berlin"});

  newDepartement("2a Corse-du-Sud");
  directoryQuestion(true);
  logAt(8, 6, {.callsign = "f5kte", .departement = "2A", .firstName = "ange"});

  // A castle activated by a TM station: France for the prefix, DFCF reference.
  newDepartement("62 Pas-de-Calais");
  directoryQuestion(false);
  logAt(8, 9,
        {.callsign = "tm5c",
         .departement = "62",
         .activity = "CHATEAU",
         .rstReceived = "57",
         .reference = "62001",
         .castleName = "c. de boulogne"});

  directoryQuestion(true);
  logAt(8, 12,
        {.callsign = "f6cst",
         .departement = "59",
         .activity = "CHATEAU",
         .firstName = "paul",
         .reference = "59045",
         .castleName = "c. de lille"});

  // The first station again on the same band and mode: refused, the field emptied.
  clock.set({2026, 6, 6, 8, 15, 5});
  dialogs.expectMessage(QString::fromUtf8("F5AAA   deja contactée sur 3.5 Mhz a 08:00 en SSB"));
  answer("F5AAA");
  EXPECT_EQ(text(m().Indicatif_A), "");
  newPrefix("G  England");
  logAt(8, 15, {.callsign = "g4xyz"});

  // Another station from the castle already logged: refused at the reference.
  clock.set({2026, 6, 6, 8, 18, 5});
  for (const char* typed : {"f5bbb", "59", "CHATEAU", "59", "59", "luc"}) answer(typed);
  dialogs.expectMessage(QString::fromUtf8("DFCF 59045 deja contactée sur 3.5 Mhz a 08:12 en SSB"));
  answer("59045");
  EXPECT_EQ(focused(), m().QTH_A);
  answer("59046");
  answer("c. de douai");
  clock.set({2026, 6, 6, 8, 19, 5});
  directoryQuestion(true);
  enter();

  // A Belgian castle cannot be logged as CHATEAU: it goes as a QSO.
  clock.set({2026, 6, 6, 8, 21, 5});
  newPrefix("ON  Belgium");
  answer("on4abc");
  dialogs.expectMessage("Selectionnez 'QSO' pour un Chateau etranger");
  answer("CHATEAU");
  EXPECT_EQ(focused(), m().Activite_A);
  for (const char* typed : {"QSO", "59", "59", "", "dci ud116 bruxelles"}) answer(typed);
  clock.set({2026, 6, 6, 8, 22, 5});
  enter();

  // 14 Mhz SSB: the same stations are new contacts; their first names come back.
  switchTo("14 Mhz", "SSB");
  newPrefix("F  France");
  newDepartement("59 Nord");
  logAt(8, 24, {.callsign = "f5aaa", .departement = "59", .firstName = "jean", .castleName = "lille"});
  newPrefix("DL  Fed. Rep. of Germany");
  logAt(8, 27, {.callsign = "dl1abc", .firstName = "hans"});

  // 14 Mhz CW: 599 by default.
  switchTo("14 Mhz", "CW");
  EXPECT_EQ(text(m().RSTR_A), "599");
  newPrefix("F  France");
  newDepartement("2a Corse-du-Sud");
  logAt(8, 30, {.callsign = "f5kte", .departement = "2a", .firstName = "ange"});
  newPrefix("I  Italy");
  logAt(8, 33, {.callsign = "i1abc", .firstName = "mario"});
  newDepartement("29 Finistère");
  directoryQuestion(true);
  logAt(8, 36, {.callsign = "f8zzz", .departement = "29", .rstSent = "579"});

  // 7.0 Mhz CW: the TM castle again, on another band.
  switchTo("7.0 Mhz", "CW");
  newPrefix("F  France");
  newDepartement("62 Pas-de-Calais");
  directoryQuestion(false);
  logAt(8, 39,
        {.callsign = "tm5c",
         .departement = "62",
         .activity = "CHATEAU",
         .reference = "62001",
         .castleName = "c. de boulogne"});
  newPrefix("EA  Spain");
  logAt(8, 42, {.callsign = "ea3xyz"});

  // An entry abandoned half-way; the cancel puts SSB back.
  clock.set({2026, 6, 6, 8, 45, 5});
  answer("f5can");
  newDepartement("75 Paris");
  answer("75");
  tabTo(m().Annuler);
  enter();
  EXPECT_EQ(focused(), m().Indicatif_A);
  EXPECT_EQ(text(m().Mode_A), "SSB");
  newPrefix("F  France");
  newDepartement("75 Paris");
  directoryQuestion(true);
  logAt(8, 45, {.callsign = "f5can", .departement = "75", .firstName = "rene"});

  // A contact noted on paper, typed with its date: it goes before the last one.
  m().Mnu_Auto_Non->trigger();
  newPrefix("SP  Poland");
  typeContact({.callsign = "sp5xyz", .date = "06/06/26", .start = "08:43", .end = "08:44", .save = false});
  enter();
  ASSERT_EQ(m().listLines().size(), 17u);
  EXPECT_EQ(recordFieldTrimmed(recordOfListLine(m().listLines()[15]), QsoLayout::Callsign), "SP5XYZ");
  EXPECT_EQ(m().listLines()[16].substr(0, 6), "   17 ");
  EXPECT_EQ(text(m().Date_A), "06/06/26");
  m().Mnu_Auto_Oui->trigger();

  newPrefix("K  United States of America");
  logAt(8, 51, {.callsign = "k1abc", .firstName = "bob"});

  // The second contact's first name was wrong: edited from the list.
  tabTo(m().Liste_QSO);
  key(Qt::Key_Home);
  key(Qt::Key_Down);
  EXPECT_EQ(m().selectedQso(), 1);
  tabTo(m().Editer);
  enter();
  ASSERT_TRUE(d().EntryEditing);
  EXPECT_EQ(text(m().Indicatif_A), "DL1ABC");
  tabTo(m().Prenom_A);
  retype("hansi");
  tabTo(m().Enregistrer);
  enter();
  EXPECT_FALSE(d().EntryEditing);

  // The Italian contact is deleted.
  tabTo(m().Liste_QSO);
  key(Qt::Key_Home);
  for (int i = 0; i < 11; ++i) key(Qt::Key_Down);
  tabTo(m().Effacer);
  dialogs.expectYesNo("Effacer le QSO avec la station I1ABC ?", true);
  enter();
  EXPECT_EQ(m().listLines().size(), 17u);
  EXPECT_EQ(focused(), m().Indicatif_A);

  // One more from the first station, on 7.0 Mhz CW now.
  newDepartement("59 Nord");
  logAt(8, 54, {.callsign = "f5aaa", .departement = "59", .firstName = "jean"});

  dialogs.verifyAllConsumed();
  ASSERT_EQ(m().listLines().size(), 18u);
  expectMatchesGolden(programDir / "F6ABC.log", "e2e/F6ABC.log");
  for (const char* suffix : {"_Departement_SSB.txt", "_Departement_CW.txt", "_Prefixe_SSB.txt", "_Prefixe_CW.txt"})
    expectMatchesGolden(programDir / (std::string("F6ABC") + suffix), std::string("e2e/F6ABC") + suffix);
  expectMatchesGolden(programDir / "Liste_Prenom.txt", "e2e/Liste_Prenom.txt");
  expectMatchesGolden(programDir / "Nomenclature.txt", "e2e/Nomenclature.txt");

  // Contact points: 3.5 SSB 8 x 1, 14 SSB 2 x 3, 14 CW 2 x 3, 7.0 CW 5 x 1,
  // 7.0 SSB 1 x 1 = 26.  Multiplier: 4 castles x 10 = 40; departements
  // 3.5 SSB 59 2A 62, 14 SSB 59, 14 CW 2A 29, 7.0 CW 62 59, 7.0 SSB 75 = 9;
  // prefixes 3.5 SSB F DL G ON, 14 SSB F DL, 14 CW F, 7.0 CW F EA SP K,
  // 7.0 SSB F = 12.  26 x (40 + 9 + 12) = 1586.
  EXPECT_EQ(text(m().P_QSO), "1586");
}

}  // namespace
}  // namespace brivant::testing
