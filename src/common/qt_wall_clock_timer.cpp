#include "common/qt_wall_clock_timer.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <algorithm>
#include <cstdint>

namespace meridex {

namespace {

timespec ToTimespec(UtcTime when) {
  const auto ms = when.time_since_epoch().count();
  const auto seconds = ms >= 0 ? ms / 1000 : (ms - 999) / 1000;
  return timespec{static_cast<time_t>(seconds), static_cast<long>((ms - seconds * 1000) * 1000000)};
}

UtcTime SystemNow() {
  return std::chrono::time_point_cast<Millis>(std::chrono::system_clock::now());
}

}  // namespace

QtWallClockTimer::QtWallClockTimer(QObject* parent) : QObject(parent) {
  fd_ = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
  if (fd_ >= 0) {
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
      // Either the instant came or the clock was set (the read then fails
      // with ECANCELED); both are a reason to wake.
      std::uint64_t expirations = 0;
      [[maybe_unused]] const ssize_t n = ::read(fd_, &expirations, sizeof expirations);
      fire();
    });
  }
  poll_.setSingleShot(true);
  poll_.setTimerType(Qt::PreciseTimer);
  connect(&poll_, &QTimer::timeout, this, [this] {
    if (when_ && SystemNow() >= *when_) {
      fire();
    } else {
      armPoll();
    }
  });
}

QtWallClockTimer::~QtWallClockTimer() {
  if (fd_ >= 0) ::close(fd_);
}

void QtWallClockTimer::wakeAt(UtcTime when, std::function<void()> wake) {
  when_ = when;
  wake_ = std::move(wake);
  if (fd_ >= 0) {
    itimerspec arming{};
    arming.it_value = ToTimespec(when);
    if (arming.it_value.tv_sec == 0 && arming.it_value.tv_nsec == 0) arming.it_value.tv_nsec = 1;
    if (::timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &arming, nullptr) ==
        0) {
      return;
    }
  }
  armPoll();
}

void QtWallClockTimer::armPoll() {
  // Looking at least once a second notices a change of the clock in time.
  const auto left = when_ ? (*when_ - SystemNow()).count() : 1000;
  poll_.start(static_cast<int>(std::clamp<std::int64_t>(left, 0, 1000)));
}

void QtWallClockTimer::fire() {
  if (!when_) return;  // a notice that came after the request was served
  when_.reset();
  if (fd_ >= 0) {
    const itimerspec off{};
    ::timerfd_settime(fd_, 0, &off, nullptr);
  }
  poll_.stop();
  const std::function<void()> wake = std::move(wake_);
  wake_ = nullptr;
  if (wake) wake();
}

std::unique_ptr<WallClockTimer> MakeWallClockTimer(Clock& clock) {
  if (std::unique_ptr<WallClockTimer> own = clock.ownTimer()) return own;
  return std::make_unique<QtWallClockTimer>();
}

}  // namespace meridex
