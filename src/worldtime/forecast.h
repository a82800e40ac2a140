#pragma once

#include <string>

#include "common/time_text.h"
#include "worldtime/city_table.h"

namespace meridex {

// The UTC time of day at which a location with these effective offsets shows
// the entered time of day.
TimeOfDay ForecastUtcTime(TimeOfDay entered, int sourceHourOffset, int sourceMinuteOffset);

// A forecast row: two spaces, the entry's time at UTC time of day `utc`
// ("hh:mm a/p"), six spaces and the stored name.
std::string ForecastRowText(const CityEntry& entry, TimeOfDay utc);

}  // namespace meridex
