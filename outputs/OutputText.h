#pragma once
// Pieces shared by every output the program writes for the organisers and
// other programs: the names and confirmations of the saved listing and sheet,
// the closing banner, writing a whole file atomically and the failure messages.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Result.h"

namespace brivant {

// What an output operation shows: the confirmation when it succeeded, the
// failure with its run-time error number otherwise.
struct ExportOutcome {
  bool ok = false;
  QString message;
};

// The confirmation that such a file was saved: frenchText (UTF-8, %1 the
// callsign, %2 the file name) in French; in English the listing and the sheet
// both read "The Log %1 was saved as: %2".
QString jncSavedMessage(bool french, const char* frenchText, std::string_view stationCall, std::string_view fileName);

// The confirmation of an export: "le fichier F6ABC.log a été copié en
// F6ABC.adi" / "The file F6ABC.log was copied F6ABC.adi" for the extension "adi".
QString logCopiedMessage(bool french, std::string_view stationCall, std::string_view extension);

// The line that closes the sheet and the listing: "Brivant Rev " + revision.
std::string recapBanner(std::string_view revisionText);

// An output's file in the program directory; no path (an empty one, which
// every file operation refuses) for a name that could not be built.
std::filesystem::path outputPath(const std::filesystem::path& programDir, std::string_view fileName);

// Writes the whole output through a hidden temporary file beside it,
// flushed and renamed over the target (a failure leaves any previous output
// as it was), and returns the confirmation or the failure message.
ExportOutcome writeOutputAndConfirm(const std::filesystem::path& target, std::string_view bytes, bool french,
                                    const QString& confirmation);

// The message of a failed output, in the interface language, with the
// run-time error number and the file's name (without its folder); the error
// goes into the diagnostic log.
QString outputWriteFailure(bool french, const FileError& error, const std::filesystem::path& target);
// The message of an input that could not be read.
QString outputReadFailure(bool french, const FileError& error, const std::filesystem::path& source);

}  // namespace brivant
