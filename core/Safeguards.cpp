#include "core/Safeguards.h"

#include "core/Language.h"
#include "core/LogFile.h"
#include "core/Station.h"
#include "platform/Cp1252.h"
#include "platform/Diagnostics.h"

namespace brivant {

namespace {

QString nameOf(const std::filesystem::path& file) { return QString::fromStdString(file.filename().string()); }

}  // namespace

std::optional<bool> storedFrench(const SettingsStore& store) {
  const std::string stored =
      Cp1252::fromUtf8(Settings::getText(store, Settings::Common::StationCallsign, {}, std::string_view{}));
  const std::optional<std::string> callsign = checkedStoredCallsign(stored);
  if (!callsign) return std::nullopt;
  return Settings::getText(store, Settings::Station::Language, *callsign) == "Fr";
}

QString inLanguage(std::optional<bool> french, const char* frenchText, const char* englishText) {
  if (french) return pick(*french, frenchText, englishText);
  return QString::fromUtf8(frenchText) + QStringLiteral("\n\n") + QString::fromUtf8(englishText);
}

QString alreadyOpenMessage(std::optional<bool> french) {
  return inLanguage(french,
                    "Le log de Brivant est déjà ouvert : une autre copie du programme l'utilise. "
                    "Revenez à sa fenêtre, ou fermez-la avant de relancer Brivant.",
                    "The Brivant logbook is already open: another copy of the program is using it. "
                    "Go back to its window, or close it before starting Brivant again.");
}

QString programFolderFailure(std::optional<bool> french, const std::filesystem::path& folder, const FileError& error) {
  Diagnostics::fileError(error, "the program folder could not be prepared");
  return inLanguage(french, "Brivant ne peut pas préparer son répertoire %1 (Erreur N° %2).",
                    "Brivant cannot prepare its folder %1 (Error No. %2).")
      .arg(QString::fromStdString(folder.string()), QString::number(error.number));
}

QString settingsKeptAsideMessage(std::optional<bool> french, const std::filesystem::path& aside, bool unreadable) {
  const QString text =
      unreadable ? inLanguage(french,
                              "Le fichier des réglages de Brivant ne peut pas être lu. Il a été mis de côté sous le "
                              "nom %1 et Brivant repart de réglages vides.",
                              "The Brivant settings file cannot be read. It was set aside as %1 and Brivant starts "
                              "from empty settings.")
                 : inLanguage(french,
                              "Le fichier des réglages de Brivant contient des lignes abîmées. Une copie a été mise de "
                              "côté sous le nom %1 ; les réglages lisibles sont gardés.",
                              "The Brivant settings file holds damaged lines. A copy was set aside as %1; the "
                              "settings that can be read are kept.");
  return text.arg(QString::fromStdString(aside.string()));
}

QString settingsNotKeptAsideMessage(std::optional<bool> french, const FileError& error) {
  Diagnostics::fileError(error, "the settings file could not be kept aside");
  return inLanguage(french,
                    "Le fichier des réglages %1 ne peut être ni lu ni mis de côté (Erreur N° %2) : Brivant s'arrête "
                    "pour ne pas l'écraser.",
                    "The settings file %1 can neither be read nor set aside (Error No. %2): Brivant stops so as not "
                    "to overwrite it.")
      .arg(QString::fromStdString(error.path), QString::number(error.number));
}

QString settingsWriteFailure(bool french, const FileError& error, const std::filesystem::path& settingsFile) {
  Diagnostics::fileError(error, "a setting was not saved");
  return pick(french, "Erreur N° %1 : les réglages n'ont pas pu être enregistrés dans %2.",
              "Error No. %1: the settings could not be saved in %2.")
      .arg(QString::number(error.number), nameOf(settingsFile));
}

namespace {

bool said(AppState& state, const Status& saved) {
  if (saved) return true;
  state.dialogs.message(
      settingsWriteFailure(state.french(), saved.error(), state.settings.fileOf(Settings::Application)));
  return false;
}

}  // namespace

bool saveSetting(AppState& state, const Settings::Key& key, std::string_view value) {
  return said(state, Settings::save(state.settings, key, state.StationCall, value));
}

bool saveSettingBool(AppState& state, const Settings::Key& key, bool value) {
  return said(state, Settings::saveBool(state.settings, key, state.StationCall, value));
}

bool saveSettings(AppState& state, const std::vector<SettingWrite>& writes) {
  return said(state, saveStationSettings(state.settings, state.StationCall, writes));
}

QString refusedCallsignMessage(bool french) {
  return pick(french,
              "L'indicatif enregistré dans les réglages ne peut pas nommer les fichiers de la station. Entrez à "
              "nouveau votre Indicatif et la date de la JNC.",
              "The callsign stored in the settings cannot name the station's files. Please enter your callsign and "
              "the date of the JNC again.");
}

QString jncDatePrompt(bool french) {
  return pick(french, "La date de la JNC enregistrée n'est pas une date jj/mm/aa. Entrez la date de la JNC :",
              "The stored date of the JNC is not a date dd/mm/yy. Enter the date of the JNC:");
}

QString tornLogLineMessage(bool french, const std::filesystem::path& programDir, std::string_view callsign) {
  return pick(french,
              "La dernière ligne du log %1 était incomplète (une écriture interrompue). Elle a été mise de côté "
              "dans le fichier %2 et n'est pas comptée comme un QSO.",
              "The last line of the log %1 was incomplete (an interrupted write). It was set aside in the file %2 "
              "and is not counted as a QSO.")
      .arg(nameOf(logFilePath(programDir, callsign)), nameOf(tornLinesPath(programDir, callsign)));
}

QString damagedLogLinesMessage(bool french, std::string_view callsign, std::size_t count) {
  return pick(french,
              "%1 ligne(s) du log %2 sont abîmées (caractères de contrôle, ou ligne bien plus longue qu'un QSO). "
              "Le fichier est laissé tel quel : vérifiez ces lignes.",
              "%1 line(s) of the log %2 are damaged (control characters, or a line far longer than a QSO). The "
              "file is left as it is: please check these lines.")
      .arg(QString::number(count), nameOf(logFilePath({}, callsign)));
}

}  // namespace brivant
