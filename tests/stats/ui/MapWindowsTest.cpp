#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/MissingFile.h"
#include "entry/DeptTally.h"
#include "stats/DeptList.h"
#include "stats/DeptMapLayout.h"
#include "stats/ui/Affiche_Dpt.h"
#include "stats/ui/Carte_Acti.h"
#include "stats/ui/DeptMapView.h"
#include "stats/ui/StatsControls.h"
#include "tests/stats/ui/StatsWindowsFixture.h"

namespace brivant::testing {
namespace {

class MapWindowsTest : public StatsWindowsFixture {
 protected:
  Carte_Acti& openMap() { return opened(&StatsMenus::Mnu_Carte_Activation_Click, &StatsMenus::carte); }

  // A point well inside a departement and clear of its box, in widget
  // coordinates of the map.
  static QPoint pointInside(const DeptMapView& view, int box) {
    const DeptMap& map = shippedDeptMap();
    const DeptShape* shape = shapeOfBox(map, box);
    MapRect boxRect{};
    for (const DepBoxPlace& place : depBoxPlaces())
      if (place.box == box) boxRect = depBoxOnGround(place);
    for (double y = shape->bounds.y; y < shape->bounds.bottom(); y += 1) {
      for (double x = shape->bounds.x; x < shape->bounds.right(); x += 1) {
        const MapRect around{x - 3, y - 3, 6, 6};
        const bool clearOfBox = around.right() < boxRect.x || around.x > boxRect.right() ||
                                around.bottom() < boxRect.y || around.y > boxRect.bottom();
        if (clearOfBox && shapeContainsRect(*shape, around)) return view.widgetPoint({x, y}).toPoint();
      }
    }
    ADD_FAILURE() << "no room in " << box;
    return {};
  }

  static QColor levelColour(int level) {
    const GridRgb rgb = gridLevelRgb(level).value();
    return {rgb.red, rgb.green, rgb.blue};
  }
};

TEST_F(MapWindowsTest, DrawsTheDepartementsWorkedOnTheBandAndMode) {
  saveSetting("Mode Utilise", "0");
  saveSetting("bande Utilisee", "2");
  Carte_Acti& window = openMap();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Carte_Activations"));
  EXPECT_EQ(window.Bande_A->currentText(), QStringLiteral("14 Mhz"));
  EXPECT_EQ(window.Label4->text(), QStringLiteral("0 Activation et 0 département contacté"));

  window.Afficher->click();
  QApplication::processEvents();
  EXPECT_EQ(window.Label4->text(), QStringLiteral("7 QSO et 1 départements contactés"));
  EXPECT_EQ(state.GridBand, "") << "the main window's grid keeps its band";
  EXPECT_EQ(window.LegendText[4]->text(), QStringLiteral("Niveau 4 : 1 dpt(s)"));

  DeptMapView& view = *window.Picture1;
  const QImage picture = view.grab().toImage();
  const QColor background = view.palette().color(QPalette::Base);
  struct Case {
    int box;
    QColor colour;
  };
  const Case cases[] = {
      {59, levelColour(2)}, {96, levelColour(1)}, {97, levelColour(4)}, {29, background}, {13, background}};
  for (const Case& c : cases) {
    const QPoint at = pointInside(view, c.box) * picture.devicePixelRatio();
    EXPECT_EQ(picture.pixelColor(at), c.colour) << c.box;
    EXPECT_EQ(view.box(c.box)->palette().color(QPalette::Window), c.colour) << c.box;
  }
  EXPECT_EQ(view.tooltipOf(59), QStringLiteral("59 Nord\n2 QSO sur 14 Mhz SSB"));

  // In CW only 59 is worked, at level 3.
  window.Mode_AX->setCurrentText(QStringLiteral("CW"));
  window.Afficher->click();
  EXPECT_EQ(window.Label4->text(), QStringLiteral("1 QSO et 0 départements contactés"));
  const QImage cw = view.grab().toImage();
  EXPECT_EQ(cw.pixelColor(pointInside(view, 59) * cw.devicePixelRatio()), levelColour(3));
  EXPECT_EQ(cw.pixelColor(pointInside(view, 97) * cw.devicePixelRatio()), background);
}

TEST_F(MapWindowsTest, TheMapScalesWithTheWindow) {
  Carte_Acti& window = openMap();
  window.show();
  QApplication::processEvents();
  DeptMapView& view = *window.Picture1;
  const QRect before = view.box(59)->geometry();
  window.resize(window.width() + 300, window.height() + 300);
  QApplication::processEvents();
  const QRect after = view.box(59)->geometry();
  EXPECT_GT(after.width(), before.width());
  // Every box, the Paris ones included, still sits on its departement.
  for (const DepBoxPlace& place : depBoxPlaces()) {
    const QLabel* box = view.box(place.box);
    EXPECT_EQ(view.boxAt(QPointF(box->geometry().center())), place.box) << place.box;
  }
}

TEST_F(MapWindowsTest, AClickOnADepartementOrItsBoxListsItsContacts) {
  saveSetting("bande Utilisee", "2");
  Carte_Acti& window = openMap();
  window.Afficher->click();
  DeptMapView& view = *window.Picture1;
  QTest::mouseClick(&view, Qt::LeftButton, {}, pointInside(view, 59));
  Affiche_Dpt* list = menus().afficheDpt();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(itemsOf(list->QSO_DU_Dpt), fixtureItems("stats/departement_59.txt"));
  EXPECT_EQ(list->Label2->text(), QStringLiteral("3  QSO(s) effectué(s) avec le département 59"));

  QTest::mouseClick(view.box(96), Qt::LeftButton);
  EXPECT_EQ(list->Label2->text(), QStringLiteral("1  QSO(s) effectué(s) avec le département 2a"));
  // Paris, in the magnified inset.
  QTest::mouseClick(view.box(75), Qt::LeftButton);
  EXPECT_EQ(list->Label2->text(), QStringLiteral("0  QSO(s) effectué(s) avec le département 75"));
  // The sea opens nothing.
  list->close();
  QApplication::processEvents();
  QTest::mouseClick(&view, Qt::LeftButton, {}, view.widgetPoint({600, 20}).toPoint());
  EXPECT_EQ(menus().afficheDpt(), nullptr);
}

TEST_F(MapWindowsTest, NoBandOrNoLogDrawsNothing) {
  saveSetting("bande Utilisee", "9");
  Carte_Acti& window = openMap();
  EXPECT_EQ(window.Bande_A->currentText(), QString());
  dialogs.expectMessage("Selectionnez une bande");
  window.Afficher->click();
  dialogs.verifyAllConsumed();
  window.Bande_A->setCurrentIndex(2);
  std::filesystem::remove(logFilePath(programDir.path(), StatsStation));
  window.Afficher->click();
  EXPECT_EQ(fileErrors, std::vector<std::string>{"53 " + std::string(MissingFileLabel::Log)});
  EXPECT_EQ(window.Label4->text(), QStringLiteral("0 Activation et 0 département contacté"));
}

TEST_F(MapWindowsTest, ThePictureIsSavedAsPng) {
  state.Language = "An";
  saveSetting("bande Utilisee", "2");
  Carte_Acti& window = openMap();
  window.Afficher->click();
  const fs::path chosen = programDir / "map";
  dialogs.expectSaveFile("Save picture", QString::fromStdString(chosen.string()));
  dialogs.expectMessage("Picture saved as: " + QString::fromStdString(chosen.string()) + ".png");
  window.Enregistrer_Image->click();
  QImage saved;
  ASSERT_TRUE(saved.load(QString::fromStdString(chosen.string() + ".png"), "PNG"));
  EXPECT_EQ(saved.size(), window.pictureArea()->size() * saved.devicePixelRatio());

  // Enter on the focused button asks again; cancelled, nothing is written.
  activate(&window);
  window.Enregistrer_Image->setFocus();
  dialogs.expectSaveFile("Save picture", std::nullopt);
  QTest::keyClick(window.Enregistrer_Image, Qt::Key_Return);
  dialogs.verifyAllConsumed();
  EXPECT_FALSE(fs::exists(programDir / "map.png.png"));
  // A folder that cannot be written: the error number, nothing else.
  dialogs.expectSaveFile("Save picture", QString::fromStdString((programDir / "none" / "x.png").string()));
  dialogs.expectMessage(::testing::StartsWith("Error No. "));
  window.Enregistrer_Image->click();
}

TEST_F(MapWindowsTest, TheGridsDoubleClickListsADepartement) {
  struct Case {
    int box;
    std::size_t count;
    const char* line;
  };
  const Case cases[] = {{2, 0, "0  QSO(s) made with the Department 02"},
                        {96, 1, "1  QSO(s) made with the Department 2a"}};
  state.Language = "An";
  for (const Case& c : cases) {
    menus().Dpt_DblClick(c.box);
    Affiche_Dpt* list = menus().afficheDpt();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->QSO_DU_Dpt->count(), static_cast<int>(c.count));
    EXPECT_EQ(list->Label2->text(), QString::fromLatin1(c.line));
    EXPECT_EQ(list->windowTitle(), QStringLiteral("QSO(s) made by department "));
  }
  Affiche_Dpt* list = menus().afficheDpt();
  EXPECT_EQ(list->Label1->text(), deptListHeader(false));
  EXPECT_EQ(list->Quitter->text(), QStringLiteral("E&xit"));
  list->Quitter->click();
  QApplication::processEvents();
  EXPECT_EQ(menus().afficheDpt(), nullptr);
}

}  // namespace
}  // namespace brivant::testing
