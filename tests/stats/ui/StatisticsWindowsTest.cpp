#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/MissingFile.h"
#include "stats/ui/Statistique_DFCF.h"
#include "stats/ui/Statistique_Prefixe.h"
#include "tests/stats/ui/StatsWindowsFixture.h"

namespace brivant::testing {
namespace {

class StatisticsWindowsTest : public StatsWindowsFixture {};

TEST_F(StatisticsWindowsTest, PrefixesOfTheStoredModeAndBand) {
  saveSetting("Mode Utilise", "0");
  saveSetting("bande Utilisee", "2");
  menus().Mnu_Stat_Prefixe_Click();
  Statistique_Prefixe* window = menus().statistiquePrefixe();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Statistiques Prefixes"));
  EXPECT_EQ(window->Mode_AX->currentText(), QStringLiteral("SSB"));
  EXPECT_EQ(window->Bande_E->currentText(), QStringLiteral("14 Mhz"));
  EXPECT_EQ(window->Bande_E->currentIndex(), 2);
  EXPECT_EQ(window->Liste_Prefixes->count(), 0) << "empty until Afficher";

  struct Case {
    const char* mode;
    const char* band;
    const char* golden;
    const char* count;
  };
  const Case cases[] = {
      {"SSB", "14 Mhz", "stats/prefixes_14_ssb.txt", "4 préfixes"},
      {"CW", "14 Mhz", "stats/prefixes_14_cw.txt", "1 préfixe"},
  };
  for (const Case& c : cases) {
    window->Mode_AX->setCurrentText(QString::fromLatin1(c.mode));
    window->Bande_E->setCurrentText(QString::fromLatin1(c.band));
    QTest::mouseClick(window->Afficher, Qt::LeftButton);
    EXPECT_EQ(itemsOf(window->Liste_Prefixes), fixtureItems(c.golden)) << c.band << " " << c.mode;
    EXPECT_EQ(window->PrefixCount->text(), QString::fromUtf8(c.count));
  }
  // The window is opened once and brought forward after.
  menus().Mnu_Stat_Prefixe_Click();
  EXPECT_EQ(menus().statistiquePrefixe(), window);
}

TEST_F(StatisticsWindowsTest, APrefixWindowWithoutBandOrTallyListsNothing) {
  saveSetting("bande Utilisee", "7");
  menus().Mnu_Stat_Prefixe_Click();
  Statistique_Prefixe* window = menus().statistiquePrefixe();
  EXPECT_EQ(window->Bande_E->currentIndex(), -1);
  window->Afficher->click();
  EXPECT_EQ(window->Liste_Prefixes->count(), 0);
  EXPECT_TRUE(fileErrors.empty());

  window->Bande_E->setCurrentIndex(0);
  std::filesystem::remove(prefixTallyPath(programDir.path(), StatsStation, "SSB"));
  window->Afficher->click();
  EXPECT_EQ(fileErrors, std::vector<std::string>{"53 " + std::string(MissingFileLabel::PrefixTallies)});
}

TEST_F(StatisticsWindowsTest, CastlesCountedAndTheMainNumberRefreshed) {
  state.Language = "An";
  saveSetting("Mode Utilise", "1");  // the castle window starts at SSB whatever it holds
  saveSetting("bande Utilisee", "2");
  menus().Mnu_Stat_DFCF_Click();
  Statistique_DFCF* window = menus().statistiqueDfcf();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Statistics activations contacted"));
  EXPECT_EQ(window->Mode_A->currentText(), QStringLiteral("SSB"));
  EXPECT_EQ(window->Bande_E->currentText(), QStringLiteral("14 Mhz"));
  EXPECT_EQ(window->Label5->text(), QStringLiteral("Activity number"));

  activate(window);
  QTest::keyClick(window, Qt::Key_Return);  // Enter displays
  EXPECT_EQ(itemsOf(window->Liste_Chateaux), fixtureItems("stats/castles_14_ssb.txt"));
  EXPECT_EQ(window->TotActiv->text(), QStringLiteral("2"));
  EXPECT_EQ(window->BandActiv->text(), QStringLiteral("14 Mhz"));
  EXPECT_EQ(contactCountRefreshes, 1) << "the main window counts its list again (WiredWindows checks how)";

  window->Bande_E->setCurrentText(QStringLiteral("21 Mhz"));
  window->Afficher->click();
  EXPECT_EQ(itemsOf(window->Liste_Chateaux), fixtureItems("stats/castles_21_ssb.txt"));
  window->Mode_A->setCurrentText(QStringLiteral("CW"));
  window->Afficher->click();
  EXPECT_EQ(window->TotActiv->text(), QStringLiteral("0"));

  std::filesystem::remove(logFilePath(programDir.path(), StatsStation));
  window->Afficher->click();
  EXPECT_EQ(fileErrors, std::vector<std::string>{"53 " + std::string(MissingFileLabel::Log)});
  QTest::keyClick(window, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(menus().statistiqueDfcf(), nullptr);
}

TEST_F(StatisticsWindowsTest, ColumnHeadsStandOverTheirFields) {
  menus().Mnu_Stat_DFCF_Click();
  Statistique_DFCF* window = menus().statistiqueDfcf();
  window->Afficher->click();
  QApplication::processEvents();
  // Each head starts where its field starts in the first line.
  const QFontMetrics fixed(window->Liste_Chateaux->font());
  const QRect first = window->Liste_Chateaux->visualItemRect(window->Liste_Chateaux->item(0));
  const int textStart = window->Liste_Chateaux->viewport()->mapTo(window, first.topLeft()).x();
  const std::pair<QLabel*, int> heads[] = {
      {window->Label5, 2}, {window->Label8, 17}, {window->Label7, 47}, {window->Label6, 57}};
  for (const auto& [head, column] : heads) {
    const int headStart = head->mapTo(window, QPoint(0, 0)).x();
    const int fieldStart = textStart + fixed.horizontalAdvance(QString(column, QLatin1Char('M')));
    EXPECT_NEAR(headStart, fieldStart, 6) << head->text().toStdString();
  }
}

}  // namespace
}  // namespace brivant::testing
