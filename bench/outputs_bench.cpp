// The outputs on a 10,000-contact log: the ADIF export, the saved listing,
// and opening the recapitulative sheet with the rebuild of the tallies that
// comes before it (as logic, and as the window the operator sees).

#include <benchmark/benchmark.h>

#include <QApplication>

#include "bench/support/AnsweringDialogs.h"
#include "bench/support/GeneratedLog.h"
#include "bench/support/OffscreenApplication.h"
#include "core/AppState.h"
#include "core/Station.h"
#include "entry/Rebuild.h"
#include "outputs/AdifExport.h"
#include "outputs/LogListing.h"
#include "outputs/RecapSheet.h"
#include "outputs/ui/Recapitulation.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/ui/Printer.h"

namespace brivant::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view Station = "F6ABC";

// A program directory with the shipped templates and a 10,000-contact log.
void seedStation(const fs::path& folder) {
  for (std::string_view name : {LogTemplate, PrefixTemplate, DepartementTemplate}) {
    fs::copy_file(fs::path(BRIVANT_DATA_DIR_FOR_BENCH) / std::string(name), folder / std::string(name));
  }
  writeStationLog(folder, Station, generateLogRecords());
}

void BM_AdifExport(benchmark::State& state) {
  ScratchFolder folder;
  writeStationLog(folder.path(), Station, generateLogRecords());
  for (auto _ : state) {
    const ExportOutcome outcome = exportAdif(folder.path(), Station, true);
    if (!outcome.ok) state.SkipWithError("the export failed");
  }
}
BENCHMARK(BM_AdifExport)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void BM_SaveListing(benchmark::State& state) {
  ScratchFolder folder;
  writeStationLog(folder.path(), Station, generateLogRecords());
  for (auto _ : state) {
    const ExportOutcome outcome = saveListing(folder.path(), Station, "06/06/26", " 1.7.5", true);
    if (!outcome.ok) state.SkipWithError("the save failed");
  }
}
BENCHMARK(BM_SaveListing)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

// Tallies reset to the templates before each opening: the rebuild does all
// of its work (the worst case; after start-up they already match the log).
void resetTallies(const fs::path& folder) {
  for (const char* suffix : {"_Prefixe_SSB.txt", "_Prefixe_CW.txt"}) {
    fs::copy_file(folder / std::string(PrefixTemplate), folder / (std::string(Station) + suffix),
                  fs::copy_options::overwrite_existing);
  }
  for (const char* suffix : {"_Departement_SSB.txt", "_Departement_CW.txt"}) {
    fs::copy_file(folder / std::string(DepartementTemplate), folder / (std::string(Station) + suffix),
                  fs::copy_options::overwrite_existing);
  }
}

// Times the rebuild followed by load(); range(0) != 0 starts each time from
// the templates.
template <class Load>
void timeOpening(benchmark::State& state, const fs::path& folder, Load load) {
  const bool fromTemplates = state.range(0) != 0;
  if (!rebuildTallies(folder, Station)) state.SkipWithError("the rebuild failed");
  for (auto _ : state) {
    if (fromTemplates) {
      state.PauseTiming();
      resetTallies(folder);
      state.ResumeTiming();
    }
    if (!rebuildTallies(folder, Station)) state.SkipWithError("the rebuild failed");
    if (!load()) state.SkipWithError("the sheet did not load");
  }
}

void BM_OpenSheetLogic(benchmark::State& state) {
  ScratchFolder folder;
  seedStation(folder.path());
  timeOpening(state, folder.path(), [&] {
    Result<RecapCells> cells = computeRecapCells(folder.path(), Station);
    benchmark::DoNotOptimize(cells);
    return cells.ok();
  });
}
BENCHMARK(BM_OpenSheetLogic)
    ->ArgName("fromTemplates")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// What Mnu_Feuille_Recap costs: the rebuild, then the window built and loaded.
void BM_OpenSheetWindow(benchmark::State& state) {
  offscreenApplication();
  ScratchFolder folder;
  ScratchFolder settingsFolder;
  seedStation(folder.path());
  SettingsStore store(settingsFolder.path());
  FixedClock clock(ClockFields{2026, 6, 6, 12, 0, 0});
  AnsweringDialogs dialogs;
  AppState appState(folder.path(), store, clock, dialogs);
  appState.StationCall = std::string(Station);
  appState.JncDate = "06/06/26";
  Printer printer(QString::fromStdString((folder.path() / "unused.pdf").string()));
  timeOpening(state, folder.path(), [&] {
    Recapitulation window(appState, printer);
    return window.Form_Load().ok();
  });
}
BENCHMARK(BM_OpenSheetWindow)
    ->ArgName("fromTemplates")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace brivant::bench
