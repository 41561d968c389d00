#pragma once
// A started main window for the entry tests: a station F6ABC set up from the
// shipped data, its settings, a fixed clock, the scripted dialogs (strict
// once the start-up is over) and the keyboard, typing into whatever field has
// the focus.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "core/AppState.h"
#include "core/QsoRecord.h"
#include "core/Station.h"
#include "core/ui/FieldColours.h"
#include "core/ui/Main.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/SettingsStore.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"

namespace brivant::testing {

inline constexpr const char* EntryStation = "F6ABC";

struct StartOptions {
  const char* language = "Fr";
  bool automaticDate = true;
  bool utc = true;
  std::vector<std::string> log = {};  // records already logged
};

// A contact as a log record (the other columns as a save leaves them).
inline std::string loggedRecord(const char* date, const char* call, const char* start, const char* band,
                                const char* mode, const char* dept = "", const char* reference = "",
                                bool dfcf = false) {
  QsoFields f;
  f.date = date;
  f.callsign = call;
  f.start = start;
  f.end = start;
  f.departement = dept;
  f.band = band;
  f.mode = mode;
  f.rstSent = f.rstReceived = std::string(mode) == "CW" ? "599" : "59";
  f.qth = reference;
  f.dfcfReference = dfcf;
  f.points = "3";
  f.activity = std::string(reference).empty() ? "0" : "1";
  return buildQsoRecord(f).value();
}

class EntryWindowTest : public ::testing::Test {
 protected:
  EntryWindowTest() { seedFromShippedData(programDir.path()); }

  void start(const StartOptions& options = {}) {
    const std::string call = EntryStation;
    const std::string section = "Setup " + call;
    ASSERT_TRUE(Cree_Fichiers_Station(programDir.path(), call).ok());
    (void)store.save("ZIV", "Setup ", "Indicatif Station", call);
    (void)store.save("ZIV", "Setup ", "Locator Station", "JN18EU");
    (void)store.save("ZIV", section, "Date ZIV", "06/06/26");
    (void)store.save("ZIV", section, "Langue", options.language);
    (void)store.saveBool("ZIV", section, "Date Automatique", options.automaticDate);
    (void)store.saveBool("ZIV", section, "Heure UTC", options.utc);
    writeBytes(programDir / (call + ".log"), crlf(options.log));
    dialogs.setLenient(true);
    state = std::make_unique<AppState>(programDir.path(), store, clock, dialogs);
    main = std::make_unique<Main>(*state);
    main->setEndProgram([this](int code) { endings.push_back(code); });
    ASSERT_TRUE(main->Form_Load());
    dialogs.clearShown();
    dialogs.setLenient(false);
  }

  Main& m() { return *main; }
  AppState& s() { return *state; }

  // --- The keyboard: keys go to the field that has the focus. ---------------------
  QWidget* focused() const { return main->focusWidget(); }
  void type(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
      const QChar c = text.at(i);
      if (c.unicode() < 128) {
        QTest::keyClick(focused(), c.toLatin1());
        continue;
      }
      // Keys beyond ASCII have no key code of their own: their text is what counts.
      const qsizetype length = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
      QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, text.mid(i, length), Qt::NoModifier);
      i += length - 1;
    }
  }
  void type(const char* utf8) { type(QString::fromUtf8(utf8)); }
  void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(focused(), k, modifiers); }
  void enter() { key(Qt::Key_Return); }
  // Replaces the focused field's text, as the operator selecting it and typing.
  void retype(const char* utf8) {
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Delete);
    type(utf8);
  }
  // Types a field's value and presses Enter.
  void answer(const char* utf8) {
    retype(utf8);
    enter();
  }

  // --- What the window shows. --------------------------------------------------------
  static std::string text(const QLineEdit* field) { return field->text().toStdString(); }
  static std::string text(const QComboBox* combo) { return combo->currentText().toStdString(); }
  static std::string text(const QLabel* label) { return label->text().toStdString(); }
  static std::string text(const QPushButton* button) { return button->text().toStdString(); }
  static bool green(const QWidget* field) { return fieldColour(field) == AwaitingColour; }
  static bool yellow(const QWidget* field) { return fieldColour(field) == AcceptedColour; }
  std::string file(const std::string& name) const { return readBytes(programDir / name); }
  std::string stationFile(const char* suffix) const { return file(std::string(EntryStation) + suffix); }
  std::string setting(const char* key) const {
    return store.get("ZIV", std::string("Setup ") + EntryStation, key, "<absent>");
  }
  std::vector<std::string> logRecords() const {
    std::vector<std::string> records;
    const std::string bytes = stationFile(".log");
    std::size_t from = 0;
    for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2)
      records.push_back(bytes.substr(from, end - from));
    return records;
  }

  // The flag of a band column in a tally line that begins with its key.
  std::string tallyLine(const char* suffix, const std::string& key) const {
    const std::string bytes = stationFile(suffix);
    std::size_t from = 0;
    for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2) {
      const std::string line = bytes.substr(from, end - from);
      if (line.rfind(key, 0) == 0) return line;
    }
    return {};
  }

  TempDir programDir;
  TempDir settingsDir;
  SettingsStore store{settingsDir.path()};
  // 6 June 2026, 10:15:20 UTC; local time two hours ahead.
  FixedClock clock{{2026, 6, 6, 10, 15, 20}, 120};
  ScriptedDialogs dialogs;
  std::unique_ptr<AppState> state;
  std::unique_ptr<Main> main;
  std::vector<int> endings;
};

}  // namespace brivant::testing
