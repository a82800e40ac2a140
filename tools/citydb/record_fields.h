#pragma once

#include <cstdint>
#include <string>

namespace meridex::citydb {

// Longitude and latitude as the globe's cursor read-out writes them: whole
// degrees, a point, the arc minutes as two digits, the hemisphere letter
// ("151.12E", "33.52S"). Minutes are truncated, not rounded, the way the
// read-out cuts a position to the minute, so a city and the cursor over it
// read the same. Zero is east and north.
std::string LongitudeText(double degrees);
std::string LatitudeText(double degrees);

// A UTC offset in the record's encoding: the whole hours at or below the
// offset, modulo 24, and the minutes that are always added (UTC-3:30 is hour
// 20 and 30 minutes; UTC+5:45 is 5 and 45).
struct EncodedOffset {
  std::uint8_t BaseHourOffset = 0;
  std::uint8_t MinuteOffset = 0;
  friend bool operator==(const EncodedOffset&, const EncodedOffset&) = default;
};
EncodedOffset EncodeUtcOffset(int minutesEast);

// Integer division rounding toward minus infinity (b > 0).
constexpr int FloorDiv(int a, int b) { return a / b - ((a % b != 0) && (a < 0)); }

// "UTC+5:45", "UTC-3:30", "UTC+1", "UTC".
std::string UtcOffsetText(int minutesEast);

}  // namespace meridex::citydb
