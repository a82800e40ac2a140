#pragma once

#include <chrono>
#include <string>

#include "worldtime/city_table.h"

namespace meridex {

// The date at a location whose weekday is `weekDay` (1..7) while the machine's
// date is `today`: tomorrow when it is the day after today's weekday,
// yesterday when it is the day before (Saturday and Sunday being neighbours),
// otherwise today.
std::chrono::sys_days LocationDate(int weekDay, std::chrono::sys_days today);

// The city information text: place, day, date and time, one per line, each
// label separated from its value by a tab.
std::string CityInfoText(const CityEntry& entry, const std::string& dateText);

}  // namespace meridex
