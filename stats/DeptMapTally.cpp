#include "stats/DeptMapTally.h"

#include <algorithm>

#include "core/Language.h"
#include "core/LogFile.h"
#include "core/QsoRecord.h"
#include "core/Text.h"
#include "entry/LineScan.h"
#include "entry/TallyBands.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"

namespace brivant {

namespace {

using namespace QsoLayout;

constexpr std::size_t MapCodeWidth = 2;
constexpr int CorsicaSouthBox = 96;
constexpr int CorsicaNorthBox = 97;
constexpr int NoDepartementBox = 20;  // Corsica has its own two codes

}  // namespace

std::optional<int> mapBoxOfLogCode(std::string_view code) {
  if (code == "2a") return CorsicaSouthBox;
  if (code == "2b") return CorsicaNorthBox;
  if (code.size() != MapCodeWidth || !isAsciiDigit(code[0]) || !isAsciiDigit(code[1])) return std::nullopt;
  const int box = (code[0] - '0') * 10 + (code[1] - '0');
  if (box < 1 || box > 95 || box == NoDepartementBox) return std::nullopt;
  return box;
}

Result<MapTally> Affiche_Carte(const std::filesystem::path& programDir, std::string_view call, std::string_view band,
                               std::string_view mode) {
  Result<std::string> bytes = TextFile::readAll(logFilePath(programDir, call));
  if (!bytes) return bytes.error();
  MapTally tally;
  scanLines(*bytes, [&](std::string_view record) {
    if (trimmedField(record, QsoLayout::Band.column, QsoLayout::Band.width) != band ||
        trimmedField(record, QsoLayout::Mode.column, QsoLayout::Mode.width) != mode)
      return true;
    ++tally.contacts;
    const std::string_view code =
        record.size() >= Departement.column ? record.substr(Departement.column - 1, MapCodeWidth) : std::string_view();
    if (const std::optional<int> box = mapBoxOfLogCode(code)) {
      const auto i = static_cast<std::size_t>(*box);
      ++tally.contactsOfBox[i];
      tally.level[i] = std::max(tally.level[i], flagLevel(flagAt(record, Marker.column)));
    }
    return true;
  });
  for (int level : tally.level)
    if (level > 0) ++tally.boxesAtLevel[static_cast<std::size_t>(level)];
  return tally;
}

QString mapCountsLine(bool french, const MapTally& tally) {
  return QString::number(tally.contacts) + pick(french, " QSO et ", " QSO and ") +
         QString::number(tally.boxesAtLevel[1]) + pick(french, " départements contactés", " departments contacted");
}

QString mapCountsLineBeforeDisplay(bool french) {
  return pick(french, "0 Activation et 0 département contacté", "0 Activation and 0 department contacted");
}

QString selectBandMessage() { return QStringLiteral("Selectionnez une bande"); }

QString mapTooltip(bool french, std::string_view code, std::string_view name, std::optional<int> contacts,
                   std::string_view band, std::string_view mode) {
  QString text = QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())) + QLatin1Char(' ') +
                 QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  if (contacts) {
    text += QLatin1Char('\n') + QString::number(*contacts) + pick(french, " QSO sur ", " QSO on ") +
            Cp1252::toQString(band) + QLatin1Char(' ') + Cp1252::toQString(mode);
  }
  return text;
}

QString mapLegendLine(bool french, int level, std::optional<int> boxes) {
  QString text = pick(french, "Niveau ", "Level ") + QString::number(level);
  if (boxes) text += QStringLiteral(" : ") + QString::number(*boxes) + pick(french, " dpt(s)", " dept(s)");
  return text;
}

}  // namespace brivant
