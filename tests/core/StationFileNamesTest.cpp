// Every file name built from a station callsign or the event date stays in
// the program folder, and a value the Station window would refuse names no
// file at all.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/LogFile.h"
#include "core/Station.h"
#include "platform/TextFile.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

// Callsigns that a settings file or a caller could hand over, none of which
// the Station window accepts.
const std::string Refused[] = {
    std::string("F6\0ABC", 6),  // a NUL cuts every name at the same place
    "F6/ABC",
    "..",
    "../../outside/F1ESC",
    "/srv/F1ESC",
    "",
    "F6ABC.log",
    "F6ABC ",
    "ABCDEFGHIJKLM",  // 13 characters
};

struct Builder {
  const char* name;
  std::function<fs::path(const fs::path&, std::string_view)> build;
};

const Builder Builders[] = {
    {"log", [](const fs::path& dir, std::string_view call) { return logFilePath(dir, call); }},
    {"prefix tally", [](const fs::path& dir, std::string_view call) { return prefixTallyPath(dir, call, "SSB"); }},
    {"departement tally", [](const fs::path& dir, std::string_view call) { return deptTallyPath(dir, call, "CW"); }},
    {"absent list", [](const fs::path& dir, std::string_view call) { return absentListPath(dir, call); }},
    {"set-aside lines", [](const fs::path& dir, std::string_view call) { return tornLinesPath(dir, call); }},
    {"station file", [](const fs::path& dir, std::string_view call) { return stationFilePath(dir, call, ".adi"); }},
};

TEST(StationFileNames, RefusedCallsignsNameNoFile) {
  const fs::path dir = "/data/Brivant";
  for (const Builder& builder : Builders) {
    for (const std::string& call : Refused) {
      EXPECT_TRUE(builder.build(dir, call).empty()) << builder.name << " of \"" << call << '"';
    }
    const fs::path accepted = builder.build(dir, "F6ABC_P");
    EXPECT_EQ(accepted.parent_path(), dir) << builder.name;
    EXPECT_EQ(accepted.filename().string().rfind("F6ABC_P", 0), 0u) << builder.name;
  }
  for (const auto& [call, refused] : {std::pair{"F6ABC", false}, {"F1/P", true}, {"F6ABC\n", true}})
    EXPECT_EQ(!namesStationFiles(call), refused) << call;
}

TEST(StationFileNames, OnlyTheModesNameTallies) {
  const fs::path dir = "/data/Brivant";
  EXPECT_EQ(prefixTallyPath(dir, "F6ABC", "CW"), dir / "F6ABC_Prefixe_CW.txt");
  EXPECT_EQ(deptTallyPath(dir, "F6ABC", "SSB"), dir / "F6ABC_Departement_SSB.txt");
  for (const char* mode : {"", "../SSB", "SSB/..", "FM"}) {
    EXPECT_TRUE(prefixTallyPath(dir, "F6ABC", mode).empty()) << mode;
    EXPECT_TRUE(deptTallyPath(dir, "F6ABC", mode).empty()) << mode;
  }
}

TEST(StationFileNames, OutputNamesNeedACheckedCallsignAndDate) {
  EXPECT_EQ(jncFileName("F6ABC", "Log", "19/05/13"), "F6ABC_Log_JNC_19_05_13.txt");
  struct Case {
    std::string call;
    const char* date;
  };
  const Case refused[] = {
      {"F6ABC", "a/b/c/de"}, {"F6ABC", "../../.."},  {"F6ABC", "31/02/13"}, {"F6ABC", ""},
      {"F6ABC", "1/5/13"},   {"F6/ABC", "19/05/13"}, {"..", "19/05/13"},    {std::string("F\0X", 3), "19/05/13"},
  };
  for (const Case& c : refused) EXPECT_EQ(jncFileName(c.call, "Recapitulatif", c.date), "") << c.call << " " << c.date;
}

// The files of a refused callsign: nothing is created, neither in the program
// folder nor beside it (the callsigns point into the test's own folder).
TEST(StationFileNames, NothingIsWrittenForARefusedCallsign) {
  TempDir root;
  const fs::path dir = root / "Brivant";
  fs::create_directories(dir);
  testing::seedFromShippedData(dir);
  const auto countFiles = [&root] {
    int count = 0;
    for (auto it = fs::recursive_directory_iterator(root.path()); it != fs::recursive_directory_iterator(); ++it)
      ++count;
    return count;
  };
  const int before = countFiles();
  std::vector<std::string> calls;
  for (const std::string& call : Refused)
    if (call.find('/') == std::string::npos) calls.push_back(call);
  calls.push_back("../outside/F1ESC");
  calls.push_back((root / "outside" / "F1ESC").string());
  for (const std::string& call : calls) {
    EXPECT_FALSE(Cree_Fichiers_Station(dir, call).ok()) << call;
    EXPECT_FALSE(Ajout_Log(dir, call, "record").ok()) << call;
    EXPECT_FALSE(Reecrit_Log(dir, call, std::string(199, ' '), "record").ok()) << call;
  }
  EXPECT_EQ(countFiles(), before);
  EXPECT_FALSE(fs::exists(root / "outside"));
}

TEST(StationFileNames, AnEmptyPathIsRefusedByEveryWrite) {
  TempDir dir;
  const fs::path here = fs::current_path();
  const fs::path source = fs::absolute(testing::shippedDataDir() / "FXXXX.log");
  // Run from the test's folder: a name taken for the current folder would land there.
  fs::current_path(dir.path());
  EXPECT_EQ(TextFile::copy(source, fs::path()).error().number, PathFileAccessError);
  EXPECT_FALSE(TextFile::appendLine(fs::path(), "x").ok());
  EXPECT_FALSE(TextFile::replaceAtomically(dir / "Temporaire.txt", fs::path(), {"x"}).ok());
  EXPECT_FALSE(TextFile::readLines(fs::path()).ok());
  fs::current_path(here);
  EXPECT_TRUE(fs::is_empty(dir.path()));
}

}  // namespace
}  // namespace brivant
