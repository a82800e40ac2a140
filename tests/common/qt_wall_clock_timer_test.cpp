#include "common/qt_wall_clock_timer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

namespace meridex {
namespace {

UtcTime Now() { return std::chrono::time_point_cast<Millis>(std::chrono::system_clock::now()); }

// The machine's timer wakes at the wall-clock instant, and at once for one
// already passed; a new request replaces the old one.
TEST(QtWallClockTimer, WakesAtTheInstantAskedForAndOnlyForTheLastRequest) {
  QtWallClockTimer timer;
  int first = 0, second = 0;
  UtcTime woke{};
  timer.wakeAt(Now() + std::chrono::hours{1}, [&] { ++first; });
  const UtcTime at = Now() + std::chrono::milliseconds{150};
  timer.wakeAt(at, [&] {
    ++second;
    woke = Now();
  });
  EXPECT_EQ(timer.wakeTime(), at);
  EXPECT_TRUE(QTest::qWaitFor([&] { return second == 1; }, 10000));
  EXPECT_GE(woke, at);  // never early
  EXPECT_EQ(first, 0);
  EXPECT_FALSE(timer.wakeTime().has_value());

  int late = 0;
  timer.wakeAt(Now() - std::chrono::minutes{5}, [&] { ++late; });
  EXPECT_TRUE(QTest::qWaitFor([&] { return late == 1; }, 10000));
  QTest::qWait(50);
  EXPECT_EQ(late, 1);  // once
}

TEST(WallClockTimers, AClockWithTimersOfItsOwnGivesThoseAndTheMachinesGivesTheRealOne) {
  SystemClock machine;
  auto timer = MakeWallClockTimer(machine);
  EXPECT_NE(dynamic_cast<QtWallClockTimer*>(timer.get()), nullptr);
}

}  // namespace
}  // namespace meridex
