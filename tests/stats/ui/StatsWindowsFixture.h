#pragma once
// A program directory with the test station's log and prefix tallies, a
// settings store, scripted dialogs, and the opener of the lookup and
// overview windows with hooks that stand for the main window: its list lines
// in a plain vector, the row it selects, the files it reports missing and its
// Frame4 caption.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>

#include "core/AppState.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "stats/ui/StatsMenus.h"
#include "tests/stats/StatsTestData.h"
#include "tests/support/ScriptedDialogs.h"

namespace brivant::testing {

class StatsWindowsFixture : public ::testing::Test {
 protected:
  StatsWindowsFixture()
      : store(settingsDir.path()),
        clock(ClockFields{2013, 5, 19, 8, 0, 0}),
        state(programDir.path(), store, clock, dialogs),
        listLines(statsListLines()) {
    state.StationCall = std::string(StatsStation);
    state.Language = "Fr";
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
    h.showFrame4Caption = [this](const QString& caption) { frame4Caption = caption; };
    return h;
  }

  // The opener, as the main window will hold it.
  StatsMenus& menus() {
    if (!menus_) menus_ = std::make_unique<StatsMenus>(state, nullptr, hooks());
    return *menus_;
  }

  void saveSetting(const char* key, const char* value) {
    ASSERT_TRUE(store.save("ZIV", "Setup F6ABC", key, value).ok());
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

  TempDir programDir;
  TempDir settingsDir;
  SettingsStore store;
  FixedClock clock;
  ScriptedDialogs dialogs;
  AppState state;
  std::vector<std::string> listLines;
  std::vector<int> selectedRows;
  std::vector<std::string> fileErrors;
  QString frame4Caption;

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
