// The cluster window's spot list against a spot server started by the test.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "cluster/SpotPage.h"
#include "core/ui/FieldColours.h"
#include "tests/cluster/ClusterTestData.h"
#include "tests/cluster/ui/ClusterFixture.h"

namespace brivant {
namespace {

using namespace testing;
using ::testing::HasSubstr;

class ClusterSpotsTest : public ClusterFixture {};

QColor buttonColour(const QWidget* button) { return button->palette().color(QPalette::Button); }

TEST_F(ClusterSpotsTest, FirstOpeningWithNoSettings) {
  Cluster& cluster = open();
  EXPECT_TRUE(cluster.isVisible());
  EXPECT_EQ(cluster.Bande_CL->currentText(), QStringLiteral("All HF"));
  EXPECT_EQ(cluster.Bande_CL->count(), 14);
  EXPECT_EQ(cluster.Bande_CL2->currentText(), QStringLiteral("Sans"));
  EXPECT_EQ(cluster.Bande_CL2->count(), 13);
  EXPECT_EQ(cluster.Emetteur->currentText(), QStringLiteral("FT-847"));
  EXPECT_EQ(cluster.transceiverName(), "FT-847");
  EXPECT_EQ(stored("Transceiver"), "2");  // written back by the selection
  EXPECT_EQ(cluster.NumPort->text(), QStringLiteral("0"));
  EXPECT_EQ(cluster.DebitPort->text(), QStringLiteral("0"));
  EXPECT_TRUE(cluster.Timer2->isActive());
  EXPECT_EQ(cluster.Timer2->interval(), 60'000);
  EXPECT_TRUE(cluster.clusterIdle());
  EXPECT_EQ(cluster.sortMode(), SortMode::Date);
  EXPECT_EQ(cluster.Liste_Stations->count(), 0);
  EXPECT_FALSE(cluster.Patientez->isVisible());
  EXPECT_EQ(buttonColour(cluster.Tri_Date), QColor(AwaitingColour));
  EXPECT_TRUE(server.requestedPaths().isEmpty());

  // No spot server yet: Afficher says so and fetches nothing; the timer is silent.
  dialogs.expectMessage(HasSubstr("Aucun serveur de spots"));
  cluster.Afficher_Click();
  cluster.Timer2_Timer();
  EXPECT_TRUE(server.requestedPaths().isEmpty());
  EXPECT_TRUE(cluster.Timer2->isActive());
}

TEST_F(ClusterSpotsTest, BothLanguages) {
  struct Case {
    const char* language;
    const char* afficher;
    const char* patientez;
    const char* label2;
    const char* text2;
  };
  const Case cases[] = {
      {"Fr", "Afficher", "Patientez", "Page mise a jour toutes les minutes, la dernière à ", "Remarques"},
      {"An", "Display", "Wait", "Page updated every minute, last at ", "remarks"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    state.Language = c.language;
    Cluster& cluster = open();
    EXPECT_EQ(cluster.Afficher->text().remove(QLatin1Char('&')), QString::fromUtf8(c.afficher));
    EXPECT_EQ(cluster.Patientez->text(), QString::fromUtf8(c.patientez));
    EXPECT_EQ(cluster.Label2->text(), QString::fromUtf8(c.label2));
    EXPECT_EQ(cluster.Text2->text(), QString::fromUtf8(c.text2));
    // Unchanged in both languages.
    EXPECT_EQ(cluster.Tri_Date->text().remove(QLatin1Char('&')), QStringLiteral("Date QTR(TU)"));
    EXPECT_EQ(cluster.Tri_DX->text().remove(QLatin1Char('&')), QStringLiteral("DX              "));
    EXPECT_EQ(cluster.Text1->text(), QStringLiteral("Spotter"));
    EXPECT_EQ(cluster.titleLabel->text(), QStringLiteral("CLUSTER (DXCluster)"));
    window->close();
  }
}

TEST_F(ClusterSpotsTest, SpotsAppearSortedAndTheLatestIsSelected) {
  useLocalServer();
  Cluster& cluster = open();
  cluster.Bande_CL->setCurrentIndex(5);  // 14 Mhz
  cluster.Afficher_Click();
  // While the page comes: no timer, no second fetch, Patientez shown.
  EXPECT_TRUE(cluster.fetching());
  EXPECT_FALSE(cluster.Afficher->isEnabled());
  EXPECT_TRUE(cluster.Patientez->isVisible());
  EXPECT_FALSE(cluster.Timer2->isActive());
  cluster.Timer2_Timer();
  ASSERT_TRUE(settle());
  EXPECT_EQ(server.requestedPaths(), QList<QByteArray>{"/dxc/top_50_14_MHz.html"});
  EXPECT_TRUE(cluster.Afficher->isEnabled());
  EXPECT_FALSE(cluster.Patientez->isVisible());
  EXPECT_TRUE(cluster.Timer2->isActive());
  EXPECT_EQ(cluster.QTR->text(), QStringLiteral("08:00 TU"));
  EXPECT_EQ(stored("bande Cluster"), "5");
  EXPECT_EQ(stored("bande Cluster 1"), "0");

  EXPECT_EQ(calls(), (std::vector<std::string>{"HB9ABC", "TM5CHA", "DL1ABC", "F6KGL/P", "DL2ZZ"}));
  EXPECT_EQ(lines()[3], QStringLiteral(" 26-06-06 0912 F6KGL/P       14205.0 DL2ZZ       DFCF 59-045 CHATEAU <QRP>"));
  EXPECT_EQ(cluster.Liste_Stations_Bis->count(), 5);
  EXPECT_FALSE(cluster.Liste_Stations_Bis->isVisible());
  // The latest spot is selected.
  EXPECT_EQ(cluster.Liste_Stations->currentRow(), 4);
  EXPECT_EQ(cluster.selectedSpotLine().substr(15, 5), "DL2ZZ");
  // The page as last parsed is kept (written once the list is shown).
  ASSERT_TRUE(waitUntil([this] { return std::filesystem::exists(programDir / "Cluster1.txt"); }));
  EXPECT_EQ(readBytes(programDir / "Cluster1.txt").substr(0, 8), "<HTML>\r\n");
  EXPECT_FALSE(std::filesystem::exists(programDir / "Temp1.txt"));

  // By DX, then by QRG: the first line is selected; the chosen button is green.
  cluster.Tri_DX->click();
  ASSERT_TRUE(settle());
  EXPECT_EQ(calls(), (std::vector<std::string>{"DL1ABC", "DL2ZZ", "F6KGL/P", "HB9ABC", "TM5CHA"}));
  EXPECT_EQ(cluster.Liste_Stations->currentRow(), 0);
  EXPECT_EQ(buttonColour(cluster.Tri_DX), QColor(AwaitingColour));
  EXPECT_NE(buttonColour(cluster.Tri_Date), QColor(AwaitingColour));
  cluster.Tri_QRG->click();
  ASSERT_TRUE(settle());
  EXPECT_EQ(calls(), (std::vector<std::string>{"HB9ABC", "DL1ABC", "DL2ZZ", "F6KGL/P", "TM5CHA"}));
  EXPECT_EQ(server.requestedPaths().size(), 3);
}

TEST_F(ClusterSpotsTest, TwoBandsAreMergedInOneList) {
  useLocalServer();
  Cluster& cluster = open();
  cluster.Bande_CL->setCurrentIndex(5);   // 14 Mhz
  cluster.Bande_CL2->setCurrentIndex(3);  // 7.0 Mhz
  display();
  EXPECT_EQ(server.requestedPaths(), (QList<QByteArray>{"/dxc/top_50_14_MHz.html", "/dxc/top_50_7_MHz.html"}));
  EXPECT_EQ(calls(), (std::vector<std::string>{"HB9ABC", "TM5CHA", "DL1ABC", "F5AAA", "EA3BBB", "F6KGL/P", "DL2ZZ"}));
  EXPECT_EQ(stored("bande Cluster 1"), "3");
}

TEST_F(ClusterSpotsTest, TheFirstBandStaysListedWhenTheSecondBandsPageDoesNotCome) {
  useLocalServer();
  Cluster& cluster = open();
  cluster.Bande_CL->setCurrentIndex(5);   // 14 Mhz
  cluster.Bande_CL2->setCurrentIndex(3);  // 7.0 Mhz
  const struct {
    const char* what;
    LocalWebServer::Page page;
    bool answered;
  } cases[] = {{"missing", {404, "<HTML>gone</HTML>"}, false},
               {"empty", {200, ""}, false},
               {"without a table", {200, "<html>no spots</html>"}, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    server.setPage("/dxc/top_50_7_MHz.html", c.page);
    if (!c.answered) dialogs.expectMessage(HasSubstr("Pas de reponse"));
    display();
    EXPECT_EQ(calls(), (std::vector<std::string>{"HB9ABC", "TM5CHA", "DL1ABC", "F6KGL/P", "DL2ZZ"}));
    EXPECT_EQ(cluster.Liste_Stations->currentRow(), 4);
  }
}

TEST_F(ClusterSpotsTest, APageWithCrLfLineEndsIsListed) {
  QByteArray page = QByteArray::fromStdString(spotPage(fourteenMegahertzRows()));
  server.setPage("/dxc/top_50_14_MHz.html", {200, page.replace("\n", "\r\n")});
  useLocalServer();
  Cluster& cluster = open();
  cluster.Bande_CL->setCurrentIndex(5);
  display();
  EXPECT_EQ(calls(), (std::vector<std::string>{"HB9ABC", "TM5CHA", "DL1ABC", "F6KGL/P", "DL2ZZ"}));
  ASSERT_TRUE(waitUntil([this] { return std::filesystem::exists(programDir / "Cluster1.txt"); }));
  EXPECT_EQ(readBytes(programDir / "Cluster1.txt"), storedPage(spotPage(fourteenMegahertzRows())));
}

TEST_F(ClusterSpotsTest, AnEndlessOrHugePageIsNoAnswerAndIsNotStored) {
  server.setPage("/dxc/top_50_HF.html", {200, QByteArray(2 << 20, 'x')});
  fetchTimeoutMs = 1'000;
  useLocalServer();
  Cluster& cluster = open();
  using Behaviour = LocalWebServer::Behaviour;
  for (const Behaviour behaviour : {Behaviour::Answer, Behaviour::Flood, Behaviour::Drip}) {
    SCOPED_TRACE(static_cast<int>(behaviour));
    server.setBehaviour(behaviour);
    dialogs.expectMessage(HasSubstr("Pas de reponse"));
    display();
    QCoreApplication::processEvents();  // the copy would be written now
    EXPECT_EQ(cluster.Liste_Stations->count(), 0);
    EXPECT_FALSE(std::filesystem::exists(programDir / "Cluster1.txt"));
  }
  // The flood was taken up to the page's limit and what the sockets hold
  // (a few MB), not to its end.
  EXPECT_LT(server.bytesSent(), LocalWebServer::FloodLimit * 3 / 4);
}

TEST_F(ClusterSpotsTest, FiltersAndTheAlert) {
  useLocalServer();
  Cluster& cluster = open();
  cluster.Bande_CL->setCurrentIndex(5);
  display();
  // French stations only.
  cluster.Check1->click();
  ASSERT_TRUE(settle());
  EXPECT_EQ(calls(), (std::vector<std::string>{"TM5CHA", "F6KGL/P"}));
  // Both filters: a French station with the watched prefix is listed twice.
  QTest::keyClicks(cluster.Indicatif, "tm5");
  EXPECT_EQ(cluster.Indicatif->text(), QStringLiteral("TM5"));
  cluster.Check2->click();
  ASSERT_TRUE(settle());
  EXPECT_EQ(calls(), (std::vector<std::string>{"TM5CHA", "TM5CHA", "F6KGL/P"}));
  EXPECT_TRUE(sound.played.empty());
  // The alert sounds once for each matching row, listed or not.
  cluster.Check1->click();
  ASSERT_TRUE(settle());
  cluster.Check3->click();  // no refresh of its own
  EXPECT_TRUE(sound.played.empty());
  cluster.Indicatif->setText(QStringLiteral("DL"));
  QTest::keyClick(cluster.Indicatif, Qt::Key_Return);
  ASSERT_TRUE(settle());
  EXPECT_EQ(calls(), (std::vector<std::string>{"DL1ABC", "DL2ZZ"}));
  EXPECT_EQ(sound.played, (std::vector<std::string>{"ringout.wav", "ringout.wav"}));

  // An empty watched text: Enter asks for one; a refresh lists nothing through
  // Check2 but every row sounds.
  sound.played.clear();
  cluster.Indicatif->clear();
  dialogs.expectMessage("Entrez un indicatif");
  QTest::keyClick(cluster.Indicatif, Qt::Key_Return);
  EXPECT_TRUE(sound.played.empty());
  display();
  EXPECT_TRUE(calls().empty());
  EXPECT_EQ(sound.played.size(), 5u);
}

TEST_F(ClusterSpotsTest, ATimerTickDuringAnAlertWaitsForTheList) {
  useLocalServer();
  Cluster& cluster = open();
  cluster.Bande_CL->setCurrentIndex(5);
  cluster.Check2->setChecked(true);
  cluster.Check3->setChecked(true);
  cluster.Indicatif->setText(QStringLiteral("DL"));
  sound.whilePlaying = [&cluster] { cluster.Timer2_Timer(); };
  display();
  EXPECT_EQ(calls(), (std::vector<std::string>{"DL1ABC", "DL2ZZ"}));
  EXPECT_EQ(sound.played.size(), 2u);
  EXPECT_EQ(server.requestedPaths().size(), 1);
}

TEST_F(ClusterSpotsTest, NoAnswerStopsTheTimer) {
  server.setPage("/dxc/top_50_HF.html", {404, "gone"});
  useLocalServer();
  Cluster& cluster = open();
  dialogs.expectMessage(QString::fromUtf8(
      "Pas de reponse du site vérifiez votre liaison internet\r\n            Appuyez de nouveau sur Afficher"));
  display();
  EXPECT_EQ(sound.played, std::vector<std::string>{"ringin.wav"});
  EXPECT_TRUE(cluster.Afficher->isEnabled());
  EXPECT_FALSE(cluster.Patientez->isVisible());
  EXPECT_FALSE(cluster.Timer2->isActive());
  EXPECT_EQ(cluster.Liste_Stations->count(), 0);
  // A sort still fetches once (the window was idle since it opened); after a
  // sort whose page did not come, only a page makes it idle again.
  dialogs.expectMessage(HasSubstr("Pas de reponse"));
  cluster.Tri_DX->click();
  ASSERT_TRUE(settle());
  EXPECT_FALSE(cluster.clusterIdle());
  cluster.Tri_QRG->click();
  cluster.Check1->click();
  EXPECT_FALSE(cluster.fetching());
  EXPECT_EQ(server.requestedPaths().size(), 2);
}

TEST_F(ClusterSpotsTest, ASilentServerIsGivenUp) {
  server.setBehaviour(LocalWebServer::Behaviour::NeverAnswer);
  fetchTimeoutMs = 300;
  useLocalServer();
  Cluster& cluster = open();
  cluster.Afficher_Click();
  // Nothing starts a second fetch meanwhile.
  cluster.Tri_DX->click();
  cluster.Check1->click();
  QTest::keyClicks(cluster.Indicatif, "F");
  QTest::keyClick(cluster.Indicatif, Qt::Key_Return);
  EXPECT_EQ(cluster.sortMode(), SortMode::Dx);
  dialogs.expectMessage(HasSubstr("Pas de reponse"));
  ASSERT_TRUE(settle());
  EXPECT_EQ(server.requestedPaths().size(), 1);
  EXPECT_EQ(sound.played, std::vector<std::string>{"ringin.wav"});
}

TEST_F(ClusterSpotsTest, WorkedStationsAreGreyedAndCastlesStandOut) {
  logLines = {loggedLine("DL1ABC", "14 Mhz", "SSB")};
  useLocalServer();
  Cluster& cluster = open();
  cluster.Bande_CL->setCurrentIndex(5);
  display();
  const auto itemOf = [&](const char* call) {
    for (int i = 0; i < cluster.Liste_Stations->count(); ++i)
      if (cluster.Liste_Stations->item(i)->text().mid(15, 12).trimmed() == QLatin1String(call))
        return cluster.Liste_Stations->item(i);
    return static_cast<QListWidgetItem*>(nullptr);
  };
  ASSERT_NE(itemOf("DL1ABC"), nullptr);
  EXPECT_EQ(itemOf("DL1ABC")->foreground().color(), QColor(Qt::gray));
  EXPECT_NE(itemOf("DL2ZZ")->foreground().color(), QColor(Qt::gray));
  EXPECT_TRUE(itemOf("F6KGL/P")->font().bold());
  EXPECT_NE(itemOf("F6KGL/P")->background().style(), Qt::NoBrush);
  EXPECT_FALSE(itemOf("DL2ZZ")->font().bold());

  // In another mode it is not worked.
  loggingMode = QStringLiteral("CW");
  display();
  EXPECT_NE(itemOf("DL1ABC")->foreground().color(), QColor(Qt::gray));
}

TEST_F(ClusterSpotsTest, ADoubleClickOffersTheCallsign) {
  useLocalServer();
  Cluster& cluster = open();
  cluster.Bande_CL->setCurrentIndex(5);
  display();
  QListWidget* list = cluster.Liste_Stations;
  const QRect row = list->visualItemRect(list->item(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
  EXPECT_EQ(offered, QStringList{QStringLiteral("TM5CHA")});
}

TEST_F(ClusterSpotsTest, TheKeyboardReachesEverything) {
  Cluster& cluster = open();
  for (QAbstractButton* button : cluster.findChildren<QAbstractButton*>()) {
    if (button->objectName().startsWith(QLatin1String("qt_"))) continue;  // Qt's own, such as the menu extension
    EXPECT_TRUE(button->text().contains(QLatin1Char('&'))) << button->objectName().toStdString();
  }
  for (QAction* item : cluster.menuBar->actions()) {
    EXPECT_TRUE(item->text().contains(QLatin1Char('&'))) << item->text().toStdString();
    if (item->menu() == nullptr) continue;
    emit item->menu()->aboutToShow();
    for (QAction* entry : item->menu()->actions())
      EXPECT_TRUE(entry->isSeparator() || entry->text().contains(QLatin1Char('&'))) << entry->text().toStdString();
  }
  EXPECT_EQ(cluster.band1Label->buddy(), cluster.Bande_CL);
  EXPECT_EQ(cluster.transceiverLabel->buddy(), cluster.Emetteur);
  // Escape closes the window.
  cluster.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&cluster));
  QTest::keyClick(cluster.Liste_Stations, Qt::Key_Escape);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(opener->cluster(), nullptr);
}

TEST_F(ClusterSpotsTest, TheButtonBringsTheOpenWindowForward) {
  Cluster& cluster = open();
  opener->ClusterHF_Click();
  EXPECT_EQ(opener->cluster(), &cluster);
  cluster.close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(opener->cluster(), nullptr);
  opener->ClusterHF_Click();
  EXPECT_NE(opener->cluster(), nullptr);
  window = opener->cluster();
}

TEST_F(ClusterSpotsTest, TheServerMenu) {
  Cluster& cluster = open();
  dialogs.expectText(HasSubstr("Serveur des pages de spots"), QStringLiteral("http://dxc.example.org/"));
  cluster.Mnu_Serveur->trigger();
  EXPECT_EQ(stored("Serveur Cluster"), "dxc.example.org");
  dialogs.expectText(HasSubstr("Serveur"), QStringLiteral("dxc example"));
  dialogs.expectMessage(HasSubstr("Nom de serveur incorrect"));
  cluster.Mnu_Serveur->trigger();
  dialogs.expectText(HasSubstr("Serveur"), std::nullopt);
  cluster.Mnu_Serveur->trigger();
  EXPECT_EQ(stored("Serveur Cluster"), "dxc.example.org");
}

}  // namespace
}  // namespace brivant
