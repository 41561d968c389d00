#pragma once
// The whole program (the main window and every folder's windows, put together
// by the composition as app/main.cpp does) on a fresh program directory and
// settings file, with a fixed clock and the scripted dialogs: what every
// window test of the start-up starts from.

#include <gtest/gtest.h>

#include <QApplication>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/Composition.h"
#include "core/AppState.h"
#include "core/QsoRecord.h"
#include "core/Station.h"
#include "core/ui/Main.h"
#include "entry/ui/DeptGridView.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"
#include "tests/support/qt/ModalAnswers.h"

namespace brivant::testing {

// The five files of a station, after its callsign.
inline constexpr const char* StationFiles[] = {".log", "_Departement_SSB.txt", "_Departement_CW.txt",
                                               "_Prefixe_SSB.txt", "_Prefixe_CW.txt"};

// One contact as its log line.
inline std::string contact(const char* date, const char* call, const char* start, const char* dept, const char* band,
                           const char* mode, bool castle = false) {
  QsoFields fields;
  fields.date = date;
  fields.callsign = call;
  fields.start = start;
  fields.end = start;
  fields.departement = dept;
  fields.band = band;
  fields.mode = mode;
  fields.rstSent = mode == std::string("CW") ? "599" : "59";
  fields.rstReceived = fields.rstSent;
  fields.points = "1";
  fields.activity = castle ? "1" : "0";
  fields.qth = castle ? "59045" : "";
  fields.dfcfReference = castle;
  fields.castleName = castle ? "C. DU NORD" : "";
  return buildQsoRecord(fields).value();
}

// The scripted dialogs with a look at the program each time a message box
// comes up (to see what else is on screen at that moment).  With onScreen
// set, the critical OK/Cancel question is the real box of those dialogs.
class WatchingDialogs : public ScriptedDialogs {
 public:
  std::function<void(const QString& text)> beforeMessage;
  Dialogs* onScreen = nullptr;
  void message(const QString& text) override {
    if (beforeMessage) beforeMessage(text);
    ScriptedDialogs::message(text);
  }
  bool okCancelCritical(const QString& text) override {
    return onScreen != nullptr ? onScreen->okCancelCritical(text) : ScriptedDialogs::okCancelCritical(text);
  }
};

class MainFixture : public ::testing::Test {
 protected:
  MainFixture() { seedFromShippedData(programDir.path()); }

  // A station already set up: its files from the templates and its settings.
  void setUpStation(const std::string& call, const char* language = nullptr) {
    ASSERT_TRUE(Cree_Fichiers_Station(programDir.path(), call).ok());
    (void)store.save("ZIV", "Setup ", "Indicatif Station", call);
    (void)store.save("ZIV", "Setup " + call, "Date ZIV", "06/06/26");
    if (language != nullptr) (void)store.save("ZIV", "Setup " + call, "Langue", language);
  }
  void writeLog(const std::string& call, const std::vector<std::string>& records) {
    writeBytes(programDir / (call + ".log"), crlf(records));
  }
  std::string fileBytes(const std::string& name) const { return readBytes(programDir / name); }
  // The texts of the boxes shown so far, as UTF-8 (for gmock's string matchers).
  std::vector<std::string> shownTexts() const {
    std::vector<std::string> texts;
    for (const QString& text : dialogs.texts()) texts.push_back(text.toStdString());
    return texts;
  }
  std::string setting(const std::string& section, const std::string& key) const {
    return store.get("ZIV", section, key, "<absent>");
  }

  // A new program over the same folders (a restart).
  Main& makeMain() {
    main = nullptr;
    program.reset();
    state = std::make_unique<AppState>(programDir.path(), store, clock, dialogs);
    program = std::make_unique<Composition>(*state);
    main = &program->main();
    main->setEndProgram([this](int code) { endings.push_back(code); });
    return *main;
  }
  // The windows of the other folders around the main window.
  DeptGridView& Dpt() { return program->Dpt(); }
  // Starts the program; the boxes are only recorded.
  Main& start() {
    dialogs.setLenient(true);
    Main& window = makeMain();
    started = window.Form_Load();
    return window;
  }

  TempDir programDir;
  TempDir settingsDir;
  SettingsStore store{settingsDir.path()};
  // 6 June 2026, 23:30:30 UTC; two hours east of UTC it is already the 7th.
  FixedClock clock{{2026, 6, 6, 23, 30, 30}, 120};
  WatchingDialogs dialogs;
  std::unique_ptr<AppState> state;
  std::unique_ptr<Composition> program;
  Main* main = nullptr;
  std::vector<int> endings;
  bool started = false;
};

}  // namespace brivant::testing
