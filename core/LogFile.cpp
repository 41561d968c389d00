#include "core/LogFile.h"

#include <algorithm>

#include "core/Bands.h"
#include "core/DateText.h"
#include "core/QsoRecord.h"
#include "core/Station.h"
#include "core/Text.h"
#include "platform/TextFile.h"

namespace brivant {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view RewriteTemporary = "Temporaire6.txt";

// The two digits at index at, read as a number (the form is checked first).
int twoDigits(std::string_view text, std::size_t at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); }

bool isMode(std::string_view mode) { return std::find(ModeLabels.begin(), ModeLabels.end(), mode) != ModeLabels.end(); }

std::optional<long long> recordKey(std::string_view record) {
  return logDateTimeKey(recordField(record, QsoLayout::Date), recordField(record, QsoLayout::StartTime));
}

// The log's lines before a rewrite, a torn last line set aside first: the
// rewrite would otherwise end it and make it a contact.
// A torn last line of the log set aside, when there is a log.
Result<std::optional<std::string>> setAsideTornLineOfLog(const fs::path& programDir, std::string_view callsign) {
  if (!TextFile::exists(logFilePath(programDir, callsign))) return std::optional<std::string>();
  return setAsideTornLogLine(programDir, callsign);
}

Result<TextFile::Lines> wholeLogLines(const fs::path& programDir, std::string_view callsign) {
  if (Result<std::optional<std::string>> torn = setAsideTornLineOfLog(programDir, callsign); !torn) return torn.error();
  return TextFile::readLines(logFilePath(programDir, callsign));
}

}  // namespace

bool namesStationFiles(std::string_view callsign) {
  return checkStationCallsign(callsign).problem == CallsignProblem::None;
}

fs::path stationFilePath(const fs::path& programDir, std::string_view callsign, std::string_view suffix) {
  if (!namesStationFiles(callsign)) return {};
  return programDir / (std::string(callsign) + std::string(suffix));
}

fs::path logFilePath(const fs::path& programDir, std::string_view callsign) {
  return stationFilePath(programDir, callsign, ".log");
}

fs::path prefixTallyPath(const fs::path& programDir, std::string_view callsign, std::string_view mode) {
  if (!isMode(mode)) return {};
  return stationFilePath(programDir, callsign, "_Prefixe_" + std::string(mode) + ".txt");
}

fs::path deptTallyPath(const fs::path& programDir, std::string_view callsign, std::string_view mode) {
  if (!isMode(mode)) return {};
  return stationFilePath(programDir, callsign, "_Departement_" + std::string(mode) + ".txt");
}

fs::path absentListPath(const fs::path& programDir, std::string_view callsign) {
  return stationFilePath(programDir, callsign, "_Absent.txt");
}

fs::path tornLinesPath(const fs::path& programDir, std::string_view callsign) {
  return stationFilePath(programDir, callsign, "_Lignes_Incompletes.txt");
}

Result<std::optional<std::string>> setAsideTornLogLine(const fs::path& programDir, std::string_view callsign) {
  return TextFile::setAsideTornLastLine(logFilePath(programDir, callsign), tornLinesPath(programDir, callsign));
}

Result<LogAppend> Ajout_Log(const fs::path& programDir, std::string_view callsign, std::string_view record) {
  Result<std::optional<std::string>> torn = setAsideTornLineOfLog(programDir, callsign);
  if (!torn) return torn.error();
  if (Status added = TextFile::appendLine(logFilePath(programDir, callsign), record); !added) return added.error();
  return LogAppend{std::move(torn).value()};
}

ListLines numberedListLines(const std::vector<std::string>& records) {
  ListLines lines;
  lines.reserve(records.size());
  long long number = 1;
  for (const std::string& record : records) lines.push_back(QsoListLine(number++, record));
  return lines;
}

bool isDamagedLogLine(std::string_view line) {
  if (line.size() > 2 * QsoLayout::RecordLength) return true;
  return std::any_of(line.begin(), line.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

std::size_t damagedLineCount(const ListLines& lines) {
  return static_cast<std::size_t>(std::count_if(
      lines.begin(), lines.end(), [](const std::string& line) { return isDamagedLogLine(recordOfListLine(line)); }));
}

Result<ListLines> Charge_Liste_QSO(const fs::path& programDir, std::string_view callsign) {
  Result<TextFile::Lines> records = TextFile::readLines(logFilePath(programDir, callsign));
  if (!records) return records.error();
  return numberedListLines(records.value());
}

std::string jncFileName(std::string_view stationCall, std::string_view kind, std::string_view jncDate) {
  // The date as written, blanks after it allowed: its cuts are digits only.
  std::string_view date = jncDate;
  while (!date.empty() && date.back() == ' ') date.remove_suffix(1);
  if (!namesStationFiles(stationCall) || Verif_Date(date) != 0) return {};
  std::string name(stationCall);
  name += '_';
  name += kind;
  name += "_JNC_";
  name += leftText(jncDate, 2);
  name += '_';
  name += midText(jncDate, 4, 2);
  name += '_';
  name += rightText(trimBlanks(jncDate), 2);
  name += ".txt";
  return name;
}

std::optional<long long> logDateTimeKey(std::string_view date, std::string_view time) {
  // The form only: a line logged before dates were checked for being real
  // keeps its place in the order.
  if (!hasDateForm(date) || !hasTimeForm(time)) return std::nullopt;
  const int yy = twoDigits(date, 6);
  const long long year = (yy >= 50 ? 1900 : 2000) + yy;
  return (((year * 100 + twoDigits(date, 3)) * 100 + twoDigits(date, 0)) * 100 + twoDigits(time, 0)) * 100 +
         twoDigits(time, 3);
}

Result<LogRewrite> Reecrit_Log(const fs::path& programDir, std::string_view callsign, std::string_view oldListLine,
                               std::string_view newRecord) {
  const fs::path logFile = logFilePath(programDir, callsign);
  Result<TextFile::Lines> existing = wholeLogLines(programDir, callsign);
  if (!existing) return existing.error();

  // An old line that names no record (the blanks of an insertion, or a line too
  // short) removes nothing: it would otherwise match blank lines of a damaged log.
  const std::string_view oldRecord = recordOfListLine(oldListLine);
  bool removed = trimBlanks(oldRecord).empty();
  // The contact edited is no longer in the log: the new record would be one
  // more contact, not the edited one.
  if (!removed && std::find(existing->begin(), existing->end(), oldRecord) == existing->end())
    return LogRewrite{numberedListLines(existing.value()), false};
  const std::optional<long long> newKey = recordKey(newRecord);
  bool inserted = false;

  TextFile::Lines written;
  written.reserve(existing->size() + 1);
  for (std::string& line : existing.value()) {
    // Only one copy goes: two identical contacts are two contacts.
    if (!removed && line == oldRecord) {
      removed = true;
      continue;
    }
    // A line whose date or time cannot be read never takes the new record's
    // place; an unreadable new record goes to the end.
    if (!inserted && newKey) {
      const std::optional<long long> lineKey = recordKey(line);
      if (lineKey && *lineKey >= *newKey) {
        written.emplace_back(newRecord);
        inserted = true;
      }
    }
    written.push_back(std::move(line));
  }
  if (!inserted) written.emplace_back(newRecord);

  if (Status status = TextFile::replaceAtomically(programDir / std::string(RewriteTemporary), logFile, written);
      !status)
    return status.error();
  return LogRewrite{numberedListLines(written), true};
}

Result<ListLines> insertRecordsInDateOrder(const fs::path& programDir, std::string_view callsign,
                                           const std::vector<std::string>& records) {
  const fs::path logFile = logFilePath(programDir, callsign);
  Result<TextFile::Lines> existing = wholeLogLines(programDir, callsign);
  if (!existing) return existing.error();

  struct Keyed {
    long long key;
    const std::string* record;
  };
  std::vector<Keyed> dated;
  std::vector<const std::string*> undated;
  for (const std::string& record : records) {
    if (const std::optional<long long> key = recordKey(record))
      dated.push_back({*key, &record});
    else
      undated.push_back(&record);
  }
  std::stable_sort(dated.begin(), dated.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });

  TextFile::Lines written;
  written.reserve(existing->size() + records.size());
  auto next = dated.begin();
  for (std::string& line : existing.value()) {
    if (const std::optional<long long> lineKey = recordKey(line)) {
      for (; next != dated.end() && next->key <= *lineKey; ++next) written.push_back(*next->record);
    }
    written.push_back(std::move(line));
  }
  for (; next != dated.end(); ++next) written.push_back(*next->record);
  for (const std::string* record : undated) written.push_back(*record);

  if (Status status = TextFile::replaceAtomically(programDir / std::string(RewriteTemporary), logFile, written);
      !status)
    return status.error();
  return numberedListLines(written);
}

}  // namespace brivant
