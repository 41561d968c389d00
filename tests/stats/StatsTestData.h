#pragma once
// A station's log and prefix tallies for the lookup and overview tests: the
// cases the search, the statistics and the map must tell apart.

#include <string>
#include <string_view>
#include <vector>

#include "core/LogFile.h"
#include "core/QsoRecord.h"
#include "platform/Cp1252.h"
#include "tests/outputs/OutputsTestData.h"
#include "tests/support/TestFiles.h"

namespace brivant::testing {

inline constexpr std::string_view StatsStation = "F6ABC";

// A contact with its marker level ('1' as the save writes it).
inline std::string statsRecord(std::string_view start, std::string_view call, std::string_view dept,
                               std::string_view band, std::string_view mode, std::string_view qth = "",
                               std::string_view castle = "", bool castleActivity = false, char marker = '1',
                               std::string_view firstName = "") {
  QsoFields fields = contactFields("19/05/13", call, start, start, dept, band, mode, mode == "CW" ? "599" : "59",
                                   mode == "CW" ? "599" : "59", qth, castle, castleActivity);
  fields.marker = std::string(1, marker) + std::string(19, ' ');
  fields.firstName = firstName;
  return buildQsoRecord(fields).value();
}

inline std::vector<std::string> statsLog() {
  return {
      statsRecord("08:00", "F6ABD", "59", "14 Mhz", "SSB", "DFCF 59045", "CHATEAU DE LILLE", true, '1', "PAUL"),
      statsRecord("08:05", "DL6ABX", "", "14 Mhz", "SSB", "DCI UD116"),
      statsRecord("08:10", "F5XYZ", "05", "7.0 Mhz", "CW", "DFCF 05012", "FORT DE BRIANCON", true),
      statsRecord("08:20", "F4AAA", "2a", "14 Mhz", "SSB", "", "", false, '1', Cp1252::fromUtf8("JÉRÔME")),
      // A 12-character callsign and a 20-character reference.
      statsRecord("08:30", "EA8/F6ABCD/P", "13", "21 Mhz", "SSB", "DFCF ABCDEFGHIJKLMNO", "MOULIN", true),
      statsRecord("09:00", "F6ABD", "59", "14 Mhz", "CW", "", "", false, '3'),
      // The same castle a second time, by another station, marker level 2.
      statsRecord("09:10", "F5ZZZ", "59", "14 Mhz", "SSB", "DFCF 59045", "CHATEAU DE LILLE", true, '2'),
      // Departement columns that name no departement of the map.
      statsRecord("09:20", "F1OOO", "00", "14 Mhz", "SSB"),
      statsRecord("09:25", "F1TTT", "20", "14 Mhz", "SSB"),
      statsRecord("09:30", "F8CCC", "2b", "14 Mhz", "SSB", "", "", false, '4'),
      statsRecord("09:40", "F6ABE", "62", "28 Mhz", "SSB", "", "", false, '7'),
  };
}

inline void writeStatsLog(const fs::path& programDir, const std::vector<std::string>& records = statsLog()) {
  writeBytes(logFilePath(programDir, StatsStation), crlf(records));
}

inline std::vector<std::string> statsListLines() { return numberedListLines(statsLog()); }

// A prefix tally line: the prefix, flags for the 17 bands (from column 8), the
// main prefix and the entity name from column 34.
inline std::string prefixLine(std::string_view prefix, std::string_view flags, std::string_view name) {
  std::string line = std::string(prefix) + std::string(7 - prefix.size(), ' ') + std::string(flags);
  return line + "  " + std::string(prefix) + std::string(6 - prefix.size(), ' ') + " " + std::string(name);
}

// Flags with '1' on the bands given by their tally index.
inline std::string flagsOn(std::initializer_list<int> bands, char flag = '1') {
  std::string flags(17, '0');
  for (int band : bands) flags[static_cast<std::size_t>(band)] = flag;
  return flags;
}

inline void writeStatsPrefixTallies(const fs::path& programDir) {
  writeBytes(prefixTallyPath(programDir, StatsStation, "SSB"),
             crlf({
                 prefixLine("F", flagsOn({Band14}), "France"),
                 prefixLine("DL", flagsOn({Band14, Band21}), "Fed. Rep. of Germany"),
                 // A name of exactly 35 characters, and one longer.
                 prefixLine("VP2E", flagsOn({Band14}, '3'), "Anguilla and the Leeward Isles (UK)"),
                 prefixLine("3D2/c", flagsOn({Band14}), "Conway Reef, South Pacific Ocean (Fiji)"),
                 prefixLine("EA", flagsOn({Band21}), "Spain"),
                 prefixLine("G", flagsOn({}), "England"),
                 // A stray flag and a damaged short line list nothing.
                 prefixLine("ON", flagsOn({Band14}, 'x'), "Belgium"),
                 "I",
             }));
  writeBytes(prefixTallyPath(programDir, StatsStation, "CW"),
             crlf({prefixLine("F", flagsOn({}), "France"), prefixLine("G", flagsOn({Band14}), "England")}));
}

}  // namespace brivant::testing
