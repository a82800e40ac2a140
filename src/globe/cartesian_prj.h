#pragma once

#include "globe/flat_prj.h"

namespace meridex {

// A plate carree map: x = longitude x Scale, y = -latitude x Scale around
// the centre; +-180 by +-90 degrees.
class TCartesianPrj : public TFlatPrj {
 public:
  explicit TCartesianPrj(TProjectionHost& globe);

  bool LLToXY(GlobeUnit lon, GlobeUnit lat, int index) override;
  bool XYToLL(int x, int y, int index) override;
};

}  // namespace meridex
