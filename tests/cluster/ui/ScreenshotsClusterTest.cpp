// Pictures of the cluster window with spots, in both languages, for reviewing
// the look.  They go to the folder named by BRIVANT_SCREENSHOTS_DIR when it is
// set (for example
//   BRIVANT_SCREENSHOTS_DIR=$PWD/screenshots build/test/tests/windows_tests --gtest_filter='Screenshots*'
// ) and to a temporary folder otherwise; never into the repository.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "cluster/ui/SelfSpotDialog.h"

#include "tests/cluster/ClusterTestData.h"
#include "tests/cluster/ui/ClusterFixture.h"
#include "tests/support/qt/Screenshots.h"

namespace brivant::testing {
namespace {

class ScreenshotsCluster : public ClusterFixture {
 protected:
  void shoot(const char* language, const std::string& name) {
    state.Language = language;
    logLines = {loggedLine("HB9ABC", "14 Mhz", "SSB")};
    useLocalServer();
    setting("bande Cluster", "5");
    setting("bande Cluster 1", "3");
    Cluster& cluster = open();
    cluster.Check3->setChecked(true);
    display();
    ASSERT_EQ(cluster.Liste_Stations->count(), 7);

    QApplication::processEvents();
    // Each heading starts over the first character of its column.
    const QFontMetrics metrics(cluster.Liste_Stations->font());
    const int column = metrics.horizontalAdvance(QLatin1Char('M'));
    const int textLeft = cluster.Liste_Stations->mapTo(&cluster, QPoint(0, 0)).x() +
                         cluster.Liste_Stations->visualItemRect(cluster.Liste_Stations->item(0)).left() +
                         cluster.Liste_Stations->viewport()->mapTo(cluster.Liste_Stations, QPoint(0, 0)).x();
    const std::pair<QWidget*, int> headings[] = {
        {cluster.Tri_Date, 0}, {cluster.Tri_DX, 14}, {cluster.Tri_QRG, 27}, {cluster.Text1, 36}, {cluster.Text2, 48}};
    for (const auto& [heading, firstColumn] : headings)
      EXPECT_NEAR(heading->mapTo(&cluster, QPoint(0, 0)).x(), textLeft + firstColumn * column, 4)
          << heading->objectName().toStdString() << " " << name;
    // Nothing is cut: every control shows its whole text.
    for (QAbstractButton* button : cluster.findChildren<QAbstractButton*>()) {
      if (button->objectName().startsWith(QLatin1String("qt_")) || !button->isVisible()) continue;
      EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')))
          << button->objectName().toStdString() << " " << name;
    }

    folder.save(&cluster, name);

    // "Annoncer…" over it, for the station activating its castle.
    ASSERT_TRUE(store.save("ZIV", "Setup F6ABC_P", "N° Activite", "35012").ok());
    cluster.Mnu_Annoncer->trigger();
    SelfSpotDialog* spot = cluster.selfSpotDialog();
    ASSERT_NE(spot, nullptr);
    spot->frequency->setText(QStringLiteral("14025.0"));
    EXPECT_LE(spot->width(), 1280);
    EXPECT_LE(spot->height(), 720);
    for (const QLabel* label : spot->findChildren<QLabel*>())
      EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(QString(label->text()).remove('&')));
    folder.save(spot, "SelfSpot" + name.substr(name.find('_')));
    spot->close();
  }

  ScreenshotFolder folder;
};

TEST_F(ScreenshotsCluster, French) { shoot("Fr", "Cluster_fr"); }
TEST_F(ScreenshotsCluster, English) { shoot("An", "Cluster_en"); }

}  // namespace
}  // namespace brivant::testing
