#include "worldview/solar_position.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace meridex {

namespace {

constexpr double kDeg = std::numbers::pi / 180;

double Wrap360(double degrees) {
  degrees = std::fmod(degrees, 360.0);
  return degrees < 0 ? degrees + 360 : degrees;
}

// Julian centuries since 2000 January 1, 12h.
double CenturiesSinceJ2000(UtcTime utc) {
  const double days =
      std::chrono::duration<double, std::ratio<86400>>(utc.time_since_epoch()).count();
  const double julianDay = days + 2440587.5;  // the Unix epoch is JD 2440587.5
  return (julianDay - 2451545.0) / 36525.0;
}

}  // namespace

SolarPosition SunAt(UtcTime utc) {
  const double t = CenturiesSinceJ2000(utc);
  const double meanLongitude = Wrap360(280.46646 + t * (36000.76983 + t * 0.0003032));
  const double meanAnomaly = 357.52911 + t * (35999.05029 - 0.0001537 * t);
  const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
  const double m = meanAnomaly * kDeg;
  const double centre = std::sin(m) * (1.914602 - t * (0.004817 + 0.000014 * t)) +
                        std::sin(2 * m) * (0.019993 - 0.000101 * t) + std::sin(3 * m) * 0.000289;
  const double node = (125.04 - 1934.136 * t) * kDeg;
  const double apparentLongitude = meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node);
  const double meanObliquity =
      23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60;
  const double obliquity = (meanObliquity + 0.00256 * std::cos(node)) * kDeg;

  SolarPosition sun;
  sun.declination = std::asin(std::sin(obliquity) * std::sin(apparentLongitude * kDeg)) / kDeg;
  const double y = std::pow(std::tan(obliquity / 2), 2);
  const double l0 = meanLongitude * kDeg;
  const double e = eccentricity;
  const double radians = y * std::sin(2 * l0) - 2 * e * std::sin(m) +
                         4 * e * y * std::sin(m) * std::cos(2 * l0) -
                         0.5 * y * y * std::sin(4 * l0) - 1.25 * e * e * std::sin(2 * m);
  sun.equationOfTime = 4 * radians / kDeg;  // four minutes of time per degree
  return sun;
}

SubSolarPoint SubSolarPointAt(UtcTime utc) {
  const SolarPosition sun = SunAt(utc);
  const auto sinceMidnight = utc - std::chrono::floor<std::chrono::days>(utc);
  const double minutes = std::chrono::duration<double, std::ratio<60>>(sinceMidnight).count();
  // Apparent noon is where the sun stands overhead: 15 degrees west for
  // every hour of UTC past 12, less the equation of time.
  double longitude = (720 - minutes - sun.equationOfTime) / 4;
  longitude = Wrap360(longitude + 180) - 180;
  return {sun.declination, longitude};
}

double SolarAltitude(const SubSolarPoint& sun, double latitude, double longitude) {
  const double phi = latitude * kDeg, delta = sun.latitude * kDeg;
  const double hourAngle = (longitude - sun.longitude) * kDeg;
  const double s =
      std::sin(phi) * std::sin(delta) + std::cos(phi) * std::cos(delta) * std::cos(hourAngle);
  return std::asin(std::clamp(s, -1.0, 1.0)) / kDeg;
}

Daylight DaylightAt(double altitude) {
  if (altitude > -0.833) return Daylight::Day;
  if (altitude > -6) return Daylight::Twilight;
  return Daylight::Night;
}

}  // namespace meridex
