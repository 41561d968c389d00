// The score of a 10,000-contact log with its tallies rebuilt from the
// shipped templates.

#include <benchmark/benchmark.h>

#include "bench/support/GeneratedLog.h"
#include "core/Station.h"
#include "entry/Rebuild.h"
#include "scoring/Points.h"

namespace brivant::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view Station = "F6ABC";

void BM_Calcul_Points(benchmark::State& state) {
  ScratchFolder folder;
  for (std::string_view name : {LogTemplate, PrefixTemplate, DepartementTemplate})
    fs::copy_file(fs::path(BRIVANT_DATA_DIR_FOR_BENCH) / std::string(name), folder.path() / std::string(name));
  writeStationLog(folder.path(), Station, generateLogRecords());
  if (!rebuildTallies(folder.path(), Station)) state.SkipWithError("the rebuild failed");
  for (auto _ : state) {
    Result<long long> points = Calcul_Points(folder.path(), Station);
    if (!points || *points <= 0) state.SkipWithError("no score");
    benchmark::DoNotOptimize(points);
  }
}
BENCHMARK(BM_Calcul_Points)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace brivant::bench
