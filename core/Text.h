#pragma once
// Small helpers for fixed-column Windows-1252 text: blank trimming, padding,
// 1-based column cuts and right-aligned numbers.

#include <cstddef>
#include <string>
#include <string_view>

namespace brivant {

// '0' to '9' and nothing else: no locale, no other script's digits.
constexpr bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// Removes the blanks (only ' ', never tabs or other spaces) at both ends.
std::string_view trimBlanks(std::string_view text);

// The text followed by blanks up to width characters; a longer text is kept whole.
std::string padRight(std::string_view text, std::size_t width);

// The length characters starting at 1-based column.  A line that is too short
// (hand-edited or damaged) reads as if it were padded with blanks, so the result
// always has exactly length characters.
std::string cutColumns(std::string_view line, std::size_t column, std::size_t length);

// The same cut with the blanks trimmed, as readers compare fields.
std::string cutTrimmed(std::string_view line, std::size_t column, std::size_t length);

// BASIC-style cuts that never fail on a short text: the first n characters,
// the last n, and n from a 1-based position.
std::string_view leftText(std::string_view text, std::size_t n);
std::string_view rightText(std::string_view text, std::size_t n);
std::string_view midText(std::string_view text, std::size_t position, std::size_t n);

// A number read the way the log's fields have always been read (BASIC's
// Val): blanks, tabs, CR and LF are skipped wherever they stand; then an
// optional sign, digits, a decimal point and an exponent (E or D); reading
// stops at the first character that cannot continue the number.  0 when no
// digit comes first.
double basicValue(std::string_view text);

// The decimal digits of number right-aligned in width columns (blanks in front).
// A number wider than the columns is written whole.
std::string rightAligned(long long number, std::size_t width);

}  // namespace brivant
