#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "zone_clock.h"

namespace meridex::citydb {

// How one zone's UTC offsets, sampled every hour on the hour, differ between
// two releases of the zone data.
struct ZoneDifference {
  bool missing = false;              // the other data has no such zone
  long hours = 0;                    // hours whose offset differs (all of them when missing)
  std::chrono::sys_seconds first{};  // the first of them
  int offset = 0;                    // minutes east at `first` in the base data
  int otherOffset = 0;               // and in the other (0 when missing)
};

// Compares `zone` in `base` (which must hold it) with `other` over `count`
// hours from `start`; nullopt when the two agree at every hour.
std::optional<ZoneDifference> CompareZone(const ZoneInfo& base, const ZoneInfo& other,
                                          const std::string& zone, std::chrono::sys_seconds start,
                                          int count);

// -1, 0 or 1 as release `a` ("2025b") is older than, the same as or newer
// than `b`; nullopt when either is not a release name.
std::optional<int> CompareReleases(const std::string& a, const std::string& b);

}  // namespace meridex::citydb
