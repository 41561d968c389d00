#include "entry/Maintenance.h"

#include "core/Language.h"
#include "core/LogFile.h"
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
