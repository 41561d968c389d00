#pragma once
// Deleting one logged contact: the question, and the log rewritten without
// it in one atomic replacement.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/LogFile.h"
#include "platform/Result.h"

namespace brivant {

// "Selectionnez d'abord un QSO" / "First select a QSO" (Editer and Effacer).
QString selectFirstMessage(bool french);

// The contact deleted or edited is not in the log (it changed behind the
// list): nothing was written.
enum class ContactChange { Delete, Edit };
QString contactNotFoundMessage(bool french, ContactChange change);

// The callsign named in the question: list columns 17-26, trimmed.
std::string callsignToDelete(std::string_view listLine);
// "Effacer le QSO avec la station " + callsign + " ?" (both languages).
QString deleteQuestion(std::string_view callsign);

struct DeleteOutcome {
  bool removed = false;  // false: the log no longer holds that contact
  ListLines lines;       // the list of the log as it now is
};

// Removes the contact shown on row of the list from the log: the log's line
// at that position when it is the row's record, else the first line equal to
// it.  Every other line is kept byte for byte, and the log is replaced
// through "Temporaire6.txt", so that a crash leaves the old or the new log,
// never a part.  When the log holds no such line (it changed behind the
// list) nothing is written.  A missing log is error 53.
Result<DeleteOutcome> deleteLoggedContact(const std::filesystem::path& programDir, std::string_view call,
                                          const ListLines& listLines, std::size_t row);

}  // namespace brivant
