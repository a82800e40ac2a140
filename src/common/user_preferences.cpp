#include "common/user_preferences.h"

#include <functional>
#include <span>

#include "common/errors.h"
#include "common/record_io.h"

namespace meridex {

namespace {

// Field offsets and maximum lengths within the record.
constexpr std::size_t kStartupViewAt = 0, kStartupViewMax = 1;
constexpr std::size_t kStayOnTopAt = 2, kStayOnTopMax = 1;
constexpr std::size_t kAlarmTimeAt = 4, kAlarmTimeMax = 8;
constexpr std::size_t kAlarmCityAt = 13, kAlarmCityMax = 27;
constexpr std::size_t kAlarmMessageAt = 41, kAlarmMessageMax = 45;
constexpr std::size_t kAlarmSetAt = 87;
constexpr std::size_t kAlarmSoundAt = 88;

Bytes ReadRecordFile(const std::filesystem::path& file) {
  Bytes bytes = ReadWholeFile(file);
  if (bytes.size() < kPreferencesRecordSize) {
    throw IoError("Cannot read " + QuotedName(file) + ": the file holds " +
                  std::to_string(bytes.size()) + " bytes, less than one " +
                  std::to_string(kPreferencesRecordSize) + "-byte preferences record");
  }
  return bytes;
}

// Rewrites record 0 after `patch` has replaced its own fields.
void Rewrite(const std::filesystem::path& dir,
             const std::function<void(std::span<std::uint8_t>)>& patch) {
  const std::filesystem::path file = dir / kPreferencesFile;
  Bytes bytes = ReadRecordFile(file);
  patch(std::span<std::uint8_t>(bytes.data(), kPreferencesRecordSize));
  WriteFileAtomically(file, bytes);
}

void PutAlarmFields(std::span<std::uint8_t> r, const AlarmPreferences& a) {
  WriteShortString(r, kAlarmTimeAt, kAlarmTimeMax, a.AlarmTime);
  WriteShortString(r, kAlarmCityAt, kAlarmCityMax, a.AlarmCity);
  WriteShortString(r, kAlarmMessageAt, kAlarmMessageMax, a.AlarmMessage);
  r[kAlarmSetAt] = a.AlarmSet;
  r[kAlarmSoundAt] = a.AlarmSound;
}

}  // namespace

UserPreferences ReadUserPreferences(const std::filesystem::path& dir) {
  const Bytes bytes = ReadRecordFile(dir / kPreferencesFile);
  const std::span<const std::uint8_t> r(bytes.data(), kPreferencesRecordSize);
  UserPreferences p;
  p.StartupView = ReadShortString(r, kStartupViewAt, kStartupViewMax);
  p.StayOnTop = ReadShortString(r, kStayOnTopAt, kStayOnTopMax);
  p.AlarmTime = ReadShortString(r, kAlarmTimeAt, kAlarmTimeMax);
  p.AlarmCity = ReadShortString(r, kAlarmCityAt, kAlarmCityMax);
  p.AlarmMessage = ReadShortString(r, kAlarmMessageAt, kAlarmMessageMax);
  p.AlarmSet = r[kAlarmSetAt];
  p.AlarmSound = r[kAlarmSoundAt];
  return p;
}

void WriteStartupPreferences(const std::filesystem::path& dir, const std::string& startupView,
                             const std::string& stayOnTop) {
  Rewrite(dir, [&](std::span<std::uint8_t> r) {
    WriteShortString(r, kStartupViewAt, kStartupViewMax, startupView);
    WriteShortString(r, kStayOnTopAt, kStayOnTopMax, stayOnTop);
  });
}

void WriteAlarmPreferences(const std::filesystem::path& dir, const AlarmPreferences& alarm) {
  Rewrite(dir, [&](std::span<std::uint8_t> r) { PutAlarmFields(r, alarm); });
}

void WriteAlarmSet(const std::filesystem::path& dir, std::uint8_t alarmSet) {
  Rewrite(dir, [&](std::span<std::uint8_t> r) { r[kAlarmSetAt] = alarmSet; });
}

Bytes EncodeUserPreferences(const UserPreferences& p) {
  Bytes r(kPreferencesRecordSize, 0);
  WriteShortString(r, kStartupViewAt, kStartupViewMax, p.StartupView);
  WriteShortString(r, kStayOnTopAt, kStayOnTopMax, p.StayOnTop);
  PutAlarmFields(
      r, AlarmPreferences{p.AlarmTime, p.AlarmCity, p.AlarmMessage, p.AlarmSet, p.AlarmSound});
  return r;
}

}  // namespace meridex
