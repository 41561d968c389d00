#pragma once
// UTC and local time broken into fields; a fixed clock for tests.

namespace brivant {

struct ClockFields {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
  bool operator==(const ClockFields&) const = default;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual ClockFields utcNow() const = 0;
  virtual ClockFields localNow() const = 0;
};

class SystemClock final : public Clock {
 public:
  ClockFields utcNow() const override;
  ClockFields localNow() const override;
};

// A clock that stands still at a given UTC instant, in a zone offset from UTC
// by a fixed number of minutes (east positive).
class FixedClock final : public Clock {
 public:
  explicit FixedClock(ClockFields utc, int offsetMinutes = 0) : utc_(utc), offsetMinutes_(offsetMinutes) {}
  ClockFields utcNow() const override { return utc_; }
  ClockFields localNow() const override;
  void set(ClockFields utc) { utc_ = utc; }
  void advanceSeconds(long long seconds);

 private:
  ClockFields utc_;
  int offsetMinutes_;
};

}  // namespace brivant
