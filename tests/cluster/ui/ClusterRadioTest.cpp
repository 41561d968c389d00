// The cluster window's radio side: the port and speed menus and the blocks a
// spot selection writes to a pseudo-terminal standing for the radio.

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "platform/SerialPort.h"
#include "tests/cluster/ui/ClusterFixture.h"
#include "tests/support/PseudoTerminal.h"

namespace brivant {
namespace {

using namespace testing;
using ::testing::HasSubstr;

class ClusterRadioTest : public ClusterFixture {
 protected:
  ClusterRadioTest() { presentPorts = {pty.slaveName()}; }

  QAction* portItem(Cluster& cluster, const QString& name) {
    emit cluster.Mnu_Port_Com->aboutToShow();
    for (QAction* item : cluster.Mnu_Port_Com->actions())
      if (item->data().toString() == name || (name == QLatin1String("Sans") && item->objectName() == "Mnu_SansCom"))
        return item;
    return nullptr;
  }
  void clickRow(Cluster& cluster, int row) {
    QListWidget* list = cluster.Liste_Stations;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }

  PseudoTerminal pty;
};

TEST_F(ClusterRadioTest, AClickTunesTheRadio) {
  ASSERT_TRUE(pty.ok());
  useLocalServer();
  loggingMode = QStringLiteral("CW");
  Cluster& cluster = open();
  cluster.Bande_CL->setCurrentIndex(5);
  const QString slave = QString::fromStdString(pty.slaveName());

  // No port: a refresh selects a spot and writes nothing.
  display();
  EXPECT_EQ(cluster.selectedSpotLine().substr(15, 5), "DL2ZZ");
  EXPECT_EQ(pty.readAll(50), "");

  QAction* item = portItem(cluster, slave);
  ASSERT_NE(item, nullptr);
  item->trigger();
  EXPECT_EQ(cluster.NumPort->text(), slave);
  EXPECT_EQ(stored("Port Com"), pty.slaveName());
  EXPECT_TRUE(portItem(cluster, slave)->isChecked());
  cluster.Mnu_38400->trigger();
  EXPECT_EQ(cluster.DebitPort->text(), QStringLiteral("38400"));
  EXPECT_EQ(stored("Baud"), "38400,n,8,1");
  EXPECT_TRUE(cluster.Mnu_38400->isChecked());
  EXPECT_FALSE(cluster.Mnu_4800->isChecked());

  // FT-847, CW: CAT on, the frequency, CW, CAT off.
  clickRow(cluster, 1);  // TM5CHA at 14244.5
  EXPECT_EQ(hexBytes(pty.readAll()), "00 00 00 00 00 01 42 44 50 01 02 00 00 00 07 00 00 00 00 80");

  // FT-817 on SSB at 7 MHz: the frequency and LSB only.
  cluster.Emetteur->setCurrentIndex(1);
  emit cluster.Emetteur->activated(1);
  EXPECT_EQ(stored("Transceiver"), "1");
  EXPECT_EQ(cluster.transceiverName(), "FT-817");
  loggingMode = QStringLiteral("SSB");
  cluster.Bande_CL->setCurrentIndex(3);
  display();  // the refresh tunes to the latest spot: EA3BBB at 7150.5
  EXPECT_EQ(hexBytes(pty.readAll()), "00 71 50 50 01 00 00 00 00 07");

  // "Sans": nothing is sent, the speed is forgotten.
  portItem(cluster, QStringLiteral("Sans"))->trigger();
  EXPECT_EQ(cluster.NumPort->text(), QStringLiteral("0"));
  EXPECT_EQ(cluster.DebitPort->text(), QStringLiteral("0"));
  EXPECT_EQ(stored("Port Com"), "0");
  EXPECT_EQ(stored("Baud"), "0");
  EXPECT_FALSE(cluster.Mnu_38400->isChecked());
  EXPECT_FALSE(cluster.serialPort().isOpen());
  clickRow(cluster, 0);
  EXPECT_EQ(pty.readAll(50), "");
}

TEST_F(ClusterRadioTest, APortThatCannotBeOpenedChangesNothing) {
  ASSERT_TRUE(pty.ok());
  presentPorts = {pty.slaveName(), "ttyBRIVANT9"};
  Cluster& cluster = open();
  const QString slave = QString::fromStdString(pty.slaveName());
  portItem(cluster, slave)->trigger();
  ASSERT_TRUE(cluster.serialPort().isOpen());
  dialogs.expectMessage("Le port ttyBRIVANT9 n'existe pas");
  portItem(cluster, QStringLiteral("ttyBRIVANT9"))->trigger();
  EXPECT_EQ(cluster.NumPort->text(), slave);
  EXPECT_EQ(stored("Port Com"), pty.slaveName());
  EXPECT_TRUE(cluster.serialPort().isOpen());
  EXPECT_TRUE(portItem(cluster, slave)->isChecked());
  EXPECT_FALSE(portItem(cluster, QStringLiteral("ttyBRIVANT9"))->isChecked());
  // The menu follows the ports present each time it opens.
  presentPorts = {};
  EXPECT_EQ(portItem(cluster, QStringLiteral("ttyBRIVANT9")), nullptr);
  EXPECT_NE(portItem(cluster, slave), nullptr);  // the chosen one stays listed
}

TEST_F(ClusterRadioTest, TheStoredPortOpensWithTheWindowAndClosesWithIt) {
  ASSERT_TRUE(pty.ok());
  setting("Port Com", pty.slaveName());
  setting("Baud", "9600,n,8,1");
  setting("Transceiver", "3");
  Cluster& cluster = open();
  EXPECT_EQ(cluster.NumPort->text(), QString::fromStdString(pty.slaveName()));
  EXPECT_EQ(cluster.DebitPort->text(), QStringLiteral("9600"));
  EXPECT_TRUE(cluster.Mnu_9600->isChecked());
  EXPECT_EQ(cluster.transceiverName(), "FT-897");
  ASSERT_TRUE(cluster.serialPort().isOpen());
  termios settings{};
  ASSERT_EQ(tcgetattr(pty.slave(), &settings), 0);
  EXPECT_EQ(cfgetospeed(&settings), static_cast<speed_t>(B9600));
  SerialPort& port = cluster.serialPort();
  cluster.close();
  EXPECT_FALSE(port.isOpen());
}

TEST_F(ClusterRadioTest, StoredValuesThatNoLongerFit) {
  setting("Port Com", "ttyBRIVANT9");
  setting("Baud", "0");
  setting("Transceiver", "7");
  setting("bande Cluster", "20");
  dialogs.expectMessage("Le port ttyBRIVANT9 n'existe pas");
  Cluster& cluster = open();
  EXPECT_EQ(cluster.NumPort->text(), QStringLiteral("ttyBRIVANT9"));
  EXPECT_FALSE(cluster.serialPort().isOpen());
  EXPECT_EQ(cluster.Emetteur->currentText(), QStringLiteral("FT-847"));
  EXPECT_EQ(cluster.Bande_CL->currentIndex(), 0);
  EXPECT_FALSE(cluster.Mnu_4800->isChecked());
}

}  // namespace
}  // namespace brivant
