#include "platform/Clock.h"

#include <chrono>
#include <ctime>

namespace brivant {

namespace {

using namespace std::chrono;

ClockFields fromTm(const std::tm& tm) {
  return ClockFields{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

sys_seconds toInstant(const ClockFields& f) {
  const sys_days midnight{year{f.year} / month{static_cast<unsigned>(f.month)} / day{static_cast<unsigned>(f.day)}};
  return midnight + hours{f.hour} + minutes{f.minute} + seconds{f.second};
}

ClockFields fromInstant(sys_seconds instant) {
  const sys_days midnight = floor<days>(instant);
  const year_month_day date{midnight};
  const hh_mm_ss<seconds> time{instant - midnight};
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

ClockFields FixedClock::localNow() const { return fromInstant(toInstant(utc_) + minutes{offsetMinutes_}); }

void FixedClock::advanceSeconds(long long secondsToAdd) { utc_ = fromInstant(toInstant(utc_) + seconds{secondsToAdd}); }

}  // namespace brivant
