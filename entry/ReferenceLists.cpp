#include "entry/ReferenceLists.h"

#include "core/Language.h"
#include "core/Text.h"
#include "entry/LineScan.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace brivant {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view DirectoryTemporary = "Temporaire5.txt";
constexpr std::string_view FirstNameTemporary = "Temporaire.txt";

constexpr std::size_t DirectoryDeptWidth = 2;
constexpr std::size_t FirstNameCallWidth = 12;

// The callsign a list line begins with: its first width characters, trimmed.
std::string_view callOfLine(std::string_view line, std::size_t width) {
  return trimBlanks(line.substr(0, std::min(line.size(), width)));
}

// The lines of a list that may not exist yet: a missing file is an empty list.
Result<TextFile::Lines> linesOrEmpty(const fs::path& file) {
  Result<TextFile::Lines> lines = TextFile::readLines(file);
  if (!lines && lines.error().number == FileNotFound) return TextFile::Lines{};
  return lines;
}

// Puts the new line in place of the first line of its callsign and drops any
// later one, or appends it: one line per callsign.  False when the list is
// already exactly that.
bool storeOneLinePerCall(TextFile::Lines& lines, std::string_view call, std::size_t width, std::string_view newLine) {
  bool placed = false;
  bool changed = false;
  TextFile::Lines kept;
  kept.reserve(lines.size() + 1);
  for (std::string& line : lines) {
    if (callOfLine(line, width) != call) {
      kept.push_back(std::move(line));
      continue;
    }
    if (placed || line != newLine) changed = true;
    if (!placed) kept.emplace_back(newLine);
    placed = true;
  }
  if (!placed) {
    kept.emplace_back(newLine);
    changed = true;
  }
  lines = std::move(kept);
  return changed;
}

// The directory is read item by item: an item ends at a comma or at the end
// of the line, and its leading blanks are skipped.  each(call, entry) returns
// false to stop.
template <typename Each>
void forEachDirectoryItem(std::string_view line, Each each) {
  while (true) {
    const std::size_t comma = line.find(',');
    std::string_view item = line.substr(0, comma);
    item.remove_prefix(std::min(item.find_first_not_of(' '), item.size()));
    DirectoryEntry entry;
    entry.departement = cutTrimmed(item, 12, 2);
    if (entry.departement.size() == 1) entry.departement.insert(0, 1, '0');
    entry.locator = cutTrimmed(item, 15, 6);
    if (!each(cutTrimmed(item, 1, DirectoryCallWidth), entry) || comma == std::string_view::npos) return;
    line.remove_prefix(comma + 1);
  }
}

// A first-name list line: its departement as typed and its first name.
FirstNameEntry firstNameOfLine(std::string_view line) {
  FirstNameEntry entry;
  entry.found = true;
  entry.departement = cutColumns(line, 14, 2);
  entry.firstName = std::string(trimBlanks(Cp1252::upper(line.size() > 16 ? line.substr(16) : std::string_view())));
  return entry;
}

}  // namespace

DirectoryEntry Cherche_Nomenclature(const fs::path& programDir, std::string_view call) {
  DirectoryEntry entry;
  Result<std::string> bytes = TextFile::readAll(programDir / std::string(DirectoryFileName));
  if (!bytes) return entry;
  bool found = false;
  scanLines(*bytes, [&](std::string_view line) {
    forEachDirectoryItem(line, [&](std::string_view itemCall, const DirectoryEntry& item) {
      if (itemCall != call) return true;
      found = true;
      entry = item;
      return false;
    });
    return !found;
  });
  return entry;
}

std::string directoryLine(std::string_view call, std::string_view dept, std::string_view locator) {
  return padRight(call, DirectoryCallWidth + 1) + padRight(dept, DirectoryDeptWidth + 1) + std::string(locator);
}

Status MAJ_Nomenclature(const fs::path& programDir, std::string_view call, std::string_view dept,
                        std::string_view locator) {
  if (trimBlanks(call).empty() || call.size() > DirectoryCallWidth || dept.size() > DirectoryDeptWidth) return {};
  const fs::path file = programDir / std::string(DirectoryFileName);
  Result<TextFile::Lines> lines = linesOrEmpty(file);
  if (!lines) return lines.error();
  if (!storeOneLinePerCall(lines.value(), trimBlanks(call), DirectoryCallWidth, directoryLine(call, dept, locator)))
    return {};
  return TextFile::replaceAtomically(programDir / std::string(DirectoryTemporary), file, *lines);
}

Result<FirstNameEntry> Cherche_Prenom(const fs::path& programDir, std::string_view call) {
  Result<std::string> bytes = TextFile::readAll(programDir / std::string(FirstNameFileName));
  if (!bytes) return bytes.error();
  FirstNameEntry entry;
  scanLines(*bytes, [&](std::string_view line) {
    // No early stop: the last line wins.
    if (callOfLine(line, FirstNameCallWidth) == call) entry = firstNameOfLine(line);
    return true;
  });
  return entry;
}

QString firstNameListMessage(bool french) {
  return pick(french, "Attention il vous faut le fichier 'Liste_Prenom.txt'",
              "Caution you need the file 'Liste_Prenom.txt'");
}

std::string firstNameLine(std::string_view call, std::string_view dept, std::string_view firstName) {
  return padRight(call, FirstNameCallWidth + 1) + padRight(dept, 3) + Cp1252::upper(firstName);
}

Status Ajoute_Prenom(const fs::path& programDir, std::string_view line, bool /*firstNameMissing*/) {
  const std::string_view call = callOfLine(line, FirstNameCallWidth);
  // A line with no callsign, or one whose callsign runs past column 12, could
  // never be found again.
  if (call.empty() || (line.size() > FirstNameCallWidth && line[FirstNameCallWidth] != ' ')) return {};
  const fs::path file = programDir / std::string(FirstNameFileName);
  Result<TextFile::Lines> lines = linesOrEmpty(file);
  if (!lines) return lines.error();
  if (!storeOneLinePerCall(lines.value(), call, FirstNameCallWidth, line)) return {};
  return TextFile::replaceAtomically(programDir / std::string(FirstNameTemporary), file, *lines);
}

KnownDepartements::KnownDepartements(const fs::path& programDir) {
  // The directory first: a departement in the first-name list replaces it.
  if (const Result<std::string> bytes = TextFile::readAll(programDir / std::string(DirectoryFileName))) {
    scanLines(*bytes, [&](std::string_view line) {
      forEachDirectoryItem(line, [&](std::string_view call, const DirectoryEntry& item) {
        if (!item.departement.empty()) departements_.emplace(std::string(call), item.departement);  // first wins
        return true;
      });
      return true;
    });
  }
  if (const Result<std::string> bytes = TextFile::readAll(programDir / std::string(FirstNameFileName))) {
    scanLines(*bytes, [&](std::string_view line) {
      std::string departement = std::string(trimBlanks(firstNameOfLine(line).departement));
      if (!departement.empty())
        departements_[std::string(callOfLine(line, FirstNameCallWidth))] = std::move(departement);
      return true;
    });
  }
}

std::string KnownDepartements::of(std::string_view call) const {
  const auto known = departements_.find(std::string(call));
  return known == departements_.end() ? std::string() : known->second;
}

}  // namespace brivant
