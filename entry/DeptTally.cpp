#include "entry/DeptTally.h"

#include "core/Text.h"
#include "entry/LineScan.h"
#include "platform/TextFile.h"

namespace brivant {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view SaveTemporary = "Temporaire2.txt";

std::string_view codeOfLine(std::string_view line) {
  return line.substr(0, std::min(line.size(), DeptLine::CodeWidth));
}

}  // namespace

std::string deptFileKey(std::string_view entryDept) {
  if (entryDept == "96" || entryDept == "2a") return "2A";
  if (entryDept == "97" || entryDept == "2b") return "2B";
  return std::string(entryDept);
}

Result<DeptLookup> Cherche_Departement(const fs::path& programDir, std::string_view call, std::string_view entryDept,
                                       std::string_view band, std::string_view mode) {
  Result<std::string> bytes = TextFile::readAll(deptTallyPath(programDir, call, mode));
  if (!bytes) return bytes.error();
  const std::string code = deptFileKey(entryDept);
  const std::optional<std::size_t> column = deptBandColumn(band);
  DeptLookup lookup;
  scanLines(*bytes, [&](std::string_view line) {
    if (codeOfLine(line) != code) return true;
    lookup.found = true;
    if (column) lookup.flag = std::string(1, flagAt(line, *column));
    if (line.size() >= DeptLine::NameColumn) {
      std::string_view name = line.substr(DeptLine::NameColumn - 1);
      name.remove_prefix(std::min(name.find_first_not_of(' '), name.size()));
      lookup.name = std::string(name);
    }
    lookup.line = std::string(line);
    return false;
  });
  return lookup;
}

Status MAJ_Fichier_Departement(const fs::path& programDir, std::string_view call, std::string_view entryDept,
                               std::string_view newFlag, std::string_view band, std::string_view mode) {
  const fs::path file = deptTallyPath(programDir, call, mode);
  Result<TextFile::Lines> lines = TextFile::readLines(file);
  if (!lines) return lines.error();
  const std::optional<std::size_t> column = deptBandColumn(band);
  // The flag is one character: a longer text would shift the columns after it.
  if (!column || newFlag.empty()) return {};
  const std::string code = deptFileKey(entryDept);
  bool changed = false;
  for (std::string& line : lines.value()) {
    if (codeOfLine(line) != code || flagAt(line, *column) == newFlag.front()) continue;
    putFlag(line, *column, newFlag.front());
    changed = true;
  }
  if (!changed) return {};
  return TextFile::replaceAtomically(programDir / std::string(SaveTemporary), file, *lines);
}

std::optional<int> deptBoxOfCode(std::string_view code) {
  if (code == "2A" || code == "2a") return 96;
  if (code == "2B" || code == "2b") return 97;
  const std::string_view digits = trimBlanks(code);
  if (digits.empty()) return std::nullopt;
  int box = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    box = box * 10 + (c - '0');
  }
  return box;  // two characters at most: below 100
}

Result<DeptGrid> Affiche_Departements(const fs::path& programDir, std::string_view call, std::string_view band,
                                      std::string_view mode) {
  Result<std::string> bytes = TextFile::readAll(deptTallyPath(programDir, call, mode));
  if (!bytes) return bytes.error();
  DeptGrid grid;
  const std::optional<std::size_t> column = deptBandColumn(band);
  if (!column) return grid;
  scanLines(*bytes, [&](std::string_view line) {
    const int level = flagLevel(flagAt(line, *column));
    const std::optional<int> box = deptBoxOfCode(codeOfLine(line));
    if (level > 0 && box) {
      grid.level[static_cast<std::size_t>(*box)] = level;
      ++grid.DeptCount;
    }
    return true;
  });
  return grid;
}

std::optional<GridRgb> gridLevelRgb(int level) {
  switch (level) {
    case 1:
      return GridRgb{255, 192, 192};
    case 2:
      return GridRgb{255, 255, 0};
    case 3:
      return GridRgb{128, 255, 255};
    case 4:
      return GridRgb{128, 255, 128};
    default:
      return std::nullopt;
  }
}

std::uint32_t gridLevelWindowsColour(int level) {
  const std::optional<GridRgb> rgb = gridLevelRgb(level);
  if (!rgb) return 0x80000005u;  // the system's window background
  return (std::uint32_t{rgb->blue} << 16) | (std::uint32_t{rgb->green} << 8) | rgb->red;
}

}  // namespace brivant
