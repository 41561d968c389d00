#pragma once
// The diagnostic log: every file and device error, with its run-time number,
// the file and the system's reason, which the operator's message boxes leave
// out, and what happened to the radio, the cluster and the imports, so that a
// user can send what went wrong.  The messages go out through the Qt logging
// categories below to standard error and, once install() is called, to a
// small rotating file in the user's state folder
// (ProgramDir::defaultStateFolder()).  Information and warnings are on; the
// debug messages (every page asked for, every radio reading) only with
// QT_LOGGING_RULES="brivant.*.debug=true".

#include <QLoggingCategory>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "platform/Result.h"

namespace brivant {

// "brivant.files": file and device errors.
Q_DECLARE_LOGGING_CATEGORY(brivantFiles)
// "brivant.startup": the shipped files copied in, the first run, the time the
// log and the tallies took.
Q_DECLARE_LOGGING_CATEGORY(brivantStartup)
// "brivant.radio": the radio through hamlib linked, silent, back.
Q_DECLARE_LOGGING_CATEGORY(brivantRadio)
// "brivant.cluster": the spot pages fetched or failed, the telnet node
// connected, lost and tried again.
Q_DECLARE_LOGGING_CATEGORY(brivantCluster)
// "brivant.import": what each ADIF import read, took and refused.
Q_DECLARE_LOGGING_CATEGORY(brivantImport)

namespace Diagnostics {

// The log file of a folder, and the one older copy kept beside it.
std::filesystem::path logFile(const std::filesystem::path& folder);
std::filesystem::path olderLogFile(const std::filesystem::path& folder);

// Past this size the log file becomes the older copy and a new one starts.
inline constexpr std::uintmax_t RotationBytes = 1'000'000;

// From now on the category's messages are also appended to folder's log
// file; the folder is made when the first message comes.  A log that cannot
// be written is left aside: it never stops the program.
void install(const std::filesystem::path& folder);
// Back to standard error only.
void uninstall();

// Logs a file error (number, file, system reason); context says what the
// program was doing, for example "the missing-file window".
void fileError(const FileError& error, std::string_view context = {});
// Logs a device that failed (the printer), in plain words.
void deviceError(std::string_view what);
// Logs a step of the start-up (the shipped files copied into the program
// folder, the first-run message shown), in plain words.
void startupStep(std::string_view what);

}  // namespace Diagnostics
}  // namespace brivant
