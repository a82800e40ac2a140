// The minute refresh against the wall clock: on the minute through an
// ordinary day, at once when the clock is set or the machine wakes, and the
// alarm whose minute passed meanwhile going off once, late.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <cstdio>

#include "alarms/alarm_fixture.h"

namespace meridex {
namespace {

using std::chrono::hours;
using std::chrono::milliseconds;
using std::chrono::minutes;
using test::AlarmFixture;
using test::Utc;

// "hh:mm a/p" of an instant in a zone `offset` hours ahead of UTC.
std::string ClockText(UtcTime utc, int offset) {
  const auto local = std::chrono::floor<minutes>(utc) + hours{offset};
  const auto sinceMidnight = (local - std::chrono::floor<std::chrono::days>(local)).count();
  const int hour = static_cast<int>(sinceMidnight / 60),
            minute = static_cast<int>(sinceMidnight % 60);
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d %c", hour % 12 == 0 ? 12 : hour % 12, minute,
                hour < 12 ? 'a' : 'p');
  return text;
}

// Berlin UTC+1, Cabin UTC-5, Tokyo UTC+9; the clock starts at 23:58:30 UTC on
// Tuesday 8 December 2026. The alarm is at 09:00 in Tokyo, 00:00 UTC.
class AlarmClock : public AlarmFixture {
 protected:
  void SetUp() override {
    install();
    start();
    setAlarm("Tokyo", "09:00 AM");
    t.dialogs.clear();
  }
  // The time the Tokyo row shows.
  std::string tokyoRow() const {
    return cityList->CityCheckBox->item(rowOf("Tokyo"))->text().toStdString().substr(2, 7);
  }
  // Whether the alarm message is up, then dismissed; `late` tells how it came.
  bool alarmShown(bool* late = nullptr) {
    if (!message->isVisible()) return false;
    if (late) *late = message->Label1->text() == "Late alarm: it was ";
    EXPECT_EQ(message->AlTimeLabel->text(), "09:00 a");
    message->BitBtn1Click();
    return true;
  }
};

TEST_F(AlarmClock, AnOrdinaryDayRefreshesWithinASecondOfEveryMinuteAndRingsOnce) {
  int shown = 0;
  bool late = true;
  UtcTime minute = Utc(2026, 12, 8, 23, 59);
  for (int i = 0; i < 24 * 60; ++i, minute += minutes{1}) {
    t.clock.runUntil(minute - milliseconds{1});
    ASSERT_EQ(tokyoRow(), ClockText(minute - minutes{1}, 9)) << i;
    t.clock.runUntil(minute + milliseconds{999});
    ASSERT_EQ(tokyoRow(), ClockText(minute, 9)) << i;
    shown += alarmShown(&late);
  }
  EXPECT_EQ(shown, 1);
  EXPECT_FALSE(late);
  EXPECT_TRUE(t.dialogs.shown.empty()) << t.dialogs.lastText();
}

TEST_F(AlarmClock, TheWakeIsAskedForTheStartOfEachMinuteSixtySecondsApart) {
  EXPECT_EQ(cityList->Timer1->wakeTime(), Utc(2026, 12, 8, 23, 59));
  t.clock.runUntil(Utc(2026, 12, 8, 23, 59, 0));
  EXPECT_EQ(cityList->Timer1->wakeTime(), Utc(2026, 12, 9, 0, 0));
  t.clock.runUntil(Utc(2026, 12, 9, 0, 0, 40));
  EXPECT_EQ(cityList->Timer1->wakeTime(), Utc(2026, 12, 9, 0, 1));
}

TEST_F(AlarmClock, AClockSetThreeHoursOverTheAlarmRefreshesAtOnceAndRingsOnceLate) {
  t.clock.runUntil(Utc(2026, 12, 8, 23, 59, 10));
  EXPECT_EQ(tokyoRow(), "08:59 a");
  t.clock.jumpTo(Utc(2026, 12, 9, 2, 59, 10));
  EXPECT_EQ(tokyoRow(), "11:59 a");
  bool late = false;
  EXPECT_TRUE(alarmShown(&late));
  EXPECT_TRUE(late);
  t.clock.runUntil(Utc(2026, 12, 9, 4, 0));
  EXPECT_FALSE(alarmShown());
  EXPECT_EQ(tokyoRow(), "01:00 p");

  // A jump that passes no alarm time rings nothing.
  t.clock.jumpTo(Utc(2026, 12, 9, 7, 0, 5));
  EXPECT_EQ(tokyoRow(), "04:00 p");
  EXPECT_FALSE(alarmShown());
}

TEST_F(AlarmClock, AClockSetBackwardsShowsTheEarlierTimeAndDoesNotRingTwice) {
  t.clock.runUntil(Utc(2026, 12, 9, 0, 0, 5));
  bool late = true;
  EXPECT_TRUE(alarmShown(&late));
  EXPECT_FALSE(late);
  t.clock.runUntil(Utc(2026, 12, 9, 0, 10, 0));
  t.clock.jumpTo(Utc(2026, 12, 8, 23, 55, 20));
  EXPECT_EQ(tokyoRow(), "08:55 a");
  t.clock.runUntil(Utc(2026, 12, 9, 0, 5));
  EXPECT_FALSE(alarmShown());
  EXPECT_EQ(tokyoRow(), "09:05 a");
  // The next day it rings again, on time.
  t.clock.runUntil(Utc(2026, 12, 10, 0, 0, 1));
  EXPECT_TRUE(alarmShown(&late));
  EXPECT_FALSE(late);
}

TEST_F(AlarmClock, WakingFromASleepOverTheAlarmRefreshesAtOnceAndRingsLate) {
  t.clock.runUntil(Utc(2026, 12, 8, 23, 59, 30));
  t.clock.resumeAt(Utc(2026, 12, 9, 5, 0, 20));
  EXPECT_EQ(tokyoRow(), "02:00 p");
  EXPECT_EQ(cityList->Label2->text(), "Local Time 05:00 a");
  bool late = false;
  EXPECT_TRUE(alarmShown(&late));
  EXPECT_TRUE(late);
  // A sleep of several days rings once, not once a day.
  t.clock.resumeAt(Utc(2026, 12, 13, 5, 0, 20));
  EXPECT_TRUE(alarmShown());
  t.clock.runUntil(Utc(2026, 12, 13, 6, 0));
  EXPECT_FALSE(alarmShown());
}

}  // namespace
}  // namespace meridex
