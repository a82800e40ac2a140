#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "worldview/solar_position.h"

namespace meridex {

// How dark the night side is at a place: 0 where the sun is up, rising
// smoothly through twilight to 1 where it is 12 degrees or more below the
// horizon, so that the edge between day and night is soft.
class TNightSide {
 public:
  explicit TNightSide(SubSolarPoint sun = {});

  const SubSolarPoint& Sun() const { return sun_; }
  // 0..1 at a place (degrees).
  double Darkness(double latitude, double longitude) const;

 private:
  SubSolarPoint sun_;
  double sx_, sy_, sz_;  // the unit vector towards the sun
};

// The night side sampled over a view, every `step` pixels: sample (c, r)
// stands for the pixels from (c * step, r * step) on, and is taken at the
// middle of that square. Alpha 0..255; samples off the map take the value of
// a neighbour on it, so that the shade drawn smoothly does not fade at the
// map's edge.
struct TNightShade {
  int step = 1;
  int columns = 0;
  int rows = 0;
  std::vector<std::uint8_t> alpha;  // row by row
};

// Where a pixel lies on the earth (degrees); false off the globe or map.
using TPixelToLatLong = std::function<bool(int x, int y, double& latitude, double& longitude)>;

// `maxAlpha`: the alpha of the darkest night.
TNightShade ShadeView(const TNightSide& night, int width, int height, int step,
                      const TPixelToLatLong& locate, std::uint8_t maxAlpha);

}  // namespace meridex
