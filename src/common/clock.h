#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace meridex {

using Millis = std::chrono::milliseconds;
using UtcTime = std::chrono::sys_time<Millis>;
using LocalTime = std::chrono::local_time<Millis>;

// Wakes the program at an instant of the wall clock. Unlike a timer that
// counts elapsed time, it keeps to the wall clock: when the machine slept
// through the instant it wakes on resuming, and when the wall clock is set
// (by the user or by time synchronisation) it wakes at once, so that the
// caller can look at the new time and ask again.
class WallClockTimer {
 public:
  virtual ~WallClockTimer() = default;
  // Calls `wake` once, at `when` or at once when `when` has passed. A new
  // request replaces the one before.
  virtual void wakeAt(UtcTime when, std::function<void()> wake) = 0;
  // The instant asked for, while a request is waiting.
  virtual std::optional<UtcTime> wakeTime() const = 0;
};

// The program's only time source: the machine's UTC clock, its local time and
// a millisecond tick for measuring intervals.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual UtcTime utcNow() const = 0;
  virtual LocalTime localNow() const = 0;
  virtual std::uint64_t tickMs() const = 0;
  // A timer on this clock's wall time, from a clock that keeps its own timers
  // (a test's clock, whose time only moves when the test moves it). The
  // machine's clock keeps none: its timers come from the event loop
  // (MakeWallClockTimer).
  virtual std::unique_ptr<WallClockTimer> ownTimer() { return nullptr; }
};

// The machine's clock; local time follows the machine's time-zone setting.
class SystemClock final : public Clock {
 public:
  UtcTime utcNow() const override;
  LocalTime localNow() const override;
  std::uint64_t tickMs() const override;
};

}  // namespace meridex
