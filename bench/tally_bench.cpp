// The tallies on a 10,000-contact log with the shipped templates: the whole
// rebuild (both modes, prefixes and departements), one prefix lookup, and one
// store into each of the two reference lists at 20,000 lines.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/support/GeneratedLog.h"
#include "core/Station.h"
#include "entry/DeptTally.h"
#include "entry/PrefixTally.h"
#include "entry/Rebuild.h"
#include "entry/ReferenceLists.h"
#include "platform/TextFile.h"

namespace brivant::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view Station = "F6ABC";

void copyShipped(const fs::path& programDir, std::string_view name) {
  const fs::path from = fs::path(BRIVANT_DATA_DIR_FOR_BENCH) / std::string(name);
  fs::copy_file(from, programDir / std::string(name), fs::copy_options::overwrite_existing);
}

// A station as set-up leaves it: templates copied, tallies all zero.
void seedStation(const fs::path& programDir) {
  for (std::string_view name : {LogTemplate, PrefixTemplate, DepartementTemplate}) copyShipped(programDir, name);
  if (!Cree_Fichiers_Station(programDir, Station)) throw std::runtime_error("cannot create the station files");
}

void resetTallies(const fs::path& programDir) {
  for (std::string_view mode : ModeLabels) {
    fs::copy_file(programDir / std::string(PrefixTemplate), prefixTallyPath(programDir, Station, mode),
                  fs::copy_options::overwrite_existing);
    fs::copy_file(programDir / std::string(DepartementTemplate), deptTallyPath(programDir, Station, mode),
                  fs::copy_options::overwrite_existing);
  }
  fs::remove(absentListPath(programDir, Station));
}

void checkRebuild(benchmark::State& state, const Result<RebuildOutcome>& outcome) {
  if (!outcome || outcome->unknownCallsigns.empty()) state.SkipWithError("the rebuild failed");
}

// Every file differs from the result (tallies at zero, as after a reset or a
// delete that changed them): the five files are written and flushed.
void BM_RebuildAllFilesWritten(benchmark::State& state) {
  ScratchFolder folder;
  seedStation(folder.path());
  writeStationLog(folder.path(), Station, generateLogRecords());
  for (auto _ : state) {
    state.PauseTiming();
    resetTallies(folder.path());
    state.ResumeTiming();
    Result<RebuildOutcome> outcome = rebuildTallies(folder.path(), Station);
    checkRebuild(state, outcome);
  }
}
BENCHMARK(BM_RebuildAllFilesWritten)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

// The files already hold the result (start-up after a normal session).
void BM_RebuildFilesUpToDate(benchmark::State& state) {
  ScratchFolder folder;
  seedStation(folder.path());
  writeStationLog(folder.path(), Station, generateLogRecords());
  if (!rebuildTallies(folder.path(), Station)) state.SkipWithError("the first rebuild failed");
  for (auto _ : state) {
    Result<RebuildOutcome> outcome = rebuildTallies(folder.path(), Station);
    checkRebuild(state, outcome);
  }
}
BENCHMARK(BM_RebuildFilesUpToDate)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

// A callsign resolved on the first line, in the middle, and one that reads
// the whole table without a match.
void BM_ChercheePrefixe(benchmark::State& state, std::string_view call) {
  ScratchFolder folder;
  seedStation(folder.path());
  for (auto _ : state) {
    Result<PrefixLookup> lookup = Cherche_Prefixe(folder.path(), Station, call, "14 Mhz", "SSB");
    if (!lookup) state.SkipWithError("the lookup failed");
    benchmark::DoNotOptimize(lookup);
  }
}
BENCHMARK_CAPTURE(BM_ChercheePrefixe, first_line, std::string_view("1A0KM"))
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_ChercheePrefixe, french, std::string_view("F5ABC"))
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(BM_ChercheePrefixe, unknown, std::string_view("QQ1XYZ"))
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

// A distinct callsign of at most 10 characters for each number.
std::string listCallsign(std::size_t n) {
  std::string call = "F";
  call += static_cast<char>('0' + n % 10);
  n /= 10;
  for (int i = 0; i < 4; ++i, n /= 26) call += static_cast<char>('A' + n % 26);
  return call;
}

constexpr std::size_t ListSize = 20'000;

// One save into a 20,000-line list, the contact's line being in the middle
// and its content changing each time so that the file is rewritten.
void BM_Ajoute_Prenom(benchmark::State& state) {
  ScratchFolder folder;
  TextFile::Lines lines;
  for (std::size_t i = 0; i < ListSize; ++i) lines.push_back(firstNameLine(listCallsign(i), "59", "JEAN"));
  if (!TextFile::writeLines(folder.path() / std::string(FirstNameFileName), lines)) state.SkipWithError("seed");
  const std::string call = listCallsign(ListSize / 2);
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    if (!Ajoute_Prenom(folder.path(), firstNameLine(call, "62", flip ? "PIERRE" : "PAUL"), false))
      state.SkipWithError("the save failed");
  }
}
BENCHMARK(BM_Ajoute_Prenom)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

void BM_MAJ_Nomenclature(benchmark::State& state) {
  ScratchFolder folder;
  TextFile::Lines lines;
  for (std::size_t i = 0; i < ListSize; ++i) lines.push_back(directoryLine(listCallsign(i), "59", "JO10AB"));
  if (!TextFile::writeLines(folder.path() / std::string(DirectoryFileName), lines)) state.SkipWithError("seed");
  const std::string call = listCallsign(ListSize / 2);
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    if (!MAJ_Nomenclature(folder.path(), call, "62", flip ? "JO10CD" : "JO10EF"))
      state.SkipWithError("the save failed");
  }
}
BENCHMARK(BM_MAJ_Nomenclature)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace brivant::bench
