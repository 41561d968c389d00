// The band of the entry: what Bande_A shows is the band the lookups, the
// tallies, the record and the grid use, a typed "1.8 Mhz" included; a save, a
// cancel and the end of an edit keep it.

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
  std::vector<std::string> tallies() const {
    std::vector<std::string> bytes;
    for (const StationFile& file : stationFiles(programDir.path(), EntryStation))
      if (file.templateName != LogTemplate) bytes.push_back(readBytes(file.path));
    return bytes;
  }
  void typeBand(const char* band) {
    key(Qt::Key_Escape);
    answer(band);
    answer("SSB");
  }
};

// 7.0 Mhz chosen (and so stored), then "1.8 Mhz" typed, F5OLD saved, F6BBB
// from departement 75 straight after: the live tallies and score are the
// ones a rebuild of the log gives.
TEST_F(EntryBandTest, TheContactAfterA18MhzOneIsLoggedAndTalliedOn18Mhz) {
  start({.log = {loggedRecord("06/06/26", "G4AAA", "09:00", "7.0 Mhz", "SSB")}});
  answer("SSB");
  typeBand("7.0 Mhz");
  typeBand("1.8 Mhz");
  dialogs.expectYesNo(HasSubstr("DXCC : F  France ?"), true);
  dialogs.expectMessage("Nouveau département le 59 Nord");
  dialogs.expectYesNo(HasSubstr("Remplacer F5OLD"), true);
  typeContact({.callsign = "f5old", .departement = "59"});
  EXPECT_EQ(text(m().Bande_A), "1.8 Mhz");
  dialogs.expectMessage("Nouveau département le 75 Paris");
  dialogs.expectYesNo(HasSubstr("Remplacer F6BBB"), true);
  typeContact({.callsign = "f6bbb", .departement = "75"});
  dialogs.verifyAllConsumed();

  EXPECT_EQ(recordFieldTrimmed(logRecords().at(2), QsoLayout::Band), "1.8 Mhz");
  EXPECT_EQ(m().Frame3->title(), QString::fromUtf8("2 Dpts contacté(s) sur 1.8 Mhz en SSB"));
  const std::vector<std::string> live = tallies();
  ASSERT_TRUE(rebuildTallies(programDir.path(), EntryStation).ok());
  EXPECT_EQ(live, tallies());
  EXPECT_EQ(text(m().P_QSO), std::to_string(Calcul_Points(programDir.path(), EntryStation).valueOr(-1)));
}

TEST_F(EntryBandTest, CancelEditAndABandChangedLaterKeepBandAndLookupsTogether) {
  start({.log = {loggedRecord("06/06/26", "G4AAA", "09:00", "14 Mhz", "SSB"),
                 loggedRecord("06/06/26", "G4BBB", "09:05", "14 Mhz", "SSB")}});
  answer("SSB");
  typeBand("1.8 Mhz");
  dialogs.expectYesNo(HasSubstr("F  France"), true);
  answer("F5ABC");
  // Changed with the mouse wheel after the callsign's lookups: back to the band.
  m().Bande_A->setCurrentIndex(2);
  EXPECT_TRUE(green(m().Bande_A));
  EXPECT_FALSE(m().Indicatif_A->isEnabled() || m().Depart_A->isEnabled());
  m().Annuler->click();
  EXPECT_EQ(text(m().Bande_A), "1.8 Mhz");

  m().selectQso(1);
  m().Editer->click();
  EXPECT_EQ(text(m().Bande_A), "14 Mhz");
  m().Prenom_A->setText(QStringLiteral("BOB"));
  m().Enregistrer->click();
  EXPECT_EQ(text(m().Bande_A), "1.8 Mhz");
  EXPECT_EQ(m().Frame3->title(), QString::fromUtf8("0 Dpts contacté(s) sur 1.8 Mhz en SSB"));
}

}  // namespace
}  // namespace brivant::testing
