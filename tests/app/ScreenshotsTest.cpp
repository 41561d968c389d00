// Pictures of the main window (also with a radio read back through hamlib,
// and with a CW message being sent), the CW messages window, the Station
// window and the missing-file window in both languages, for reviewing the look.  They go to the folder
// named by BRIVANT_SCREENSHOTS_DIR when it is set (for example
//   BRIVANT_SCREENSHOTS_DIR=$PWD/screenshots build/test/tests/windows_tests --gtest_filter='Screenshots*'
// ) and to a temporary folder otherwise; never into the repository.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <QApplication>
#include <QTest>

#include "cluster/ui/CwKeyer.h"
#include "cluster/ui/CwMessagesDialog.h"
#include "cluster/ui/RadioControl.h"

#include "core/ui/Gestion_Erreur.h"
#include "core/ui/Station.h"
#include "tests/core/ui/MainFixture.h"
#include "tests/support/Cwdaemon.h"
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
    // The CW messages go to a UDP socket standing for cwdaemon.
    (void)store.save("ZIV", "Setup ", "Manipulateur", "1");
    (void)store.save("ZIV", "Setup ", "Manipulateur Hote", "127.0.0.1");
    (void)store.save("ZIV", "Setup ", "Manipulateur Port", std::to_string(cwdaemon.port()));
    (void)store.save("ZIV", "Setup F6ABC_P", "N° Activite", "35012");
    (void)store.save("ZIV", "Setup F6ABC_P", "Message CW F2", "{CALL} 5NN {MYREF} {DPT}");
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

    // A message being sent, with a macro the keyer does not know: the line
    // under the entry.
    window.show();
    QTest::keyClick(window.Bande_A, Qt::Key_Return);
    QTest::keyClick(window.Mode_A, Qt::Key_Return);
    QTest::keyClicks(window.Indicatif_A, QStringLiteral("DL1ABC"));
    QTest::keyClick(window.Indicatif_A, Qt::Key_F2);
    QApplication::processEvents();
    CwKeyer& keyer = program->cwKeyer();
    EXPECT_EQ(keyer.sentLabel->text(), QStringLiteral("DL1ABC 5NN 35012 {DPT}"));
    EXPECT_FALSE(keyer.noticeLabel->text().isEmpty());
    for (const QLabel* label : {keyer.speedLabel, keyer.sentLabel, keyer.noticeLabel})
      EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
          << label->objectName().toStdString();
    save(&window, "Main_CW_" + suffix);
    QTest::keyClick(window.Indicatif_A, Qt::Key_Escape);

    window.Mnu_Messages_CW->trigger();
    CwMessagesDialog* messages = keyer.messagesWindow();
    ASSERT_NE(messages, nullptr);
    fitsTheScreen(messages);
    save(messages, "CwMessages_" + suffix);
    messages->close();

    window.Mnu_Station->trigger();
    save(window.stationWindow(), "Station_" + suffix);
    window.stationWindow()->close();

    window.raiseFileError(FileError{FileNotFound, "", ""}, ".log");
    ASSERT_NE(window.errorWindow(), nullptr);
    save(window.errorWindow(), "Gestion_Erreur_" + suffix);
  }

  // Every window fits a 1280 x 720 screen, its whole text shown.
  static void fitsTheScreen(QWidget* window) {
    EXPECT_LE(window->width(), 1280) << window->objectName().toStdString();
    EXPECT_LE(window->height(), 720) << window->objectName().toStdString();
    for (const QLabel* label : window->findChildren<QLabel*>()) {
      if (label->wordWrap()) continue;
      EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(QString(label->text()).remove('&')))
          << label->objectName().toStdString();
    }
  }

  ScreenshotFolder folder;
  FakeCwdaemon cwdaemon;
};

TEST_F(ScreenshotsMain, French) { shootLanguage("Fr", "fr"); }
TEST_F(ScreenshotsMain, English) { shootLanguage("An", "en"); }

}  // namespace
}  // namespace brivant::testing
