#pragma once
// Deterministic, realistic station logs for the benchmarks: French stations
// with their departements (Corsica included), foreign stations of known and
// unknown prefixes, both modes, the five bands and a few odd labels, castles,
// all in chronological order over one event day.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace brivant::bench {

struct GeneratedLogOptions {
  std::size_t contacts = 10'000;
  std::uint32_t seed = 2026;
  std::string date = "06/06/26";  // every contact is on this day, "dd/mm/yy"
};

// The 199-character records, in date and start-time order.
std::vector<std::string> generateLogRecords(const GeneratedLogOptions& options = {});

// Writes the records as the log of the callsign in the program directory
// (callsign + ".log", CR LF after each line) and returns its path.
std::filesystem::path writeStationLog(const std::filesystem::path& programDir, std::string_view callsign,
                                      const std::vector<std::string>& records);

// A fresh folder under the system temporary folder, removed with the object:
// a program directory for one benchmark.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace brivant::bench
