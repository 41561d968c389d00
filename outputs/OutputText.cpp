#include "outputs/OutputText.h"

#include "core/Language.h"
#include "core/Text.h"
#include "platform/Cp1252.h"
#include "platform/Diagnostics.h"
#include "platform/TextFile.h"

namespace brivant {

namespace {

std::filesystem::path outputTemporaryFor(const std::filesystem::path& target) {
  std::string hidden(1, '.');
  hidden += target.filename().string();
  hidden += ".tmp";
  return target.parent_path() / hidden;
}

QString fileNameText(const std::filesystem::path& file) {
  // Names are made of the station callsign, which the program keeps as 1252.
  return Cp1252::toQString(file.filename().string());
}

}  // namespace

QString jncSavedMessage(bool french, const char* frenchText, std::string_view stationCall, std::string_view fileName) {
  return pick(french, frenchText, "The Log %1 was saved as: %2")
      .arg(Cp1252::toQString(stationCall), Cp1252::toQString(fileName));
}

QString logCopiedMessage(bool french, std::string_view stationCall, std::string_view extension) {
  return pick(french, "le fichier %1.log a été copié en %1.%2", "The file %1.log was copied %1.%2")
      .arg(Cp1252::toQString(stationCall), Cp1252::toQString(extension));
}

std::string recapBanner(std::string_view revisionText) { return "Brivant Rev " + std::string(revisionText); }

ExportOutcome writeOutputAndConfirm(const std::filesystem::path& target, std::string_view bytes, bool french,
                                    const QString& confirmation) {
  if (Status written = TextFile::replaceAtomicallyBytes(outputTemporaryFor(target), target, bytes); !written) {
    return {false, outputWriteFailure(french, written.error(), target)};
  }
  return {true, confirmation};
}

std::filesystem::path outputPath(const std::filesystem::path& programDir, std::string_view fileName) {
  if (fileName.empty()) return {};
  return programDir / std::string(fileName);
}

QString outputWriteFailure(bool french, const FileError& error, const std::filesystem::path& target) {
  Diagnostics::fileError(error, "an output was not saved");
  const QString number = QString::number(error.number);
  return pick(french, "Erreur N° %1 : le fichier %2 n'a pas été enregistré.",
              "Error No. %1: the file %2 was not saved.")
      .arg(number, fileNameText(target));
}

QString outputReadFailure(bool french, const FileError& error, const std::filesystem::path& source) {
  Diagnostics::fileError(error, "an output's input could not be read");
  const QString number = QString::number(error.number);
  return pick(french, "Erreur N° %1 : le fichier %2 n'a pas pu être lu.",
              "Error No. %1: the file %2 could not be read.")
      .arg(number, fileNameText(source));
}

}  // namespace brivant
