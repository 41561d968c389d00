#include "stats/PrefixStats.h"

#include <algorithm>

#include "core/LogFile.h"
#include "core/Text.h"
#include "entry/LineScan.h"
#include "entry/PrefixTally.h"
#include "platform/TextFile.h"

namespace brivant {

namespace {

constexpr std::size_t PrefixFieldWidth = 5;
constexpr std::size_t NameFieldWidth = 35;

}  // namespace

std::string PrefixStatLine(std::string_view prefix, std::string_view name) {
  std::string line = "  " + padRight(prefix, PrefixFieldWidth) + " ";
  if (name.size() < NameFieldWidth) line.append(NameFieldWidth - name.size(), ' ');
  line += name;
  return line;
}

Result<std::vector<std::string>> prefixStatLines(const std::filesystem::path& programDir, std::string_view call,
                                                 std::string_view band, std::string_view mode) {
  Result<std::string> bytes = TextFile::readAll(prefixTallyPath(programDir, call, mode));
  if (!bytes) return bytes.error();
  std::vector<std::string> lines;
  const std::optional<std::size_t> column = prefixBandColumn(band);
  if (!column) return lines;
  scanLines(*bytes, [&](std::string_view line) {
    const char flag = flagAt(line, *column);
    if (flag >= '1' && flag <= '9') {
      const std::string_view name =
          line.size() >= PrefixLine::NameColumn ? trimBlanks(line.substr(PrefixLine::NameColumn - 1)) : "";
      lines.push_back(PrefixStatLine(prefixOfLine(line), name));
    }
    return true;
  });
  std::sort(lines.begin(), lines.end());
  return lines;
}

QString prefixCountText(bool french, std::size_t count) {
  const QString number = QString::number(count);
  if (french) return number + (count <= 1 ? QStringLiteral(" préfixe") : QStringLiteral(" préfixes"));
  return number + (count == 1 ? QStringLiteral(" prefix") : QStringLiteral(" prefixes"));
}

}  // namespace brivant
