#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

#include "common/clock.h"

class QSocketNotifier;

namespace meridex {

// The machine's wall-clock timer: a timer file descriptor on the real-time
// clock, armed for an absolute instant and cancelled whenever that clock is
// set, watched by the event loop. The kernel fires such a timer on resume
// when its instant passed during the sleep. Where there is no timer file
// descriptor it looks at the clock every second instead.
class QtWallClockTimer final : public QObject, public WallClockTimer {
  Q_OBJECT
 public:
  explicit QtWallClockTimer(QObject* parent = nullptr);
  ~QtWallClockTimer() override;

  void wakeAt(UtcTime when, std::function<void()> wake) override;
  std::optional<UtcTime> wakeTime() const override { return when_; }

 private:
  void armPoll();
  void fire();

  int fd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  QTimer poll_;
  std::optional<UtcTime> when_;
  std::function<void()> wake_;
};

// The wall-clock timer for a window: the clock's own where it keeps timers
// (a test's clock), the machine's otherwise.
std::unique_ptr<WallClockTimer> MakeWallClockTimer(Clock& clock);

}  // namespace meridex
