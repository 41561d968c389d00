#include "platform/Clock.h"

#include <chrono>
#include <ctime>

namespace brivant {

namespace {

namespace chrono = std::chrono;

ClockFields fromTm(const std::tm& tm) {
  return ClockFields{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

chrono::sys_seconds toInstant(const ClockFields& f) {
  const chrono::sys_days midnight{chrono::year{f.year} / chrono::month{static_cast<unsigned>(f.month)} /
                                  chrono::day{static_cast<unsigned>(f.day)}};
  return midnight + chrono::hours{f.hour} + chrono::minutes{f.minute} + chrono::seconds{f.second};
}

ClockFields fromInstant(chrono::sys_seconds instant) {
  const chrono::sys_days midnight = chrono::floor<chrono::days>(instant);
  const chrono::year_month_day date{midnight};
  const chrono::hh_mm_ss<chrono::seconds> time{instant - midnight};
  return ClockFields{static_cast<int>(date.year()),
                     static_cast<int>(static_cast<unsigned>(date.month())),
                     static_cast<int>(static_cast<unsigned>(date.day())),
                     static_cast<int>(time.hours().count()),
                     static_cast<int>(time.minutes().count()),
                     static_cast<int>(time.seconds().count())};
}

}  // namespace

ClockFields SystemClock::utcNow() const {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  gmtime_r(&now, &tm);
  return fromTm(tm);
}

ClockFields SystemClock::localNow() const {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return fromTm(tm);
}

ClockFields FixedClock::localNow() const { return fromInstant(toInstant(utc_) + chrono::minutes{offsetMinutes_}); }

void FixedClock::advanceSeconds(long long secondsToAdd) {
  utc_ = fromInstant(toInstant(utc_) + chrono::seconds{secondsToAdd});
}

}  // namespace brivant
