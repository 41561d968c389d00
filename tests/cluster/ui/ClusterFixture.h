#pragma once
// The cluster window on a fresh program folder and settings file, with a fixed
// clock, scripted dialogs, a sound that only records, a local spot server and
// hooks that stand for the main window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "cluster/ui/Cluster.h"
#include "cluster/ui/ClusterOpener.h"
#include "cluster/ui/RadioControl.h"
#include "core/AppState.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/SettingsStore.h"
#include "platform/Sound.h"
#include "tests/support/LocalServers.h"
#include "tests/support/ProgramBench.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SpotPages.h"
#include "tests/support/TestFiles.h"

namespace brivant::testing {

class RecordingSound final : public Sound {
 public:
  void play(const std::filesystem::path& wave) override {
    played.push_back(wave.filename().string());
    if (whilePlaying) whilePlaying();
  }
  std::vector<std::string> played;
  // What happens while a sound plays (the real one lets timers run).
  std::function<void()> whilePlaying;
};

// The 14 MHz page: five spots, one French castle, one French station.
inline std::vector<PageRow> fourteenMegahertzRows() {
  return {{"DL1ABC", "14025.0", "26-06-06 0905", "F5XYZ", "CQ cq"},
          {"F6KGL/P", "14205.0", "26-06-06 0912", "DL2ZZ", "DFCF 59-045 chateau &lt;QRP&gt;"},
          {"TM5CHA", "14244.5", "26-06-06 0901", "ON4XX", "JNC"},
          {"HB9ABC", "14010.0", "26-06-06 0858", "F5XYZ", "5NN"},
          {"DL2ZZ", "14080.0", "26-06-06 0915", "G4ABC", "TEST"}};
}

// The 7 MHz page: two spots.
inline std::vector<PageRow> sevenMegahertzRows() {
  return {{"F5AAA", "7012.0", "26-06-06 0907", "F5XYZ", "CW"}, {"EA3BBB", "7150.5", "26-06-06 0911", "F5XYZ", "SSB"}};
}

class ClusterFixture : public ::testing::Test, protected ProgramBench {
 protected:
  ClusterFixture() : ProgramBench(ClockFields{2026, 6, 6, 8, 0, 0}) {
    state.StationCall = "F6ABC_P";
    state.Language = "Fr";
    server.setPage("/dxc/top_50_14_MHz.html", {200, QByteArray::fromStdString(spotPage(fourteenMegahertzRows()))});
    server.setPage("/dxc/top_50_7_MHz.html", {200, QByteArray::fromStdString(spotPage(sevenMegahertzRows()))});
  }
  ~ClusterFixture() override {
    if (window) window->close();
  }

  void setting(const char* key, const std::string& value) { ASSERT_TRUE(store.save("ZIV", "Setup ", key, value).ok()); }
  std::string stored(const char* key) const { return store.get("ZIV", "Setup ", key, "<absent>"); }
  void useLocalServer() { setting("Serveur Cluster", server.hostAndPort().toStdString()); }

  ClusterHooks hooks() {
    ClusterHooks result;
    result.loggingMode = [this] { return loggingMode; };
    result.logLines = [this]() -> const std::vector<std::string>& { return logLines; };
    result.offerCallsign = [this](const QString& callsign) {
      offered.push_back(callsign);
      return true;
    };
    return result;
  }
  ClusterServices services() {
    ClusterServices result;
    result.sound = &sound;
    result.listPorts = [this] { return presentPorts; };
    result.fetchTimeoutMs = fetchTimeoutMs;
    result.feedTiming.firstRetryMs = 50;
    result.feedTiming.maxRetryMs = 200;
    result.radio = radio.get();
    return result;
  }

  // Opens the window through the opener, as the main window's button does.
  Cluster& open() {
    // A new main window each time: the one before goes with its window.
    opener.reset();
    mainWindow = std::make_unique<QWidget>();
    opener = std::make_unique<ClusterOpener>(state, *mainWindow, hooks(), services());
    opener->ClusterHF_Click();
    window = opener->cluster();
    return *window;
  }

  // Runs the event loop until no fetch is under way.
  bool settle(int timeoutMs = 5'000) {
    return waitUntil([this] { return window && !window->fetching(); }, timeoutMs);
  }
  // Clicks Afficher and waits for the page(s).
  void display() {
    window->Afficher_Click();
    ASSERT_TRUE(settle());
  }

  QStringList lines() const {
    QStringList result;
    for (int i = 0; i < window->Liste_Stations->count(); ++i) result << window->Liste_Stations->item(i)->text();
    return result;
  }
  std::vector<std::string> calls() const {
    std::vector<std::string> result;
    for (const QString& line : lines()) result.push_back(line.mid(15, 12).trimmed().toStdString());
    return result;
  }

  RecordingSound sound;
  LocalWebServer server;
  int fetchTimeoutMs = 5'000;
  std::vector<std::string> presentPorts;
  QString loggingMode = QStringLiteral("SSB");
  std::vector<std::string> logLines;
  QStringList offered;
  // The hamlib radio the program keeps for the whole run; the window's own
  // when none.  Its readout is a child of the host, as it is of the main
  // window in the program.
  QWidget radioHost;
  std::unique_ptr<RadioControl> radio;
  // What the main window is to the window: its owner, gone before the radio.
  std::unique_ptr<QWidget> mainWindow;
  std::unique_ptr<ClusterOpener> opener;
  QPointer<Cluster> window;
};

}  // namespace brivant::testing
