#pragma once

#include "common/clock.h"

namespace meridex {

// Where the sun stands at an instant: its apparent declination and the
// equation of time, from the low-precision solar coordinates of the
// standard almanac algorithm (mean longitude and anomaly, equation of
// centre, nutation in longitude and obliquity). Good to about 0.01 degree
// in declination and a few seconds of time between 1900 and 2100; UTC is
// taken for dynamical time (the minute between them moves the sun by less
// than 0.001 degree in declination).
struct SolarPosition {
  double declination = 0;     // degrees, north positive
  double equationOfTime = 0;  // minutes, apparent minus mean solar time
};

SolarPosition SunAt(UtcTime utc);

// The point of the earth where the sun is overhead, in degrees (longitude
// east positive, -180..180).
struct SubSolarPoint {
  double latitude = 0;
  double longitude = 0;
};

SubSolarPoint SubSolarPointAt(UtcTime utc);

// The sun's height above the horizon at a place, in degrees, for a sun
// overhead at `sun` (no refraction).
double SolarAltitude(const SubSolarPoint& sun, double latitude, double longitude);

// What the sky is like at a sun of that altitude: above the horizon (with
// the usual allowance of 0.833 degree for refraction and the sun's radius),
// in civil twilight (down to 6 degrees below), or night.
enum class Daylight { Day, Twilight, Night };
Daylight DaylightAt(double altitude);

}  // namespace meridex
