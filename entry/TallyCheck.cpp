#include "entry/TallyCheck.h"

#include <set>

#include "core/Bands.h"
#include "core/Language.h"
#include "core/Station.h"
#include "entry/DeptTally.h"
#include "entry/PrefixTally.h"
#include "entry/TallyBands.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace brivant {

namespace fs = std::filesystem;

namespace {

// The text between two 1-based columns (both included); a short line gives
// what it has.
std::string_view columns(std::string_view line, std::size_t from, std::size_t to) {
  if (from > line.size()) return {};
  return line.substr(from - 1, to - from + 1);
}

bool blanks(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

// Blanks in every column between two 1-based columns (both included).
bool blankColumns(std::string_view line, std::size_t from, std::size_t to) {
  const std::string_view text = columns(line, from, to);
  return text.size() == to - from + 1 && blanks(text);
}

// A prefix in its columns: printable characters, then blanks to the width.
bool keyField(std::string_view field, std::size_t width, bool mayBeEmpty) {
  if (field.size() != width) return false;
  const std::size_t end = std::min(field.find(' '), field.size());
  if (end == 0) return mayBeEmpty && blanks(field);
  for (char c : field.substr(0, end))
    if (c <= ' ' || c >= 0x7F) return false;
  return blanks(field.substr(end));
}

bool flagsField(std::string_view flags, TallyRole role) {
  if (flags.size() != Bands.size()) return false;
  for (char c : flags) {
    const bool allowed = role == TallyRole::Template ? c == '0' : (c == '0' || flagLevel(c) > 0);
    if (!allowed) return false;
  }
  return true;
}

// A name from its column to the end of the line: not empty, no control byte.
bool nameField(std::string_view line, std::size_t column) {
  if (line.size() < column || line[column - 1] == ' ') return false;
  for (unsigned char c : line.substr(column - 1))
    if (c < 0x20 || c == 0x7F) return false;
  return true;
}

// Calls check on every line; false when a line fails it, when a line is not
// ended by CR LF or is empty, or when there is no line.
template <class Check>
bool everyLine(std::string_view bytes, Check&& check) {
  if (bytes.empty()) return false;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find("\r\n");
    if (end == std::string_view::npos || end == 0) return false;
    const std::string_view line = bytes.substr(0, end);
    if (line.find_first_of("\r\n") != std::string_view::npos || !check(line)) return false;
    bytes.remove_prefix(end + 2);
  }
  return true;
}

// "PREFX  <flags>  MAIN   Name"
bool prefixLineIsWhole(std::string_view line, TallyRole role) {
  using namespace PrefixLine;
  const std::size_t flagsEnd = PrefixFirstBandColumn + Bands.size() - 1;
  const std::size_t mainEnd = MainPrefixColumn + MainPrefixWidth - 1;
  return keyField(columns(line, PrefixColumn, PrefixWidth), PrefixWidth, false) &&
         blankColumns(line, PrefixWidth + 1, PrefixFirstBandColumn - 1) &&
         flagsField(columns(line, PrefixFirstBandColumn, flagsEnd), role) &&
         blankColumns(line, flagsEnd + 1, MainPrefixColumn - 1) &&
         keyField(columns(line, MainPrefixColumn, mainEnd), MainPrefixWidth, true) &&
         blankColumns(line, mainEnd + 1, NameColumn - 1) && nameField(line, NameColumn);
}

// The codes of metropolitan France's departements, Corsica as 2A and 2B.
const std::set<std::string>& departementCodes() {
  static const std::set<std::string> codes = [] {
    std::set<std::string> all{"2A", "2B"};
    for (int n = 1; n <= 95; ++n)
      if (n != 20) {
        std::string code(n < 10 ? 1 : 0, '0');
        all.insert(code += std::to_string(n));
      }
    return all;
  }();
  return codes;
}

}  // namespace

bool prefixFileIsWhole(std::string_view bytes, TallyRole role) {
  if (bytes.size() != PrefixLine::TemplateBytes) return false;
  return everyLine(bytes, [role](std::string_view line) { return prefixLineIsWhole(line, role); });
}

bool deptFileIsWhole(std::string_view bytes, TallyRole role) {
  const std::size_t flagsEnd = DeptFirstBandColumn + Bands.size() - 1;
  std::set<std::string> seen;
  const bool linesWhole = everyLine(bytes, [&](std::string_view line) {
    const std::string code(columns(line, 1, DeptLine::CodeWidth));
    return departementCodes().contains(code) && seen.insert(code).second &&
           blankColumns(line, DeptLine::CodeWidth + 1, DeptFirstBandColumn - 1) &&
           flagsField(columns(line, DeptFirstBandColumn, flagsEnd), role) &&
           blankColumns(line, flagsEnd + 1, DeptLine::NameColumn - 1) && nameField(line, DeptLine::NameColumn);
  });
  return linesWhole && seen.size() == departementCodes().size();
}

namespace {

// Whether the bytes are whole for a file made from the named template.
bool wholeFor(std::string_view templateName, std::string_view bytes, TallyRole role) {
  if (templateName == PrefixTemplate) return prefixFileIsWhole(bytes, role);
  if (templateName == DepartementTemplate) return deptFileIsWhole(bytes, role);
  return true;
}

}  // namespace

std::vector<std::string> damagedTemplates(const fs::path& programDir) {
  std::vector<std::string> damaged;
  for (std::string_view name : {PrefixTemplate, DepartementTemplate}) {
    const Result<std::string> bytes = TextFile::readAll(programDir / std::string(name));
    if (bytes && !wholeFor(name, *bytes, TallyRole::Template)) damaged.emplace_back(name);
  }
  return damaged;
}

bool stationFileIsDamaged(std::string_view templateName, const fs::path& file) {
  if (templateName != PrefixTemplate && templateName != DepartementTemplate) return false;
  const Result<std::string> bytes = TextFile::readAll(file);
  return bytes && !wholeFor(templateName, *bytes, TallyRole::Station);
}

QString damagedTemplateRebuildMessage(bool french, std::string_view templateName) {
  return pick(french, "Le fichier %1 est endommagé : les fichiers Departement et Prefixe sont conservés tels quels",
              "The file %1 is damaged: the Department and Prefix files are kept as they are")
      .arg(Cp1252::toQString(templateName));
}

QString damagedTemplateResetMessage(bool french, std::string_view templateName) {
  return pick(french, "Le fichier %1 est endommagé : la remise a zero n'est pas faite",
              "The file %1 is damaged: the reset is not done")
      .arg(Cp1252::toQString(templateName));
}

QString damagedTallyBackupMessage(bool french, std::string_view fileName, std::string_view backupName) {
  return pick(french, "Le fichier %1 est endommagé : sa copie %2 est conservée telle quelle",
              "The file %1 is damaged: its copy %2 is kept as it was")
      .arg(Cp1252::toQString(fileName), Cp1252::toQString(backupName));
}

}  // namespace brivant
