// The band of the entry: what Bande_A shows is the band every later step
// uses (the lookups, the tallies, the record, the grid), a band typed rather
// than chosen ("1.8 Mhz") included, and a save or a cancel keeps it.  The
// live tallies and score must be what a rebuild of the log gives.

#include <gmock/gmock.h>

#include <QGroupBox>

#include "core/Station.h"
#include "entry/Rebuild.h"
#include "scoring/Points.h"
#include "tests/entry/ui/EntryTyping.h"

namespace brivant::testing {
namespace {

using ::testing::HasSubstr;

class EntryBandTest : public EntryTypingTest {
 protected:
  // The station's four tallies as the entry left them.
  std::vector<std::string> tallies() const {
    std::vector<std::string> bytes;
    for (const StationFile& file : stationFiles(programDir.path(), EntryStation))
      if (file.templateName != LogTemplate) bytes.push_back(readBytes(file.path));
    return bytes;
  }
  // From the callsign back to the band, and a band typed.
  void typeBand(const char* band) {
    key(Qt::Key_Escape);
    ASSERT_EQ(focused(), m().Bande_A);
    answer(band);
    answer("SSB");
  }
  void expectLiveTalliesAndScoreAsRebuilt() {
    const std::vector<std::string> live = tallies();
    ASSERT_TRUE(rebuildTallies(programDir.path(), EntryStation).ok());
    const std::vector<std::string> rebuilt = tallies();
    for (std::size_t i = 0; i < live.size(); ++i) EXPECT_EQ(live[i], rebuilt[i]) << "tally " << i;
    const Result<long long> points = Calcul_Points(programDir.path(), EntryStation);
    ASSERT_TRUE(points.ok());
    EXPECT_EQ(text(m().P_QSO), std::to_string(*points));
  }
};

// Logged as an operator would: 7.0 Mhz chosen first (so stored), then
// "1.8 Mhz" typed, F5OLD saved, F6BBB from departement 75 straight after.
TEST_F(EntryBandTest, TheNextContactAfterA18MhzOneIsLoggedAndTalliedOn18Mhz) {
  start({.log = {loggedRecord("06/06/26", "G4AAA", "09:00", "7.0 Mhz", "SSB")}});
  answer("SSB");
  typeBand("7.0 Mhz");
  EXPECT_EQ(setting("bande Utilisee"), "1");
  typeBand("1.8 Mhz");

  dialogs.expectYesNo(HasSubstr("DXCC : F  France ?"), true);
  dialogs.expectMessage("Nouveau département le 59 Nord");
  dialogs.expectYesNo(HasSubstr("Remplacer F5OLD"), true);
  typeContact({.callsign = "f5old", .departement = "59"});
  EXPECT_EQ(text(m().Bande_A), "1.8 Mhz");
  EXPECT_EQ(s().EntryBand, "1.8 Mhz");

  // F is flagged on 1.8 Mhz already: no question; 75 is new there.
  dialogs.expectMessage("Nouveau département le 75 Paris");
  dialogs.expectYesNo(HasSubstr("Remplacer F6BBB"), true);
  typeContact({.callsign = "f6bbb", .departement = "75"});
  dialogs.verifyAllConsumed();

  ASSERT_EQ(logRecords().size(), 3u);
  EXPECT_EQ(recordFieldTrimmed(logRecords()[2], QsoLayout::Band), "1.8 Mhz");
  EXPECT_EQ(text(m().Bande_A), "1.8 Mhz");
  EXPECT_EQ(m().Frame3->title(), QString::fromUtf8("2 Dpts contacté(s) sur 1.8 Mhz en SSB"));
  expectLiveTalliesAndScoreAsRebuilt();
}

// A band changed in the field after the callsign was looked up: the lookups
// were made for the other band, so the entry goes back to the band.
TEST_F(EntryBandTest, ABandChangedAfterTheCallsignSendsTheEntryBackToTheBand) {
  start({.language = "An"});
  answer("SSB");
  dialogs.expectYesNo(HasSubstr("F  France"), true);
  dialogs.expectMessage(HasSubstr("New department 59"));
  typeContact({.callsign = "F5ABC", .departement = "59", .save = false});
  ASSERT_TRUE(m().Enregistrer->isEnabled());
  m().Bande_A->setCurrentIndex(2);  // "14 Mhz", chosen with the mouse wheel
  EXPECT_FALSE(m().Enregistrer->isEnabled());
  EXPECT_FALSE(m().Indicatif_A->isEnabled());
  EXPECT_FALSE(m().Remarques_A->isEnabled());
  EXPECT_TRUE(green(m().Bande_A));
  EXPECT_EQ(text(m().Indicatif_A), "F5ABC");  // what was typed stays

  // Accepting the band and the callsign again logs the contact on 14 Mhz.
  m().Bande_A->setFocus();
  enter();
  answer("SSB");
  dialogs.expectYesNo(HasSubstr("F  France"), true);
  dialogs.expectMessage(HasSubstr("New department 59"));
  dialogs.expectYesNo(HasSubstr("Replace F5ABC"), false);
  typeContact({.callsign = "F5ABC", .departement = "59"});
  ASSERT_EQ(logRecords().size(), 1u);
  EXPECT_EQ(recordFieldTrimmed(logRecords()[0], QsoLayout::Band), "14 Mhz");
  expectLiveTalliesAndScoreAsRebuilt();
}

// Annuler, and the end of an edit, bring the field back to the band of the
// entry, not to the one stored.
TEST_F(EntryBandTest, CancelAndEditKeepTheTypedBand) {
  start({.log = {loggedRecord("06/06/26", "G4AAA", "09:00", "14 Mhz", "SSB"),
                 loggedRecord("06/06/26", "G4BBB", "09:05", "14 Mhz", "SSB")}});
  answer("SSB");
  typeBand("1.8 Mhz");
  dialogs.expectYesNo(HasSubstr("F  France"), true);
  answer("F5ABC");
  m().Annuler->click();
  EXPECT_EQ(text(m().Bande_A), "1.8 Mhz");
  EXPECT_EQ(s().EntryBand, "1.8 Mhz");

  m().selectQso(0);
  m().Editer->click();
  EXPECT_EQ(text(m().Bande_A), "14 Mhz");
  m().Annuler->click();
  EXPECT_EQ(text(m().Bande_A), "1.8 Mhz");

  m().selectQso(1);
  m().Editer->click();
  m().Prenom_A->setText(QStringLiteral("BOB"));
  m().Enregistrer->click();
  EXPECT_FALSE(s().EntryEditing);
  EXPECT_EQ(text(m().Bande_A), "1.8 Mhz");
  EXPECT_EQ(recordFieldTrimmed(logRecords()[1], QsoLayout::Band), "14 Mhz");
  EXPECT_EQ(m().Frame3->title(), QString::fromUtf8("0 Dpts contacté(s) sur 1.8 Mhz en SSB"));
}

}  // namespace
}  // namespace brivant::testing
