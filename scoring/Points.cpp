#include "scoring/Points.h"

#include <string>

#include "core/LogFile.h"
#include "entry/DeptTally.h"
#include "entry/LineScan.h"
#include "entry/PrefixTally.h"
#include "platform/TextFile.h"

namespace brivant {

namespace fs = std::filesystem;

namespace {

// Log cuts of the score: band columns 50-59, mode 60-64, activity 165.
constexpr std::size_t BandColumn = 50;
constexpr std::size_t BandWidth = 10;
constexpr std::size_t ModeColumn = 60;
constexpr std::size_t ModeWidth = 5;
constexpr std::size_t ActivityColumn = 165;

// The flag column of each scoring band in a tally line whose first band sits
// at firstBandColumn.
using ScoreBandColumns = std::array<std::size_t, ScoreBandLabels.size()>;
constexpr ScoreBandColumns scoreBandColumns(std::size_t firstBandColumn) {
  ScoreBandColumns columns{};
  for (std::size_t b = 0; b < ScoreBandLabels.size(); ++b)
    columns[b] = firstBandColumn + *bandIndexOfLabel(ScoreBandLabels[b]);
  return columns;
}
constexpr ScoreBandColumns PrefixColumns = scoreBandColumns(PrefixFirstBandColumn);
constexpr ScoreBandColumns DeptColumns = scoreBandColumns(DeptFirstBandColumn);

Status countLog(const fs::path& file, ActivityRule rule, ScoreCounters& counters) {
  Result<std::string> bytes = TextFile::readAll(file);
  if (!bytes) return bytes.error();
  bool castle = false;  // before the first line: a plain contact
  scanLines(*bytes, [&](std::string_view line) {
    const char activity = flagAt(line, ActivityColumn);
    if (rule == ActivityRule::FirstCharacterIsOne) {
      castle = activity == '1';
    } else if (activity == '1' || activity == '0') {
      castle = activity == '1';
    }
    const std::optional<std::size_t> band = scoreBandIndex(trimmedField(line, BandColumn, BandWidth));
    const std::optional<std::size_t> mode = modeIndexOfLabel(trimmedField(line, ModeColumn, ModeWidth));
    if (band && mode) {
      BandModeCounts& cell = counters.cell[*mode][*band];
      ++cell.contacts;
      if (castle) cell.castleBonus += CastleBonus;
    }
    return true;
  });
  return {};
}

// Adds 1 to the counter of each scoring band whose flag is set, per line.
Status countTally(const fs::path& file, const ScoreBandColumns& columns, std::size_t mode, int BandModeCounts::*counter,
                  ScoreCounters& counters) {
  Result<std::string> bytes = TextFile::readAll(file);
  if (!bytes) return bytes.error();
  scanLines(*bytes, [&](std::string_view line) {
    for (std::size_t b = 0; b < columns.size(); ++b)
      if (flagLevel(flagAt(line, columns[b])) > 0) ++(counters.cell[mode][b].*counter);
    return true;
  });
  return {};
}

}  // namespace

Result<ScoreCounters> countScore(const fs::path& programDir, std::string_view call, ActivityRule rule) {
  ScoreCounters counters;
  if (Status s = countLog(logFilePath(programDir, call), rule, counters); !s) return s.error();
  for (std::size_t m = 0; m < ModeLabels.size(); ++m) {
    if (Status s = countTally(prefixTallyPath(programDir, call, ModeLabels[m]), PrefixColumns, m,
                              &BandModeCounts::prefixes, counters);
        !s)
      return s.error();
  }
  for (std::size_t m = 0; m < ModeLabels.size(); ++m) {
    if (Status s = countTally(deptTallyPath(programDir, call, ModeLabels[m]), DeptColumns, m,
                              &BandModeCounts::departements, counters);
        !s)
      return s.error();
  }
  return counters;
}

long long contactPointsOf(const ScoreCounters& counters) {
  long long points = 0;
  for (const auto& mode : counters.cell)
    for (std::size_t b = 0; b < ScoreBandLabels.size(); ++b)
      points += static_cast<long long>(mode[b].contacts) * ScoreBandWeights[b];
  return points;
}

long long multiplierOf(const ScoreCounters& counters) {
  long long multiplier = 0;
  for (const auto& mode : counters.cell)
    for (const BandModeCounts& cell : mode) multiplier += cell.castleBonus + cell.departements + cell.prefixes;
  return multiplier;
}

long long scoreOf(const ScoreCounters& counters) { return contactPointsOf(counters) * multiplierOf(counters); }

Result<long long> Calcul_Points(const fs::path& programDir, std::string_view call) {
  Result<ScoreCounters> counters = countScore(programDir, call);
  if (!counters) return counters.error();
  return scoreOf(*counters);
}

}  // namespace brivant
