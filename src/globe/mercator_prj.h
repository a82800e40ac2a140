#pragma once

#include "globe/flat_prj.h"

namespace meridex {

// A Mercator map: x = longitude x Scale, y = -(Mercator height in
// GlobeUnits) x Scale around the centre; +-180 degrees by +-86 degrees.
class TMercatorPrj : public TFlatPrj {
 public:
  explicit TMercatorPrj(TProjectionHost& globe);

  bool LLToXY(GlobeUnit lon, GlobeUnit lat, int index) override;
  bool XYToLL(int x, int y, int index) override;
  bool LLToXYKept(TLLPoint p, TPointMemo& memo, int index) override;
  // As LLToXY point by point, with the heights kept in the cache.
  int ProjectPointList(const TLLPointList& list, TProjectionCache& cache) override;

 private:
  // The pixel of a point on the map with Mercator height h.
  TPoint Pixel(GlobeUnit lon, long double h) const;
};

}  // namespace meridex
