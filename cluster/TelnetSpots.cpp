#include "cluster/TelnetSpots.h"

#include <charconv>
#include <chrono>
#include <cstdio>
#include <string>

#include "core/Text.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

constexpr std::string_view SpotStart = "DX DE ";
constexpr int HalfDayMinutes = 12 * 60;

struct Token {
  std::size_t start = 0;
  std::string_view text;
};

std::vector<Token> tokensOf(std::string_view text) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ') ++i;
    if (i > start) tokens.push_back({start, text.substr(start, i - start)});
  }
  return tokens;
}

// "hhmmZ" as minutes of the day.
std::optional<int> minutesOfTime(std::string_view token) {
  if (token.size() != 5 || token[4] != 'Z') return std::nullopt;
  for (std::size_t i = 0; i < 4; ++i)
    if (!isAsciiDigit(token[i])) return std::nullopt;
  const int hours = (token[0] - '0') * 10 + (token[1] - '0');
  const int minutes = (token[2] - '0') * 10 + (token[3] - '0');
  if (hours > 23 || minutes > 59) return std::nullopt;
  return hours * 60 + minutes;
}

std::optional<double> kilohertz(std::string_view token) {
  if (token.empty() || !isAsciiDigit(token.front()) || !isAsciiDigit(token.back())) return std::nullopt;
  double khz = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), khz, std::chars_format::fixed);
  if (error != std::errc() || end != token.data() + token.size()) return std::nullopt;
  return khz;
}

std::string spotDate(const ClockFields& now, int spotMinutes) {
  using namespace std::chrono;
  sys_days day{year{now.year} / month{static_cast<unsigned>(now.month)} / static_cast<unsigned>(now.day)};
  if (spotMinutes > now.hour * 60 + now.minute + HalfDayMinutes) day -= days{1};
  const year_month_day date{day};
  char text[48];
  std::snprintf(text, sizeof text, "%02d-%02u-%02u %02d%02d", static_cast<int>(date.year()) % 100,
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()), spotMinutes / 60,
                spotMinutes % 60);
  return text;
}

}  // namespace

std::optional<TelnetSpot> parseDxLine(std::string_view raw, const ClockFields& utcNow) {
  std::string line = Cp1252::upper(raw);
  for (char& c : line)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';  // tabs, bells
  const std::string_view text(line);
  if (!text.starts_with(SpotStart)) return std::nullopt;
  const std::size_t colon = text.find(':', SpotStart.size());
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view spotter = trimBlanks(text.substr(SpotStart.size(), colon - SpotStart.size()));
  const std::string_view rest = text.substr(colon + 1);
  const std::vector<Token> tokens = tokensOf(rest);
  if (tokens.size() < 3) return std::nullopt;
  const std::optional<double> khz = kilohertz(tokens[0].text);
  if (!khz) return std::nullopt;
  // The time is the last "hhmmZ" after the callsign; a locator may follow it.
  for (std::size_t t = tokens.size() - 1; t >= 2; --t) {
    const std::optional<int> minutes = minutesOfTime(tokens[t].text);
    if (!minutes) continue;
    const std::size_t commentStart = tokens[1].start + tokens[1].text.size();
    const std::string_view comment = trimBlanks(rest.substr(commentStart, tokens[t].start - commentStart));
    std::optional<Spot> spot =
        fittedSpot(spotDate(utcNow, *minutes), tokens[1].text, tokens[0].text, spotter, std::string(comment));
    if (!spot) return std::nullopt;
    return TelnetSpot{std::move(*spot), *khz};
  }
  return std::nullopt;
}

void TelnetSpots::add(TelnetSpot spot) {
  spots_.push_back(std::move(spot));
  if (spots_.size() > Kept) spots_.pop_front();
}

std::vector<Spot> TelnetSpots::latestOf(const ClusterBandEntry& entry) const {
  std::vector<Spot> latest;
  for (auto it = spots_.rbegin(); it != spots_.rend() && latest.size() < Shown; ++it)
    if (holdsFrequency(entry, it->khz)) latest.push_back(it->spot);
  return {latest.rbegin(), latest.rend()};
}

}  // namespace brivant
