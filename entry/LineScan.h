#pragma once
// Walking the lines of a file's bytes without copying them, with the same
// rule as TextFile::readLines: CR LF or LF ends a line, a last line without an
// end still counts.

#include <cstring>
#include <string_view>

#include "core/Text.h"

namespace brivant {

// Calls visit(line) for each line; visit returns false to stop early.
template <class Visit>
void scanLines(std::string_view bytes, Visit&& visit) {
  const char* p = bytes.data();
  const char* const end = p + bytes.size();
  while (p < end) {
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    const char* lineEnd = lf ? lf : end;
    const char* textEnd = (lineEnd > p && lineEnd[-1] == '\r') ? lineEnd - 1 : lineEnd;
    if (!visit(std::string_view(p, static_cast<std::size_t>(textEnd - p)))) return;
    if (!lf) return;
    p = lf + 1;
  }
}

// A fixed-column field, trimmed, without copying it.  A short (damaged) line
// reads as blank-padded.
inline std::string_view trimmedField(std::string_view line, std::size_t column, std::size_t width) {
  if (column == 0 || column > line.size()) return {};
  return trimBlanks(line.substr(column - 1, width));
}

}  // namespace brivant
