#pragma once

#include <cstdint>

#include "worldtime/city_table.h"

namespace meridex::citydb {

// A rule from its fields in reading order: start, then end.
inline DaylightSavingRule Rule(int startMonth, int startDay, int startWeekDay, int startHour,
                               int endMonth, int endDay, int endSundayFlag, int endHour) {
  DaylightSavingRule r;
  r.StartMonth = static_cast<std::uint8_t>(startMonth);
  r.StartDay = static_cast<std::uint8_t>(startDay);
  r.StartWeekDay = static_cast<std::uint8_t>(startWeekDay);
  r.StartHour = static_cast<std::uint8_t>(startHour);
  r.EndMonth = static_cast<std::uint8_t>(endMonth);
  r.EndDay = static_cast<std::uint8_t>(endDay);
  r.EndSundayFlag = static_cast<std::uint8_t>(endSundayFlag);
  r.EndHour = static_cast<std::uint8_t>(endHour);
  return r;
}

}  // namespace meridex::citydb
