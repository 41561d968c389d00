// "Autre (hamlib)…" in the cluster window's Emetteur: its window, the radio
// behind a rigctld the test starts tuned to the spots, the model search, the
// hamlib radio stored, and the readout of the main window with the entry
// following the radio.

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "cluster/ui/HamlibDialog.h"
#include "platform/SerialPort.h"
#include "tests/cluster/ui/ClusterFixture.h"
#include "tests/support/PseudoTerminal.h"
#include "tests/support/Rigctld.h"
#include "tests/support/qt/Screenshots.h"

namespace brivant {
namespace {

using namespace testing;
using State = RadioLink::State;

class ClusterHamlibTest : public ClusterFixture {
 protected:
  // The radio of the program, read every 50 ms rather than every second.
  void quickRadio(RadioControl::Hooks hooks = {}) {
    radio = std::make_unique<RadioControl>(state, &radioHost, std::move(hooks), RadioLink::Timing{50});
  }
  HamlibDialog& chooseHamlib(Cluster& cluster) {
    cluster.Emetteur->setCurrentIndex(HamlibTransceiverIndex);
    emit cluster.Emetteur->activated(HamlibTransceiverIndex);
    EXPECT_NE(cluster.hamlibDialog(), nullptr);
    return *cluster.hamlibDialog();
  }
  static void clickOk(HamlibDialog& dialog) { dialog.buttons->button(QDialogButtonBox::Ok)->click(); }
  static QStringList shownModels(const HamlibDialog& dialog) {
    QStringList shown;
    for (int row = 0; row < dialog.modelList->count(); ++row)
      if (!dialog.modelList->item(row)->isHidden()) shown << dialog.modelList->item(row)->text();
    return shown;
  }
};

TEST_F(ClusterHamlibTest, TheEntryAfterTheYaesuRadiosAndItsCancel) {
  Cluster& cluster = open();
  ASSERT_EQ(cluster.Emetteur->count(), 5);
  EXPECT_EQ(cluster.Emetteur->itemText(4), QString::fromUtf8("Autre (hamlib)…"));
  EXPECT_EQ(cluster.Emetteur->currentText(), QStringLiteral("FT-847"));
  HamlibDialog& dialog = chooseHamlib(cluster);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.isModal());
  // Nothing chosen yet: the serial radio, rigctld on localhost:4532.
  EXPECT_TRUE(dialog.serialChoice->isChecked());
  EXPECT_EQ(dialog.hostEdit->text(), QStringLiteral("localhost"));
  EXPECT_EQ(dialog.tcpPortBox->value(), 4532);
  EXPECT_FALSE(dialog.hostEdit->isEnabled());
  // Chosen again while it is open: the same dialog comes forward, with what
  // was typed in it.
  dialog.modelSearch->setText(QStringLiteral("yaesu"));
  EXPECT_EQ(chooseHamlib(cluster).modelSearch->text(), QStringLiteral("yaesu"));
  EXPECT_EQ(cluster.findChildren<HamlibDialog*>().size(), 1);
  const QPointer<HamlibDialog> closed(&dialog);
  dialog.reject();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(closed.isNull()) << "a closed dialog deletes itself";
  EXPECT_EQ(cluster.Emetteur->currentText(), QStringLiteral("FT-847"));
  EXPECT_EQ(stored("Transceiver"), "2");
  EXPECT_EQ(stored("Hamlib Modele"), "<absent>");
  EXPECT_EQ(cluster.transceiverName(), "FT-847");

  state.Language = "An";
  cluster.close();
  Cluster& english = open();
  EXPECT_EQ(english.Emetteur->itemText(4), QString::fromUtf8("Other (hamlib)…"));
}

TEST_F(ClusterHamlibTest, ARadioBehindRigctldIsTunedToTheSpots) {
  Rigctld rigctld;
  if (Rigctld::program().isEmpty()) GTEST_SKIP() << "rigctld (Debian package libhamlib-utils) is not installed";
  ASSERT_TRUE(rigctld.start());
  quickRadio();
  useLocalServer();
  loggingMode = QStringLiteral("CW");
  Cluster& cluster = open();
  cluster.Bande_CL->setCurrentIndex(5);

  HamlibDialog& dialog = chooseHamlib(cluster);
  dialog.rigctldChoice->click();
  EXPECT_TRUE(dialog.hostEdit->isEnabled());
  EXPECT_FALSE(dialog.modelList->isEnabled());
  dialog.hostEdit->setText(QStringLiteral("127.0.0.1"));
  dialog.tcpPortBox->setValue(rigctld.port());
  clickOk(dialog);
  EXPECT_EQ(stored("Transceiver"), "4");
  EXPECT_EQ(stored("Hamlib Liaison"), "rigctld");
  EXPECT_EQ(stored("Hamlib Hote"), "127.0.0.1");
  EXPECT_EQ(stored("Hamlib Port Reseau"), std::to_string(rigctld.port()));
  EXPECT_EQ(cluster.transceiverName(), Cp1252::fromUtf8("Autre (hamlib)…"));
  RadioLink& link = radio->link();
  ASSERT_TRUE(waitUntil([&] { return link.state() == State::Answering; }));
  EXPECT_EQ(radio->readout()->text(), QStringLiteral("145 000,00 kHz FM"));

  // The refresh selects the latest spot, DL2ZZ at 14080.0, in CW.
  display();
  ASSERT_TRUE(waitUntil([&] { return link.lastReading() && link.lastReading()->hertz == 14'080'000; }));
  EXPECT_EQ(link.lastReading()->mode, RigMode::Cw);
  // A click, in SSB: upper sideband on 14 MHz.
  loggingMode = QStringLiteral("SSB");
  QListWidget* list = cluster.Liste_Stations;
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
  ASSERT_TRUE(waitUntil([&] { return link.lastReading() && link.lastReading()->hertz == 14'244'500; }));
  EXPECT_EQ(link.lastReading()->mode, RigMode::Usb);
  ASSERT_TRUE(waitUntil([&] { return radio->readout()->text() == QStringLiteral("14 244,50 kHz USB"); }));

  // The window closed, the radio is still read for the main window.
  cluster.close();
  EXPECT_EQ(link.state(), State::Answering);
}

TEST_F(ClusterHamlibTest, TheModelIsSearchedAndTheChoiceChecked) {
  quickRadio();
  Cluster& cluster = open();
  HamlibDialog& dialog = chooseHamlib(cluster);
  dialog.modelSearch->setText(QStringLiteral("yaesu ft-847"));
  EXPECT_EQ(shownModels(dialog), (QStringList{"Yaesu FT-847 (1001)", "Yaesu FT-847UNI (1038)"}));
  EXPECT_EQ(dialog.modelList->currentItem()->text(), QStringLiteral("Yaesu FT-847 (1001)"));
  // No port: refused, the window stays.
  dialog.portBox->setCurrentText(QString());
  dialogs.expectMessage(QString::fromUtf8("Choisissez le port série"));
  clickOk(dialog);
  EXPECT_TRUE(dialog.isVisible());
  // A search that finds nothing leaves no model.
  dialog.modelSearch->setText(QStringLiteral("zzzz"));
  EXPECT_TRUE(shownModels(dialog).isEmpty());
  dialogs.expectMessage(QString::fromUtf8("Choisissez le modèle de la radio"));
  clickOk(dialog);
  EXPECT_TRUE(dialog.isVisible());
  // The simulated radio needs no port.
  dialog.modelSearch->setText(QStringLiteral("dummy"));
  ASSERT_NE(dialog.modelList->currentItem(), nullptr);
  EXPECT_EQ(dialog.modelList->currentItem()->data(Qt::UserRole).toInt(), HamlibDummyModel);
  dialog.speedBox->setCurrentIndex(dialog.speedBox->findData(9600));
  clickOk(dialog);
  dialogs.verifyAllConsumed();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(stored("Hamlib Modele"), "1");
  EXPECT_EQ(stored("Hamlib Liaison"), "Serie");
  EXPECT_EQ(stored("Hamlib Vitesse"), "9600");
  ASSERT_TRUE(waitUntil([&] { return radio->link().state() == State::Answering; }));
  EXPECT_TRUE(radio->readout()->isVisibleTo(nullptr) || !radio->readout()->isHidden());
}

// A hamlib radio stored: linked with the window, the Yaesu's port left
// closed; a Yaesu chosen again lets the radio go and opens its port.
TEST_F(ClusterHamlibTest, TheStoredHamlibRadioAndBackToAYaesu) {
  PseudoTerminal pty;
  ASSERT_TRUE(pty.ok());
  presentPorts = {pty.slaveName()};
  setting("Port Com", pty.slaveName());
  setting("Baud", "4800,n,8,1");
  setting("Transceiver", "4");
  setting("Hamlib Modele", "1");
  quickRadio();
  Cluster& cluster = open();
  EXPECT_EQ(cluster.Emetteur->currentIndex(), HamlibTransceiverIndex);
  EXPECT_EQ(cluster.hamlibDialog(), nullptr);
  EXPECT_FALSE(cluster.serialPort().isOpen());
  EXPECT_TRUE(radio->link().running());
  ASSERT_TRUE(waitUntil([&] { return radio->link().state() == State::Answering; }));

  cluster.Emetteur->setCurrentIndex(1);
  emit cluster.Emetteur->activated(1);
  EXPECT_EQ(cluster.transceiverName(), "FT-817");
  EXPECT_EQ(radio->link().state(), State::Off);
  EXPECT_TRUE(radio->readout()->isHidden());
  EXPECT_TRUE(cluster.serialPort().isOpen());
  EXPECT_EQ(stored("Transceiver"), "1");
}

// The readout and the entry that follows the radio, through a rigctld that
// goes silent and comes back.
TEST_F(ClusterHamlibTest, TheReadoutTheFollowingEntryAndASilentRadio) {
  Rigctld rigctld;
  if (Rigctld::program().isEmpty()) GTEST_SKIP() << "rigctld (Debian package libhamlib-utils) is not installed";
  ASSERT_TRUE(rigctld.start());
  std::vector<std::string> followed;
  bool entryWaits = false;
  quickRadio({[&](const std::string& band, const std::string& mode) {
    followed.push_back(band + " " + mode + (entryWaits ? "" : " (busy)"));
    return entryWaits;
  }});
  HamlibChoice choice;
  choice.rigctld = true;
  choice.host = "127.0.0.1";
  choice.tcpPort = rigctld.port();
  ASSERT_TRUE(radio->use(choice));
  RadioLink& link = radio->link();
  ASSERT_TRUE(waitUntil([&] { return link.state() == State::Answering; }));
  // 145 MHz: no band of the entry, nothing asked.
  EXPECT_TRUE(followed.empty());

  // The entry is busy: asked at each reading until it waits.
  ASSERT_TRUE(link.tune(14'025'000, RigMode::Cw));
  ASSERT_TRUE(waitUntil([&] { return followed.size() >= 2; }));
  EXPECT_EQ(followed[0], "14 Mhz CW (busy)");
  entryWaits = true;
  ASSERT_TRUE(waitUntil([&] { return !followed.empty() && followed.back() == "14 Mhz CW"; }));
  // Taken: not asked again while the radio stays on the band and mode.
  const std::size_t asked = followed.size();
  ASSERT_TRUE(link.tune(14'030'000, RigMode::Cw));
  ASSERT_TRUE(waitUntil([&] { return radio->readout()->text() == QStringLiteral("14 030,00 kHz CW"); }));
  waitUntil([] { return false; }, 200);
  EXPECT_EQ(followed.size(), asked);
  ASSERT_TRUE(link.tune(7'050'000, RigMode::Lsb));
  ASSERT_TRUE(waitUntil([&] { return followed.back() == "7.0 Mhz SSB"; }));

  // Silent: said so in place of the frequency, in the interface language.
  state.Language = "An";
  rigctld.stop();
  ASSERT_TRUE(waitUntil([&] { return radio->readout()->text() == QStringLiteral("radio not answering"); }));
  EXPECT_FALSE(radio->readout()->isHidden());
  ASSERT_TRUE(rigctld.start());
  ASSERT_TRUE(waitUntil([&] { return radio->readout()->text() == QStringLiteral("145 000.00 kHz FM"); }));
  radio->stop();
  EXPECT_TRUE(radio->readout()->isHidden());
}

TEST_F(ClusterHamlibTest, AHungRadioIsSaidWithinTwoSecondsAndLetGoAtOnce) {
  Rigctld rigctld;
  if (Rigctld::program().isEmpty()) GTEST_SKIP() << "rigctld (Debian package libhamlib-utils) is not installed";
  ASSERT_TRUE(rigctld.start());
  const int threads = RadioLink::threadsRunning();
  radio = std::make_unique<RadioControl>(state, &radioHost);  // read every second, as in the program
  HamlibChoice choice;
  choice.rigctld = true;
  choice.host = "127.0.0.1";
  choice.tcpPort = rigctld.port();
  ASSERT_TRUE(radio->use(choice));
  int readings = 0;
  QObject::connect(&radio->link(), &RadioLink::readingReceived, [&readings] { ++readings; });
  ASSERT_TRUE(waitUntil([&] { return readings >= 2; }));
  // Paused just after a reading, the longest way to the next question.
  const int seen = readings;
  ASSERT_TRUE(waitUntil([&] { return readings > seen; }));
  rigctld.pause();
  QElapsedTimer clock;
  clock.start();
  ASSERT_TRUE(waitUntil([&] { return radio->readout()->text() == QStringLiteral("radio muette"); }, 10'000));
  EXPECT_LT(clock.elapsed(), 2'000);

  // Let go while hamlib still waits on the radio: the program does not wait.
  clock.restart();
  radio.reset();
  EXPECT_LT(clock.elapsed(), 2'000);
  // The thread left behind ends once its call returns (rigctld killed),
  // without touching the link that is gone.
  rigctld.stop();
  EXPECT_TRUE(waitUntil([&] { return RadioLink::threadsRunning() == threads; }));
}

class ScreenshotsHamlibDialog : public ClusterFixture {
 protected:
  void shoot(const char* language, const std::string& name) {
    state.Language = language;
    presentPorts = {"ttyS0", "ttyUSB0"};
    setting("Hamlib Modele", "1001");
    setting("Hamlib Port", "ttyUSB0");
    Cluster& cluster = open();
    cluster.Emetteur->setCurrentIndex(HamlibTransceiverIndex);
    emit cluster.Emetteur->activated(HamlibTransceiverIndex);
    HamlibDialog* dialog = cluster.hamlibDialog();
    ASSERT_NE(dialog, nullptr);
    dialog->modelSearch->setText(QStringLiteral("yaesu"));
    QApplication::processEvents();
    EXPECT_EQ(dialog->modelList->currentItem()->text(), QStringLiteral("Yaesu FT-847 (1001)"));
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
      if (!button->isVisible()) continue;
      EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')))
          << button->objectName().toStdString() << " " << name;
    }
    folder.save(dialog, name);
    dialog->reject();
  }
  ScreenshotFolder folder;
};

TEST_F(ScreenshotsHamlibDialog, French) { shoot("Fr", "HamlibDialog_fr"); }
TEST_F(ScreenshotsHamlibDialog, English) { shoot("An", "HamlibDialog_en"); }

}  // namespace
}  // namespace brivant
