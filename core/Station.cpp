#include "core/Station.h"

#include <array>

#include "core/Bands.h"
#include "core/Language.h"
#include "core/LogFile.h"
#include "core/MissingFile.h"
#include "core/Safeguards.h"
#include "platform/Cp1252.h"
#include "platform/Diagnostics.h"
#include "platform/TextFile.h"

namespace brivant {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t MaxCallsignLength = 12;

bool callsignCharacter(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'; }

}  // namespace

std::string displayCallsign(std::string_view callsign) {
  std::string shown(callsign);
  for (char& c : shown)
    if (c == '_') c = '/';
  return shown;
}

QString displayCallsignText(std::string_view callsign) { return Cp1252::toQString(displayCallsign(callsign)); }

QString filterCallsignTyping(const QString& typed) {
  return Cp1252::upperAscii(typed).replace(QLatin1Char('/'), QLatin1Char('_'));
}

CallsignCheck checkStationCallsign(std::string_view typed) {
  CallsignCheck check{Cp1252::upperAscii(typed), CallsignProblem::None};
  if (check.callsign.empty())
    check.problem = CallsignProblem::Empty;
  else if (check.callsign.size() > MaxCallsignLength)
    check.problem = CallsignProblem::TooLong;
  else {
    for (char c : check.callsign) {
      if (!callsignCharacter(c)) {
        check.problem = CallsignProblem::BadCharacter;
        break;
      }
    }
  }
  return check;
}

QString callsignMessage(CallsignProblem problem, bool french) {
  switch (problem) {
    case CallsignProblem::None:
      return {};
    case CallsignProblem::Empty:
      return pick(french, "Vous devez entrer un indicatif", "Please you must enter a callsign");
    case CallsignProblem::TooLong:
      return pick(french, "12 caracteres maximum pour l'indicatif", "Caution 12 characters maximum for the callsign");
    case CallsignProblem::BadCharacter:
      return pick(french, "L'indicatif ne doit comporter que des lettres des chiffres ou le signe _ ",
                  "The callsign must contain only numbers or letters '_'");
  }
  return {};
}

std::optional<std::string> checkedStoredCallsign(std::string_view stored) {
  const CallsignCheck check = checkStationCallsign(stored);
  if (check.problem != CallsignProblem::None || check.callsign != stored) return std::nullopt;
  return check.callsign;
}

DateTimeProblem checkJncDate(std::string_view text) {
  if (text.empty()) return DateTimeProblem::DateEmpty;
  if (Verif_Date(text) != 0) return DateTimeProblem::DateForm;
  return DateTimeProblem::None;
}

StationWindowFields loadStationWindow(AppState& state) {
  const std::string stored = Settings::getText(state.settings, Settings::Common::StationCallsign, state.StationCall);
  const bool usable = checkedStoredCallsign(Cp1252::fromUtf8(stored)).has_value();
  state.FirstRun = !usable || stored == "FXXXX";
  StationWindowFields fields;
  if (usable) fields.callsign = QString::fromStdString(stored);
  fields.locator =
      QString::fromStdString(Settings::getText(state.settings, Settings::Common::StationLocator, state.StationCall,
                                               Settings::Common::StationLocatorInStationWindow));
  fields.jncDate = QString::fromStdString(Settings::getText(
      state.settings, Settings::Station::JncDate, state.StationCall, Settings::Station::JncDateInStationWindow));
  return fields;
}

std::array<StationFile, StationFileCount> stationFiles(const fs::path& programDir, std::string_view callsign) {
  static_assert(StationFileCount == 1 + 2 * ModeLabels.size(), "a log and two tallies per mode");
  std::array<StationFile, StationFileCount> files;
  files[0] = {LogTemplate, logFilePath(programDir, callsign)};
  for (std::size_t m = 0; m < ModeLabels.size(); ++m) {
    files[1 + m] = {DepartementTemplate, deptTallyPath(programDir, callsign, ModeLabels[m])};
    files[1 + ModeLabels.size() + m] = {PrefixTemplate, prefixTallyPath(programDir, callsign, ModeLabels[m])};
  }
  return files;
}

Status Cree_Fichiers_Station(const fs::path& programDir, std::string_view callsign) {
  const bool keepExisting = TextFile::exists(logFilePath(programDir, callsign));
  const std::array<StationFile, StationFileCount> files = stationFiles(programDir, callsign);
  // The log last: a station whose creation stopped has no log, and is made
  // whole again next time.
  for (std::size_t i = 1; i <= files.size(); ++i) {
    const StationFile& file = files[i % files.size()];
    const fs::path from = programDir / std::string(file.templateName);
    if (keepExisting && TextFile::exists(file.path)) continue;
    if (!TextFile::exists(from)) return FileError{FileNotFound, from.string(), "station template missing"};
    const Status made =
        file.templateName == LogTemplate ? TextFile::writeLines(file.path, {}) : TextFile::copy(from, file.path);
    if (!made) return made;
  }
  return {};
}

QString missingTemplateMessage(bool french, const fs::path& programDir) {
  QString text = pick(french, "Un des fichiers suivant est absent du repertoire '",
                      "One of the following file is missing from the directory '");
  text += QString::fromStdString(programDir.string());
  text += QStringLiteral("'\r\n\r\n");
  for (std::string_view name : {LogTemplate, DepartementTemplate, PrefixTemplate}) {
    text += QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    text += QStringLiteral("\r\n");
  }
  return text;
}

QString stationFilesErrorMessage(bool french, const FileError& error, const fs::path& programDir) {
  if (error.number != FileNotFound) return runtimeErrorMessage(error);
  Diagnostics::fileError(error, "a station template is missing");
  return missingTemplateMessage(french, programDir);
}

std::vector<SettingWrite> stationSettingsWrites(bool newStation, std::string_view callsign, std::string_view jncDate) {
  namespace C = Settings::Common;
  namespace S = Settings::Station;
  // The station locator written is always the empty text: nothing on HF uses it.
  std::vector<SettingWrite> writes{{C::StationCallsign, std::string(callsign)}, {C::StationLocator, ""}};
  if (!newStation) {
    writes.push_back({S::JncDate, Cp1252::toUtf8(jncDate)});
    return writes;
  }
  const std::vector<SettingWrite> station{
      {S::StationCallsign, std::string(callsign)},
      {S::StationLocator, ""},
      {S::AutomaticDate, SettingsStore::boolText(true)},
      {S::UtcTime, SettingsStore::boolText(true)},
      {S::BandUsed, "0"},
      {S::ModeUsed, "0"},
      {S::Activity, "0"},
      {S::JncDate, Cp1252::toUtf8(jncDate)},
      {S::Session, "HF"},
  };
  writes.insert(writes.end(), station.begin(), station.end());
  return writes;
}

Status saveStationSettings(SettingsStore& store, std::string_view callsign, const std::vector<SettingWrite>& writes) {
  std::vector<SettingsStore::Setting> settings;
  settings.reserve(writes.size());
  for (const SettingWrite& write : writes)
    settings.push_back({Settings::sectionName(write.key.section, callsign), std::string(write.key.name), write.value});
  return store.saveAll(Settings::Application, settings);
}

StationValidation Validation(AppState& state, std::string_view typedCallsign, std::string_view typedDate) {
  const bool french = state.french();
  StationValidation outcome;

  const CallsignCheck check = checkStationCallsign(typedCallsign);
  if (check.problem != CallsignProblem::None) {
    outcome.message = callsignMessage(check.problem, french);
    outcome.clearCallsign = check.problem == CallsignProblem::BadCharacter;
    return outcome;
  }
  // The date was checked on its Enter, but may have been changed since.
  if (const DateTimeProblem date = checkJncDate(typedDate); date != DateTimeProblem::None) {
    outcome.message = dateTimeMessage(date, french);
    return outcome;
  }

  const std::string& callsign = check.callsign;
  const bool missing = !TextFile::exists(logFilePath(state.programDir, callsign));
  outcome.frame5Caption = pick(french, "Log de ", "Log of ") + displayCallsignText(callsign);
  outcome.newStation = missing || state.FirstRun;

  // The files and the settings first; the program follows only when both are
  // there.  Files made for a station whose settings then fail go again.
  std::vector<std::filesystem::path> made;
  if (outcome.newStation) {
    for (const StationFile& file : stationFiles(state.programDir, callsign))
      if (!TextFile::exists(file.path)) made.push_back(file.path);
    if (Status created = Cree_Fichiers_Station(state.programDir, callsign); !created) {
      outcome.message = stationFilesErrorMessage(french, created.error(), state.programDir);
      // A missing template ends the program, its copies kept; any other
      // failure (a full disk) leaves the program on the old station.
      outcome.endProgram = created.error().number == FileNotFound;
      if (!outcome.endProgram)
        for (const std::filesystem::path& file : made) (void)TextFile::remove(file);
      return outcome;
    }
  }
  const std::string jncDate(typedDate);
  if (Status saved =
          saveStationSettings(state.settings, callsign, stationSettingsWrites(outcome.newStation, callsign, jncDate));
      !saved) {
    for (const std::filesystem::path& file : made) (void)TextFile::remove(file);
    outcome.message = settingsWriteFailure(french, saved.error(), state.settings.fileOf(Settings::Application));
    return outcome;
  }

  const SettingsStore& store = state.settings;
  // The store holds UTF-8; the state keeps Windows-1252 bytes.
  state.StationCall = Cp1252::fromUtf8(Settings::getText(store, Settings::Common::StationCallsign, callsign));
  state.JncDate = jncDate;
  state.StationLocator = Cp1252::fromUtf8(Settings::getText(store, Settings::Common::StationLocator, state.StationCall,
                                                            Settings::Common::StationLocatorAfterValidation));
  outcome.stationCaption = displayCallsignText(state.StationCall);
  outcome.bandIndex = Settings::getInt(store, Settings::Station::BandUsed, state.StationCall, 0);
  outcome.modeIndex = Settings::getInt(store, Settings::Station::ModeUsed, state.StationCall);
  outcome.utc = Settings::getBool(store, Settings::Station::UtcTime, state.StationCall);
  outcome.automaticDate = Settings::getBool(store, Settings::Station::AutomaticDate, state.StationCall);
  outcome.label15 = outcome.automaticDate ? QStringLiteral("Date automatique") : QStringLiteral("Date manuelle");
  state.FirstRun = false;
  outcome.accepted = true;
  return outcome;
}

}  // namespace brivant
