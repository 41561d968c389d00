#include "entry/Maintenance.h"

#include <algorithm>
#include <cstdio>

#include "core/Language.h"
#include "core/LogFile.h"
#include "core/MissingFile.h"
#include "core/Station.h"
#include "entry/TallyCheck.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace brivant {

namespace fs = std::filesystem;

Status resetStationFiles(const fs::path& programDir, std::string_view call) {
  std::vector<TextFile::Replacement> files;
  for (const StationFile& file : stationFiles(programDir, call)) {
    const fs::path from = programDir / std::string(file.templateName);
    if (!TextFile::exists(from)) return FileError{FileNotFound, from.string(), "station template missing"};
    if (file.templateName == LogTemplate) {
      // Empty, whatever the template log holds; the template station's log
      // is the template itself.
      if (!isTemplateStation(call)) files.push_back({file.path, {}});
      continue;
    }
    Result<std::string> bytes = TextFile::readAll(from);
    if (!bytes) return bytes.error();
    files.push_back({file.path, std::move(bytes).value()});
  }
  return TextFile::replaceTogether(files);
}

namespace {

// "yyyy-mm-dd_hh-mm-ss"
std::string fileStamp(const ClockFields& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d-%02d-%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return text;
}

}  // namespace

Result<std::vector<std::string>> copyBeforeReset(const fs::path& programDir, std::string_view call,
                                                 const ClockFields& now) {
  // What follows the callsign in each file's name, and the file's content.
  std::vector<std::pair<std::string, std::string>> kept;
  for (const StationFile& file : stationFiles(programDir, call)) {
    if (!TextFile::exists(file.path)) continue;
    Result<std::string> bytes = TextFile::readAll(file.path);
    if (!bytes) return bytes.error();
    kept.emplace_back(file.path.filename().string().substr(call.size()), std::move(bytes).value());
  }
  const std::string stem = std::string(call) + "_avant_RAZ_" + fileStamp(now);
  const auto taken = [&](const std::string& name) {
    return std::any_of(kept.begin(), kept.end(),
                       [&](const auto& file) { return TextFile::exists(programDir / (name + file.first)); });
  };
  std::string name = stem;
  for (int next = 2; taken(name); ++next) name = stem + "_" + std::to_string(next);

  std::vector<TextFile::Replacement> copies;
  std::vector<std::string> names;
  for (auto& [suffix, bytes] : kept) {
    names.push_back(name + suffix);
    copies.push_back({programDir / names.back(), std::move(bytes)});
  }
  if (Status copied = TextFile::replaceTogether(copies); !copied) return copied.error();
  return names;
}

QString resetCopyMessage(bool french, const fs::path& programDir, const std::vector<std::string>& names) {
  QString text = pick(french, "Les fichiers d'avant la remise a zero sont copiés dans le répertoire '%1' :",
                      "The files as they were before the reset are copied in the directory '%1':")
                     .arg(QString::fromStdString(programDir.string()));
  for (const std::string& name : names) text += QStringLiteral("\r\n") + QString::fromStdString(name);
  return text;
}

QString resetCopyFailedMessage(bool french, const FileError& error) {
  return runtimeErrorMessage(error) + QStringLiteral("\r\n") +
         pick(french, "Les fichiers n'ont pas pu être copiés avant la remise a zero : aucun fichier n'a été effacé",
              "The files could not be copied before the reset: no file was deleted");
}

QString resetQuestion(bool french, std::string_view call) {
  return pick(french, "!!! ATTENTION !!! tout les fichiers %1 vont etre effacé , Continuer ?",
              "!!! WARNING!!! all files %1 will be deleted, continue?")
      .arg(Cp1252::toQString(call));
}

BackupOutcome Copie_Securite(const fs::path& programDir, std::string_view call) {
  BackupOutcome outcome;
  for (const StationFile& file : stationFiles(programDir, call)) {
    fs::path backup = file.path;
    backup.replace_extension(".bak");
    if (stationFileIsDamaged(file.templateName, file.path) && TextFile::exists(backup) &&
        !stationFileIsDamaged(file.templateName, backup)) {
      outcome.damagedKept.push_back(file.path.filename().string());
      continue;
    }
    Status done = TextFile::copy(file.path, backup);
    if (!done && outcome.copied) outcome.copied = done;
  }
  return outcome;
}

QString backupReminder(bool french, std::string_view call, std::string_view jncDate, const fs::path& programDir) {
  // The names the sheet and the listing are saved under.
  const QString sheetName = Cp1252::toQString(jncFileName(call, "Recapitulatif", jncDate));
  const QString logName = Cp1252::toQString(jncFileName(call, "Log", jncDate));
  const QString folder = QString::fromStdString(programDir.string());
  return pick(french,
              "N'oubliez pas d'envoyer les fichiers suivants au correcteur des logs de la JNC :\r\n\r\n"
              "Fichier 1 : Exemple '%1'\r\n"
              "Pour cela allez dans 'Recapitulatif JNC' puis 'Enregistrez'\r\n\r\n"
              "Fichier 2 : Exemple '%2'\r\n"
              "Pour cela allez dans 'Log JNC' puis 'Enregistrez'\r\n\r\n"
              "Ces fichiers se trouvent dans le répertoire '%3'",
              "Do not forget to send the following files to the JNC log checker:\r\n\r\n"
              "File 1: for example '%1'\r\n"
              "To do this go to 'recapitulative sheet' then 'Save'\r\n\r\n"
              "File 2: for example '%2'\r\n"
              "To do this go to 'Log JNC' then 'Save'\r\n\r\n"
              "These files are located in the directory '%3'")
      .arg(sheetName, logName, folder);
}

}  // namespace brivant
