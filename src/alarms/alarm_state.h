#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/clock.h"
#include "common/user_preferences.h"
#include "worldtime/city_table.h"

namespace meridex {

inline constexpr std::size_t kAlarmMessageStoredLength = 45;

enum : int { kSoundNone = 0, kSoundPhone = 1, kSoundRooster = 2 };

// The one alarm, shared by the alarm windows and the city list's check.
struct AlarmState {
  int AlarmSet = 0;           // 1 while an alarm is set
  int AlarmSound = 0;         // kSoundNone, kSoundPhone or kSoundRooster
  std::string AlarmCity;      // the location's stored name, padding included
  std::string AlarmTimeText;  // "hh:mm a/p", compared with LocalTimeText
  std::string AlarmMessage;   // shown in full; stored cut to 45 characters
};

// The wave file of a sound, or empty for none.
std::string AlarmSoundFile(int sound);

// Takes the stored alarm into `alarm`. A stored alarm that cannot work is
// mended in memory and the returned text (empty when all is well) tells the
// user, naming the file: a time that is not a valid time leaves the alarm
// off; a sound the program does not have leaves it silent.
std::string RestoreAlarm(const UserPreferences& stored, AlarmState& alarm);

// True when the alarm is set and the first location with its name shows the
// alarm time. Only the first location of that name is compared.
bool AlarmGoesOff(const AlarmState& alarm, const CityTable& table);

enum class AlarmDue { adNone, adOnTime, adLate };

// Decides after each minute refresh whether the alarm goes off. On time when
// the refresh shows the alarm's location at the alarm time; late when the
// alarm time came in a minute that had no refresh of its own (the machine
// slept, or the clock was set forwards over it); never twice for one
// occurrence (one UTC minute), so a clock set backwards does not repeat it.
class AlarmWatch {
 public:
  // `now` is the instant the table's times were computed for.
  AlarmDue check(const AlarmState& alarm, const CityTable& table, UtcTime now);

 private:
  std::optional<UtcTime> lastCheck_;    // the minute of the previous check
  std::optional<UtcTime> lastGoneOff_;  // the minute the alarm last went off in
};

}  // namespace meridex
