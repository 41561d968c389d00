// The QSL labels: building and printing 500 labels to PDF, and opening the
// contact selection on a 10,000-contact log.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QRadioButton>

#include "bench/support/AnsweringDialogs.h"
#include "bench/support/GeneratedLog.h"
#include "bench/support/OffscreenApplication.h"
#include "core/AppState.h"
#include "core/LogFile.h"
#include "labels/LabelSheets.h"
#include "labels/ui/Etiquettes.h"
#include "labels/ui/LabelMenus.h"
#include "labels/ui/LabelPrinting.h"
#include "labels/ui/Select_QSO.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "platform/ui/Printer.h"

namespace brivant::bench {
namespace {

constexpr std::string_view Station = "F6ABC";

// A program directory with a log of `contacts`, a settings folder and the
// services a window needs.
struct LabelBench {
  explicit LabelBench(std::size_t contacts)
      : store(settingsFolder.path()),
        clock(ClockFields{2026, 6, 6, 12, 0, 0}),
        appState(folder.path(), store, clock, dialogs),
        printer(QString::fromStdString((folder.path() / "labels.pdf").string())) {
    writeStationLog(folder.path(), Station, generateLogRecords({contacts}));
    appState.StationCall = std::string(Station);
    appState.Language = "Fr";
  }
  QApplication& application = offscreenApplication();  // before the printer
  ScratchFolder folder;
  ScratchFolder settingsFolder;
  SettingsStore store;
  FixedClock clock;
  AnsweringDialogs dialogs;
  AppState appState;
  Printer printer;
};

LabelJob castleJob(int format) {
  LabelJob job;
  job.type = LabelType::Castle;
  job.format = format;
  job.texts.stationCall = std::string(Station);
  job.texts.transceiver = "IC-7300 100 W";
  job.texts.antenna = "Delta loop";
  job.texts.activityNumber = "DFCF 59-045";
  job.texts.activityName = "Chateau de Flers";
  job.texts.cantonNumber = "5911";
  job.texts.postCode = "59650";
  job.texts.town = "Villeneuve d'Ascq";
  return job;
}

// The 500 labels placed on their sheets (the logic alone).
void BM_PlaceLabels(benchmark::State& state) {
  LabelBench bench(500);
  const Result<ListLines> lines = Charge_Liste_QSO(bench.folder.path(), Station);
  if (!lines) state.SkipWithError("the log did not load");
  for (auto _ : state) {
    const std::vector<PrintedSheet> sheets = labelSheets(*lines, castleJob(1));
    benchmark::DoNotOptimize(sheets);
  }
}
BENCHMARK(BM_PlaceLabels)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

// Imprimer les étiquettes with 500 contacts chosen: the settings written,
// the labels built and every sheet sent to the PDF printer as its document.
void BM_PrintLabelsToPdf(benchmark::State& state) {
  LabelBench bench(500);
  Select_QSO selection(bench.appState, bench.printer);
  if (!selection.Form_Load()) state.SkipWithError("the log did not load");
  selection.Select_All_Click();
  selection.Impression_Click();
  Etiquettes& window = *selection.etiquettes();
  window.Type_Etiquette[state.range(0) == 0 ? 0 : 1]->setChecked(true);
  window.F_Etiquette[0]->setChecked(true);
  for (auto _ : state) window.Imprime_Click();
  if (bench.dialogs.shown > 0) state.SkipWithError("the print was refused");
}
BENCHMARK(BM_PrintLabelsToPdf)
    ->ArgName("castle")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// Mnu_Imp_QSL on a 10,000-contact log: the window built, the log loaded into
// the list, the window shown and drawn; then closed for the next round.
void BM_OpenSelectQso(benchmark::State& state) {
  LabelBench bench(10'000);
  QWidget mainWindow;
  for (auto _ : state) {
    LabelMenus menus(bench.appState, mainWindow, bench.printer);
    menus.Mnu_Imp_QSL_Click();
    Select_QSO* window = menus.selectQso();
    if (window == nullptr || window->selection().unchosenCount() != 10'000) state.SkipWithError("the list is wrong");
    QApplication::processEvents();
    state.PauseTiming();
    delete window;
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenSelectQso)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace brivant::bench
