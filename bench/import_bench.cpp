// Importing ADIF files (this program's export of a generated event log) into
// an empty station: the records read in pieces and checked and the log
// written in one replacement: 10,000 contacts from the Fichier menu, with the
// list, the tallies, the grid and the score brought up to date; a file of
// 100,000 contacts, in time and in peak memory (the counter peak_rss_MB is
// the process's peak: run that benchmark alone to read its own).  The
// budgets are in bench/budgets.txt; bash scripts/bench.sh import runs them,
// and alone:
//
//   build/bench/bench/import_bench --benchmark_filter=100000 --benchmark_repetitions=5

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QAction>
#include <QCoreApplication>
#include <memory>

#include "app/Composition.h"
#include "bench/support/AnsweringDialogs.h"
#include "bench/support/GeneratedLog.h"
#include "bench/support/OffscreenApplication.h"
#include "core/AppState.h"
#include "core/LogFile.h"
#include "core/Station.h"
#include "core/ui/Main.h"
#include "core/ui/QsoListModel.h"
#include "outputs/AdifExport.h"
#include "outputs/AdifImport.h"
#include "platform/Clock.h"
#include "platform/ProgramDir.h"
#include "platform/SettingsStore.h"
#include "platform/TextFile.h"

namespace brivant::bench {
namespace {

constexpr std::string_view Station = "F6ABC";
constexpr std::string_view EventDate = "06/06/26";

struct ImportSetUp {
  ScratchFolder programDir;
  std::filesystem::path adif;
  bool ok = false;

  explicit ImportSetUp(std::size_t contacts) {
    ok = ProgramDir::seed(programDir.path(), BRIVANT_DATA_DIR_FOR_BENCH).ok() &&
         Cree_Fichiers_Station(programDir.path(), Station).ok();
    adif = programDir.path() / "other.adi";
    GeneratedLogOptions options;
    options.contacts = contacts;
    options.date = std::string(EventDate);
    ok = ok && TextFile::writeLines(adif, {adifDocument(true, Station, generateLogRecords(options))}).ok();
  }
  bool emptyLog() const { return TextFile::writeLines(logFilePath(programDir.path(), Station), {}).ok(); }
};

double peakMegabytes() {
  struct rusage usage {};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

void importFile(benchmark::State& state, std::size_t contacts) {
  ImportSetUp setUp(contacts);
  if (!setUp.ok) {
    state.SkipWithError("the program folder could not be prepared");
    return;
  }
  ImportOptions options;
  options.station.jncDate = std::string(EventDate);
  std::size_t imported = 0;
  std::size_t refused = 0;
  for (auto _ : state) {
    state.PauseTiming();
    if (!setUp.emptyLog()) state.SkipWithError("the log could not be emptied");
    state.ResumeTiming();
    const Result<ImportPlan> plan = planAdifImport(setUp.programDir.path(), Station, setUp.adif, options);
    if (!plan || !applyAdifImport(setUp.programDir.path(), Station, *plan)) {
      state.SkipWithError("the import failed");
      break;
    }
    imported = plan->records.size();
    refused = plan->refused();
  }
  state.counters["imported"] = static_cast<double>(imported);
  state.counters["refused"] = static_cast<double>(refused);
  state.counters["peak_rss_MB"] = peakMegabytes();
}

void BM_ImportAdif10000(benchmark::State& state) { importFile(state, 10'000); }
BENCHMARK(BM_ImportAdif10000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportAdif100000(benchmark::State& state) { importFile(state, 100'000); }
BENCHMARK(BM_ImportAdif100000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportAdif10000FromTheMenu(benchmark::State& state) {
  offscreenApplication();
  ImportSetUp setUp(10'000);
  ScratchFolder settingsDir;
  if (!setUp.ok) {
    state.SkipWithError("the program folder could not be prepared");
    return;
  }
  SettingsStore store(settingsDir.path());
  (void)store.save("ZIV", "Setup ", "Indicatif Station", Station);
  (void)store.save("ZIV", "Setup " + std::string(Station), "Langue", "Fr");
  (void)store.save("ZIV", "Setup " + std::string(Station), "Date ZIV", EventDate);
  const FixedClock clock({2026, 6, 6, 12, 0, 0}, 120);
  AnsweringDialogs dialogs;
  dialogs.fileToOpen = QString::fromStdString(setUp.adif.string());

  for (auto _ : state) {
    state.PauseTiming();
    (void)setUp.emptyLog();
    AppState appState(setUp.programDir.path(), store, clock, dialogs);
    auto program = std::make_unique<Composition>(appState);
    Main& window = program->main();
    if (!window.Form_Load()) state.SkipWithError("the start-up did not complete");
    QCoreApplication::processEvents();
    state.ResumeTiming();

    window.Mnu_Import_ADIF->trigger();
    QCoreApplication::processEvents();

    state.PauseTiming();
    if (window.listModel()->rowCount() == 0) state.SkipWithError("nothing was imported");
    state.counters["imported"] = window.listModel()->rowCount();
    program.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ImportAdif10000FromTheMenu)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace brivant::bench
