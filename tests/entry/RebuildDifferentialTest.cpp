// The in-memory rebuild against the contact-by-contact reference on many
// generated logs: every output file must be the same, byte for byte.

#include <gtest/gtest.h>

#include <random>

#include "entry/Rebuild.h"
#include "tests/entry/RebuildReference.h"
#include "tests/entry/TallyTestData.h"

namespace brivant {
namespace {

using testing::LogLine;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

using testing::LogStation;
const char* const OutputSuffixes[] = {"_Prefixe_SSB.txt", "_Prefixe_CW.txt", "_Departement_SSB.txt",
                                      "_Departement_CW.txt", "_Absent.txt"};

template <class T, std::size_t N>
const T& pickOne(std::mt19937& random, const T (&choices)[N]) {
  return choices[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

// Known and unknown callsigns (for the small and the shipped templates),
// lower case, blanks, and lines that are not contacts at all.
std::string randomLogLine(std::mt19937& random) {
  static const char* const calls[] = {"F5ABC",  "F4XYZ", "TM2X",         "TK5EP",  "DL1AA",  "DA0XY", "D2A",
                                      "EA8ZZ",  "EA1AB", "G4ABC",        "2E0XYZ", "ON4AA",  "HB0A",  "HB9XX",
                                      "JA1ABC", "K1AB",  "VE3XX",        "ZZ1A",   "I2ABC",  "QQ1XX", "9Z9Z",
                                      "dl1aa",  "",      "F1234567890A", "W1AW",   "VK2ABC", "UA3AAA"};
  static const char* const bands[] = {"3.5 Mhz", "7.0 Mhz", "14 Mhz", "21 Mhz", "28 Mhz", "14 MHZ", "28 mhz",
                                      "1.8 Mhz", "144 Mhz", "10 GHZ", "24 Ghz", "99 Mhz", "",       "7.0 MHz"};
  static const char* const modes[] = {"SSB", "CW", "SSB", "CW", "ssb", "FM", ""};
  static const char* const depts[] = {"59", "01", "2a", "2b", "2A", "13", "33", "62", "75", "00", "", "5", "95", "05"};
  static const char markers[] = {'1', '1', '1', '2', '3', '4', '0', ' ', 'x', '9'};
  LogLine f;
  f.callsign = pickOne(random, calls);
  f.band = pickOne(random, bands);
  f.mode = pickOne(random, modes);
  f.departement = pickOne(random, depts);
  f.marker = pickOne(random, markers);
  f.activity = std::uniform_int_distribution<int>(0, 3)(random) == 0 ? '1' : '0';
  std::string line = testing::logRecord(f);
  switch (std::uniform_int_distribution<int>(0, 40)(random)) {
    case 0:
      return "";  // blank line
    case 1:
      return line.substr(0, 60);  // cut before the marker
    case 2:
      return line.substr(0, std::uniform_int_distribution<std::size_t>(0, 198)(random));
    case 3:
      return "garbage without columns";
    default:
      return line;
  }
}

// The outputs of one way of rebuilding, read back from the folder.
struct Outputs {
  std::vector<std::string> files;
  std::vector<std::string> unknown;
};

Outputs readOutputs(const std::filesystem::path& dir, std::vector<std::string> unknown) {
  Outputs outputs{{}, std::move(unknown)};
  for (const char* suffix : OutputSuffixes)
    outputs.files.push_back(readBytes(dir / (std::string(LogStation) + suffix)));
  return outputs;
}

// Same log, same templates, same starting files, two ways.
void compareOnLog(const std::vector<std::string>& log, const std::filesystem::path& templates,
                  const std::string& startingTally, const std::string& context) {
  TempDir fast;
  TempDir slow;
  for (const TempDir* dir : {&fast, &slow}) {
    testing::seedStation(dir->path(), LogStation, templates);
    writeBytes(*dir / "F6ABC.log", testing::crlf(log));
    // Whatever the files held before must not leak into the result.
    if (!startingTally.empty()) writeBytes(*dir / "F6ABC_Prefixe_SSB.txt", startingTally);
    writeBytes(*dir / "F6ABC_Absent.txt", "OLD\r\n");
  }
  Result<RebuildOutcome> outcome = rebuildTallies(fast.path(), LogStation);
  ASSERT_TRUE(outcome.ok()) << context;
  const Outputs a = readOutputs(fast.path(), outcome->unknownCallsigns);
  const Outputs b = readOutputs(slow.path(), testing::referenceRebuild(slow.path(), LogStation));
  for (std::size_t i = 0; i < a.files.size(); ++i)
    ASSERT_EQ(a.files[i], b.files[i]) << context << ": " << OutputSuffixes[i] << " differs";
  ASSERT_EQ(a.unknown, b.unknown) << context;
}

TEST(RebuildDifferential, SameFilesAsContactByContactOnRandomLogs) {
  std::mt19937 random(20260606);
  for (int round = 0; round < 200; ++round) {
    const std::size_t size = std::uniform_int_distribution<std::size_t>(0, 60)(random);
    std::vector<std::string> log;
    for (std::size_t i = 0; i < size; ++i) log.push_back(randomLogLine(random));
    // One log in ten uses the shipped templates (their real prefix list and
    // departements); the others the small ones with their damaged lines.
    const bool shipped = round % 10 == 9;
    const std::filesystem::path templates = shipped ? testing::shippedDataDir() : testing::smallTemplatesDir();
    compareOnLog(log, templates, round % 3 == 0 ? "DL     11111111111111111  DL     Stale\r\n" : "",
                 "round " + std::to_string(round));
    if (::testing::Test::HasFatalFailure()) return;
  }
}

// A template with bare LF line ends and no end on its last line: a file no
// contact went through keeps the template's bytes, one that a contact went
// through is written with CR LF, as the rewrite did.
TEST(RebuildDifferential, TemplatesWithoutCrLfAreTreatedTheSame) {
  TempDir templates;
  writeBytes(templates / "FXXXX.log", "");
  writeBytes(templates / "FXXXX_Prefixe.txt",
             "DL     00000000000000000  DL     Germany\nF      00000000000000000  F      France");
  writeBytes(templates / "FXXXX_Departement.txt", "59 00000000000000000 Nord\n62 00000000000000000 Pas-de-Calais");
  for (const std::string mode : {"SSB", "CW"}) {
    LogLine f;
    f.callsign = "DL1AA";
    f.mode = mode;
    f.departement = "59";
    compareOnLog({testing::logRecord(f)}, templates.path(), "", "mode " + mode);
  }
  compareOnLog({}, templates.path(), "", "empty log");
}

}  // namespace
}  // namespace brivant
