#pragma once
// The domain tables: the 17 bands with everything each use needs of them, the
// two modes and the two activities.  Every list of bands, modes or activities
// the program shows, writes or checks is derived from these tables.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace brivant {

struct Band {
  std::string_view label;        // as written everywhere: "3.5 Mhz"
  bool offeredInEntry;           // listed in Bande_A ("1.8 Mhz" is accepted when typed, not listed)
  bool acceptedInEntry;          // what the band check lets through
  int scoreWeight;               // points of one contact; 0 for a band that does not score
  std::string_view adifBand;     // the ADIF BAND enumeration value
  std::string_view clusterPage;  // band name in the spot page's address; empty: no page of its own
  long long lowKhz;              // frequency range in kHz, as spots and radios report it
  long long highKhz;
  bool scoredByDistance = false;  // an edited contact on it is worth its distance in km
};

// The HF bands, below 30 MHz: a contact's locator is never kept on them.
constexpr bool isHf(const Band& band) { return band.highKhz <= 30'000; }

// In the column order of the tally files: the index of a band here is its
// flag column's offset in a prefix or departement line.
inline constexpr std::array<Band, 17> Bands{{
    {"1.8 Mhz", false, true, 0, "160m", "1.8", 1'800, 2'000},
    {"3.5 Mhz", true, true, 1, "80m", "3.5", 3'500, 4'000},
    {"7.0 Mhz", true, true, 1, "40m", "7", 7'000, 7'300},
    {"10 Mhz", false, false, 0, "30m", "10", 10'100, 10'150},
    {"14 Mhz", true, true, 3, "20m", "14", 14'000, 14'350},
    {"18 Mhz", false, false, 0, "17m", "18", 18'068, 18'168},
    {"21 Mhz", true, true, 4, "15m", "21", 21'000, 21'450},
    {"24 Mhz", false, false, 0, "12m", "24", 24'890, 24'990},
    {"28 Mhz", true, true, 5, "10m", "28", 28'000, 29'700},
    {"50 Mhz", false, false, 0, "6m", "50", 50'000, 54'000},
    {"144 Mhz", false, false, 0, "2m", "144", 144'000, 148'000, true},
    {"432 Mhz", false, false, 0, "70cm", "430", 420'000, 450'000},
    {"1.3 Ghz", false, false, 0, "23cm", "", 1'240'000, 1'300'000},
    {"2.3 Ghz", false, false, 0, "13cm", "", 2'300'000, 2'450'000},
    {"5.7 Ghz", false, false, 0, "6cm", "", 5'650'000, 5'925'000},
    {"10 Ghz", false, false, 0, "3cm", "", 10'000'000, 10'500'000},
    {"24 Ghz", false, false, 0, "1.25cm", "", 24'000'000, 24'250'000},
}};

// The band of a label (exact text), or nothing.
constexpr const Band* bandOfLabel(std::string_view label) {
  for (const Band& band : Bands)
    if (band.label == label) return &band;
  return nullptr;
}

// Position of a label in Bands (exact text), or nothing.
constexpr std::optional<std::size_t> bandIndexOfLabel(std::string_view label) {
  for (std::size_t i = 0; i < Bands.size(); ++i)
    if (Bands[i].label == label) return i;
  return std::nullopt;
}

// The band whose range holds a frequency in kHz, or nothing.
constexpr const Band* bandOfFrequency(long long khz) {
  for (const Band& band : Bands)
    if (khz >= band.lowKhz && khz <= band.highKhz) return &band;
  return nullptr;
}

// The bands matching a predicate, in table order, as a fixed-size array.
template <std::size_t N, class Predicate>
constexpr std::array<std::string_view, N> bandLabelsWhere(Predicate keep) {
  std::array<std::string_view, N> labels{};
  std::size_t n = 0;
  for (const Band& band : Bands)
    if (keep(band) && n < N) labels[n++] = band.label;
  return labels;
}

// The labels Bande_A lists, the labels the entry accepts, and the bands that
// score (in the order of the score counters), in table order.
inline constexpr auto EntryBandLabels = bandLabelsWhere<5>([](const Band& b) { return b.offeredInEntry; });
inline constexpr auto AcceptedBandLabels = bandLabelsWhere<6>([](const Band& b) { return b.acceptedInEntry; });
inline constexpr auto ScoreBandLabels = bandLabelsWhere<5>([](const Band& b) { return b.scoreWeight > 0; });

// The points of one contact on each band of ScoreBandLabels.
inline constexpr std::array<int, ScoreBandLabels.size()> ScoreBandWeights = [] {
  std::array<int, ScoreBandLabels.size()> weights{};
  for (std::size_t i = 0; i < weights.size(); ++i) weights[i] = bandOfLabel(ScoreBandLabels[i])->scoreWeight;
  return weights;
}();

// Index of a label among ScoreBandLabels (exact text), or nothing.
constexpr std::optional<std::size_t> scoreBandIndex(std::string_view label) {
  for (std::size_t i = 0; i < ScoreBandLabels.size(); ++i)
    if (ScoreBandLabels[i] == label) return i;
  return std::nullopt;
}

// The modes, in the order of Mode_A and of the score counters; each has its
// own prefix and departement tallies.
struct Mode {
  std::string_view label;
  std::string_view defaultReport;  // what RSTR_A and RSTE_A start with
};
inline constexpr std::array<Mode, 2> Modes{{{"SSB", "59"}, {"CW", "599"}}};
inline constexpr std::size_t SsbMode = 0;
inline constexpr std::size_t CwMode = 1;
inline constexpr std::string_view SsbModeLabel = Modes[SsbMode].label;
inline constexpr std::string_view CwModeLabel = Modes[CwMode].label;

constexpr const Mode* modeOfLabel(std::string_view label) {
  for (const Mode& mode : Modes)
    if (mode.label == label) return &mode;
  return nullptr;
}

// The mode labels in table order (SSB, then CW): the order of the tally
// files' modes and of the score counters.
inline constexpr std::array<std::string_view, Modes.size()> ModeLabels = [] {
  std::array<std::string_view, Modes.size()> labels{};
  for (std::size_t i = 0; i < Modes.size(); ++i) labels[i] = Modes[i].label;
  return labels;
}();

// Index of a label among Modes (exact text), or nothing.
constexpr std::optional<std::size_t> modeIndexOfLabel(std::string_view label) {
  for (std::size_t i = 0; i < Modes.size(); ++i)
    if (Modes[i].label == label) return i;
  return std::nullopt;
}

// The activities, in the order of Activite_A: the index is what the log's
// activity column and the settings store hold.
inline constexpr std::array<std::string_view, 2> Activities{"QSO", "CHATEAU"};
inline constexpr std::size_t ContactActivity = 0;
inline constexpr std::size_t CastleActivity = 1;
inline constexpr std::string_view CastleActivityLabel = Activities[CastleActivity];
inline constexpr std::string_view ContactActivityLabel = Activities[ContactActivity];

}  // namespace brivant
