#include "alarms/alarm_state.h"

#include "common/errors.h"
#include "common/record_io.h"
#include "common/text.h"
#include "common/time_text.h"
#include "worldtime/local_time.h"

namespace meridex {

namespace {

using std::chrono::minutes;

const CityEntry* AlarmLocation(const AlarmState& alarm, const CityTable& table) {
  for (int i = 0; i < table.Count; ++i) {
    const CityEntry& entry = table.Entries[static_cast<std::size_t>(i)];
    if (entry.Name == alarm.AlarmCity) return &entry;
  }
  return nullptr;
}

// The latest minute after `after` and before `before` in which `location`
// showed the alarm time. Beyond a day and two hours (a daylight-saving day
// included) every local time has come at least once, so no more is looked at.
std::optional<UtcTime> PassedUnseen(const AlarmState& alarm, CityEntry location, UtcTime after,
                                    UtcTime before) {
  const UtcTime earliest = std::max(after + minutes{1}, before - minutes{26 * 60});
  for (UtcTime m = before - minutes{1}; m >= earliest; m -= minutes{1}) {
    try {
      location.HourOffset = EffectiveHourOffset(location, m);
    } catch (const ConversionError&) {
      location.HourOffset = location.BaseHourOffset;  // reported by the refresh
    }
    ComputeLocalTime(location, m);
    if (location.LocalTimeText == alarm.AlarmTimeText) return m;
  }
  return std::nullopt;
}

}  // namespace

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

std::string RestoreAlarm(const UserPreferences& stored, AlarmState& alarm) {
  alarm.AlarmSet = stored.AlarmSet;
  alarm.AlarmSound = stored.AlarmSound;
  alarm.AlarmCity = stored.AlarmCity;
  alarm.AlarmMessage = stored.AlarmMessage;
  std::string notice;
  const std::string file = QuotedName(kPreferencesFile);
  if (alarm.AlarmSound < kSoundNone || alarm.AlarmSound > kSoundRooster) {
    notice = "The alarm in " + file + " names sound " + std::to_string(alarm.AlarmSound) +
             ", which Meridex does not have (1 is the phone ring, 2 the rooster call). The "
             "alarm shows its message without a sound.";
    alarm.AlarmSound = kSoundNone;
  }
  if (alarm.AlarmSet != 1) return notice;
  try {
    alarm.AlarmTimeText = FormatTime12(ParseTime12(stored.AlarmTime));
  } catch (const ConversionError& e) {
    alarm.AlarmSet = 0;
    if (!notice.empty()) notice += "\n\n";
    notice += "The alarm in " + file + " for \"" + TrimRight(stored.AlarmCity) +
              "\" cannot go off: " + e.what() + ". It is off; set it again under Alarm > Settings.";
  }
  return notice;
}

bool AlarmGoesOff(const AlarmState& alarm, const CityTable& table) {
  if (alarm.AlarmSet != 1) return false;
  const CityEntry* location = AlarmLocation(alarm, table);
  return location && location->LocalTimeText == alarm.AlarmTimeText;
}

AlarmDue AlarmWatch::check(const AlarmState& alarm, const CityTable& table, UtcTime now) {
  const UtcTime minute = std::chrono::floor<minutes>(now);
  const std::optional<UtcTime> previous = lastCheck_;
  lastCheck_ = minute;
  if (alarm.AlarmSet != 1) return AlarmDue::adNone;
  const CityEntry* location = AlarmLocation(alarm, table);
  if (!location) return AlarmDue::adNone;

  AlarmDue due = AlarmDue::adNone;
  std::optional<UtcTime> occurrence;
  if (location->LocalTimeText == alarm.AlarmTimeText) {
    due = AlarmDue::adOnTime;
    occurrence = minute;
  } else if (previous && minute - *previous > minutes{1}) {
    occurrence = PassedUnseen(alarm, *location, *previous, minute);
    due = AlarmDue::adLate;
  }
  if (!occurrence || occurrence == lastGoneOff_) return AlarmDue::adNone;
  lastGoneOff_ = occurrence;
  return due;
}

}  // namespace meridex
