#include "alarms/alarm_state.h"

namespace meridex {

std::string AlarmSoundFile(int sound) {
  switch (sound) {
    case kSoundPhone:
      return "Alarm1.wav";
    case kSoundRooster:
      return "Alarm2.wav";
    default:
      return {};
  }
}

bool AlarmGoesOff(const AlarmState& alarm, const CityTable& table) {
  if (alarm.AlarmSet != 1) return false;
  for (int i = 0; i < table.Count; ++i) {
    const CityEntry& entry = table.Entries[static_cast<std::size_t>(i)];
    if (entry.Name == alarm.AlarmCity) return entry.LocalTimeText == alarm.AlarmTimeText;
  }
  return false;
}

}  // namespace meridex
