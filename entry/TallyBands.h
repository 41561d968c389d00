#pragma once
// Where a band's flag sits in a prefix line and in a departement line: one
// flag per band of the table (core/Bands.h), in its order, and one tally file
// per mode of the table.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/Bands.h"

namespace brivant {

// 1-based column of the first band ("1.8 Mhz") in each kind of tally line.
inline constexpr std::size_t PrefixFirstBandColumn = 8;
inline constexpr std::size_t DeptFirstBandColumn = 4;

// Position of a band in the table (0 for "1.8 Mhz").  The live lookups and
// updates compare the text exactly (bandIndexOfLabel); the rebuild compares
// it upper-cased, so that "14 MHZ" typed into a log is still found.  Nothing
// for any other text.
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
