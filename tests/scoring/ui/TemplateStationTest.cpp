// Before a station is set the program runs as the template station FXXXX,
// whose log is the template "FXXXX.log": nothing the operator does may write
// it.  A save, a delete and a reset open the Station window instead, and a new
// station starts from an empty log whatever the template log holds.

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

constexpr const char* FirstRun = "First, you must enter your callsign and date of the JNC";

class TemplateStationTest : public EntryTypingTest {
 protected:
  // The first start, its Station window closed without a callsign; the
  // template log holds a line an older version wrote into it.
  void startAsTemplate() {
    writeBytes(programDir / "FXXXX.log", crlf({oldLine}));
    onNextModal([](QWidget* modal) { modal->close(); });
    MainFixture::start();
    ASSERT_TRUE(started);
    ASSERT_EQ(s().StationCall, "FXXXX");
    dialogs.clearShown();
    dialogs.setLenient(false);
    before = allFiles();
  }
  // The template log, the station's tallies and the two reference lists.
  std::string allFiles() const {
    std::string all;
    for (const char* suffix : StationFiles) all += fileBytes(std::string("FXXXX") + suffix) + "|";
    return all + fileBytes("Liste_Prenom.txt") + "|" + fileBytes("Nomenclature.txt");
  }
  Station& stationWindow() { return *m().stationWindow(); }
  void validateStation(const char* call) {
    Station& station = stationWindow();
    station.New_Indicatif->clear();
    QTest::keyClicks(station.New_Indicatif, QString::fromLatin1(call));
    QTest::keyClick(station.New_Indicatif, Qt::Key_Return);
    QTest::keyClicks(station.Nouv_Date, QStringLiteral("06/06/26"));
    QTest::keyClick(station.Nouv_Date, Qt::Key_Return);
    station.Validation->click();
  }

  const std::string oldLine = loggedRecord("06/06/26", "F5OLD", "08:00", "3.5 Mhz", "SSB", "59");
  std::string before;
};

TEST_F(TemplateStationTest, ASaveOpensTheStationWindowAndTheContactWaitsForTheNewStation) {
  startAsTemplate();
  answer("SSB");
  // F is flagged on 3.5 Mhz SSB already, by the template log's line.
  dialogs.expectMessage(HasSubstr("New department 62"));
  typeContact({.callsign = "F5ABC", .departement = "62", .firstName = "jean", .save = false});
  dialogs.expectMessage(FirstRun);
  enter();  // on "Next QSO"
  dialogs.verifyAllConsumed();
  EXPECT_EQ(allFiles(), before);
  EXPECT_TRUE(stationWindow().isVisible());
  // The contact waits at its callsign: its lookups are made again for the station chosen.
  EXPECT_FALSE(m().Enregistrer->isEnabled());
  EXPECT_EQ(text(m().Indicatif_A), "F5ABC");
  EXPECT_TRUE(green(m().Indicatif_A));

  validateStation("f1new");
  ASSERT_EQ(s().StationCall, "F1NEW");
  EXPECT_EQ(fileBytes("F1NEW.log"), "");
  EXPECT_EQ(readBytes(programDir / "FXXXX.log"), crlf({oldLine}));

  m().Indicatif_A->setFocus();
  dialogs.expectYesNo(HasSubstr("F  France"), true);
  dialogs.expectMessage(HasSubstr("New department 62"));
  dialogs.expectYesNo(HasSubstr("Replace F5ABC"), false);
  typeContact({.callsign = "F5ABC", .departement = "62", .firstName = "jean"});
  dialogs.verifyAllConsumed();
  EXPECT_THAT(fileBytes("F1NEW.log"), HasSubstr("F5ABC"));
  EXPECT_EQ(readBytes(programDir / "FXXXX.log"), crlf({oldLine}));
}

TEST_F(TemplateStationTest, DeleteAndResetOpenTheStationWindowAndChangeNothing) {
  startAsTemplate();
  m().selectQso(0);
  dialogs.expectMessage(FirstRun);
  m().Effacer->click();
  EXPECT_TRUE(stationWindow().isVisible());
  stationWindow().close();

  dialogs.expectMessage(FirstRun);
  m().Mnu_RAZ_All->trigger();
  EXPECT_TRUE(stationWindow().isVisible());
  dialogs.verifyAllConsumed();
  EXPECT_EQ(allFiles(), before);
  EXPECT_EQ(m().listLines().size(), 1u);
}

}  // namespace
}  // namespace brivant::testing
