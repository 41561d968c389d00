#include "entry/DeleteContact.h"

#include <algorithm>

#include "core/Language.h"
#include "core/QsoRecord.h"
#include "core/Text.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace brivant {

namespace {

constexpr std::string_view DeleteTemporary = "Temporaire6.txt";

}  // namespace

QString selectFirstMessage(bool french) { return pick(french, "Selectionnez d'abord un QSO", "First select a QSO"); }

QString contactNotFoundMessage(bool french, ContactChange change) {
  if (change == ContactChange::Delete)
    return pick(french, "QSO introuvable dans le log : rien n'a été effacé",
                "QSO not found in the log: nothing was deleted");
  return pick(french, "QSO introuvable dans le log : rien n'a été modifié",
              "QSO not found in the log: nothing was changed");
}

std::string callsignToDelete(std::string_view listLine) {
  // Only the first ten characters of the callsign are named.
  return listFieldTrimmed(listLine, {QsoLayout::Callsign.column, 10, 0});
}

QString deleteQuestion(std::string_view callsign) {
  return QStringLiteral("Effacer le QSO avec la station ") + Cp1252::toQString(callsign) + QStringLiteral(" ?");
}

Result<DeleteOutcome> deleteLoggedContact(const std::filesystem::path& programDir, std::string_view call,
                                          const ListLines& listLines, std::size_t row) {
  const std::filesystem::path logFile = logFilePath(programDir, call);
  Result<TextFile::Lines> records = TextFile::readLines(logFile);
  if (!records) return records.error();
  TextFile::Lines& lines = records.value();

  DeleteOutcome outcome;
  if (row < listLines.size()) {
    const std::string_view record = recordOfListLine(listLines[row]);
    const auto found = row < lines.size() && lines[row] == record ? lines.begin() + static_cast<std::ptrdiff_t>(row)
                                                                  : std::find(lines.begin(), lines.end(), record);
    if (found != lines.end()) {
      lines.erase(found);
      if (Status written = TextFile::replaceAtomically(programDir / std::string(DeleteTemporary), logFile, lines);
          !written)
        return written.error();
      outcome.removed = true;
    }
  }
  outcome.lines = numberedListLines(lines);
  return outcome;
}

}  // namespace brivant
