#pragma once

#include <cstdint>
#include <string>

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

// True when the alarm is set and the first location with its name shows the
// alarm time. Only the first location of that name is compared.
bool AlarmGoesOff(const AlarmState& alarm, const CityTable& table);

}  // namespace meridex
