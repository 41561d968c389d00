#include "entry/PrefixTally.h"

#include "core/Language.h"
#include "core/Text.h"
#include "entry/LineScan.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace brivant {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view SaveTemporary = "Temporaire1.txt";

}  // namespace

std::string_view prefixOfLine(std::string_view line) {
  return trimBlanks(line.substr(0, std::min(line.size(), PrefixLine::PrefixWidth)));
}

bool prefixLineMatches(std::string_view line, std::string_view key) {
  // A line without a prefix (blank, or damaged) would begin every key: it
  // matches none, so that it cannot swallow every lookup below it.
  const std::string_view prefix = prefixOfLine(line);
  return !prefix.empty() && key.substr(0, prefix.size()) == prefix;
}

PrefixLookup describePrefixLine(std::string_view line, std::optional<std::size_t> bandColumn) {
  PrefixLookup lookup;
  lookup.found = true;
  if (bandColumn) lookup.flag = std::string(1, flagAt(line, *bandColumn));
  if (line.size() >= PrefixLine::NameColumn) lookup.entityName = std::string(line.substr(PrefixLine::NameColumn - 1));
  lookup.prefix = std::string(prefixOfLine(line));
  lookup.mainPrefix = cutTrimmed(line, PrefixLine::MainPrefixColumn, PrefixLine::MainPrefixWidth);
  // A line that names no main prefix is its own entity: the second lookup and
  // the marking then come back to this very line.
  if (lookup.mainPrefix.empty()) lookup.mainPrefix = lookup.prefix;
  return lookup;
}

Result<PrefixLookup> Cherche_Prefixe(const fs::path& programDir, std::string_view call, std::string_view key,
                                     std::string_view band, std::string_view mode) {
  Result<std::string> bytes = TextFile::readAll(prefixTallyPath(programDir, call, mode));
  if (!bytes) return bytes.error();
  const std::optional<std::size_t> column = prefixBandColumn(band);
  PrefixLookup lookup;
  scanLines(*bytes, [&](std::string_view line) {
    if (!prefixLineMatches(line, key)) return true;
    lookup = describePrefixLine(line, column);
    return false;
  });
  return lookup;
}

Result<PrefixLookup> MAJ_Fichier_Prefixe(const fs::path& programDir, std::string_view call, std::string_view key,
                                         std::string_view band, std::string_view mode) {
  const fs::path file = prefixTallyPath(programDir, call, mode);
  Result<TextFile::Lines> lines = TextFile::readLines(file);
  if (!lines) return lines.error();
  const std::optional<std::size_t> column = prefixBandColumn(band);
  for (std::string& line : lines.value()) {
    if (!prefixLineMatches(line, key)) continue;
    PrefixLookup before = describePrefixLine(line, column);
    if (column && flagLevel(flagAt(line, *column)) == 0) {
      putFlag(line, *column, '1');
      if (Status written = TextFile::replaceAtomically(programDir / std::string(SaveTemporary), file, *lines); !written)
        return written.error();
    }
    return before;
  }
  return PrefixLookup{};
}

std::optional<QString> prefixTemplateSizeMessage(std::uintmax_t size) {
  if (size == PrefixLine::TemplateBytes) return std::nullopt;
  return QStringLiteral("Le fichier FXXXX_Prefixe.txt ne convient pas a cette version ") + QString::number(size) +
         QStringLiteral(" octets");
}

std::optional<QString> stationPrefixSizeMessage(std::string_view call, std::uintmax_t size) {
  if (size == PrefixLine::TemplateBytes) return std::nullopt;
  // No blank between "version" and the size in this one.
  return QStringLiteral("Le fichier ") + Cp1252::toQString(call) +
         QStringLiteral("_Prefixe_SSB.txt ne convient pas a cette version") + QString::number(size) +
         QStringLiteral(" octets");
}

QString unknownPrefixMessage(bool french) { return pick(french, "Prefixe Inconnu", "Prefixe Unknown"); }

QString unknownPrefixSaveMessage(bool /*french*/) { return QStringLiteral("Prefixe Inconnu"); }

}  // namespace brivant
