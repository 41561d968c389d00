// The main window's controls and menus by name (against a golden file), its
// size, the list and the hooks the entry chain attaches to.

#include <QAction>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <map>

#include "core/ui/QsoListModel.h"
#include "entry/ui/DeptGridView.h"
#include "tests/core/ui/MainFixture.h"

namespace brivant::testing {
namespace {

// The menus of a menu bar or a menu as a tree of names, a line per item
// indented by its depth ("-" a separator).
void appendMenuTree(std::string& out, const QList<QAction*>& items, int depth) {
  for (QAction* item : items) {
    out += std::string(2 * static_cast<std::size_t>(depth), ' ');
    if (item->isSeparator()) {
      out += "-\n";
    } else if (item->menu() != nullptr) {
      out += item->menu()->objectName().toStdString() + '\n';
      appendMenuTree(out, item->menu()->actions(), depth + 1);
    } else {
      out += item->objectName().toStdString() + '\n';
    }
  }
}

// Every control and menu carries its design name: the golden file
// core/MainControls.txt holds the menu bar as a tree of names, then every
// other named object of the window with its class, by name.
TEST_F(MainFixture, EveryControlCarriesItsDesignName) {
  Main& window = makeMain();
  std::string controls = "# The menu bar\n";
  appendMenuTree(controls, window.menuBar()->actions(), 0);
  controls += "# The controls, by name, and their classes\n";
  std::map<std::string, std::string> named;
  for (QObject* object : window.findChildren<QObject*>()) {
    const std::string name = object->objectName().toStdString();
    if (name.empty() || name.starts_with("qt_") || name.starts_with("Dpt(")) continue;
    if (qobject_cast<QAction*>(object) != nullptr || qobject_cast<QMenu*>(object) != nullptr) continue;
    EXPECT_FALSE(named.contains(name)) << name << " is the name of two objects";
    named[name] = object->metaObject()->className();
  }
  for (const auto& [name, className] : named) controls += name + ' ' + className + '\n';
  expectBytesMatchGolden(controls, "core/MainControls.txt");
  EXPECT_EQ(window.Indicatif_A->objectName(), QStringLiteral("Indicatif_A"));
  for (int box : {0, 59, 96, 99}) EXPECT_EQ(Dpt().box(box)->objectName(), QStringLiteral("Dpt(%1)").arg(box));
}

TEST_F(MainFixture, NoMenuItemOrButtonIsADeadClick) {
  Main& window = makeMain();
  // disconnect() tells whether anything was connected (this window is thrown
  // away afterwards).
  int checked = 0;
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->menu() != nullptr || action->isSeparator() || action->objectName().isEmpty()) continue;
    ++checked;
    if (action->isEnabled()) {
      EXPECT_TRUE(QObject::disconnect(action, &QAction::triggered, nullptr, nullptr))
          << action->objectName().toStdString() << " does nothing";
    }
  }
  EXPECT_GE(checked, 22);
  for (QPushButton* button : window.Frame4->findChildren<QPushButton*>()) {
    if (button->isEnabled()) {
      EXPECT_TRUE(QObject::disconnect(button, &QPushButton::clicked, nullptr, nullptr))
          << button->objectName().toStdString() << " does nothing";
    }
  }
  // Every window the menus and buttons name is there: none waits disabled.
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->menu() != nullptr || action->isSeparator() || action->objectName().isEmpty()) continue;
    EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
  }
  EXPECT_TRUE(window.Recherche->isEnabled());
  EXPECT_TRUE(window.ClusterHF->isEnabled());
}

TEST_F(MainFixture, OnlyOneItemOfEachOptionPairIsChecked) {
  Main& window = makeMain();
  window.Mnu_UTC_Non->trigger();
  EXPECT_FALSE(window.Mnu_UTC_Oui->isChecked());
  window.Mnu_UTC_Non->trigger();  // choosing it again keeps it chosen
  EXPECT_TRUE(window.Mnu_UTC_Non->isChecked());
  window.Mnu_Fr->trigger();
  EXPECT_FALSE(window.Mnu_An->isChecked());
}

TEST_F(MainFixture, TheWindowFitsASmallScreenAndGrows) {
  Main& window = makeMain();
  const QSize smallest = window.minimumSizeHint();
  EXPECT_LE(smallest.width(), 1366);
  // Title bar and a task bar take some of the 768 rows.
  EXPECT_LE(smallest.height(), 700);
  EXPECT_LE(window.width(), 1366);
  EXPECT_LE(window.height(), 720);
  window.show();
  const int listHeight = window.Liste_QSO->height();
  window.resize(1600, 1000);
  QApplication::processEvents();
  EXPECT_GT(window.Liste_QSO->height(), listHeight);
}

TEST_F(MainFixture, TheListUsesAFixedPitchFont) {
  Main& window = makeMain();
  EXPECT_TRUE(QFontInfo(window.Liste_QSO->font()).fixedPitch());
  EXPECT_TRUE(QFontInfo(window.Label29->font()).fixedPitch());
}

// On screen, each word of the header over the list starts where the field it
// names starts in a line of the list, in both languages.
TEST_F(MainFixture, TheHeaderWordsStandOverTheirColumns) {
  for (const char* language : {"Fr", "An"}) {
    setUpStation("F6ABC", language);
    writeLog("F6ABC", {contact("06/06/26", "F5AAA", "08:00", "59", "14 Mhz", "SSB", true)});
    Main& window = start();
    ASSERT_TRUE(started);
    QApplication::processEvents();
    const QString header = window.Label29->text();
    const QString line = window.listModel()->data(window.listModel()->index(0)).toString();
    const QFontMetrics fixed(window.Liste_QSO->font());
    const int headerStart = window.Label29->mapTo(&window, QPoint(window.Label29->contentsMargins().left(), 0)).x();
    const int textMargin = window.Liste_QSO->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    const int lineStart = window.Liste_QSO->viewport()
                              ->mapTo(&window, window.Liste_QSO->visualRect(window.listModel()->index(0)).topLeft())
                              .x() +
                          textMargin;
    const bool french = std::string(language) == "Fr";
    // A title, and a text of the contact that its column shows.
    const std::pair<const char*, const char*> columns[] = {{"Date", "06/06/26"},
                                                           {french ? "Indicatif" : "Callsign", "F5AAA"},
                                                           {french ? "Debut" : "Start", "08:00"},
                                                           {"Dpt", "59 "},
                                                           {french ? "Bande" : "Band", "14 Mhz"},
                                                           {"Mode", "SSB"},
                                                           {french ? "Ref Chateau" : "Castle Ref", "DFCF"}};
    for (const auto& [title, text] : columns) {
      const qsizetype titleAt = header.indexOf(QString::fromLatin1(title));
      const qsizetype textAt = line.indexOf(QString::fromLatin1(text));
      ASSERT_GE(titleAt, 0) << title;
      ASSERT_GE(textAt, 0) << text;
      EXPECT_EQ(titleAt, textAt) << title << " (" << language << ")";
      EXPECT_NEAR(headerStart + fixed.horizontalAdvance(header.left(titleAt)),
                  lineStart + fixed.horizontalAdvance(line.left(textAt)), 1)
          << title << " (" << language << ")";
    }
  }
}

TEST_F(MainFixture, TheListAddsALineAndSelectsTheLast) {
  Main& window = makeMain();
  QsoListModel& model = *window.listModel();
  std::vector<std::string> lines(10'000, std::string(205, ' ') + "*");
  model.setLines(lines);
  EXPECT_EQ(model.rowCount(), 10'000);
  window.appendListLine(QsoListLine(10'001, contact("06/06/26", "F5AAA", "08:00", "59", "3.5 Mhz", "SSB")));
  EXPECT_EQ(state->QsoCount, 10'001);
  window.selectLastQso();
  EXPECT_EQ(window.selectedQso(), 10'000);
  EXPECT_EQ(window.listLines().back().substr(0, 17), "10001 06/06/26  F");
  EXPECT_EQ(model.data(model.index(10'000)).toString().left(6), QStringLiteral("10001 "));
  window.selectQso(-1);
  EXPECT_EQ(window.selectedQso(), -1);
}

TEST_F(MainFixture, ListLinesShowTheirWindows1252Characters) {
  QsoListModel model;
  model.setLines({"    1 \xe9t\xe9"});
  EXPECT_EQ(model.data(model.index(0)).toString(), QString::fromUtf8("    1 été"));
  EXPECT_FALSE(model.data(model.index(1)).isValid());
  EXPECT_EQ(model.lineAt(7), "");
}

TEST_F(MainFixture, KeyHandlersSeeEveryKeyAndMaySwallowIt) {
  Main& window = makeMain();
  window.show();
  // A field of its own, so that no handler of the entry chain is in the way.
  auto* field = new QLineEdit(window.Frame4);
  field->show();
  std::vector<int> keys;
  window.onKeyPress(field, [&](QKeyEvent& event) {
    keys.push_back(event.key());
    if (event.text() == QStringLiteral("a")) {
      field->insert(QStringLiteral("A"));
      return true;
    }
    return event.key() == Qt::Key_Return;
  });
  QTest::keyClicks(field, QStringLiteral("fa"));
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_EQ(field->text(), QStringLiteral("fA"));
  EXPECT_EQ(keys, (std::vector<int>{Qt::Key_F, Qt::Key_A, Qt::Key_Return}));

  // An editable combo: the keys typed into it, once each.
  int bandKeys = 0;
  window.onKeyPress(window.Bande_A, [&](QKeyEvent& event) {
    ++bandKeys;
    return event.key() == Qt::Key_Return;
  });
  window.Bande_A->setFocus();
  QTest::keyClicks(window.Bande_A, QStringLiteral("14"));
  QTest::keyClick(window.Bande_A, Qt::Key_Return);
  EXPECT_EQ(bandKeys, 3);
  EXPECT_EQ(window.Bande_A->currentText(), QStringLiteral("14"));
  EXPECT_EQ(window.Bande_A->count(), 0);  // typed text never becomes an item

  int doubleClicks = 0;
  window.onMouse(window.Bande_A, QEvent::MouseButtonDblClick, [&](QMouseEvent&) {
    ++doubleClicks;
    return true;
  });
  QTest::mouseDClick(window.Bande_A->lineEdit(), Qt::LeftButton);
  EXPECT_EQ(doubleClicks, 1);
}

TEST_F(MainFixture, GridBoxesReportDoubleClicks) {
  Main& window = makeMain();
  window.show();
  int clicked = -1;
  QObject::connect(&Dpt(), &DeptGridView::boxChosen, [&](int box) { clicked = box; });
  QTest::mouseDClick(Dpt().box(59), Qt::LeftButton);
  EXPECT_EQ(clicked, 59);
  EXPECT_EQ(Dpt().box(96)->text(), QStringLiteral("2A"));
  EXPECT_EQ(Dpt().levelColour(2), QColor(255, 255, 0));
  EXPECT_EQ(Dpt().levelColour(3), QColor(128, 255, 255));
  EXPECT_EQ(Dpt().levelColour(4), QColor(128, 255, 128));
}

}  // namespace
}  // namespace brivant::testing
