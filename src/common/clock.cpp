#include "common/clock.h"

#include <ctime>

namespace meridex {

UtcTime SystemClock::utcNow() const {
  return std::chrono::time_point_cast<Millis>(std::chrono::system_clock::now());
}

LocalTime SystemClock::localNow() const {
  const UtcTime now = utcNow();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm parts{};
  localtime_r(&seconds, &parts);
  return LocalTime{now.time_since_epoch() + std::chrono::seconds{parts.tm_gmtoff}};
}

std::uint64_t SystemClock::tickMs() const {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint64_t>(std::chrono::duration_cast<Millis>(since).count());
}

}  // namespace meridex
