#include "globe/mercator_prj.h"

#include <cmath>
#include <vector>

#include "globe/globe_units.h"

namespace meridex {

namespace {
constexpr GlobeUnit kLimit = 464'400'000;  // 86 degrees
constexpr long double kHalfPi = 1.57079632679489661923132169163975144L;

// The Mercator height of a latitude, in GlobeUnits.
long double Height(GlobeUnit lat) {
  long double s, c;
  SinCos(lat * RADIANS_PER_GU / 2 + kHalfPi / 2, s, c);
  return std::log(s / c) * GU_PER_RADIAN;
}

}  // namespace

TMercatorPrj::TMercatorPrj(TProjectionHost& globe) : TFlatPrj(globe) {
  Extents = {-GU_180, -kLimit, GU_180, kLimit};
}

TPoint TMercatorPrj::Pixel(GlobeUnit lon, long double h) const {
  return {Wrap32(Round64(lon * Scale) + CenterX), Wrap32(CenterY - Round64(h * Scale))};
}

bool TMercatorPrj::LLToXY(GlobeUnit lon, GlobeUnit lat, int index) {
  if (!Inside(lon, lat)) return false;
  Point(index) = Pixel(lon, Height(lat));
  return true;
}

bool TMercatorPrj::LLToXYKept(TLLPoint p, TPointMemo& memo, int index) {
  constexpr std::uint8_t kHeight = 2;
  if (!Inside(p.X, p.Y)) return false;
  if (memo.Kind != kHeight || !(memo.Point == p)) memo = {p, kHeight, Height(p.Y)};
  Point(index) = Pixel(p.X, memo.A);
  return true;
}

int TMercatorPrj::ProjectPointList(const TLLPointList& list, TProjectionCache& cache) {
  const std::int32_t count = list.Count();
  const TLLPoint* points = list.Points();
  std::pmr::vector<GlobeUnit>& lats = cache.MercatorLatitudes;
  std::pmr::vector<long double>& heights = cache.MercatorHeights;
  if (lats.size() != static_cast<std::size_t>(count)) {
    heights.assign(static_cast<std::size_t>(count), 0);
    lats.resize(static_cast<std::size_t>(count));
    for (std::int32_t i = 0; i < count; ++i)  // no entry matches its latitude yet
      lats[static_cast<std::size_t>(i)] = ~points[i].Y;
  }
  TPointBuffers& buffers = Buffers();
  buffers.Reserve(static_cast<std::size_t>(count) + 1);
  TLLPoint* out = buffers.Points.data();
  TLLPoint last{INT32_MAX, INT32_MAX};
  int n = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    const TLLPoint p = points[i];
    if (!Accept(last, p) || !Inside(p.X, p.Y)) continue;
    const auto k = static_cast<std::size_t>(i);
    if (lats[k] != p.Y) {
      heights[k] = Height(p.Y);
      lats[k] = p.Y;
    }
    out[n++] = Pixel(p.X, heights[k]);
  }
  return n;
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
