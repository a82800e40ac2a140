#include "worldtime/forecast.h"

namespace meridex {

TimeOfDay ForecastUtcTime(TimeOfDay entered, int sourceHourOffset, int sourceMinuteOffset) {
  int hour = entered.hour - sourceHourOffset;
  if (hour < 0) hour += 24;
  int minute = entered.minute - sourceMinuteOffset;
  if (minute < 0) {
    minute += 60;
    hour = hour == 0 ? 23 : hour - 1;
  }
  return TimeOfDay{hour, minute};
}

std::string ForecastRowText(const CityEntry& entry, TimeOfDay utc) {
  const int minutes =
      ((entry.HourOffset + utc.hour) * 60 + entry.MinuteOffset + utc.minute) % (24 * 60);
  std::string row = "  ";
  row.append(FormatTime12(TimeOfDay{minutes / 60, minutes % 60})).append(6, ' ').append(entry.Name);
  return row;
}

}  // namespace meridex
