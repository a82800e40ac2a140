#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "globe/globe_types.h"

namespace meridex {

// The distance units of the engine. The values are stored in layer files and
// profiles; only the low seven bits of a stored unit byte select the unit.
enum class TGlobeUnits : std::uint8_t {
  Degree,
  NauticalMile,
  Mile,
  Yard,
  Foot,
  Inch,
  Kilometer,
  Meter,
  CentiMeter,
  GlobeUnit,
};

// Value in Units -> GlobeUnits. Degrees and nautical miles multiply exactly
// (32-bit, wrapping); the others multiply by the stored factor and round.
std::int32_t UnitsToGlobeUnits(std::int32_t value, TGlobeUnits units);
// GlobeUnits -> Units, rounded to the nearest whole unit (ties to even).
std::int32_t GlobeUnitsToUnits(std::int32_t value, TGlobeUnits units);
// "D", "NM", "MI", "YD", "FT", "IN", "KM", "M", "CM", "GU", any letter case.
// Throws EGlobeException "StrToUnits: Unknown Units <text>".
TGlobeUnits StrToUnits(std::string_view text);
// The abbreviation; a unit above 9 leaves dest unchanged.
void UnitsToStr(TGlobeUnits units, std::string& dest);
std::string UnitsToStr(TGlobeUnits units);

// Float to integer: nearest, ties to even (the default rounding mode);
// values beyond the 64-bit range (and NaN) saturate. Inline: projections
// round every coordinate.
inline std::int64_t Round64(long double x) {
  if (!(x > -9.2e18L && x < 9.2e18L)) return x > 0 ? INT64_MAX : INT64_MIN;
  return std::llrint(x);
}
// The same, wrapped to 32 bits.
inline std::int32_t Round32(long double x) { return Wrap32(Round64(x)); }

std::int32_t RadToGlobeUnits(long double radians);
void SinCos(long double angle, long double& sin, long double& cos);
long double ArcTan2(long double y, long double x);  // radians, -pi..pi
long double ArcSin(long double x);                  // as ArcTan2(x, sqrt(1 - x*x))
long double Hypot(long double a, long double b);

inline std::int32_t Min(std::int32_t a, std::int32_t b) { return a < b ? a : b; }
inline std::int32_t Max(std::int32_t a, std::int32_t b) { return a > b ? a : b; }

}  // namespace meridex
