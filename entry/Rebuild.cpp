#include "entry/Rebuild.h"

#include <unordered_map>

#include "core/Language.h"
#include "core/LogFile.h"
#include "core/QsoRecord.h"
#include "core/Station.h"
#include "core/Text.h"
#include "entry/DeptTally.h"
#include "entry/LineScan.h"
#include "entry/PrefixIndex.h"
#include "entry/PrefixTally.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace brivant {

namespace fs = std::filesystem;

namespace {

// The rebuild rewrote its files through this one temporary file, one after
// the other; it still does, once per file.
constexpr std::string_view RebuildTemporary = "Temporaire.txt";

// What the rebuild reads from one logged contact.
struct TallyContact {
  std::string_view callsign;  // columns 11-22
  std::string departement;    // columns 37-38, upper-cased
  std::string_view band;      // columns 50-57
  std::string_view mode;      // columns 60-66
  char marker = ' ';          // column 135
};

TallyContact readContact(std::string_view line) {
  TallyContact contact;
  contact.callsign = trimmedField(line, QsoLayout::Callsign.column, QsoLayout::Callsign.width);
  contact.departement = Cp1252::upperAscii(trimmedField(line, QsoLayout::Departement.column, 2));
  contact.band = trimmedField(line, QsoLayout::Band.column, QsoLayout::Band.width);
  contact.mode = trimmedField(line, QsoLayout::Mode.column, QsoLayout::Mode.width);
  contact.marker = flagAt(line, QsoLayout::Marker.column);
  return contact;
}

// A tally held in memory during the rebuild, with the first line of each key
// found at once instead of by reading the file from the top.
struct Tally {
  std::string templateBytes;  // written as they are when no contact touched the file
  TextFile::Lines lines;
  bool rewritten = false;  // a contact of the mode went through the file
};

// The first line of each departement code (trimmed columns 1-2).
class DeptIndex {
 public:
  explicit DeptIndex(const TextFile::Lines& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string_view line = lines[i];
      const std::string_view code = trimBlanks(line.substr(0, std::min<std::size_t>(line.size(), 2)));
      if (!code.empty()) first_.try_emplace(code, i);
    }
  }
  std::optional<std::size_t> firstMatch(std::string_view code) const {
    const auto it = first_.find(code);
    if (it == first_.end()) return std::nullopt;
    return it->second;
  }

 private:
  std::unordered_map<std::string_view, std::size_t> first_;
};

// One contact on the prefix tally of its mode: its callsign resolves to a
// main prefix, whose first line is marked on the band.  A callsign in no line
// is its own key: it then marks nothing (never the previous contact's
// entity) and lands in the absent list.
void Reconstruit_Prefixes(Tally& tally, const PrefixIndex& index, const TallyContact& contact,
                          std::vector<std::string>& absent, std::vector<std::string>& unknown) {
  tally.rewritten = true;
  std::string key(contact.callsign);
  if (const std::optional<std::size_t> own = index.firstMatch(contact.callsign)) {
    key = describePrefixLine(tally.lines[*own], std::nullopt).mainPrefix;
  } else {
    unknown.emplace_back(contact.callsign);
  }
  const std::optional<std::size_t> line = index.firstMatch(key);
  if (!line) {
    absent.push_back(std::move(key));
    return;
  }
  const std::optional<std::size_t> column = prefixBandColumnUpper(contact.band);
  if (column && flagLevel(flagAt(tally.lines[*line], *column)) == 0) putFlag(tally.lines[*line], *column, '1');
}

// One contact on the departement tally of its mode: the band's flag becomes
// the higher level of the flag and the contact's marker.  A marker that is no
// level 1-4 (a damaged line) counts as "1": the contact was made.
void Reconstruit_Departements(Tally& tally, const DeptIndex& index, const TallyContact& contact) {
  tally.rewritten = true;
  if (contact.departement.empty()) return;  // a station abroad: no departement
  const std::optional<std::size_t> line = index.firstMatch(contact.departement);
  const std::optional<std::size_t> column = deptBandColumnUpper(contact.band);
  if (!line || !column) return;
  const int markerLevel = std::max(flagLevel(contact.marker), 1);
  const int level = std::max(flagLevel(flagAt(tally.lines[*line], *column)), markerLevel);
  putFlag(tally.lines[*line], *column, static_cast<char>('0' + level));
}

Result<Tally> loadTemplate(const fs::path& file) {
  Result<std::string> bytes = TextFile::readAll(file);
  if (!bytes) return bytes.error();
  Tally tally;
  tally.templateBytes = std::move(bytes.value());
  scanLines(tally.templateBytes, [&](std::string_view line) {
    tally.lines.emplace_back(line);
    return true;
  });
  return tally;
}

// Replaces the file unless it already holds these bytes.  At start-up the
// tallies usually are what the log says already, and each replacement costs a
// flush to disk.
Status writeIfChanged(const fs::path& programDir, const fs::path& target, std::string_view bytes) {
  if (Result<std::string> current = TextFile::readAll(target); current && *current == bytes) return {};
  return TextFile::replaceAtomicallyBytes(programDir / std::string(RebuildTemporary), target, bytes);
}

Status writeTally(const fs::path& programDir, const fs::path& target, const Tally& tally) {
  if (!tally.rewritten) return writeIfChanged(programDir, target, tally.templateBytes);
  return writeIfChanged(programDir, target, TextFile::joinLines(tally.lines));
}

}  // namespace

Result<RebuildOutcome> rebuildTallies(const fs::path& programDir, std::string_view call) {
  Result<std::string> log = TextFile::readAll(logFilePath(programDir, call));
  if (!log) return log.error();
  Result<Tally> prefixTemplate = loadTemplate(programDir / std::string(PrefixTemplate));
  if (!prefixTemplate) return prefixTemplate.error();
  Result<Tally> deptTemplate = loadTemplate(programDir / std::string(DepartementTemplate));
  if (!deptTemplate) return deptTemplate.error();

  std::vector<TallyContact> contacts;
  scanLines(*log, [&](std::string_view line) {
    contacts.push_back(readContact(line));
    return true;
  });

  const PrefixIndex prefixIndex(prefixTemplate->lines);
  const DeptIndex deptIndex(deptTemplate->lines);
  RebuildOutcome outcome;
  std::vector<std::string> absent;
  std::array<Tally, 2> prefixTallies{*prefixTemplate, *prefixTemplate};
  std::array<Tally, 2> deptTallies{*deptTemplate, *deptTemplate};
  for (std::size_t m = 0; m < ModeLabels.size(); ++m) {
    absent.clear();  // the list ends with the last pass's keys
    for (const TallyContact& contact : contacts) {
      // A line without a callsign is no contact: it has no prefix to look up.
      if (contact.mode != ModeLabels[m] || contact.callsign.empty()) continue;
      Reconstruit_Prefixes(prefixTallies[m], prefixIndex, contact, absent, outcome.unknownCallsigns);
    }
  }
  for (std::size_t m = 0; m < ModeLabels.size(); ++m) {
    for (const TallyContact& contact : contacts)
      if (contact.mode == ModeLabels[m]) Reconstruit_Departements(deptTallies[m], deptIndex, contact);
  }

  for (std::size_t m = 0; m < ModeLabels.size(); ++m) {
    if (Status s = writeTally(programDir, prefixTallyPath(programDir, call, ModeLabels[m]), prefixTallies[m]); !s)
      return s.error();
  }
  if (Status s = writeIfChanged(programDir, absentListPath(programDir, call), TextFile::joinLines(absent)); !s)
    return s.error();
  for (std::size_t m = 0; m < ModeLabels.size(); ++m) {
    if (Status s = writeTally(programDir, deptTallyPath(programDir, call, ModeLabels[m]), deptTallies[m]); !s)
      return s.error();
  }
  return outcome;
}

QString missingDeptTemplateMessage(bool /*french*/) {
  return QStringLiteral("Fichier FXXXX_Departement.txt Absent du repertoire");
}

QString updatingCaption() { return QStringLiteral("Morvex"); }
QString updatingFilesText(bool french) { return pick(french, "Mise a jour des fichiers", "Update files"); }
QString updatingWhatText(bool french) { return pick(french, "Prefixes et Départements", "Prefix and Department"); }

}  // namespace brivant
