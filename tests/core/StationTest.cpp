#include "core/Station.h"

#include <gtest/gtest.h>

#include "core/MissingFile.h"
#include "core/SettingsKeys.h"
#include "platform/TextFile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

struct CallsignCase {
  const char* typed;
  CallsignProblem problem;
  const char* stored;
};

TEST(StationCallsign, Checks) {
  const CallsignCase cases[] = {
      {"f6abc", CallsignProblem::None, "F6ABC"},
      {"FXXXX_P", CallsignProblem::None, "FXXXX_P"},
      {"ABCDEFGHIJ12", CallsignProblem::None, "ABCDEFGHIJ12"},  // exactly 12
      {"ABCDEFGHIJ123", CallsignProblem::TooLong, nullptr},     // 13
      {"", CallsignProblem::Empty, nullptr},
      {"F6ABC/P", CallsignProblem::BadCharacter, nullptr},  // typed "/" is filtered before
      {"F6 ABC", CallsignProblem::BadCharacter, nullptr},
      {"F6\xC9"
       "BC",
       CallsignProblem::BadCharacter, nullptr},                                      // É in 1252
      {"F6ABC\xE9\xE9\xE9\xE9\xE9\xE9\xE9\xE9", CallsignProblem::TooLong, nullptr},  // length before content
  };
  for (const CallsignCase& c : cases) {
    const CallsignCheck check = checkStationCallsign(c.typed);
    EXPECT_EQ(check.problem, c.problem) << c.typed;
    if (c.stored) {
      EXPECT_EQ(check.callsign, c.stored);
    }
  }
}

TEST(StationCallsign, TypingAndDisplayForms) {
  EXPECT_EQ(filterCallsignTyping(QStringLiteral("fxxxx/p")), QStringLiteral("FXXXX_P"));
  EXPECT_EQ(filterCallsignTyping(QStringLiteral("é1")), QStringLiteral("é1"));  // only a-z change
  EXPECT_EQ(displayCallsign("FXXXX_P"), "FXXXX/P");
  EXPECT_EQ(displayCallsign("TM_F6ABC_P"), "TM/F6ABC/P");
  EXPECT_EQ(displayCallsignText("F6ABC_M"), QStringLiteral("F6ABC/M"));
}

TEST(StationCallsign, Messages) {
  EXPECT_EQ(callsignMessage(CallsignProblem::Empty, true), QStringLiteral("Vous devez entrer un indicatif"));
  EXPECT_EQ(callsignMessage(CallsignProblem::TooLong, false),
            QStringLiteral("Caution 12 characters maximum for the callsign"));
  EXPECT_EQ(callsignMessage(CallsignProblem::BadCharacter, true),
            QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe _ "));
  EXPECT_EQ(callsignMessage(CallsignProblem::BadCharacter, false),
            QStringLiteral("The callsign must contain only numbers or letters '_'"));
  EXPECT_EQ(checkJncDate(""), DateTimeProblem::DateEmpty);
  EXPECT_EQ(checkJncDate("6/06/26"), DateTimeProblem::DateForm);
  EXPECT_EQ(checkJncDate("06/06/26"), DateTimeProblem::None);
}

class StationFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    writeBytes(dir / "FXXXX.log", "");
    writeBytes(dir / "FXXXX_Departement.txt", "departements\r\n");
    writeBytes(dir / "FXXXX_Prefixe.txt", "prefixes\r\n");
  }
  TempDir dir;
};

TEST_F(StationFilesTest, CopiesTheTemplatesInOrder) {
  std::vector<std::string> targets;
  TextFile::testing::setFaultHook([&](TextFile::testing::Step step, const std::filesystem::path& path) {
    // Reading a template opens it too: keep the copies' targets.
    if (step == TextFile::testing::Step::Open && path.filename().string().starts_with("F6ABC"))
      targets.push_back(path.filename().string());
    return std::optional<int>();
  });
  const Status status = Cree_Fichiers_Station(dir.path(), "F6ABC");
  TextFile::testing::setFaultHook({});
  ASSERT_TRUE(status.ok());
  EXPECT_EQ(targets, (std::vector<std::string>{"F6ABC_Departement_SSB.txt", "F6ABC_Departement_CW.txt",
                                               "F6ABC_Prefixe_SSB.txt", "F6ABC_Prefixe_CW.txt", "F6ABC.log"}));
  EXPECT_EQ(readBytes(dir / "F6ABC_Prefixe_CW.txt"), "prefixes\r\n");
  EXPECT_TRUE(TextFile::exists(dir / "F6ABC.log"));
}

// The template log may hold lines an older version logged into it: a new
// station still starts from an empty log, and the template is not written.
TEST_F(StationFilesTest, ANewStationStartsFromAnEmptyLog) {
  writeBytes(dir / "FXXXX.log", "contact of the template station\r\n");
  ASSERT_TRUE(Cree_Fichiers_Station(dir.path(), "F1NEW").ok());
  EXPECT_TRUE(TextFile::exists(dir / "F1NEW.log"));
  EXPECT_EQ(readBytes(dir / "F1NEW.log"), "");
  EXPECT_EQ(readBytes(dir / "FXXXX.log"), "contact of the template station\r\n");
  ASSERT_TRUE(Cree_Fichiers_Station(dir.path(), "FXXXX").ok());
  EXPECT_EQ(readBytes(dir / "FXXXX.log"), "contact of the template station\r\n");
  EXPECT_TRUE(isTemplateStation("FXXXX"));
  EXPECT_FALSE(isTemplateStation("FXXXX_P"));
}

TEST_F(StationFilesTest, MissingTemplateKeepsTheCopiesMade) {
  std::filesystem::remove(dir / "FXXXX_Prefixe.txt");
  const Status status = Cree_Fichiers_Station(dir.path(), "F6ABC");
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().number, FileNotFound);
  EXPECT_TRUE(TextFile::exists(dir / "F6ABC_Departement_SSB.txt"));
  EXPECT_TRUE(TextFile::exists(dir / "F6ABC_Departement_CW.txt"));
  EXPECT_FALSE(TextFile::exists(dir / "F6ABC_Prefixe_SSB.txt"));
  EXPECT_FALSE(TextFile::exists(dir / "F6ABC.log"));

  const QString dirText = QString::fromStdString(dir.path().string());
  EXPECT_EQ(missingTemplateMessage(true, dir.path()),
            "Un des fichiers suivant est absent du repertoire '" + dirText +
                "'\r\n\r\nFXXXX.log\r\nFXXXX_Departement.txt\r\nFXXXX_Prefixe.txt\r\n");
  EXPECT_TRUE(missingTemplateMessage(false, dir.path())
                  .startsWith("One of the following file is missing from the directory '" + dirText + "'"));
}

TEST_F(StationFilesTest, AnExistingLogKeepsItsFiles) {
  writeBytes(dir / "F6ABC.log", "contact\r\n");
  writeBytes(dir / "F6ABC_Prefixe_SSB.txt", "worked\r\n");
  ASSERT_TRUE(Cree_Fichiers_Station(dir.path(), "F6ABC").ok());
  EXPECT_EQ(readBytes(dir / "F6ABC.log"), "contact\r\n");
  EXPECT_EQ(readBytes(dir / "F6ABC_Prefixe_SSB.txt"), "worked\r\n");
  EXPECT_EQ(readBytes(dir / "F6ABC_Prefixe_CW.txt"), "prefixes\r\n");  // the missing one is made
}

class ValidationTest : public StationFilesTest {
 protected:
  TempDir config;
  SettingsStore store{config.path()};
  FixedClock clock{ClockFields{2026, 6, 7, 8, 0, 0}};
  testing::ScriptedDialogs dialogs;
  AppState state{dir.path(), store, clock, dialogs};

  std::string stored(const Settings::Key& key, std::string_view call) const {
    return Settings::getText(store, key, call, "<absent>");
  }
};

TEST_F(ValidationTest, NewStationGetsFilesAndDefaultOptions) {
  state.Language = "Fr";
  loadStationWindow(state);
  EXPECT_TRUE(state.FirstRun);
  const StationValidation outcome = Validation(state, "fxxxx_p", "07/06/26");
  ASSERT_TRUE(outcome.accepted);
  EXPECT_TRUE(outcome.newStation);
  EXPECT_TRUE(outcome.message.isEmpty());
  EXPECT_EQ(state.StationCall, "FXXXX_P");
  EXPECT_EQ(outcome.stationCaption, QStringLiteral("FXXXX/P"));
  EXPECT_EQ(outcome.frame5Caption, QStringLiteral("Log de FXXXX/P"));
  EXPECT_TRUE(TextFile::exists(dir / "FXXXX_P.log"));
  EXPECT_TRUE(TextFile::exists(dir / "FXXXX_P_Departement_CW.txt"));

  namespace C = Settings::Common;
  namespace S = Settings::Station;
  EXPECT_EQ(stationSettingsWrites(true, "FXXXX_P", "07/06/26"),
            (std::vector<SettingWrite>{{C::StationCallsign, "FXXXX_P"},
                                       {C::StationLocator, ""},
                                       {S::StationCallsign, "FXXXX_P"},
                                       {S::StationLocator, ""},
                                       {S::AutomaticDate, "True"},
                                       {S::UtcTime, "True"},
                                       {S::BandUsed, "0"},
                                       {S::ModeUsed, "0"},
                                       {S::Activity, "0"},
                                       {S::JncDate, "07/06/26"},
                                       {S::Session, "HF"}}));
  EXPECT_EQ(stored(C::StationLocator, "FXXXX_P"), "");  // the empty text, not the default
  EXPECT_EQ(stored(S::Session, "FXXXX_P"), "HF");
  EXPECT_EQ(stored(S::Language, "FXXXX_P"), "<absent>");
  EXPECT_EQ(state.StationLocator, "");
  EXPECT_EQ(outcome.bandIndex, 0);
  EXPECT_EQ(outcome.modeIndex, 0);
  EXPECT_TRUE(outcome.utc);
  EXPECT_TRUE(outcome.automaticDate);
  EXPECT_EQ(outcome.label15, QStringLiteral("Date automatique"));
  EXPECT_FALSE(state.FirstRun);
}

TEST_F(ValidationTest, ExistingStationKeepsItsOptions) {
  writeBytes(dir / "F6ABC.log", "contact\r\n");
  for (const auto& [key, value] :
       std::vector<std::pair<Settings::Key, std::string>>{{Settings::Station::BandUsed, "3"},
                                                          {Settings::Station::ModeUsed, "1"},
                                                          {Settings::Station::Activity, "1"},
                                                          {Settings::Station::UtcTime, "False"},
                                                          {Settings::Station::AutomaticDate, "False"},
                                                          {Settings::Common::StationCallsign, "F6ABC"},
                                                          {Settings::Common::StationLocator, "JN18GU"}})
    ASSERT_TRUE(Settings::save(store, key, "F6ABC", value).ok());
  state.StationCall = "F6ABC";
  loadStationWindow(state);
  ASSERT_FALSE(state.FirstRun);

  const StationValidation outcome = Validation(state, "F6ABC", "12/06/27");
  ASSERT_TRUE(outcome.accepted);
  EXPECT_FALSE(outcome.newStation);
  EXPECT_EQ(stationSettingsWrites(false, "F6ABC", "12/06/27"),
            (std::vector<SettingWrite>{{Settings::Common::StationCallsign, "F6ABC"},
                                       {Settings::Common::StationLocator, ""},
                                       {Settings::Station::JncDate, "12/06/27"}}));
  EXPECT_EQ(stored(Settings::Station::JncDate, "F6ABC"), "12/06/27");
  EXPECT_EQ(stored(Settings::Station::Activity, "F6ABC"), "1");
  EXPECT_EQ(outcome.bandIndex, 3);
  EXPECT_EQ(outcome.modeIndex, 1);
  EXPECT_FALSE(outcome.utc);
  EXPECT_FALSE(outcome.automaticDate);
  EXPECT_EQ(outcome.label15, QStringLiteral("Date manuelle"));
  EXPECT_EQ(state.StationLocator, "");
  EXPECT_EQ(readBytes(dir / "F6ABC.log"), "contact\r\n");
}

TEST_F(ValidationTest, FirstRunWithAnExistingLogLosesNoContact) {
  writeBytes(dir / "F6ABC.log", "contact\r\n");
  writeBytes(dir / "F6ABC_Prefixe_SSB.txt", "worked\r\n");
  loadStationWindow(state);
  ASSERT_TRUE(state.FirstRun);
  const StationValidation outcome = Validation(state, "F6ABC", "07/06/26");
  ASSERT_TRUE(outcome.accepted);
  EXPECT_TRUE(outcome.newStation);  // options are reset, files are kept
  EXPECT_EQ(readBytes(dir / "F6ABC.log"), "contact\r\n");
  EXPECT_EQ(readBytes(dir / "F6ABC_Prefixe_SSB.txt"), "worked\r\n");
  EXPECT_TRUE(TextFile::exists(dir / "F6ABC_Departement_SSB.txt"));
}

TEST_F(ValidationTest, RefusedCallsignChangesNothing) {
  state.StationCall = "F6ABC";
  StationValidation outcome = Validation(state, "F6ABC*", "07/06/26");
  EXPECT_FALSE(outcome.accepted);
  EXPECT_TRUE(outcome.clearCallsign);
  EXPECT_EQ(outcome.message, QStringLiteral("The callsign must contain only numbers or letters '_'"));
  outcome = Validation(state, "ABCDEFGHIJ123", "07/06/26");
  EXPECT_FALSE(outcome.clearCallsign);
  EXPECT_EQ(outcome.message, QStringLiteral("Caution 12 characters maximum for the callsign"));
  EXPECT_EQ(state.StationCall, "F6ABC");
  EXPECT_EQ(stored(Settings::Common::StationCallsign, "F6ABC"), "<absent>");
}

TEST_F(ValidationTest, MissingTemplateEndsTheProgram) {
  std::filesystem::remove(dir / "FXXXX.log");
  state.Language = "Fr";
  const StationValidation outcome = Validation(state, "F6ABC", "07/06/26");
  EXPECT_FALSE(outcome.accepted);
  EXPECT_TRUE(outcome.endProgram);
  EXPECT_TRUE(outcome.message.startsWith("Un des fichiers suivant est absent du repertoire '"));
  EXPECT_EQ(stored(Settings::Common::StationCallsign, "F6ABC"), "<absent>");
}

TEST_F(ValidationTest, InitialiserStoresTheCallsignAndKeepsAnExistingLog) {
  ASSERT_TRUE(Initialiser(store, dir.path(), "F6ABC").ok());
  EXPECT_EQ(readBytes(dir / "F6ABC.log"), "");
  EXPECT_TRUE(TextFile::exists(dir / "F6ABC.log"));
  EXPECT_EQ(stored(Settings::Common::StationCallsign, "F6ABC"), "F6ABC");
  EXPECT_EQ(stored(Settings::Common::StationLocator, "F6ABC"), "------");

  writeBytes(dir / "F6ABC.log", "contact\r\n");
  ASSERT_TRUE(Initialiser(store, dir.path(), "F6ABC").ok());
  EXPECT_EQ(readBytes(dir / "F6ABC.log"), "contact\r\n");
  EXPECT_EQ(runtimeErrorMessage(FileError{61, "/nowhere/F6ABC.log", "No space left on device"}),
            QStringLiteral("Erreur N° 61"));
}

}  // namespace
}  // namespace brivant
