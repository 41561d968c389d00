#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <random>
#include <thread>

#include "entry/Maintenance.h"
#include "entry/Rebuild.h"
#include "platform/TextFile.h"
#include "tests/entry/TallyTestData.h"
#include "tests/support/FaultHookGuard.h"

namespace brivant {
namespace {

using testing::crlf;
using testing::LogLine;
using testing::logRecord;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

using testing::LogStation;
const char* const TallySuffixes[] = {"_Prefixe_SSB.txt", "_Prefixe_CW.txt", "_Departement_SSB.txt",
                                     "_Departement_CW.txt", "_Absent.txt"};

LogLine contact(std::string call, std::string band, std::string mode, std::string dept = "", char marker = '1') {
  LogLine f;
  f.callsign = std::move(call);
  f.band = std::move(band);
  f.mode = std::move(mode);
  f.departement = std::move(dept);
  f.marker = marker;
  return f;
}

class RebuildTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::seedStation(dir.path(), LogStation); }
  void writeLog(const std::vector<LogLine>& lines) {
    std::vector<std::string> records;
    for (const LogLine& line : lines) records.push_back(logRecord(line));
    writeBytes(dir / "F6ABC.log", crlf(records));
  }
  std::string file(std::string_view suffix) const { return readBytes(dir / ("F6ABC" + std::string(suffix))); }
  // The line of a tally file that starts with the given text.
  std::string lineOf(std::string_view suffix, std::string_view start) const {
    Result<TextFile::Lines> lines = TextFile::readLines(dir / ("F6ABC" + std::string(suffix)));
    for (const std::string& line : lines.valueOr({}))
      if (line.starts_with(start)) return line;
    return "";
  }
  std::string templateBytes(const char* name) const { return readBytes(testing::smallTemplatesDir() / name); }
  RebuildOutcome rebuild() {
    Result<RebuildOutcome> outcome = rebuildTallies(dir.path(), LogStation);
    EXPECT_TRUE(outcome.ok());
    EXPECT_FALSE(TextFile::exists(dir / "Temporaire.txt"));
    return outcome.valueOr({});
  }
  TempDir dir;
};

// A small log that goes through every rule once; the five files are golden.
TEST_F(RebuildTest, VariedLogGivesTheGoldenFiles) {
  writeLog({
      contact("F5ABC", "14 Mhz", "SSB", "59"),
      contact("TM2X", "14 Mhz", "SSB", "2a"),  // TM resolves to the main prefix F; Corsica is 2A
      contact("DL1AA", "21 Mhz", "SSB"),
      contact("DA0XY", "21 Mhz", "SSB"),            // main prefix DL, already marked
      contact("QQ1XX", "28 Mhz", "SSB"),            // unknown: SSB absent list, emptied before CW
      contact("EA8ZZ", "7.0 Mhz", "CW"),            // EA8 comes before EA
      contact("TK5EP", "14 MHZ", "CW"),             // main prefix XX9 is in no line: absent list
      contact("9Z9Z", "3.5 Mhz", "CW"),             // unknown
      contact("F4XYZ", "28 mhz", "CW", "2b", '3'),  // lower-case band; marker 3
      contact("F1AAA", "28 Mhz", "CW", "2B", '1'),  // the 3 stays
      contact("JA1ABC", "7.0 Mhz", "CW"),           // stray flag character becomes 1
      contact("K1AB", "21 Mhz", "CW"),              // short line padded to the column
      contact("ZZ1A", "14 Mhz", "CW"),              // no main prefix: the line itself
      contact("F5ABC", "144 Mhz", "SSB", "59", '2'),
      contact("F5ABC", "14 Mhz", "ssb", "59"),  // not a mode of the rebuild
      contact("G4ABC", "14 Mhz", "SSB"),
      contact("F5XX", "14 Mhz", "SSB", "62", 'x'),   // marker not a level: 1; stray flag replaced
      contact("F6AAA", "14 Mhz", "SSB", "33", '4'),  // short departement line padded
      contact("2E0XYZ", "14 Mhz", "CW"),
  });
  // A damaged line and a blank one among the contacts.
  writeBytes(dir / "F6ABC.log", readBytes(dir / "F6ABC.log") + "06/06/26  F6XYZ\r\n\r\n");
  const RebuildOutcome outcome = rebuild();
  EXPECT_EQ(outcome.unknownCallsigns, (std::vector<std::string>{"QQ1XX", "9Z9Z"}));
  EXPECT_EQ(file("_Absent.txt"), "XX9\r\n9Z9Z\r\n");
  EXPECT_EQ(lineOf("_Prefixe_SSB.txt", "F "), "F      00001000001000000  F      France");
  EXPECT_EQ(lineOf("_Prefixe_SSB.txt", "TM"), "TM     00000000000000000  F      France (special)");
  EXPECT_EQ(lineOf("_Prefixe_CW.txt", "K "), "K      00000 1");
  EXPECT_EQ(lineOf("_Departement_CW.txt", "2B"), "2B 00000000300000000 Haute-Corse");
  EXPECT_EQ(lineOf("_Departement_SSB.txt", "33"), "33 00004");
  for (const char* suffix : TallySuffixes)
    testing::expectMatchesGolden(dir / ("F6ABC" + std::string(suffix)), "entry/rebuild/F6ABC" + std::string(suffix));
}

TEST_F(RebuildTest, UnknownCallsignMarksNothingOfThePreviousContact) {
  writeLog({contact("DL1AA", "14 Mhz", "SSB"), contact("QQ1XX", "21 Mhz", "SSB")});
  rebuild();
  EXPECT_EQ(lineOf("_Prefixe_SSB.txt", "DL"), "DL     00001000000000000  DL     Fed. Rep. of Germany");
  EXPECT_EQ(file("_Absent.txt"), "");  // the CW pass had no unknown prefix
}

TEST_F(RebuildTest, AllCwLogLeavesTheSsbTalliesEqualToTheTemplates) {
  writeLog({contact("DL1AA", "14 Mhz", "CW", "59"), contact("F5ABC", "7.0 Mhz", "CW", "13")});
  writeBytes(dir / "F6ABC_Prefixe_SSB.txt", "stale\r\n");
  rebuild();
  EXPECT_EQ(file("_Prefixe_SSB.txt"), templateBytes("FXXXX_Prefixe.txt"));
  EXPECT_EQ(file("_Departement_SSB.txt"), templateBytes("FXXXX_Departement.txt"));
  EXPECT_NE(file("_Prefixe_CW.txt"), templateBytes("FXXXX_Prefixe.txt"));
}

TEST_F(RebuildTest, RunningTwiceGivesTheSameFiles) {
  writeLog({contact("DL1AA", "14 Mhz", "SSB", "59", '3'), contact("QQ1", "14 Mhz", "CW", "2a")});
  rebuild();
  std::vector<std::string> once;
  for (const char* suffix : TallySuffixes) once.push_back(file(suffix));
  rebuild();
  for (std::size_t i = 0; i < once.size(); ++i) EXPECT_EQ(file(TallySuffixes[i]), once[i]) << TallySuffixes[i];
}

TEST_F(RebuildTest, DepartementKeepsTheHighestMarker) {
  struct Case {
    std::vector<char> markers;
    char expected;
  };
  for (const Case& c : {Case{{'3', '1'}, '3'}, Case{{'1', '3'}, '3'}, Case{{'2', '4', '1'}, '4'}, Case{{' '}, '1'},
                        Case{{'9'}, '1'}, Case{{'0'}, '1'}}) {
    std::vector<LogLine> lines;
    for (char marker : c.markers) lines.push_back(contact("F5ABC", "14 Mhz", "SSB", "59", marker));
    writeLog(lines);
    rebuild();
    EXPECT_EQ(lineOf("_Departement_SSB.txt", "59")[7], c.expected) << std::string(c.markers.begin(), c.markers.end());
  }
}

TEST_F(RebuildTest, MissingLogOrTemplateChangesNoFile) {
  writeLog({contact("DL1AA", "14 Mhz", "SSB", "59")});
  for (const char* missing : {"F6ABC.log", "FXXXX_Prefixe.txt", "FXXXX_Departement.txt"}) {
    TempDir other;
    testing::seedStation(other.path(), LogStation);
    writeBytes(other / "F6ABC.log", readBytes(dir / "F6ABC.log"));
    writeBytes(other / "F6ABC_Absent.txt", "OLD\r\n");
    std::filesystem::remove(other / missing);
    Result<RebuildOutcome> outcome = rebuildTallies(other.path(), LogStation);
    ASSERT_FALSE(outcome.ok()) << missing;
    EXPECT_EQ(outcome.error().number, FileNotFound);
    EXPECT_EQ(readBytes(other / "F6ABC_Prefixe_SSB.txt"), templateBytes("FXXXX_Prefixe.txt"));
    EXPECT_EQ(readBytes(other / "F6ABC_Departement_SSB.txt"), templateBytes("FXXXX_Departement.txt"));
    EXPECT_EQ(readBytes(other / "F6ABC_Absent.txt"), "OLD\r\n");
  }
}

// A failure at any write of the rebuild (as a crash would leave it) leaves
// each file either as it was or as the complete rebuild makes it.
TEST_F(RebuildTest, InterruptedRebuildLeavesEveryFileOldOrNew) {
  writeLog({contact("DL1AA", "14 Mhz", "SSB", "59"), contact("QQ1XX", "21 Mhz", "CW", "2b", '2'),
            contact("EA8ZZ", "7.0 Mhz", "CW", "13")});
  std::vector<std::string> oldFiles;
  for (const char* suffix : TallySuffixes) {
    writeBytes(dir / ("F6ABC" + std::string(suffix)), "old " + std::string(suffix) + "\r\n");
    oldFiles.push_back(file(suffix));
  }
  std::vector<std::string> newFiles;
  {
    TempDir clean;
    testing::seedStation(clean.path(), LogStation);
    writeBytes(clean / "F6ABC.log", readBytes(dir / "F6ABC.log"));
    ASSERT_TRUE(rebuildTallies(clean.path(), LogStation).ok());
    for (const char* suffix : TallySuffixes) newFiles.push_back(readBytes(clean / ("F6ABC" + std::string(suffix))));
  }
  for (int failAt = 1;; ++failAt) {
    for (std::size_t i = 0; i < oldFiles.size(); ++i)
      writeBytes(dir / ("F6ABC" + std::string(TallySuffixes[i])), oldFiles[i]);
    int calls = 0;
    bool injected = false;
    Result<RebuildOutcome> outcome = RebuildOutcome{};
    {
      testing::FaultHookGuard guard([&](TextFile::testing::Step, const std::filesystem::path&) -> std::optional<int> {
        if (++calls != failAt) return std::nullopt;
        injected = true;
        return EIO;
      });
      outcome = rebuildTallies(dir.path(), LogStation);
    }
    for (std::size_t i = 0; i < oldFiles.size(); ++i) {
      const std::string now = file(TallySuffixes[i]);
      EXPECT_TRUE(now == oldFiles[i] || now == newFiles[i]) << TallySuffixes[i] << " after a fault at step " << failAt;
    }
    EXPECT_FALSE(TextFile::exists(dir / "Temporaire.txt")) << "after a fault at step " << failAt;
    if (!injected) {
      ASSERT_TRUE(outcome.ok());
      for (std::size_t i = 0; i < newFiles.size(); ++i) EXPECT_EQ(file(TallySuffixes[i]), newFiles[i]);
      EXPECT_GT(failAt, 10);  // five files were written, each in several steps
      break;
    }
    // A failed look at a file's current content only means it is replaced.
    if (outcome.ok()) {
      for (std::size_t i = 0; i < newFiles.size(); ++i) EXPECT_EQ(file(TallySuffixes[i]), newFiles[i]) << failAt;
    }
  }
}

// The same with the process killed at a random instant of the rebuild.
TEST_F(RebuildTest, KilledRebuildLeavesEveryFileOldOrNew) {
  std::vector<LogLine> lines;
  for (int i = 0; i < 300; ++i)
    lines.push_back(contact(i % 2 ? "DL1AA" : "F5ABC", i % 3 ? "14 Mhz" : "7.0 Mhz", i % 5 ? "SSB" : "CW", "59"));
  writeLog(lines);
  std::vector<std::string> oldFiles;
  for (const char* suffix : TallySuffixes) {
    writeBytes(dir / ("F6ABC" + std::string(suffix)), "old " + std::string(suffix) + "\r\n");
    oldFiles.push_back(file(suffix));
  }
  std::vector<std::string> newFiles;
  std::chrono::steady_clock::duration duration{};
  {
    TempDir clean;
    testing::seedStation(clean.path(), LogStation);
    writeBytes(clean / "F6ABC.log", readBytes(dir / "F6ABC.log"));
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(rebuildTallies(clean.path(), LogStation).ok());
    duration = std::chrono::steady_clock::now() - start;
    for (const char* suffix : TallySuffixes) newFiles.push_back(readBytes(clean / ("F6ABC" + std::string(suffix))));
  }
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    for (std::size_t i = 0; i < oldFiles.size(); ++i)
      writeBytes(dir / ("F6ABC" + std::string(TallySuffixes[i])), oldFiles[i]);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(rebuildTallies(dir.path(), LogStation).ok() ? 0 : 1);
    const auto wait = std::chrono::duration_cast<std::chrono::microseconds>(duration * 1.2);
    std::this_thread::sleep_for(std::chrono::microseconds(
        std::uniform_int_distribution<long long>(0, std::max<long long>(wait.count(), 1))(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    for (std::size_t i = 0; i < oldFiles.size(); ++i) {
      const std::string now = file(TallySuffixes[i]);
      EXPECT_TRUE(now == oldFiles[i] || now == newFiles[i]) << TallySuffixes[i] << " in round " << round;
    }
  }
}

class ResetAndBackupTest : public RebuildTest {};

TEST_F(ResetAndBackupTest, ResetPutsTheTemplatesBack) {
  writeLog({contact("DL1AA", "14 Mhz", "SSB", "59")});
  ASSERT_TRUE(rebuildTallies(dir.path(), LogStation).ok());
  writeBytes(dir / "FXXXX.log", "");
  ASSERT_TRUE(resetStationFiles(dir.path(), LogStation).ok());
  EXPECT_EQ(file(".log"), "");
  for (const char* mode : {"SSB", "CW"}) {
    EXPECT_EQ(file("_Prefixe_" + std::string(mode) + ".txt"), templateBytes("FXXXX_Prefixe.txt"));
    EXPECT_EQ(file("_Departement_" + std::string(mode) + ".txt"), templateBytes("FXXXX_Departement.txt"));
  }
}

TEST_F(ResetAndBackupTest, ResetWithATemplateMissingChangesNothing) {
  writeLog({contact("DL1AA", "14 Mhz", "SSB", "59")});
  const std::string log = file(".log");
  std::filesystem::remove(dir / "FXXXX_Prefixe.txt");
  Status status = resetStationFiles(dir.path(), LogStation);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().number, FileNotFound);
  EXPECT_EQ(file(".log"), log);
}

// The template log is never written, whatever it holds: the template
// station's reset leaves it, and any other station's reset empties its log.
TEST_F(ResetAndBackupTest, ResetNeverWritesTheTemplateLogAndAlwaysEmptiesTheLog) {
  testing::seedStation(dir.path(), "FXXXX");
  const std::string templateLog = crlf({logRecord(contact("DL1AA", "14 Mhz", "SSB"))});
  writeBytes(dir / "FXXXX.log", templateLog);
  writeBytes(dir / "FXXXX_Prefixe_CW.txt", "worked\r\n");
  ASSERT_TRUE(resetStationFiles(dir.path(), "FXXXX").ok());
  EXPECT_EQ(readBytes(dir / "FXXXX.log"), templateLog);
  EXPECT_EQ(readBytes(dir / "FXXXX_Prefixe_CW.txt"), templateBytes("FXXXX_Prefixe.txt"));

  writeLog({contact("DL1AA", "14 Mhz", "SSB", "59")});
  ASSERT_TRUE(resetStationFiles(dir.path(), LogStation).ok());
  EXPECT_EQ(file(".log"), "");
  EXPECT_EQ(readBytes(dir / "FXXXX.log"), templateLog);
}

// The reset replaces the five files together: a failure at any step of it
// (reading, writing, flushing, closing, renaming) leaves all five as they were.
TEST_F(ResetAndBackupTest, AResetThatFailsAtAnyStepLeavesEveryFileAsItWas) {
  writeLog({contact("DL1AA", "14 Mhz", "SSB", "59"), contact("G4AA", "7.0 Mhz", "CW")});
  ASSERT_TRUE(rebuildTallies(dir.path(), LogStation).ok());
  const char* const suffixes[] = {".log", "_Departement_SSB.txt", "_Departement_CW.txt", "_Prefixe_SSB.txt",
                                  "_Prefixe_CW.txt"};
  std::vector<std::string> before;
  for (const char* suffix : suffixes) before.push_back(file(suffix));
  const auto folderNames = [this] {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  };
  const std::vector<std::string> namesBefore = folderNames();

  for (int failAt = 1;; ++failAt) {
    int calls = 0;
    bool injected = false;
    Status status;
    {
      testing::FaultHookGuard guard([&](TextFile::testing::Step, const std::filesystem::path&) -> std::optional<int> {
        if (++calls != failAt) return std::nullopt;
        injected = true;
        return ENOSPC;
      });
      status = resetStationFiles(dir.path(), LogStation);
    }
    if (!injected) {
      ASSERT_TRUE(status.ok());
      EXPECT_EQ(file(".log"), "");
      EXPECT_GT(failAt, 15);  // five files, each in several steps
      break;
    }
    EXPECT_FALSE(status.ok()) << "a fault at step " << failAt << " was not reported";
    for (std::size_t i = 0; i < before.size(); ++i)
      EXPECT_EQ(file(suffixes[i]), before[i]) << suffixes[i] << " after a fault at step " << failAt;
    EXPECT_EQ(folderNames(), namesBefore) << "after a fault at step " << failAt;
  }
}

TEST_F(ResetAndBackupTest, ResetQuestionNamesTheStation) {
  EXPECT_EQ(resetQuestion(true, "F6ABC"),
            QString::fromUtf8("!!! ATTENTION !!! tout les fichiers F6ABC vont etre effacé , Continuer ?"));
  EXPECT_EQ(resetQuestion(false, "F6ABC"), QStringLiteral("!!! WARNING!!! all files F6ABC will be deleted, continue?"));
}

TEST_F(ResetAndBackupTest, BackupRefreshesTheFiveCopies) {
  writeLog({contact("DL1AA", "14 Mhz", "SSB", "59")});
  ASSERT_TRUE(rebuildTallies(dir.path(), LogStation).ok());
  writeBytes(dir / "F6ABC.bak", "an older backup\r\n");
  ASSERT_TRUE(Copie_Securite(dir.path(), LogStation).copied.ok());
  EXPECT_EQ(file(".bak"), file(".log"));
  for (const char* name : {"_Departement_SSB", "_Departement_CW", "_Prefixe_SSB", "_Prefixe_CW"})
    EXPECT_EQ(file(std::string(name) + ".bak"), file(std::string(name) + ".txt")) << name;
}

TEST_F(ResetAndBackupTest, BackupGoesOnPastAMissingFile) {
  std::filesystem::remove(dir / "F6ABC_Departement_SSB.txt");  // and there is no log
  Status status = Copie_Securite(dir.path(), LogStation).copied;
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().number, FileNotFound);
  EXPECT_FALSE(TextFile::exists(dir / "F6ABC.bak"));
  EXPECT_EQ(file("_Prefixe_CW.bak"), file("_Prefixe_CW.txt"));
  EXPECT_EQ(file("_Departement_CW.bak"), file("_Departement_CW.txt"));
}

TEST(BackupReminder, NamesTheFilesAndTheProgramDirectory) {
  const std::filesystem::path folder = "/home/op/.local/share/Brivant";
  const QString french = backupReminder(true, "F6ABC", "19/05/13", folder);
  const QStringList lines = french.split(QStringLiteral("\r\n"));
  ASSERT_EQ(lines.size(), 9);
  EXPECT_FALSE(lines[0].isEmpty());
  EXPECT_TRUE(lines[1].isEmpty());
  EXPECT_EQ(lines[2], QStringLiteral("Fichier 1 : Exemple 'F6ABC_Recapitulatif_JNC_19_05_13.txt'"));
  EXPECT_EQ(lines[3], QStringLiteral("Pour cela allez dans 'Recapitulatif JNC' puis 'Enregistrez'"));
  EXPECT_EQ(lines[5], QStringLiteral("Fichier 2 : Exemple 'F6ABC_Log_JNC_19_05_13.txt'"));
  EXPECT_EQ(lines[6], QStringLiteral("Pour cela allez dans 'Log JNC' puis 'Enregistrez'"));
  EXPECT_EQ(lines[8], QString::fromUtf8("Ces fichiers se trouvent dans le répertoire '/home/op/.local/share/Brivant'"));
  const QStringList english = backupReminder(false, "F6ABC", "19/05/13", folder).split(QStringLiteral("\r\n"));
  ASSERT_EQ(english.size(), 9);
  EXPECT_EQ(english[2], QStringLiteral("File 1: for example 'F6ABC_Recapitulatif_JNC_19_05_13.txt'"));
  EXPECT_EQ(english[3], QStringLiteral("To do this go to 'recapitulative sheet' then 'Save'"));
  EXPECT_EQ(english[5], QStringLiteral("File 2: for example 'F6ABC_Log_JNC_19_05_13.txt'"));
  EXPECT_EQ(english[8], QStringLiteral("These files are located in the directory '/home/op/.local/share/Brivant'"));
  EXPECT_FALSE(french.contains(QStringLiteral("Program Files")));
  EXPECT_FALSE(french.contains(QLatin1Char('@')));  // no one's address
}

TEST(UpdatingWindow, Texts) {
  EXPECT_EQ(updatingCaption(), QStringLiteral("Morvex"));
  EXPECT_EQ(updatingFilesText(true), QStringLiteral("Mise a jour des fichiers"));
  EXPECT_EQ(updatingFilesText(false), QStringLiteral("Update files"));
  EXPECT_EQ(updatingWhatText(true), QString::fromUtf8("Prefixes et Départements"));
  EXPECT_EQ(updatingWhatText(false), QStringLiteral("Prefix and Department"));
}

}  // namespace
}  // namespace brivant
