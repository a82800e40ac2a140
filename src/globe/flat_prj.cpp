#include "globe/flat_prj.h"

namespace meridex {

void TFlatPrj::SetView(GlobeUnit x, GlobeUnit y, long double scale, GlobeUnit z) {
  const std::int64_t dLon = std::int64_t{y} - YRotation;
  const std::int64_t dLat = std::int64_t{XRotation} - x;
  if (Inside(dLon, dLat) && LLToXY(static_cast<GlobeUnit>(dLon), static_cast<GlobeUnit>(dLat), 0)) {
    CenterX = Point(0).X;
    CenterY = Point(0).Y;
  }
  TPrjModel::SetView(x, y, scale, z);
}

}  // namespace meridex
