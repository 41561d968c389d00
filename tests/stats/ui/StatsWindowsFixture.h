#pragma once
// The test station's log and prefix tallies, and the opener of the lookup and
// overview windows with hooks that stand for the main window: its list lines
// in a plain vector, the row it selects, the files it reports missing and its
// Frame4 caption.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>

#include "stats/ui/StatsMenus.h"
#include "tests/outputs/ui/OutputWindowsFixture.h"
#include "tests/stats/StatsTestData.h"

namespace brivant::testing {

// The station, settings, clock and dialogs are those of the output windows'
// tests (station F6ABC, in French).
class StatsWindowsFixture : public OutputWindowsFixture {
 protected:
  StatsWindowsFixture() : listLines(statsListLines()) {
    writeStatsLog(programDir.path());
    writeStatsPrefixTallies(programDir.path());
  }

  StatsHooks hooks() {
    StatsHooks h;
    h.listLines = [this]() -> const std::vector<std::string>& { return listLines; };
    h.selectQso = [this](int row) { selectedRows.push_back(row); };
    h.fileError = [this](const FileError& error, std::string_view label) {
      fileErrors.push_back(std::to_string(error.number) + " " + std::string(label));
    };
    h.refreshContactCount = [this] { ++contactCountRefreshes; };
    return h;
  }

  // The opener, as the main window will hold it.
  StatsMenus& menus() {
    if (!menus_) menus_ = std::make_unique<StatsMenus>(state, mainWindow, hooks());
    return *menus_;
  }

  // Opens a window through the opener as the main window would, and returns it.
  template <class Window>
  Window& opened(void (StatsMenus::*open)(), Window* (StatsMenus::*openWindow)() const) {
    (menus().*open)();
    Window* window = (menus().*openWindow)();
    EXPECT_NE(window, nullptr);
    QApplication::processEvents();
    return *window;
  }

  // Shows the window and makes it the active one, so that its keys reach it.
  static void activate(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  // Lets events run until the condition holds (a mnemonic clicks its button
  // after a short animation), for a second at most.
  static bool waitUntil(const std::function<bool()>& condition) {
    for (int i = 0; i < 100 && !condition(); ++i) QTest::qWait(10);
    return condition();
  }

  std::vector<std::string> listLines;
  std::vector<int> selectedRows;
  std::vector<std::string> fileErrors;
  int contactCountRefreshes = 0;

 private:
  std::unique_ptr<StatsMenus> menus_;
};

// The items of a list widget.
template <class List>
QStringList itemsOf(const List* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items.push_back(list->item(i)->text());
  return items;
}

// The lines of a golden fixture as the list shows them.
inline QStringList fixtureItems(std::string_view name) {
  QStringList items;
  const std::string bytes = readBytes(fixturesDir() / std::string(name));
  for (const QString& line : Cp1252::toQString(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
    items.push_back(line);
  return items;
}

}  // namespace brivant::testing
