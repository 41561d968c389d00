// Pictures of the main window (also with a radio read back through hamlib),
// the Station window and the missing-file window in both languages, for reviewing the look.  They go to the folder
// named by BRIVANT_SCREENSHOTS_DIR when it is set (for example
//   BRIVANT_SCREENSHOTS_DIR=$PWD/screenshots build/test/tests/windows_tests --gtest_filter='Screenshots*'
// ) and to a temporary folder otherwise; never into the repository.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "cluster/ui/RadioControl.h"

#include "core/ui/Gestion_Erreur.h"
#include "core/ui/Station.h"
#include "tests/core/ui/MainFixture.h"
#include "tests/support/LocalServers.h"
#include "tests/support/qt/Screenshots.h"

namespace brivant::testing {
namespace {

std::vector<std::string> dayOfContacts() {
  const char* calls[] = {"F5AAA", "F6BBB",  "DL1ABC", "F4CCC", "G4XYZ",  "ON4DDD", "F8EEE",
                         "I2FFF", "EA3GGG", "F5HHH",  "F1III", "HB9JJJ", "F6KKK",  "PA0LLL"};
  const char* departements[] = {"59", "2a", "", "75", "", "", "29", "", "", "13", "67", "", "33", ""};
  const char* bands[] = {"3.5 Mhz", "7.0 Mhz", "14 Mhz", "21 Mhz", "28 Mhz"};
  std::vector<std::string> records;
  for (int i = 0; i < 14; ++i) {
    const std::string start = (i < 2 ? "0" : "") + std::to_string(8 + i) + ":0" + std::to_string(i % 10);
    records.push_back(contact("06/06/26", calls[i], start.c_str(), departements[i], bands[i % 5], i % 3 ? "SSB" : "CW",
                              i == 1 || i == 9));
  }
  return records;
}

class ScreenshotsMain : public MainFixture {
 protected:
  void save(QWidget* window, const std::string& name) { folder.save(window, name); }

  void shootLanguage(const char* language, const std::string& suffix) {
    setUpStation("F6ABC_P", language);
    writeLog("F6ABC_P", dayOfContacts());
    Main& window = start();
    ASSERT_TRUE(started);
    window.Bande_A->setCurrentIndex(0);
    save(&window, "Main_" + suffix);

    // hamlib's simulated radio on 14 025 kHz CW: its readout at the right of
    // the menus, the entry on its band and mode.
    RadioControl& radio = program->radioControl();
    ASSERT_TRUE(radio.use(HamlibChoice{false, HamlibDummyModel, "", 0, "localhost", DefaultRigctldPort}));
    ASSERT_TRUE(waitUntil([&] { return radio.link().state() == RadioLink::State::Answering; }));
    ASSERT_TRUE(radio.link().tune(14'025'000, RigMode::Cw));
    ASSERT_TRUE(waitUntil([&] { return window.Bande_A->currentText() == QStringLiteral("14 Mhz"); }));
    EXPECT_TRUE(window.Frame3->title().contains(QStringLiteral("14 Mhz")));
    const QLabel* readout = radio.readout();
    EXPECT_GE(readout->width(), readout->fontMetrics().horizontalAdvance(readout->text()));
    save(&window, "Main_Radio_" + suffix);
    radio.stop();

    window.Mnu_Station->trigger();
    save(window.stationWindow(), "Station_" + suffix);
    window.stationWindow()->close();

    window.raiseFileError(FileError{FileNotFound, "", ""}, ".log");
    ASSERT_NE(window.errorWindow(), nullptr);
    save(window.errorWindow(), "Gestion_Erreur_" + suffix);
  }

  ScreenshotFolder folder;
};

TEST_F(ScreenshotsMain, French) { shootLanguage("Fr", "fr"); }
TEST_F(ScreenshotsMain, English) { shootLanguage("An", "en"); }

}  // namespace
}  // namespace brivant::testing
