#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

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
// Its wall-clock timers fire only when the test lets time run (runUntil),
// resumes from a sleep (resumeAt) or sets the clock (jumpTo); set() and
// advance() move the time without waking anything.
class FakeClock final : public Clock {
 public:
  explicit FakeClock(UtcTime now = Utc(2026, 1, 5, 12, 0)) : now_(now) {}

  UtcTime utcNow() const override { return now_; }
  LocalTime localNow() const override { return LocalTime{now_.time_since_epoch() + localOffset_}; }
  std::uint64_t tickMs() const override {
    return static_cast<std::uint64_t>(now_.time_since_epoch().count());
  }
  std::unique_ptr<WallClockTimer> ownTimer() override { return std::make_unique<Timer>(timers_); }

  void set(UtcTime now) { now_ = now; }
  void advance(Millis by) { now_ += by; }
  void setLocalOffset(std::chrono::minutes offset) { localOffset_ = offset; }

  // Time runs until `end`: every timer fires at its instant, in order.
  // A timer that keeps asking for an instant already passed would spin for
  // ever; that is a fault of its user.
  void runUntil(UtcTime end) {
    int atSameInstant = 0;
    while (Timer* next = earliestDue(end)) {
      atSameInstant = *next->when <= now_ ? atSameInstant + 1 : 0;
      if (atSameInstant > 100) throw std::logic_error("a timer keeps asking for a passed instant");
      now_ = std::max(now_, *next->when);
      next->fire();
    }
    now_ = std::max(now_, end);
  }
  // The machine slept until `at`: timers whose instant passed fire on waking.
  void resumeAt(UtcTime at) {
    now_ = at;
    while (Timer* next = earliestDue(at)) next->fire();
  }
  // The clock is set to `to`, forwards or backwards: every timer fires.
  void jumpTo(UtcTime to) {
    now_ = to;
    std::vector<Timer*> armed;
    for (Timer* t : *timers_) {
      if (t->when) armed.push_back(t);
    }
    for (Timer* t : armed) t->fire();
  }

 private:
  class Timer final : public WallClockTimer {
   public:
    explicit Timer(std::shared_ptr<std::vector<Timer*>> all) : all_(std::move(all)) {
      all_->push_back(this);
    }
    ~Timer() override { std::erase(*all_, this); }
    void wakeAt(UtcTime at, std::function<void()> wake) override {
      when = at;
      wake_ = std::move(wake);
    }
    std::optional<UtcTime> wakeTime() const override { return when; }
    void fire() {
      when.reset();
      const std::function<void()> wake = std::move(wake_);
      wake_ = nullptr;
      if (wake) wake();
    }
    std::optional<UtcTime> when;

   private:
    std::shared_ptr<std::vector<Timer*>> all_;
    std::function<void()> wake_;
  };

  Timer* earliestDue(UtcTime end) const {
    Timer* next = nullptr;
    for (Timer* t : *timers_) {
      if (t->when && *t->when <= end && (!next || *t->when < *next->when)) next = t;
    }
    return next;
  }

  UtcTime now_;
  Millis localOffset_{0};
  std::shared_ptr<std::vector<Timer*>> timers_ = std::make_shared<std::vector<Timer*>>();
};

}  // namespace meridex::test
