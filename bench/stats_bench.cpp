// The lookup and overviews on a 10,000-contact log: a search in the list
// lines, the two statistics displays and opening the departement map drawn
// for one band and mode (as logic, and as the windows the operator sees).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

#include "bench/support/AnsweringDialogs.h"
#include "bench/support/GeneratedLog.h"
#include "bench/support/OffscreenApplication.h"
#include "core/AppState.h"
#include "core/LogFile.h"
#include "core/Station.h"
#include "entry/Rebuild.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "stats/CastleStats.h"
#include "stats/DeptMapTally.h"
#include "stats/PrefixStats.h"
#include "stats/QsoSearch.h"
#include "stats/ui/Carte_Acti.h"
#include "stats/ui/Recherche_Indicatif.h"
#include "stats/ui/Statistique_DFCF.h"
#include "stats/ui/Statistique_Prefixe.h"
#include "stats/ui/StatsMenus.h"

namespace brivant::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view Station = "F6ABC";

// A program directory with a 10,000-contact log and its tallies, the list
// lines of the log, and the state the windows work on.
class StatsStation {
 public:
  StatsStation() : store_(settings_.path()), clock_(ClockFields{2026, 6, 6, 12, 0, 0}) {
    for (std::string_view name : {LogTemplate, PrefixTemplate, DepartementTemplate}) {
      fs::copy_file(fs::path(BRIVANT_DATA_DIR_FOR_BENCH) / std::string(name), folder_.path() / std::string(name));
    }
    writeStationLog(folder_.path(), Station, generateLogRecords());
    tallied_ = rebuildTallies(folder_.path(), Station).ok();
    Result<ListLines> lines = Charge_Liste_QSO(folder_.path(), Station);
    if (lines) lines_ = std::move(lines).value();
    state_ = std::make_unique<AppState>(folder_.path(), store_, clock_, dialogs_);
    state_->StationCall = std::string(Station);
    state_->Language = "Fr";
    (void)store_.save("ZIV", "Setup F6ABC", "bande Utilisee", "2");
  }

  bool ready() const { return tallied_ && lines_.size() == 10'000; }
  const fs::path& folder() const { return folder_.path(); }
  const ListLines& lines() const { return lines_; }
  AppState& state() { return *state_; }
  StatsHooks hooks() {
    StatsHooks hooks;
    hooks.listLines = [this]() -> const std::vector<std::string>& { return lines_; };
    hooks.selectQso = [](int) {};
    return hooks;
  }

 private:
  ScratchFolder folder_;
  ScratchFolder settings_;
  SettingsStore store_;
  FixedClock clock_;
  AnsweringDialogs dialogs_;
  std::unique_ptr<AppState> state_;
  ListLines lines_;
  bool tallied_ = false;
};

// The criteria of the search: a callsign part that most contacts hold, a
// reference, a departement.
const std::pair<SearchBy, const char*> Searches[] = {
    {SearchBy::Callsign, "F"}, {SearchBy::Reference, "DFCF"}, {SearchBy::Departement, "59"}};

// Every benchmark: in milliseconds, medians of 15 runs.
benchmark::internal::Benchmark* timed(benchmark::internal::Benchmark* benchmark) {
  return benchmark->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);
}

void BM_SearchLogic(benchmark::State& state) {
  StatsStation station;
  if (!station.ready()) state.SkipWithError("the station could not be set up");
  const auto& [by, value] = Searches[state.range(0)];
  for (auto _ : state) {
    SearchOutcome outcome = Cherche_QSO(station.lines(), by, value);
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_SearchLogic)->ArgName("criterion")->DenseRange(0, 2)->Apply([](auto* b) { timed(b); });

// Enter in the box: the search and the results listed in the window.
void BM_SearchWindow(benchmark::State& state) {
  offscreenApplication();
  StatsStation station;
  if (!station.ready()) state.SkipWithError("the station could not be set up");
  Recherche_Indicatif window(station.state(), station.hooks());
  window.Form_Load();
  const auto& [by, value] = Searches[state.range(0)];
  for (auto _ : state) {
    window.boxOf(by)->setText(QString::fromLatin1(value));
    window.Box_Enter(by);
  }
  state.counters["results"] = window.QSO_Effectues->count();
}
BENCHMARK(BM_SearchWindow)->ArgName("criterion")->DenseRange(0, 2)->Apply([](auto* b) { timed(b); });

// Afficher in a statistics window, loaded once.
template <class Window>
void timeDisplay(benchmark::State& state, QListWidget* Window::*list) {
  offscreenApplication();
  StatsStation station;
  if (!station.ready()) state.SkipWithError("the station could not be set up");
  Window window(station.state(), station.hooks());
  window.Form_Load();
  for (auto _ : state) window.Afficher->click();
  state.counters["lines"] = (window.*list)->count();
}

void BM_PrefixStatisticsWindow(benchmark::State& state) { timeDisplay(state, &Statistique_Prefixe::Liste_Prefixes); }
BENCHMARK(BM_PrefixStatisticsWindow)->Apply([](auto* b) { timed(b); });

void BM_CastleStatisticsWindow(benchmark::State& state) { timeDisplay(state, &Statistique_DFCF::Liste_Chateaux); }
BENCHMARK(BM_CastleStatisticsWindow)->Apply([](auto* b) { timed(b); });

void BM_MapTallyLogic(benchmark::State& state) {
  StatsStation station;
  if (!station.ready()) state.SkipWithError("the station could not be set up");
  for (auto _ : state) {
    Result<MapTally> tally = Affiche_Carte(station.folder(), Station, "14 Mhz", "SSB");
    benchmark::DoNotOptimize(tally);
  }
}
BENCHMARK(BM_MapTallyLogic)->Apply([](auto* b) { timed(b); });

// Mnu_Carte_Activation then Afficher: the window built, loaded, coloured for
// 14 Mhz SSB and painted once.
void BM_OpenAndDrawMap(benchmark::State& state) {
  offscreenApplication();
  StatsStation station;
  if (!station.ready()) state.SkipWithError("the station could not be set up");
  for (auto _ : state) {
    // The main window closes the map with it at the end of each round.
    QWidget mainWindow;
    StatsMenus menus(station.state(), mainWindow, station.hooks());
    menus.Mnu_Carte_Activation_Click();
    Carte_Acti* map = menus.carte();
    map->Afficher->click();
    benchmark::DoNotOptimize(map->grab());
  }
}
BENCHMARK(BM_OpenAndDrawMap)->Apply([](auto* b) { timed(b); });

}  // namespace
}  // namespace brivant::bench
