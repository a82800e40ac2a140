#pragma once

#include <chrono>
#include <cstdint>

namespace meridex {

using Millis = std::chrono::milliseconds;
using UtcTime = std::chrono::sys_time<Millis>;
using LocalTime = std::chrono::local_time<Millis>;

// The program's only time source: the machine's UTC clock, its local time and
// a millisecond tick for measuring intervals.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual UtcTime utcNow() const = 0;
  virtual LocalTime localNow() const = 0;
  virtual std::uint64_t tickMs() const = 0;
};

// The machine's clock; local time follows the machine's time-zone setting.
class SystemClock final : public Clock {
 public:
  UtcTime utcNow() const override;
  LocalTime localNow() const override;
  std::uint64_t tickMs() const override;
};

}  // namespace meridex
