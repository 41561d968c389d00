// The cluster window fed by a telnet cluster node started by the test.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <QPushButton>
#include <QTest>

#include "cluster/HamlibSettings.h"
#include "cluster/SelfSpot.h"
#include "cluster/ui/SelfSpotDialog.h"
#include "tests/cluster/ui/ClusterFixture.h"

namespace brivant {
namespace {

using namespace testing;
using ::testing::HasSubstr;

class ClusterTelnetTest : public ClusterFixture {
 protected:
  void useLocalNode() {
    setting("Hote Telnet", "127.0.0.1");
    setting("Port Telnet", std::to_string(node.port()));
  }
  LocalTelnetNode node;
};

TEST_F(ClusterTelnetTest, SpotsFromANodeAreListedFilteredAndAlerted) {
  useLocalNode();
  setting("Source Cluster", "1");
  Cluster& cluster = open();
  EXPECT_TRUE(cluster.Mnu_Telnet->isChecked());
  ASSERT_TRUE(waitUntil([&] { return !node.received().isEmpty(); }));
  EXPECT_EQ(node.received()[0], "F6ABC/P");  // the station's callsign as login
  EXPECT_TRUE(cluster.feedState->isVisible());
  EXPECT_THAT(cluster.feedState->text().toStdString(), HasSubstr("connecté à 127.0.0.1"));

  node.send(QByteArray::fromStdString(dxLine("F5XYZ", "14025.0", "DL1ABC", "CQ", "0905") + "\r\n" +
                                      dxLine("G4ABC", "7012.0", "F5AAA", "DFCF 21-003", "0907") + "\r\n" +
                                      dxLine("DL2ZZ", "14205.0", "TM5CHA", "JNC", "0901") + "\r\nDX de ON4"));
  waitUntil([] { return false; }, 50);
  node.send(
      QByteArray::fromStdString("XX:   144300.0  F1ZZZ        MS                             0903Z\r\n"
                                "To ALL de F5XYZ: hello\r\n"));
  ASSERT_TRUE(waitUntil([&] {
    cluster.Afficher_Click();
    return cluster.Liste_Stations->count() == 3;
  }));
  // All HF: the three HF spots in date order; nothing fetched from a web server.
  EXPECT_EQ(calls(), (std::vector<std::string>{"TM5CHA", "DL1ABC", "F5AAA"}));
  EXPECT_EQ(lines()[1], QStringLiteral(" 26-06-06 0905 DL1ABC        14025.0 F5XYZ       CQ"));
  EXPECT_TRUE(server.requestedPaths().isEmpty());
  EXPECT_EQ(cluster.QTR->text(), QStringLiteral("08:00 TU"));
  EXPECT_EQ(cluster.Liste_Stations->currentRow(), 2);

  // One band, then with a second one; sorts and filters work the same.
  cluster.Bande_CL->setCurrentIndex(13);  // All VHF, from the line cut across two packets
  ASSERT_TRUE(waitUntil([&] {
    cluster.Afficher_Click();
    return cluster.Liste_Stations->count() == 1;
  }));
  EXPECT_EQ(calls(), std::vector<std::string>{"F1ZZZ"});
  cluster.Bande_CL->setCurrentIndex(5);   // 14 Mhz
  cluster.Bande_CL2->setCurrentIndex(3);  // 7.0 Mhz
  cluster.Tri_QRG_Click();
  EXPECT_EQ(calls(), (std::vector<std::string>{"F5AAA", "DL1ABC", "TM5CHA"}));
  cluster.Check2->setChecked(true);
  cluster.Check3->setChecked(true);
  cluster.Indicatif->setText(QStringLiteral("DL"));
  cluster.Timer2_Timer();
  EXPECT_EQ(calls(), std::vector<std::string>{"DL1ABC"});
  EXPECT_EQ(sound.played, std::vector<std::string>{"ringout.wav"});

  // The node goes away: the window shows it waits, then the feed logs in again.
  node.drop();
  ASSERT_TRUE(waitUntil([&] { return cluster.feedState->text().contains(QStringLiteral("nouvel essai")); }));
  ASSERT_TRUE(waitUntil([&] { return node.received().size() == 2; }));
  EXPECT_EQ(node.connections(), 2);
  // The spots received stay.
  cluster.Afficher_Click();
  EXPECT_EQ(calls(), std::vector<std::string>{"DL1ABC"});
}

TEST_F(ClusterTelnetTest, ChoosingTheSource) {
  Cluster& cluster = open();
  EXPECT_TRUE(cluster.Mnu_Page_Web->isChecked());
  EXPECT_FALSE(cluster.feedState->isVisible());
  // No node yet: it is asked for; cancelled, the pages stay the source.
  dialogs.expectText(HasSubstr("Nœud telnet"), std::nullopt);
  cluster.Mnu_Telnet->trigger();
  EXPECT_TRUE(cluster.Mnu_Page_Web->isChecked());
  EXPECT_EQ(stored("Source Cluster"), "<absent>");
  // A wrong node is refused.
  dialogs.expectText(HasSubstr("Nœud telnet"), QStringLiteral("127.0.0.1:port"));
  dialogs.expectMessage(HasSubstr("Nœud incorrect"));
  cluster.Mnu_Noeud_Telnet->trigger();
  EXPECT_EQ(stored("Hote Telnet"), "<absent>");

  dialogs.expectText(HasSubstr("Nœud telnet"), QStringLiteral("127.0.0.1:%1").arg(node.port()));
  cluster.Mnu_Telnet->trigger();
  EXPECT_TRUE(cluster.Mnu_Telnet->isChecked());
  EXPECT_EQ(stored("Source Cluster"), "1");
  EXPECT_EQ(stored("Hote Telnet"), "127.0.0.1");
  EXPECT_EQ(stored("Port Telnet"), std::to_string(node.port()));
  ASSERT_TRUE(waitUntil([&] { return !node.received().isEmpty(); }));
  // Afficher needs no spot server with the telnet source.
  cluster.Afficher_Click();
  EXPECT_EQ(cluster.Liste_Stations->count(), 0);

  cluster.Mnu_Page_Web->trigger();
  EXPECT_EQ(stored("Source Cluster"), "0");
  EXPECT_EQ(cluster.feed().state(), ClusterFeed::State::Stopped);
  EXPECT_FALSE(cluster.feedState->isVisible());
}

}  // namespace
}  // namespace brivant

namespace brivant {
namespace {

using namespace testing;
using ::testing::HasSubstr;

class ClusterSelfSpotTest : public ClusterFixture {
 protected:
  LocalTelnetNode node;
};

// "Annoncer…": the station announced on the project's own telnet node, the
// exact line it receives, its answer in the state line, and the refusal
// while no node is connected.
TEST_F(ClusterSelfSpotTest, TheStationIsAnnouncedOnTheNodeAndItsAnswerShown) {
  setting("Hote Telnet", "127.0.0.1");
  setting("Port Telnet", std::to_string(node.port()));
  ASSERT_TRUE(store.save("ZIV", "Setup F6ABC_P", "N° Activite", "35012").ok());
  // hamlib's simulated radio on 14 025 kHz.
  radio = std::make_unique<RadioControl>(state, &radioHost, RadioControl::Hooks{}, RadioLink::Timing{50});
  ASSERT_TRUE(radio->use(HamlibChoice{false, HamlibDummyModel, "", 0, "localhost", DefaultRigctldPort}));
  ASSERT_TRUE(waitUntil([&] { return radio->link().state() == RadioLink::State::Answering; }));
  ASSERT_TRUE(radio->link().tune(14'025'000, RigMode::Cw));
  ASSERT_TRUE(waitUntil([&] { return radio->link().lastReading()->hertz == 14'025'000; }));
  Cluster& cluster = open();
  EXPECT_EQ(cluster.Mnu_Annoncer->text(), QStringLiteral("A&nnoncer…"));

  cluster.Mnu_Annoncer->trigger();
  SelfSpotDialog* spot = cluster.selfSpotDialog();
  ASSERT_NE(spot, nullptr);
  EXPECT_EQ(spot->frequency->text(), QStringLiteral("14025.0"));
  EXPECT_EQ(spot->call->text(), QStringLiteral("F6ABC/P"));
  EXPECT_EQ(spot->comment->text(), QStringLiteral("35012 JNC"));
  EXPECT_EQ(spot->comment->maxLength(), 30);

  // The spot pages are the source: no connection to send it on.
  dialogs.expectMessage(selfSpotNoConnectionMessage(true));
  QTest::keyClick(spot->comment, Qt::Key_Return);
  EXPECT_TRUE(spot->isVisible());

  // Connected to the node: Enter sends the command line, the window closes.
  cluster.Mnu_Telnet->trigger();
  ASSERT_TRUE(waitUntil([&] { return cluster.feed().state() == ClusterFeed::State::LoggedIn; }));
  spot->comment->setText(QStringLiteral("Château JNC"));
  dialogs.expectMessage(selfSpotProblemMessage(true, SelfSpotProblem::CommentNotAscii));
  QTest::keyClick(spot->comment, Qt::Key_Return);
  spot->comment->setText(QStringLiteral("35012 JNC QRV"));
  QTest::keyClick(spot->comment, Qt::Key_Return);
  ASSERT_TRUE(waitUntil([&] { return node.received().size() == 2; }));
  EXPECT_EQ(node.received()[0], "F6ABC/P");
  EXPECT_EQ(node.received()[1], "DX 14025.0 F6ABC/P 35012 JNC QRV");
  ASSERT_TRUE(waitUntil([&] { return cluster.selfSpotDialog() == nullptr; }));
  EXPECT_EQ(cluster.feedState->text(), selfSpotSentText(true, "DX 14025.0 F6ABC/P 35012 JNC QRV"));

  // Somebody else's spot is no answer; the node's own spot of the station is.
  node.send(QByteArray::fromStdString(dxLine("G4XYZ", "7010.0", "DL1AA", "CQ", "0800") + "\r\n"));
  const std::string answer = dxLine("F6ABC-2", "14025.0", "F6ABC/P", "35012 JNC QRV", "0800");
  node.send(QByteArray::fromStdString(answer + "\r\n"));
  ASSERT_TRUE(waitUntil([&] { return cluster.feedState->text().contains(QStringLiteral("F6ABC-2")); }));
  EXPECT_EQ(cluster.feedState->text(), selfSpotAnswerText(true, answer));
  radio->stop();
}

TEST_F(ClusterSelfSpotTest, WithoutARadioTheStationOfTheEntryIsAnnouncedAndAnUnansweredSpotIsSaid) {
  setting("Hote Telnet", "127.0.0.1");
  setting("Port Telnet", std::to_string(node.port()));
  setting("Source Cluster", "1");
  ClusterServices withShortWait = services();
  withShortWait.spotAnswerMs = 200;
  ClusterHooks entry = hooks();
  entry.entryCallsign = [] { return QStringLiteral("tm5cha"); };
  opener.reset();
  mainWindow = std::make_unique<QWidget>();
  opener = std::make_unique<ClusterOpener>(state, *mainWindow, entry, withShortWait);
  opener->ClusterHF_Click();
  window = opener->cluster();
  Cluster& cluster = *window;
  ASSERT_TRUE(waitUntil([&] { return cluster.feed().state() == ClusterFeed::State::LoggedIn; }));
  cluster.Mnu_Annoncer->trigger();
  SelfSpotDialog* spot = cluster.selfSpotDialog();
  ASSERT_NE(spot, nullptr);
  EXPECT_EQ(spot->frequency->text(), QString());
  EXPECT_EQ(spot->call->text(), QStringLiteral("TM5CHA"));
  EXPECT_EQ(spot->comment->text(), QStringLiteral("JNC"));
  dialogs.expectMessage(selfSpotProblemMessage(true, SelfSpotProblem::Frequency));
  spot->sendButton->click();
  spot->frequency->setText(QStringLiteral("7 012,5"));
  spot->sendButton->click();
  ASSERT_TRUE(waitUntil([&] { return node.received().size() == 2; }));
  EXPECT_EQ(node.received()[1], "DX 7012.5 TM5CHA JNC");
  ASSERT_TRUE(waitUntil([&] { return cluster.feedState->text() == selfSpotNoAnswerText(true); }));
}

}  // namespace
}  // namespace brivant
