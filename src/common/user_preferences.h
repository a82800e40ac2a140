#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "common/record_io.h"

namespace meridex {

inline constexpr const char* kPreferencesFile = "userpref.dat";
inline constexpr std::size_t kPreferencesRecordSize = 89;

// The one record of the preferences file.
struct UserPreferences {
  std::string
      StartupView;  // max 1: "a" All Cities, "b" Unit Conversions, "c" Hot List, "d" World Map
  std::string StayOnTop;        // max 1: "a" city list on top, "b" normal
  std::string AlarmTime;        // max 8: as typed, e.g. "12:00 AM"
  std::string AlarmCity;        // max 27: the location's stored name, padding included
  std::string AlarmMessage;     // max 45
  std::uint8_t AlarmSet = 0;    // 1 an alarm is set
  std::uint8_t AlarmSound = 0;  // 0 none, 1 phone ring, 2 rooster call

  friend bool operator==(const UserPreferences&, const UserPreferences&) = default;
};

// The alarm fields, written together by the alarm window.
struct AlarmPreferences {
  std::string AlarmTime;
  std::string AlarmCity;
  std::string AlarmMessage;  // cut to 45 characters when written
  std::uint8_t AlarmSet = 0;
  std::uint8_t AlarmSound = 0;
};

// Reads record 0. Throws IoError naming the file when it is missing,
// unreadable or shorter than one record.
UserPreferences ReadUserPreferences(const std::filesystem::path& dir);

// Each writer replaces only its own fields of record 0 and keeps every other
// byte of the file as stored. They throw IoError when the file cannot be read
// or rewritten; the program never creates the file.
void WriteStartupPreferences(const std::filesystem::path& dir, const std::string& startupView,
                             const std::string& stayOnTop);
void WriteAlarmPreferences(const std::filesystem::path& dir, const AlarmPreferences& alarm);
void WriteAlarmSet(const std::filesystem::path& dir, std::uint8_t alarmSet);

// The whole record, for the tools that make the installed file.
Bytes EncodeUserPreferences(const UserPreferences& prefs);

}  // namespace meridex
