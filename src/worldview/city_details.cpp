#include "worldview/city_details.h"

#include "common/text.h"
#include "worldtime/city_info.h"
#include "worldtime/local_time.h"

namespace meridex {

std::optional<TCityDetails> CityDetailsFor(const CityTable& table, const std::string& title,
                                           std::chrono::sys_days today) {
  const CityEntry* match = nullptr;
  for (const CityEntry& entry : table.Entries) {
    if (entry.Name.empty()) break;  // the first empty slot ends the table
    if (TrimRight(entry.Name) == title) match = &entry;
  }
  if (match == nullptr) return std::nullopt;
  TCityDetails details{TrimRight(match->Name),     TrimRight(match->State),
                       TrimRight(match->Country),  TrimRight(match->Longitude),
                       TrimRight(match->Latitude), TrimRight(match->LocalTimeText),
                       DayName(match->WeekDay),    std::nullopt};
  if (details.DayOfWeek.empty()) {
    details.DayOfWeek = "N/A";
  } else {
    details.Date = LocationDate(match->WeekDay, today);
  }
  return details;
}

}  // namespace meridex
