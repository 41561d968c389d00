#pragma once
// A started main window for the entry tests: a station F6ABC set up from the
// shipped data, its settings, the scripted dialogs (strict once the start-up
// is over) and the keyboard, typing into whatever field has the focus.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "core/AltKeys.h"
#include "core/QsoRecord.h"
#include "core/ui/FieldColours.h"
#include "core/ui/Main.h"
#include "entry/ui/EntryChain.h"
#include "tests/core/ui/MainFixture.h"

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

class EntryWindowTest : public MainFixture {
 protected:
  // 6 June 2026, 10:15:20 UTC; local time two hours ahead.
  EntryWindowTest() { clock.set({2026, 6, 6, 10, 15, 20}); }

  void start(const StartOptions& options = {}) {
    const std::string call = EntryStation;
    const std::string section = "Setup " + call;
    setUpStation(call, options.language);
    if (HasFatalFailure()) return;
    (void)store.save("ZIV", "Setup ", "Locator Station", "JN18EU");
    (void)store.saveBool("ZIV", section, "Date Automatique", options.automaticDate);
    (void)store.saveBool("ZIV", section, "Heure UTC", options.utc);
    writeLog(call, options.log);
    MainFixture::start();
    ASSERT_TRUE(started);
    dialogs.clearShown();
    dialogs.setLenient(false);
  }

  Main& m() { return *main; }
  AppState& s() { return *state; }
  // The contact being typed, as the entry chain holds it.
  EntryDraft& d() { return program->entryChain().draft(); }

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
  // A button's caption as shown, without the "&" of its Alt letter.
  static std::string text(const QPushButton* button) { return AltKeys::shownText(button->text()).toStdString(); }
  static bool green(const QWidget* field) { return fieldColour(field) == AwaitingColour; }
  static bool yellow(const QWidget* field) { return fieldColour(field) == AcceptedColour; }
  std::string stationFile(const char* suffix) const { return fileBytes(std::string(EntryStation) + suffix); }
  using MainFixture::setting;
  std::string setting(const char* key) const { return setting(std::string("Setup ") + EntryStation, key); }
  std::vector<std::string> logRecords() const { return linesOf(stationFile(".log")); }

  // The first line of a tally file that begins with the key.
  std::string tallyLine(const char* suffix, const std::string& key) const {
    for (const std::string& line : linesOf(stationFile(suffix)))
      if (line.rfind(key, 0) == 0) return line;
    return {};
  }

 private:
  // The lines of a file's bytes, each ended by CR LF.
  static std::vector<std::string> linesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2)
      lines.push_back(bytes.substr(from, end - from));
    return lines;
  }
};

}  // namespace brivant::testing
