// Changing the station is all or nothing: the files and the settings first,
// the program's state only when both are done; a refused value changes
// nothing.  And a stored callsign is only used when the Station window would
// accept it.

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "core/AppState.h"
#include "core/Safeguards.h"
#include "core/SettingsKeys.h"
#include "core/Station.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "platform/TextFile.h"
#include "tests/support/FaultHookGuard.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;
namespace C = Settings::Common;
namespace S = Settings::Station;

// A program folder, its settings and the program's state.
struct StationBench {
  TempDir dir;
  TempDir config;
  SettingsStore store{config.path()};
  FixedClock clock{ClockFields{2026, 6, 7, 8, 0, 0}};
  testing::ScriptedDialogs dialogs;
  AppState state{dir.path(), store, clock, dialogs};
};

class StationChangeTest : public ::testing::Test, protected StationBench {
 protected:
  StationChangeTest() {
    testing::seedFromShippedData(dir.path());
    writeBytes(dir / "F6ABC.log", "contact\r\n");
    EXPECT_TRUE(Settings::save(store, C::StationCallsign, "F6ABC", "F6ABC").ok());
    EXPECT_TRUE(Settings::save(store, S::JncDate, "F6ABC", "06/06/26").ok());
    state.StationCall = "F6ABC";
    state.JncDate = "06/06/26";
    state.Language = "Fr";
    loadStationWindow(state);
  }

  void expectOnTheOldStation(const std::string& settingsBefore) {
    EXPECT_EQ(state.StationCall, "F6ABC");
    EXPECT_EQ(state.JncDate, "06/06/26");
    EXPECT_EQ(readBytes(store.fileOf("ZIV")), settingsBefore);
  }
};

TEST_F(StationChangeTest, ADateThatIsNotRealIsRefusedEvenAfterItsEnter) {
  const std::string before = readBytes(store.fileOf("ZIV"));
  for (const char* date : {"31/02/26", "../../..", "a/b/c/de", ""}) {
    const StationValidation outcome = Validation(state, "F1NEW", date);
    EXPECT_FALSE(outcome.accepted) << date;
    EXPECT_EQ(outcome.message, dateTimeMessage(checkJncDate(date), true)) << date;
    expectOnTheOldStation(before);
    EXPECT_FALSE(TextFile::exists(dir / "F1NEW.log"));
  }
}

// The disk is full when the settings are written: the Station window says so
// and the program and the settings both stay on the old station.
TEST_F(StationChangeTest, AFailedSettingsWriteLeavesProgramAndSettingsOnTheOldStation) {
  const std::string before = readBytes(store.fileOf("ZIV"));
  struct Case {
    const char* callsign;
    const char* language;
    const char* expected;
  };
  const Case cases[] = {
      {"F1NEW", "Fr", "Erreur N° 61 : les réglages n'ont pas pu être enregistrés dans ZIV.ini."},
      {"F6ABC", "An", "Error No. 61: the settings could not be saved in ZIV.ini."},
  };
  for (const Case& c : cases) {
    state.Language = c.language;
    testing::FaultHookGuard full([](TextFile::testing::Step step, const std::filesystem::path& file) {
      return step == TextFile::testing::Step::Write && file.filename() == "ZIV.ini.tmp" ? std::optional<int>(ENOSPC)
                                                                                        : std::nullopt;
    });
    const StationValidation outcome = Validation(state, c.callsign, "12/06/27");
    EXPECT_FALSE(outcome.accepted) << c.callsign;
    EXPECT_FALSE(outcome.endProgram) << c.callsign;
    EXPECT_EQ(outcome.message, QString::fromUtf8(c.expected));
    expectOnTheOldStation(before);
  }
}

// Only the first of the settings writes fails: none of the new values is kept.
TEST_F(StationChangeTest, TheSettingsOfANewStationAreWrittenAllOrNothing) {
  const std::string before = readBytes(store.fileOf("ZIV"));
  int writes = 0;
  {
    testing::FaultHookGuard once([&writes](TextFile::testing::Step step, const std::filesystem::path& file) {
      const bool settings = step == TextFile::testing::Step::Write && file.filename() == "ZIV.ini.tmp";
      return settings && writes++ == 0 ? std::optional<int>(ENOSPC) : std::nullopt;
    });
    EXPECT_FALSE(Validation(state, "F1NEW", "12/06/27").accepted);
  }
  expectOnTheOldStation(before);
  EXPECT_EQ(Settings::getText(store, S::Session, "F1NEW", "<absent>"), "<absent>");
  EXPECT_FALSE(std::filesystem::exists(dir / "F1NEW.log")) << "the files made for it went again";

  // Once the disk has room the same change goes through whole.
  const StationValidation outcome = Validation(state, "F1NEW", "12/06/27");
  ASSERT_TRUE(outcome.accepted);
  EXPECT_EQ(state.StationCall, "F1NEW");
  EXPECT_EQ(state.JncDate, "12/06/27");
  EXPECT_EQ(Settings::getText(store, C::StationCallsign, "F1NEW"), "F1NEW");
  EXPECT_EQ(Settings::getText(store, S::Session, "F1NEW", "<absent>"), "HF");
}

TEST(StoredCallsign, UsedOnlyWhenTheStationWindowWouldAcceptIt) {
  const std::pair<std::string, bool> cases[] = {
      {"F6ABC", true},
      {"F6ABC_P", true},
      {"FXXXX", true},
      {std::string("F6\0ABC", 6), false},
      {"F6/ABC", false},
      {"..", false},
      {"../../outside/F1ESC", false},
      {"/home/op/F1ESC", false},
      {"", false},
      {"f6abc", false},  // never stored so: the window stores capitals
      {"ABCDEFGHIJKLM", false},
  };
  for (const auto& [stored, accepted] : cases) EXPECT_EQ(checkedStoredCallsign(stored).has_value(), accepted) << stored;
}

TEST(StoredCallsign, TheStationWindowOpensEmptyOnARefusedOne) {
  StationBench bench;
  ASSERT_TRUE(Settings::save(bench.store, C::StationCallsign, "", "../../outside/F1ESC").ok());
  const StationWindowFields fields = loadStationWindow(bench.state);
  EXPECT_EQ(fields.callsign, QString());
  EXPECT_TRUE(bench.state.FirstRun);
}

}  // namespace
}  // namespace brivant
