// The log core on a 10,000-contact log: loading the list lines, and rewriting
// the log with one contact placed in its middle (the file flushed to disk and
// renamed, as every rewrite does).

#include <benchmark/benchmark.h>

#include "bench/support/GeneratedLog.h"
#include "core/LogFile.h"
#include "core/QsoRecord.h"
#include "platform/TextFile.h"

namespace brivant::bench {
namespace {

constexpr std::string_view Station = "F6ABC";

void BM_LoadListLines(benchmark::State& state) {
  ScratchFolder folder;
  writeStationLog(folder.path(), Station, generateLogRecords());
  for (auto _ : state) {
    Result<ListLines> lines = Charge_Liste_QSO(folder.path(), Station);
    if (!lines || lines->size() != 10'000) state.SkipWithError("the log did not load");
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_LoadListLines)->Unit(benchmark::kMillisecond);

// A contact typed in manual-date mode that belongs in the middle of the day.
std::string middleContact() {
  QsoFields f;
  f.date = "06/06/26";
  f.callsign = "F5MID";
  f.start = "12:00";
  f.end = "12:01";
  f.departement = "59";
  f.band = "14 Mhz";
  f.mode = "SSB";
  f.rstSent = "59";
  f.rstReceived = "59";
  f.points = "3";
  f.activity = "0";
  return *buildQsoRecord(f);
}

void BM_RewriteInsertMiddle(benchmark::State& state) {
  ScratchFolder folder;
  const std::vector<std::string> records = generateLogRecords();
  const std::string insertOnly(199, ' ');
  const std::string contact = middleContact();
  for (auto _ : state) {
    state.PauseTiming();
    writeStationLog(folder.path(), Station, records);
    state.ResumeTiming();
    Result<LogRewrite> lines = Reecrit_Log(folder.path(), Station, insertOnly, contact);
    if (!lines || lines->lines.size() != records.size() + 1) state.SkipWithError("the rewrite failed");
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_RewriteInsertMiddle)->Unit(benchmark::kMillisecond);

// Editing the middle contact: its old line goes and the new one is placed.
void BM_RewriteEditMiddle(benchmark::State& state) {
  ScratchFolder folder;
  std::vector<std::string> records = generateLogRecords();
  writeStationLog(folder.path(), Station, records);
  std::string current = records[records.size() / 2];
  std::string other = current;
  other[QsoLayout::EndTime.column - 1] = other[QsoLayout::EndTime.column - 1] == '0' ? '1' : '0';
  for (auto _ : state) {
    Result<LogRewrite> lines = Reecrit_Log(folder.path(), Station, QsoListLine(5001, current), other);
    if (!lines || !lines->oldLineFound || lines->lines.size() != records.size())
      state.SkipWithError("the rewrite failed");
    std::swap(current, other);
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_RewriteEditMiddle)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brivant::bench
