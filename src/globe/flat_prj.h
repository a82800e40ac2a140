#pragma once

#include "globe/prj_model.h"

namespace meridex {

// What the two flat maps share: a change of rotation shifts the map instead
// of turning it, and a point is on the map when it lies within the extents.
class TFlatPrj : public TPrjModel {
 public:
  using TPrjModel::TPrjModel;

  // Moves the centre by the change of rotation (at the old scale), then
  // stores the view. A change that does not land on the map keeps the centre.
  void SetView(GlobeUnit x, GlobeUnit y, long double scale, GlobeUnit z) override;

 protected:
  bool Inside(std::int64_t lon, std::int64_t lat) const {
    return Extents.Left <= lon && lon <= Extents.Right && Extents.Top <= lat &&
           lat <= Extents.Bottom;
  }
};

}  // namespace meridex
