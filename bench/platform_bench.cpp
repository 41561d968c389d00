// Speed of the platform layer on the sizes the program meets: a full log of
// 10,000 contacts (199-character records, about 2 MB) and the settings store.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench/support/GeneratedLog.h"
#include "platform/Cp1252.h"
#include "platform/SettingsStore.h"
#include "platform/TextFile.h"

namespace {

namespace fs = std::filesystem;

using brivant::bench::ScratchFolder;

brivant::TextFile::Lines logLines() {
  brivant::TextFile::Lines lines;
  for (int i = 0; i < 10000; ++i) {
    std::string line(199, ' ');
    const std::string call = "F" + std::to_string(i) + "ABC";
    line.replace(0, call.size(), call);
    line.replace(20, 14, "14 Mhz SSB Ch\xE2");
    line.back() = '*';
    lines.push_back(std::move(line));
  }
  return lines;
}

void BM_ReadLinesFullLog(benchmark::State& state) {
  ScratchFolder scratch;
  const fs::path file = scratch.path() / "F1ABC.log";
  if (!brivant::TextFile::writeLines(file, logLines()).ok()) state.SkipWithError("cannot write the log");
  for (auto _ : state) {
    auto lines = brivant::TextFile::readLines(file);
    benchmark::DoNotOptimize(lines);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(file)));
}
BENCHMARK(BM_ReadLinesFullLog)->Unit(benchmark::kMillisecond);

void BM_ReplaceAtomicallyFullLog(benchmark::State& state) {
  ScratchFolder scratch;
  const auto lines = logLines();
  for (auto _ : state) {
    auto status =
        brivant::TextFile::replaceAtomically(scratch.path() / "Temporaire.txt", scratch.path() / "F1ABC.log", lines);
    benchmark::DoNotOptimize(status);
  }
}
BENCHMARK(BM_ReplaceAtomicallyFullLog)->Unit(benchmark::kMillisecond);

void BM_ToQStringFullLog(benchmark::State& state) {
  const auto lines = logLines();
  for (auto _ : state) {
    for (const auto& line : lines) benchmark::DoNotOptimize(brivant::Cp1252::toQString(line));
  }
}
BENCHMARK(BM_ToQStringFullLog)->Unit(benchmark::kMillisecond);

void BM_SettingsGet(benchmark::State& state) {
  ScratchFolder scratch;
  brivant::SettingsStore store(scratch.path());
  for (int i = 0; i < 40; ++i) (void)store.save("ZIV", "Setup F1ABC", "Key " + std::to_string(i), "value");
  for (auto _ : state) benchmark::DoNotOptimize(store.get("ZIV", "Setup F1ABC", "Key 17", ""));
}
BENCHMARK(BM_SettingsGet);

void BM_SettingsSave(benchmark::State& state) {
  ScratchFolder scratch;
  brivant::SettingsStore store(scratch.path());
  for (int i = 0; i < 40; ++i) (void)store.save("ZIV", "Setup F1ABC", "Key " + std::to_string(i), "value");
  for (auto _ : state) benchmark::DoNotOptimize(store.save("ZIV", "Setup F1ABC", "Key 17", "other"));
}
BENCHMARK(BM_SettingsSave)->Unit(benchmark::kMicrosecond);

}  // namespace
