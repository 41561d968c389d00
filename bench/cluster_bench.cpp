// The cluster window's budgets: a 50-row spot page parsed and the list
// redrawn (with the greying against a 10,000-contact log), and 1,000 telnet
// spot lines taken in.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <string>
#include <vector>

#include "bench/support/AnsweringDialogs.h"
#include "bench/support/GeneratedLog.h"
#include "bench/support/OffscreenApplication.h"
#include "cluster/SpotList.h"
#include "cluster/SpotPage.h"
#include "cluster/TelnetSpots.h"
#include "cluster/ui/Cluster.h"
#include "core/AppState.h"
#include "core/LogFile.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/SettingsStore.h"
#include "platform/Sound.h"
#include "tests/support/SpotPages.h"

namespace brivant::bench {
namespace {

constexpr ClockFields Now{2026, 6, 6, 12, 0, 0};

std::string callOf(int i) {
  static const char* prefixes[] = {"F", "DL", "G", "ON", "TM", "EA", "HB9", "I", "F", "PA"};
  return std::string(prefixes[i % 10]) + std::to_string(i % 9 + 1) + static_cast<char>('A' + i % 26) +
         static_cast<char>('A' + (i * 7) % 26) + static_cast<char>('A' + (i * 3) % 26);
}

std::string pageOf50Rows() {
  std::vector<testing::PageRow> rows;
  for (int i = 0; i < 50; ++i) {
    char qrg[16];
    std::snprintf(qrg, sizeof qrg, "%d.%d", 14000 + (i * 37) % 350, i % 10);
    char date[16];
    std::snprintf(date, sizeof date, "26-06-06 %02d%02d", 8 + i / 60, i % 60);
    rows.push_back(
        {callOf(i), qrg, date, callOf(i + 100), i % 7 == 0 ? "DFCF 59-045 chateau &lt;QRP&gt;" : "CQ JNC 599 tnx qso"});
  }
  return testing::spotPage(rows);
}

std::vector<std::string> telnetLines() {
  std::vector<std::string> lines;
  for (int i = 0; i < 1000; ++i) {
    char khz[16];
    std::snprintf(khz, sizeof khz, "%d.%d", i % 2 ? 14000 + i % 300 : 7000 + i % 200, i % 10);
    char time[8];
    std::snprintf(time, sizeof time, "%02d%02d", 8 + (i / 60) % 4, i % 60);
    lines.push_back(testing::dxLine(callOf(i + 7), khz, callOf(i), i % 5 ? "CQ CQ" : "DFCF 21-003", time));
  }
  return lines;
}

class SilentSound final : public Sound {
 public:
  void play(const std::filesystem::path&) override {}
};

void BM_PageParseLogic(benchmark::State& state) {
  const std::string page = Cp1252::fromUtf8(pageOf50Rows());
  for (auto _ : state) {
    SpotList list;
    list.clear(SortMode::Date);
    for (const Spot& spot : parseSpotPage(storedPage(page))) list.add(spot, {});
    benchmark::DoNotOptimize(list.spotLines());
  }
}
BENCHMARK(BM_PageParseLogic)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly(true);

// The window's handling of a page: the parse, both lists, the greying
// against the log, the automatic selection and the list painted again.
void BM_PageParseAndRedraw(benchmark::State& state) {
  offscreenApplication();
  ScratchFolder folder;
  SettingsStore store(folder.path() / "settings");
  FixedClock clock(Now);
  AnsweringDialogs dialogs;
  AppState appState(folder.path(), store, clock, dialogs);
  SilentSound sound;
  const ListLines log = numberedListLines(generateLogRecords());
  ClusterHooks hooks;
  hooks.loggingMode = [] { return QStringLiteral("SSB"); };
  hooks.logLines = [&log]() -> const std::vector<std::string>& { return log; };
  ClusterServices services;
  services.sound = &sound;
  services.listPorts = [] { return std::vector<std::string>{}; };
  Cluster window(appState, nullptr, hooks, services);
  window.Form_Load();
  window.show();
  const QString page = QString::fromUtf8(pageOf50Rows());
  for (auto _ : state) {
    window.clearLists();
    window.pageFetched(page);
    window.Liste_Stations->repaint();
    // The local copy of the page is written after the list is shown; it is
    // measured on its own below.
    state.PauseTiming();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  if (window.Liste_Stations->count() != 50) state.SkipWithError("the page was not listed");
}
BENCHMARK(BM_PageParseAndRedraw)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

// Writing the local copy "Cluster1.txt" of a 50-row page over the last one.
void BM_PageCopyWrite(benchmark::State& state) {
  ScratchFolder folder;
  const std::string stored = storedPage(Cp1252::fromUtf8(pageOf50Rows()));
  for (auto _ : state)
    if (!writePageCopy(folder.path(), stored).ok()) state.SkipWithError("the copy was not written");
}
BENCHMARK(BM_PageCopyWrite)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void BM_TelnetThousandLines(benchmark::State& state) {
  const std::vector<std::string> lines = telnetLines();
  std::size_t kept = 0;
  for (auto _ : state) {
    TelnetSpots spots;
    for (const std::string& line : lines)
      if (std::optional<TelnetSpot> spot = parseDxLine(line, Now)) spots.add(std::move(*spot));
    kept = spots.size();
    benchmark::DoNotOptimize(spots.latestOf(FirstBandEntries.front()));
  }
  if (kept != lines.size()) state.SkipWithError("a line was not read as a spot");
}
BENCHMARK(BM_TelnetThousandLines)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace brivant::bench
