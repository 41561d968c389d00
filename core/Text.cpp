#include "core/Text.h"

#include <cctype>
#include <cstdlib>

namespace brivant {

std::string_view trimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string padRight(std::string_view text, std::size_t width) {
  std::string result(text);
  if (result.size() < width) result.append(width - result.size(), ' ');
  return result;
}

std::string cutColumns(std::string_view line, std::size_t column, std::size_t length) {
  std::string result(length, ' ');
  if (column == 0) return result;  // columns are counted from 1
  const std::size_t start = column - 1;
  if (start < line.size()) line.substr(start, length).copy(result.data(), length);
  return result;
}

std::string cutTrimmed(std::string_view line, std::size_t column, std::size_t length) {
  return std::string(trimBlanks(cutColumns(line, column, length)));
}

double basicValue(std::string_view text) {
  std::string compact;
  for (const char c : text) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;
    compact += c;
  }
  std::size_t end = 0;
  const auto digits = [&] {
    const std::size_t start = end;
    while (end < compact.size() && std::isdigit(static_cast<unsigned char>(compact[end]))) ++end;
    return end > start;
  };
  if (end < compact.size() && (compact[end] == '+' || compact[end] == '-')) ++end;
  bool any = digits();
  if (end < compact.size() && compact[end] == '.') {
    ++end;
    any = digits() || any;
  }
  if (!any) return 0;
  std::size_t mantissaEnd = end;
  if (end < compact.size() &&
      (compact[end] == 'E' || compact[end] == 'e' || compact[end] == 'D' || compact[end] == 'd')) {
    ++end;
    if (end < compact.size() && (compact[end] == '+' || compact[end] == '-')) ++end;
    if (digits()) mantissaEnd = end;
  }
  std::string number = compact.substr(0, mantissaEnd);
  for (char& c : number)
    if (c == 'D' || c == 'd') c = 'E';
  return std::strtod(number.c_str(), nullptr);
}

std::string rightAligned(long long number, std::size_t width) {
  const std::string digits = std::to_string(number);
  if (digits.size() >= width) return digits;
  return std::string(width - digits.size(), ' ') + digits;
}

std::string_view leftText(std::string_view text, std::size_t n) { return text.substr(0, n); }

std::string_view rightText(std::string_view text, std::size_t n) {
  return n >= text.size() ? text : text.substr(text.size() - n);
}

std::string_view midText(std::string_view text, std::size_t position, std::size_t n) {
  if (position == 0 || position > text.size()) return {};
  return text.substr(position - 1, n);
}

}  // namespace brivant
