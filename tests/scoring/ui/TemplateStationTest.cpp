// Before a station is set the program runs as FXXXX, whose log is the
// template "FXXXX.log": a save, a delete and a reset open the Station window
// instead of writing it, and a new station starts from an empty log whatever
// the template holds.

#include <gmock/gmock.h>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/ui/Station.h"
#include "tests/entry/ui/EntryTyping.h"

namespace brivant::testing {
namespace {

using ::testing::HasSubstr;

class TemplateStationTest : public EntryTypingTest {
 protected:
  // Every file a save, a delete or a reset could touch.
  std::string allFiles() const {
    std::string all;
    for (const char* suffix : StationFiles) all += fileBytes(std::string("FXXXX") + suffix) + "|";
    return all + fileBytes("Liste_Prenom.txt") + "|" + fileBytes("Nomenclature.txt");
  }
};

TEST_F(TemplateStationTest, NothingIsWrittenBeforeAStationIsSet) {
  // A line an older version logged into the template; the first run's
  // Station window closed without a callsign.
  const std::string oldLog = crlf({loggedRecord("06/06/26", "F5OLD", "08:00", "3.5 Mhz", "SSB", "59")});
  writeBytes(programDir / "FXXXX.log", oldLog);
  onNextModal([](QWidget* modal) { modal->close(); });
  MainFixture::start();
  ASSERT_EQ(s().StationCall, "FXXXX");
  dialogs.setLenient(false);
  const std::string before = allFiles();
  constexpr const char* FirstRun = "First, you must enter your callsign and date of the JNC";

  answer("SSB");
  dialogs.expectMessage(HasSubstr("New department 62"));
  typeContact({.callsign = "F5ABC", .departement = "62", .save = false});
  dialogs.expectMessage(FirstRun);
  enter();  // on "Next QSO"
  Station& station = *m().stationWindow();
  EXPECT_TRUE(station.isVisible());
  // The contact waits at its callsign, to be looked up for the station chosen.
  EXPECT_FALSE(m().Enregistrer->isEnabled());
  EXPECT_TRUE(green(m().Indicatif_A));
  dialogs.expectMessage(FirstRun);
  m().selectQso(0);
  m().Effacer->click();
  dialogs.expectMessage(FirstRun);
  m().Mnu_RAZ_All->trigger();
  dialogs.verifyAllConsumed();
  EXPECT_EQ(allFiles(), before);

  station.New_Indicatif->clear();
  QTest::keyClicks(station.New_Indicatif, QStringLiteral("f1new"));
  QTest::keyClick(station.New_Indicatif, Qt::Key_Return);
  QTest::keyClicks(station.Nouv_Date, QStringLiteral("06/06/26"));
  QTest::keyClick(station.Nouv_Date, Qt::Key_Return);
  station.Validation->click();
  ASSERT_EQ(s().StationCall, "F1NEW");
  EXPECT_EQ(fileBytes("F1NEW.log"), "");
  EXPECT_EQ(fileBytes("FXXXX.log"), oldLog);
}

}  // namespace
}  // namespace brivant::testing
