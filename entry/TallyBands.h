#pragma once
// The 17 band labels in the column order of the tally files, and where a
// band's flag sits in a prefix line and in a departement line.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace brivant {

inline constexpr std::array<std::string_view, 17> TallyBandLabels = {
    "1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz",  "14 Mhz",  "18 Mhz",  "21 Mhz", "24 Mhz", "28 Mhz",
    "50 Mhz",  "144 Mhz", "432 Mhz", "1.3 Ghz", "2.3 Ghz", "5.7 Ghz", "10 Ghz", "24 Ghz"};

// The modes that have a prefix and a departement tally each, in the order of
// the score counters.
inline constexpr std::array<std::string_view, 2> TallyModes = {"SSB", "CW"};

// The five bands that score, in the order of the score counters, and the
// points of one contact on each.
inline constexpr std::array<std::string_view, 5> ScoreBands = {"3.5 Mhz", "7.0 Mhz", "14 Mhz", "21 Mhz", "28 Mhz"};
inline constexpr std::array<int, 5> ScoreBandWeights = {1, 1, 3, 4, 5};

// Index of a band among ScoreBands (exact text).
std::optional<std::size_t> scoreBandIndex(std::string_view band);

// 1-based column of the first band ("1.8 Mhz") in each kind of tally line.
inline constexpr std::size_t PrefixFirstBandColumn = 8;
inline constexpr std::size_t DeptFirstBandColumn = 4;

// Position of a band among the labels (0 for "1.8 Mhz").  The live lookups and
// updates compare the text exactly; the rebuild compares it upper-cased, so
// that "14 MHZ" typed into a log is still found.  Nothing for any other text.
constexpr std::optional<std::size_t> bandIndexExact(std::string_view band) {
  for (std::size_t i = 0; i < TallyBandLabels.size(); ++i)
    if (TallyBandLabels[i] == band) return i;
  return std::nullopt;
}
std::optional<std::size_t> bandIndexUpperCased(std::string_view band);

// The 1-based flag column of a band in a prefix or a departement line.
std::optional<std::size_t> prefixBandColumn(std::string_view band);       // exact label
std::optional<std::size_t> deptBandColumn(std::string_view band);         // exact label
std::optional<std::size_t> prefixBandColumnUpper(std::string_view band);  // rebuild
std::optional<std::size_t> deptBandColumnUpper(std::string_view band);    // rebuild

// The character at a 1-based column, a blank when the line is too short (a
// damaged or hand-edited line reads as blank-padded).
char flagAt(std::string_view line, std::size_t column);

// The line with its character at column replaced; a short line is first padded
// with blanks up to the column, so that what is written always reads back.
void putFlag(std::string& line, std::size_t column, char flag);

// The level a tally flag stands for: 1 to 4 for those digits, 0 for "0" and
// for anything else (a blank or a stray character of a damaged line).
int flagLevel(char flag);

}  // namespace brivant
