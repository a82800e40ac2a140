#include "globe/cartesian_prj.h"

#include "globe/globe_units.h"

namespace meridex {

TCartesianPrj::TCartesianPrj(TProjectionHost& globe) : TFlatPrj(globe) {
  Extents = {-GU_180, -GU_90, GU_180, GU_90};
}

bool TCartesianPrj::LLToXY(GlobeUnit lon, GlobeUnit lat, int index) {
  if (!Inside(lon, lat)) return false;
  Point(index) = {Wrap32(Round64(lon * Scale) + CenterX), Wrap32(CenterY - Round64(lat * Scale))};
  return true;
}

bool TCartesianPrj::XYToLL(int x, int y, int index) {
  // 64-bit so that a pixel far off the map cannot wrap back onto it.
  const std::int64_t lon = Round64((static_cast<long double>(x) - CenterX) / Scale);
  const std::int64_t lat = -Round64((static_cast<long double>(y) - CenterY) / Scale);
  if (!Inside(lon, lat)) return false;
  Point(index) = {static_cast<GlobeUnit>(lon), static_cast<GlobeUnit>(lat)};
  return true;
}

}  // namespace meridex
