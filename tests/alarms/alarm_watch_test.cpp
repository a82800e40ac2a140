#include <gtest/gtest.h>

#include "alarms/alarm_state.h"
#include "support/fake_clock.h"
#include "worldtime/city_test_data.h"
#include "worldtime/local_time.h"

namespace meridex {
namespace {

using std::chrono::hours;
using std::chrono::minutes;
using test::DatabaseCity;
using test::Utc;

// The check as the refresh runs it: the times computed for `now`, then the
// watch asked.
class Watch : public ::testing::Test {
 protected:
  Watch() {
    // Sydney: daylight saving from the first Sunday in October to the first
    // in April.
    table.insert(0, DatabaseCity("Sydney", 10, DaylightSavingRule{3, 1, 4, 1, 2, 1, 10, 1}), '1');
    alarm = AlarmState{1, kSoundNone, table.Entries[0].Name, "07:00 a", "Run"};
  }
  AlarmDue at(UtcTime now) {
    RefreshHourOffsets(table, now);
    ComputeLocalTime(table.Entries[0], now);
    return watch.check(alarm, table, now);
  }
  CityTable table;
  AlarmState alarm;
  AlarmWatch watch;
};

TEST_F(Watch, OnTimeInItsMinuteOnlyOnceAndLateAfterAGapOverIt) {
  // 07:00 in Sydney (UTC+11 in January) is 20:00 UTC the day before.
  EXPECT_EQ(at(Utc(2027, 1, 14, 19, 59, 1)), AlarmDue::adNone);
  EXPECT_EQ(at(Utc(2027, 1, 14, 20, 0, 1)), AlarmDue::adOnTime);
  EXPECT_EQ(at(Utc(2027, 1, 14, 20, 0, 40)), AlarmDue::adNone);  // the same minute again
  // A gap that holds the next day's alarm minute: late, once.
  EXPECT_EQ(at(Utc(2027, 1, 15, 19, 0)), AlarmDue::adNone);
  EXPECT_EQ(at(Utc(2027, 1, 15, 23, 0)), AlarmDue::adLate);
  EXPECT_EQ(at(Utc(2027, 1, 15, 23, 1)), AlarmDue::adNone);
  // A gap that ends just before the alarm minute, then the minute itself.
  EXPECT_EQ(at(Utc(2027, 1, 16, 19, 59)), AlarmDue::adNone);
  EXPECT_EQ(at(Utc(2027, 1, 16, 20, 0)), AlarmDue::adOnTime);
}

TEST_F(Watch, TheLateSearchFollowsDaylightSavingWithinTheGap) {
  // Daylight saving ends on Sunday 4 April 2027 at 03:00: 07:00 that day is
  // 21:00 UTC on the 3rd, not 20:00.
  EXPECT_EQ(at(Utc(2027, 4, 3, 20, 30)), AlarmDue::adNone);
  EXPECT_EQ(at(Utc(2027, 4, 3, 20, 59)), AlarmDue::adNone);
  EXPECT_EQ(at(Utc(2027, 4, 3, 21, 30)), AlarmDue::adLate);
}

TEST_F(Watch, NothingForAnAlarmNotSetOrALocationNoLongerThere) {
  alarm.AlarmSet = 0;
  EXPECT_EQ(at(Utc(2027, 1, 14, 19, 0)), AlarmDue::adNone);
  EXPECT_EQ(at(Utc(2027, 1, 14, 23, 0)), AlarmDue::adNone);
  alarm.AlarmSet = 1;
  alarm.AlarmCity = "Atlantis";
  EXPECT_EQ(at(Utc(2027, 1, 15, 20, 0)), AlarmDue::adNone);
}

TEST(RestoreAlarm, TakesAWorkingAlarmAsStored) {
  UserPreferences p;
  p.AlarmSet = 1;
  p.AlarmSound = kSoundRooster;
  p.AlarmTime = "07:05 PM";
  p.AlarmCity = "Tokyo                      ";
  p.AlarmMessage = "Call";
  AlarmState a;
  EXPECT_EQ(RestoreAlarm(p, a), "");
  EXPECT_EQ(a.AlarmSet, 1);
  EXPECT_EQ(a.AlarmTimeText, "07:05 p");
  EXPECT_EQ(a.AlarmSound, kSoundRooster);
  EXPECT_EQ(a.AlarmCity, p.AlarmCity);
  // An alarm not set is not checked: its time may be anything.
  p.AlarmSet = 0;
  p.AlarmTime = "99:99";
  EXPECT_EQ(RestoreAlarm(p, a), "");
}

}  // namespace
}  // namespace meridex
