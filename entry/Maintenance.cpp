#include "entry/Maintenance.h"

#include "core/Language.h"
#include "core/LogFile.h"
#include "core/Station.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace brivant {

namespace fs = std::filesystem;

namespace {

// The reset empties the template station's log through this file.
constexpr std::string_view ResetTemporary = "Temporaire.txt";

}  // namespace

Status resetStationFiles(const fs::path& programDir, std::string_view call) {
  const std::array<StationFile, StationFileCount> files = stationFiles(programDir, call);
  for (const StationFile& file : files) {
    const fs::path from = programDir / std::string(file.templateName);
    if (!TextFile::exists(from)) return FileError{FileNotFound, from.string(), "station template missing"};
  }
  for (const StationFile& file : files) {
    // The template station's log is the template itself: emptying it is what
    // copying an empty log over it means.
    const bool templateLog = file.templateName == LogTemplate && call == "FXXXX";
    Status done = templateLog
                      ? TextFile::replaceAtomicallyBytes(programDir / std::string(ResetTemporary), file.path, {})
                      : TextFile::copy(programDir / std::string(file.templateName), file.path);
    if (!done) return done;
  }
  return {};
}

QString resetQuestion(bool french, std::string_view call) {
  return pick(french, "!!! ATTENTION !!! tout les fichiers %1 vont etre effacé , Continuer ?",
              "!!! WARNING!!! all files %1 will be deleted, continue?")
      .arg(Cp1252::toQString(call));
}

Status Copie_Securite(const fs::path& programDir, std::string_view call) {
  Status first;
  for (const StationFile& file : stationFiles(programDir, call)) {
    fs::path backup = file.path;
    Status done = TextFile::copy(file.path, backup.replace_extension(".bak"));
    if (!done && first) first = done;
  }
  return first;
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
              "File 1: Example %1\r\n"
              "To do this go to 'Recapitulatif JNC' then 'Save'\r\n\r\n"
              "File 2 : Exemple '%2'\r\n"
              "To do this go to 'Log JNC' then 'Save'\r\n\r\n"
              "These files are located in the directory '%3'")
      .arg(sheetName, logName, folder);
}

}  // namespace brivant
