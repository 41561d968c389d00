#pragma once
// The event score: contact points weighted by band times the multiplier
// (castle bonus, departements and prefixes contacted per band and mode).

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string_view>

#include "entry/TallyBands.h"
#include "platform/Result.h"

namespace brivant {

// The scoring bands and their weights are ScoreBands and ScoreBandWeights.
inline constexpr std::array<std::string_view, 2> ScoreModes = {"SSB", "CW"};
inline constexpr int CastleBonus = 10;

// Flag columns of the five bands in the tally files.
inline constexpr std::array<std::size_t, 5> ScorePrefixColumns = {9, 10, 12, 14, 16};
inline constexpr std::array<std::size_t, 5> ScoreDeptColumns = {5, 6, 8, 10, 12};

struct BandModeCounts {
  int contacts = 0;      // n(b, m)
  int castleBonus = 0;   // d(b, m): 10 per castle contact
  int departements = 0;  // q(b, m)
  int prefixes = 0;      // p(b, m)
};

struct ScoreCounters {
  BandModeCounts cell[2][5];  // [0 SSB, 1 CW][0..4 = 3.5, 7.0, 14, 21, 28 Mhz]
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

// Index of a band among ScoreBands and of a mode among ScoreModes (exact text).
std::optional<std::size_t> scoreBandIndex(std::string_view band);
std::optional<std::size_t> scoreModeIndex(std::string_view mode);

}  // namespace brivant
