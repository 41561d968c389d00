// The start-up of the main window on a 10,000-contact log, offscreen: from
// building the window to a usable one (list loaded, tallies rebuilt from the
// log, grid and score shown).  The budget is in bench/budgets.txt; bash
// scripts/bench.sh startup runs it.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLabel>
#include <memory>

#include "app/Composition.h"
#include "bench/support/AnsweringDialogs.h"
#include "bench/support/GeneratedLog.h"
#include "bench/support/OffscreenApplication.h"
#include "core/AppState.h"
#include "core/Station.h"
#include "core/ui/Main.h"
#include "core/ui/QsoListModel.h"
#include "platform/Clock.h"
#include "platform/ProgramDir.h"
#include "platform/SettingsStore.h"

namespace brivant::bench {
namespace {

constexpr std::string_view Station = "F6ABC";

void BM_StartUpWith10000Contacts(benchmark::State& state) {
  offscreenApplication();
  ScratchFolder programDir;
  ScratchFolder settingsDir;
  if (!ProgramDir::seed(programDir.path(), BRIVANT_DATA_DIR_FOR_BENCH).ok() ||
      !Cree_Fichiers_Station(programDir.path(), Station).ok()) {
    state.SkipWithError("the program folder could not be prepared");
    return;
  }
  const std::vector<std::string> records = generateLogRecords();
  writeStationLog(programDir.path(), Station, records);
  SettingsStore store(settingsDir.path());
  (void)store.save("ZIV", "Setup ", "Indicatif Station", Station);
  (void)store.save("ZIV", "Setup " + std::string(Station), "Langue", "Fr");
  const FixedClock clock({2026, 6, 6, 12, 0, 0}, 120);
  AnsweringDialogs dialogs;

  for (auto _ : state) {
    AppState appState(programDir.path(), store, clock, dialogs);
    auto program = std::make_unique<Composition>(appState);
    Main& window = program->main();
    window.setEndProgram([&state](int) { state.SkipWithError("the program ended during start-up"); });
    const bool started = window.Form_Load();
    // Whatever is still queued (the first paint) belongs to the start-up too.
    QCoreApplication::processEvents();
    if (!started || window.listModel()->rowCount() != static_cast<int>(records.size()) ||
        window.P_QSO->text().isEmpty())
      state.SkipWithError("the start-up did not complete");
    state.PauseTiming();
    program.reset();
    state.ResumeTiming();
  }
  state.counters["boxes"] = benchmark::Counter(dialogs.shown, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_StartUpWith10000Contacts)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace
}  // namespace brivant::bench
