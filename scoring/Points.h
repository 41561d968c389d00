#pragma once
// The event score: contact points weighted by band times the multiplier
// (castle bonus, departements and prefixes contacted per band and mode).

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

#include "entry/TallyBands.h"
#include "platform/Result.h"

namespace brivant {

// The scoring bands, their weights and the modes are ScoreBandLabels,
// ScoreBandWeights and ModeLabels of core/Bands.h.
inline constexpr int CastleBonus = 10;

struct BandModeCounts {
  int contacts = 0;      // n(b, m)
  int castleBonus = 0;   // d(b, m): 10 per castle contact
  int departements = 0;  // q(b, m)
  int prefixes = 0;      // p(b, m)
};

struct ScoreCounters {
  BandModeCounts cell[ModeLabels.size()][ScoreBandLabels.size()];  // [0 SSB, 1 CW][0..4 = 3.5, 7.0, 14, 21, 28 Mhz]
};

// How a log line's activity column makes a castle contact.
enum class ActivityRule {
  KeepPreviousOnOther,  // the score: "1" castle, "0" plain, anything else as the line before
  FirstCharacterIsOne,  // the recapitulative sheet: a castle when the character is "1"
};

// The counters from the station's log and its four tally files.  A flag
// counts when it is a level 1-4 (the departement rebuild writes the contact's
// marker level).  Any missing file is error 53 (the window raises the
// missing-file window labelled ".log").
Result<ScoreCounters> countScore(const std::filesystem::path& programDir, std::string_view call,
                                 ActivityRule rule = ActivityRule::KeepPreviousOnOther);

// Contact points (sum of n x weight) and multiplier (castle bonus +
// departements + prefixes) of the counters, and their product.
long long contactPointsOf(const ScoreCounters& counters);
long long multiplierOf(const ScoreCounters& counters);
long long scoreOf(const ScoreCounters& counters);

// The score shown in P_QSO.
Result<long long> Calcul_Points(const std::filesystem::path& programDir, std::string_view call);

}  // namespace brivant
