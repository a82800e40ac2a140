#include <gtest/gtest.h>
#include <malloc.h>

#include <QApplication>
#include <filesystem>
#include <map>

#if defined(__SANITIZE_ADDRESS__)
#define MERIDEX_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MERIDEX_ADDRESS_SANITIZER 1
#endif
#endif
#ifdef MERIDEX_ADDRESS_SANITIZER
// The sanitizer's allocator statistics (its public interface; g++ ships the
// library but not the header that declares it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

#include "alarms/alarm_fixture.h"
#include "worldtime/local_time.h"

namespace meridex {
namespace {

using test::AlarmFixture;
using test::DatabaseCity;
using test::Utc;

int OpenFileDescriptors() {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    (void)entry;
    ++count;
  }
  return count;
}

int LiveWidgets() { return static_cast<int>(QApplication::allWidgets().size()); }

// The bytes the program holds on the heap. The address sanitizer replaces the
// C library's allocator, whose statistics then stay empty; its own count of
// the bytes allocated and not yet freed means the same.
std::size_t HeapInUse() {
#ifdef MERIDEX_ADDRESS_SANITIZER
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

// A year of minute ticks through the clock engine: an alarm at 07:30 in
// Berlin goes off exactly once every day, daylight saving changes included.
TEST(AlarmLongRun, AYearOfMinutesGoesOffOncePerDay) {
  CityTable table;
  table.insert(0, DatabaseCity("Berlin", 1, DaylightSavingRule{2, 1, 10, 25, 2, 1, 3, 25}), '1');
  table.insert(1, DatabaseCity("Honolulu", 14), '0');
  table.insert(2, DatabaseCity("Sydney", 10, DaylightSavingRule{2, 1, 4, 1, 2, 1, 10, 1}), '1');
  AlarmState alarm{1, kSoundPhone, table.Entries[0].Name, "07:30 a", "Coffee"};
  UtcTime now = Utc(2027, 1, 1, 0, 0, 20);
  std::map<std::chrono::sys_days, int> perDay;
  for (int minute = 0; minute < 365 * 24 * 60; ++minute, now += std::chrono::minutes{1}) {
    RefreshHourOffsets(table, now);
    for (int i = 0; i < table.Count; ++i)
      ComputeLocalTime(table.Entries[static_cast<std::size_t>(i)], now);
    if (AlarmGoesOff(alarm, table)) {
      // Count by Berlin's local date.
      const auto local = now + std::chrono::hours{table.Entries[0].HourOffset};
      ++perDay[std::chrono::floor<std::chrono::days>(local)];
    }
  }
  EXPECT_EQ(perDay.size(), 365u);
  for (const auto& [day, times] : perDay) EXPECT_EQ(times, 1);
}

// The windows through a year of ticks: the alarm comes once a day and nothing
// accumulates (widgets, file descriptors, heap).
class AlarmWindowsLongRun : public AlarmFixture {};

TEST_F(AlarmWindowsLongRun, AYearOfTicksLeavesNothingBehind) {
  install();
  start();
  setAlarm("Tokyo", "09:00 AM", kSoundPhone);
  const auto runDay = [this] {
    int shown = 0;
    for (int minute = 0; minute < 24 * 60; ++minute) {
      if (minutePasses()) {
        ++shown;
        message->WavTimerTimer();
      }
    }
    return shown;
  };
  EXPECT_EQ(runDay(), 1);  // warm-up: caches, fonts
  const int widgets = LiveWidgets();
  const int files = OpenFileDescriptors();
  const std::size_t heap = HeapInUse();
  ASSERT_GT(heap, 0u) << "no heap statistics to compare";
  int days = 0;
  for (int day = 1; day < 365; ++day) {
    days += runDay() == 1;
    t.sound.calls.clear();  // the recording itself would grow
  }
  EXPECT_EQ(days, 364);
  EXPECT_EQ(LiveWidgets(), widgets);
  EXPECT_EQ(OpenFileDescriptors(), files);
  EXPECT_LT(HeapInUse(), heap + 256 * 1024) << "the heap grew across a year of ticks";
}

}  // namespace
}  // namespace meridex
