#include "worldtime/city_info.h"

#include "worldtime/local_time.h"

namespace meridex {

std::chrono::sys_days LocationDate(int weekDay, std::chrono::sys_days today) {
  const int todays = static_cast<int>(std::chrono::weekday{today}.c_encoding()) + 1;
  if (weekDay == todays % 7 + 1) return today + std::chrono::days{1};
  if (weekDay == (todays + 5) % 7 + 1) return today - std::chrono::days{1};
  return today;
}

std::string CityInfoText(const CityEntry& entry, const std::string& dateText) {
  std::string text;
  text.append("City\t").append(entry.Name).append("\n");
  text.append("State\t").append(entry.State).append("\n");
  text.append("Country\t").append(entry.Country).append("\n\n");
  text.append("Day\t").append(DayName(entry.WeekDay)).append("\n");
  text.append("Date\t").append(dateText).append("\n");
  text.append("Time\t").append(entry.LocalTimeText);
  return text;
}

}  // namespace meridex
