#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "globe/globe_types.h"
#include "globe/globe_units.h"

namespace meridex {

// What lies under the pointer in one layer: the title of the object found.
struct TLayerHit {
  int layer = 0;
  std::string title;
};

// The world view's caption while the pointer moves over the globe:
// " World View : ", the position ("12.30E 45.07N", degrees and minutes), then
// " - " and the title of each object found, the layers taken from the last to
// the first, except that the hit in the shape layer (the countries) comes
// last, always after " - " (empty when there is none). An object without a
// title adds nothing.
std::string PointerCaption(TLLPoint position, const std::vector<TLayerHit>& hitsLastLayerFirst,
                           int shapeLayer);

// The label of the one-inch scale bar: the ground distance of one screen
// inch (`unitsPerInch` GlobeUnits) in kilometres, or in metres when that is
// under 10 km, or in centimetres when that is under 10 m: "250 KM".
std::string ScaleBarLabel(std::int32_t unitsPerInch);

}  // namespace meridex
