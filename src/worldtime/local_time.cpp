#include "worldtime/local_time.h"

#include <array>
#include <chrono>

#include "common/errors.h"
#include "common/text.h"
#include "worldtime/city_files.h"

namespace meridex {

namespace {

using std::chrono::days;
using std::chrono::hours;
using std::chrono::minutes;
using std::chrono::sys_days;
using std::chrono::year_month_day;

// 1 = Sunday .. 7 = Saturday.
int WeekDayOf(sys_days date) {
  return static_cast<int>(std::chrono::weekday{date}.c_encoding()) + 1;
}

// The date (year, month, day), or a ConversionError when it does not exist.
sys_days MakeDate(int year, unsigned month, unsigned day) {
  const year_month_day date{std::chrono::year{year}, std::chrono::month{month},
                            std::chrono::day{day}};
  if (!date.ok()) {
    throw ConversionError(
        "The daylight-saving rule names a day that does not exist: " + std::to_string(year) + "-" +
        std::to_string(month) + "-" + std::to_string(day));
  }
  return sys_days{date};
}

// Steps forward from `date` to the first day with `weekDay` (1..7).
sys_days StepToWeekDay(sys_days date, unsigned weekDay) {
  if (weekDay < 1 || weekDay > 7) {
    throw ConversionError("The daylight-saving rule names weekday " + std::to_string(weekDay) +
                          "; weekdays are 1 (Sunday) to 7 (Saturday)");
  }
  while (WeekDayOf(date) != static_cast<int>(weekDay)) date += days{1};
  return date;
}

}  // namespace

bool DaylightSavingInForce(const DaylightSavingRule& rule, int year, unsigned month, unsigned day,
                           int hour) {
  if (rule.StartMonth == 0) return false;
  if (month == rule.StartMonth) {
    sys_days start = MakeDate(year, rule.StartMonth, rule.StartDay);
    if (rule.StartWeekDay != 0) start = StepToWeekDay(start, rule.StartWeekDay);
    const year_month_day s{start};
    // A start date stepped into the next month is never reached this month.
    if (month != unsigned{s.month()}) return false;
    return day > unsigned{s.day()} || (day == unsigned{s.day()} && hour >= rule.StartHour);
  }
  if (month == rule.EndMonth) {
    sys_days end = MakeDate(year, rule.EndMonth, rule.EndDay);
    if (rule.EndSundayFlag == 1) end = StepToWeekDay(end, 1);
    const year_month_day e{end};
    if (month != unsigned{e.month()}) return true;
    return !(day > unsigned{e.day()} || (day == unsigned{e.day()} && hour >= rule.EndHour));
  }
  if (rule.StartMonth < rule.EndMonth) return month > rule.StartMonth && month < rule.EndMonth;
  if (rule.EndMonth < rule.StartMonth) return !(month > rule.EndMonth && month < rule.StartMonth);
  return false;
}

namespace {

// The date at the location in its standard time.
sys_days StandardDate(const CityEntry& entry, UtcTime utc) {
  const int base = entry.BaseHourOffset;
  const int signedOffset = base <= 12 ? base : base - 24;
  return std::chrono::floor<days>(std::chrono::floor<minutes>(utc) + hours{signedOffset});
}

}  // namespace

std::uint8_t EffectiveHourOffset(const CityEntry& entry, UtcTime utc,
                                 std::optional<TimeOfDay> forecast) {
  const int base = entry.BaseHourOffset;
  const int signedOffset = base <= 12 ? base : base - 24;
  const auto standard = std::chrono::floor<minutes>(utc) + hours{signedOffset};
  const sys_days date = std::chrono::floor<days>(standard);
  const year_month_day ymd{date};
  const int hour = forecast ? forecast->hour
                            : static_cast<int>(std::chrono::floor<hours>(standard - date).count());
  bool dst = false;
  try {
    dst = DaylightSavingInForce(entry.Rule, int{ymd.year()}, unsigned{ymd.month()},
                                unsigned{ymd.day()}, hour);
  } catch (const ConversionError& e) {
    // Say which location, and where it comes from, so that it can be mended.
    const char* file = entry.Origin == kOriginCustom ? kCustomListFile : kCityDatabaseFile;
    throw ConversionError("Cannot compute the time of \"" + TrimRight(entry.Name) + "\" (from \"" +
                          file + "\"). " + e.what());
  }
  return static_cast<std::uint8_t>((base + (dst ? 1 : 0)) % 24);
}

void RefreshHourOffsets(CityTable& table, UtcTime utc, std::optional<TimeOfDay> forecast) {
  const int lastSlot = table.Count > 0 ? table.Count : 1;  // slot 0 even when empty
  for (int i = 0; i < lastSlot; ++i) {
    CityEntry& entry = table.Entries[static_cast<std::size_t>(i)];
    entry.HourOffset = EffectiveHourOffset(entry, utc, forecast);
    if (entry.Name == kReferenceName) table.ReferenceWeekDay = WeekDayOf(StandardDate(entry, utc));
  }
}

void ComputeLocalTime(CityEntry& entry, UtcTime utc) {
  const auto local =
      std::chrono::floor<minutes>(utc) + hours{entry.HourOffset % 24} + minutes{entry.MinuteOffset};
  const sys_days date = std::chrono::floor<days>(local);
  entry.LocalTimeText = FormatTime12(TimeOfDayOf(UtcTime{local}));
  entry.WeekDay = WeekDayOf(entry.HourOffset <= 13 ? date : date - days{1});
}

TimeOfDay TimeOfDayOf(UtcTime utc) {
  const auto sinceMidnight = std::chrono::floor<minutes>(utc - std::chrono::floor<days>(utc));
  return TimeOfDay{static_cast<int>(sinceMidnight.count() / 60),
                   static_cast<int>(sinceMidnight.count() % 60)};
}

TimeOfDay TimeOfDayOf(LocalTime local) { return TimeOfDayOf(UtcTime{local.time_since_epoch()}); }

std::string ListRowText(const CityEntry& entry, int referenceWeekDay) {
  const std::string day = DayAbbreviation(entry.WeekDay);
  const bool narrow =
      (referenceWeekDay == 1 && day == "Mo") || (referenceWeekDay == 2 && day == "Mo") ||
      (referenceWeekDay == 3 && day == "We") || (referenceWeekDay == 4 && day == "We") ||
      (referenceWeekDay == 5 && day == "Th") || (referenceWeekDay == 6 && day == "Sa");
  std::string row;
  row.reserve(16 + entry.Name.size());
  row.append("  ").append(entry.LocalTimeText).append("  ").append(day);
  row.append(narrow ? 3 : 4, ' ').append(entry.Name);
  return row;
}

std::string DayAbbreviation(int weekDay) {
  static constexpr std::array<const char*, 7> kNames{"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
  return weekDay >= 1 && weekDay <= 7 ? kNames[static_cast<std::size_t>(weekDay - 1)] : "";
}

std::string DayName(int weekDay) {
  static constexpr std::array<const char*, 7> kNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                     "Thursday", "Friday", "Saturday"};
  return weekDay >= 1 && weekDay <= 7 ? kNames[static_cast<std::size_t>(weekDay - 1)] : "";
}

}  // namespace meridex
