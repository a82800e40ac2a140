#pragma once

#include <chrono>

#include "common/clock.h"

namespace meridex::test {

// A UTC instant from calendar fields.
inline UtcTime Utc(int year, unsigned month, unsigned day, int hour = 0, int minute = 0,
                   int second = 0) {
  using namespace std::chrono;
  const sys_days date =
      year_month_day{std::chrono::year{year}, std::chrono::month{month}, std::chrono::day{day}};
  return UtcTime{date} + hours{hour} + minutes{minute} + seconds{second};
}

// A clock the test sets by hand. Local time is UTC plus a fixed offset.
class FakeClock final : public Clock {
 public:
  explicit FakeClock(UtcTime now = Utc(2026, 1, 5, 12, 0)) : now_(now) {}

  UtcTime utcNow() const override { return now_; }
  LocalTime localNow() const override { return LocalTime{now_.time_since_epoch() + localOffset_}; }
  std::uint64_t tickMs() const override {
    return static_cast<std::uint64_t>(now_.time_since_epoch().count());
  }

  void set(UtcTime now) { now_ = now; }
  void advance(Millis by) { now_ += by; }
  void setLocalOffset(std::chrono::minutes offset) { localOffset_ = offset; }

 private:
  UtcTime now_;
  Millis localOffset_{0};
};

}  // namespace meridex::test
