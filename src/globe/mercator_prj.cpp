#include "globe/mercator_prj.h"

#include <cmath>

#include "globe/globe_units.h"

namespace meridex {

namespace {
constexpr GlobeUnit kLimit = 464'400'000;  // 86 degrees
constexpr long double kHalfPi = 1.57079632679489661923132169163975144L;
}  // namespace

TMercatorPrj::TMercatorPrj(TProjectionHost& globe) : TFlatPrj(globe) {
  Extents = {-GU_180, -kLimit, GU_180, kLimit};
}

bool TMercatorPrj::LLToXY(GlobeUnit lon, GlobeUnit lat, int index) {
  if (!Inside(lon, lat)) return false;
  long double s, c;
  SinCos(lat * RADIANS_PER_GU / 2 + kHalfPi / 2, s, c);
  const long double h = std::log(s / c) * GU_PER_RADIAN;  // Mercator height, GlobeUnits
  Point(index) = {Wrap32(Round64(lon * Scale) + CenterX), Wrap32(CenterY - Round64(h * Scale))};
  return true;
}

bool TMercatorPrj::XYToLL(int x, int y, int index) {
  const std::int64_t lon = Round64((static_cast<long double>(x) - CenterX) / Scale);
  // Mercator height in radians, turned so that north is positive.
  const long double t = (static_cast<long double>(y) - CenterY) / Scale * -RADIANS_PER_GU;
  const std::int64_t lat = Round64((2 * std::atan(std::exp(t)) - kHalfPi) * GU_PER_RADIAN);
  if (!Inside(lon, lat)) return false;
  Point(index) = {static_cast<GlobeUnit>(lon), static_cast<GlobeUnit>(lat)};
  return true;
}

}  // namespace meridex
