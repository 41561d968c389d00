#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <ostream>
#include <string>

namespace brivant {
void PrintTo(const ClockFields& f, std::ostream* out) {
  *out << f.year << '-' << f.month << '-' << f.day << ' ' << f.hour << ':' << f.minute << ':' << f.second;
}
}  // namespace brivant

namespace {

using brivant::ClockFields;
using brivant::FixedClock;

TEST(FixedClock, LocalTimeRollsOverDaysMonthsAndYears) {
  struct Case {
    const char* name;
    ClockFields utc;
    int offsetMinutes;
    ClockFields local;
  };
  const Case cases[] = {
      {"same day", {2024, 6, 15, 10, 20, 30}, 120, {2024, 6, 15, 12, 20, 30}},
      {"midnight east, UTC still the day before", {2024, 6, 15, 22, 0, 0}, 120, {2024, 6, 16, 0, 0, 0}},
      {"end of month east", {2024, 4, 30, 23, 30, 5}, 60, {2024, 5, 1, 0, 30, 5}},
      {"new year east", {2023, 12, 31, 23, 0, 0}, 60, {2024, 1, 1, 0, 0, 0}},
      {"new year west", {2024, 1, 1, 2, 0, 0}, -300, {2023, 12, 31, 21, 0, 0}},
      {"into Feb 29", {2024, 3, 1, 2, 0, 0}, -180, {2024, 2, 29, 23, 0, 0}},
      {"Feb 28 in a common year", {2023, 3, 1, 2, 0, 0}, -180, {2023, 2, 28, 23, 0, 0}},
      {"out of Feb 29", {2024, 2, 29, 23, 15, 0}, 60, {2024, 3, 1, 0, 15, 0}},
      {"2000 is leap", {2000, 3, 1, 0, 30, 0}, -60, {2000, 2, 29, 23, 30, 0}},
      {"2100 is not", {2100, 3, 1, 0, 30, 0}, -60, {2100, 2, 28, 23, 30, 0}},
      {"half-hour zone", {2024, 7, 31, 18, 45, 0}, 330, {2024, 8, 1, 0, 15, 0}},
      {"a whole day ahead", {2024, 12, 31, 12, 0, 0}, 14 * 60, {2025, 1, 1, 2, 0, 0}},
  };
  for (const auto& c : cases) {
    const FixedClock clock(c.utc, c.offsetMinutes);
    EXPECT_EQ(clock.localNow(), c.local) << c.name;
    EXPECT_EQ(clock.utcNow(), c.utc) << c.name;
  }
}

TEST(FixedClock, AdvanceAndSet) {
  FixedClock clock({2024, 2, 28, 23, 59, 59}, 60);
  clock.advanceSeconds(1);
  EXPECT_EQ(clock.utcNow(), (ClockFields{2024, 2, 29, 0, 0, 0}));
  EXPECT_EQ(clock.localNow(), (ClockFields{2024, 2, 29, 1, 0, 0}));
  clock.advanceSeconds(24 * 3600);
  EXPECT_EQ(clock.utcNow(), (ClockFields{2024, 3, 1, 0, 0, 0}));
  clock.advanceSeconds(-24 * 3600 - 1);
  EXPECT_EQ(clock.utcNow(), (ClockFields{2024, 2, 28, 23, 59, 59}));
  clock.advanceSeconds(366LL * 24 * 3600);
  EXPECT_EQ(clock.utcNow(), (ClockFields{2025, 2, 28, 23, 59, 59}));
  clock.set({2011, 10, 25, 8, 0, 0});
  EXPECT_EQ(clock.localNow(), (ClockFields{2011, 10, 25, 9, 0, 0}));
}

// Sets TZ for one test and restores it.
class ZoneGuard {
 public:
  explicit ZoneGuard(const char* zone) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  ~ZoneGuard() {
    if (saved_) {
      ::setenv("TZ", saved_->c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }
  ZoneGuard(const ZoneGuard&) = delete;
  ZoneGuard& operator=(const ZoneGuard&) = delete;

 private:
  std::optional<std::string> saved_;
};

TEST(SystemClock, ReadsTheSystemTimeInUtcAndInTheLocalZone) {
  ZoneGuard zone("XYZ-3");  // three hours east of UTC, no summer time
  const brivant::SystemClock clock;
  // Read until both readings fall in the same second.
  for (int attempt = 0; attempt < 5; ++attempt) {
    const std::time_t before = std::time(nullptr);
    const ClockFields utc = clock.utcNow();
    const ClockFields local = clock.localNow();
    if (std::time(nullptr) != before) continue;
    std::tm expected{};
    gmtime_r(&before, &expected);
    EXPECT_EQ(utc, (ClockFields{expected.tm_year + 1900, expected.tm_mon + 1, expected.tm_mday, expected.tm_hour,
                                expected.tm_min, expected.tm_sec}));
    EXPECT_EQ(local, FixedClock(utc, 180).localNow());
    return;
  }
  FAIL() << "the clock never held still for a second";
}

}  // namespace
