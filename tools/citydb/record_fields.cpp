#include "record_fields.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace meridex::citydb {

namespace {

// The globe's angle unit: 1/5,400,000 of a degree, 90,000 to the arc minute.
constexpr long long kUnitsPerDegree = 5'400'000;
constexpr long long kUnitsPerMinute = 90'000;

std::string DegreesMinutes(double degrees, char positive, char negative) {
  const long long units = std::llrint(static_cast<long double>(degrees) * kUnitsPerDegree);
  const long long magnitude = std::llabs(units);
  char text[48];
  std::snprintf(text, sizeof text, "%lld.%02lld%c", magnitude / kUnitsPerDegree,
                magnitude % kUnitsPerDegree / kUnitsPerMinute, units < 0 ? negative : positive);
  return text;
}

}  // namespace

std::string LongitudeText(double degrees) { return DegreesMinutes(degrees, 'E', 'W'); }

std::string LatitudeText(double degrees) { return DegreesMinutes(degrees, 'N', 'S'); }

EncodedOffset EncodeUtcOffset(int minutesEast) {
  const int hours = FloorDiv(minutesEast, 60);
  return EncodedOffset{static_cast<std::uint8_t>((hours % 24 + 24) % 24),
                       static_cast<std::uint8_t>(minutesEast - hours * 60)};
}

std::string UtcOffsetText(int minutesEast) {
  if (minutesEast == 0) return "UTC";
  const int magnitude = std::abs(minutesEast);
  std::string text =
      std::string("UTC") + (minutesEast < 0 ? "-" : "+") + std::to_string(magnitude / 60);
  if (magnitude % 60 != 0) {
    char minutes[8];
    std::snprintf(minutes, sizeof minutes, ":%02d", magnitude % 60);
    text += minutes;
  }
  return text;
}

}  // namespace meridex::citydb
