#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "worldtime/city_table.h"

namespace meridex {

// What the world view shows of the selected city, from the city table as the
// city list keeps it current: the texts without their trailing blanks, the
// day name ("N/A" for weekday 0) and the city's date (none for weekday 0).
struct TCityDetails {
  std::string City, State, Country, Longitude, Latitude, Time, DayOfWeek;
  std::optional<std::chrono::sys_days> Date;
};

// The details of the last table entry whose name without trailing blanks is
// `title`, for a machine whose date is `today`; none when no entry is.
std::optional<TCityDetails> CityDetailsFor(const CityTable& table, const std::string& title,
                                           std::chrono::sys_days today);

}  // namespace meridex
