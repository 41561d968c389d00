#pragma once
// Log lines and station folders for the tally, rebuild and points tests.

#include <filesystem>
#include <string>
#include <string_view>

#include "tests/support/TestFiles.h"

namespace brivant::testing {

// The fields the rebuild and the score read; the rest of the line is what a
// saved contact holds.
struct LogLine {
  std::string callsign;
  std::string band = "14 Mhz";
  std::string mode = "SSB";
  std::string departement;
  char marker = '1';
  char activity = '0';
  std::string points = "3";
};

// A 199-character log record with the fields at their columns.
inline std::string logRecord(const LogLine& f) {
  std::string line(199, ' ');
  auto put = [&](std::size_t column, std::size_t width, std::string_view text) {
    line.replace(column - 1, std::min(width, text.size()), text.substr(0, width));
  };
  put(1, 8, "06/06/26");
  put(11, 12, f.callsign);
  put(23, 5, "10:00");
  put(30, 5, "10:01");
  put(37, 3, f.departement);
  put(50, 8, f.band);
  put(60, 7, f.mode);
  put(69, 8, f.mode == "CW" ? "599" : "59");
  put(79, 8, f.mode == "CW" ? "599" : "59");
  put(128, 5, f.points);
  line[134] = f.marker;
  line[164] = f.activity;
  line[198] = '*';
  return line;
}

// The small templates of tests/fixtures/entry/templates: overlapping
// prefixes, a short line, a blank line, stray flag characters, a line without
// a main prefix, Corsica as "2A"/"2B".
inline std::filesystem::path smallTemplatesDir() { return fixturesDir() / "entry" / "templates"; }

inline void seedTemplates(const std::filesystem::path& programDir, const std::filesystem::path& from) {
  for (const char* name : {"FXXXX.log", "FXXXX_Prefixe.txt", "FXXXX_Departement.txt"})
    std::filesystem::copy_file(from / name, programDir / name, std::filesystem::copy_options::overwrite_existing);
}

// A station folder with the templates and the station's tally files made
// from them, as station set-up leaves it.
inline void seedStation(const std::filesystem::path& programDir, std::string_view call,
                        const std::filesystem::path& templates = smallTemplatesDir()) {
  seedTemplates(programDir, templates);
  const std::string station(call);
  for (const char* mode : {"SSB", "CW"}) {
    writeBytes(programDir / (station + "_Prefixe_" + mode + ".txt"), readBytes(templates / "FXXXX_Prefixe.txt"));
    writeBytes(programDir / (station + "_Departement_" + mode + ".txt"),
               readBytes(templates / "FXXXX_Departement.txt"));
  }
}

}  // namespace brivant::testing
