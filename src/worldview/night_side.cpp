#include "worldview/night_side.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace meridex {

namespace {

constexpr double kDeg = std::numbers::pi / 180;
// The sine of the sun's altitude where the night begins to darken (sunset:
// the sun's upper edge on the horizon) and where it is fully dark (the end
// of nautical twilight).
const double kDusk = std::sin(-0.833 * kDeg);
const double kDark = std::sin(-12 * kDeg);

}  // namespace

TNightSide::TNightSide(SubSolarPoint sun) : sun_(sun) {
  const double delta = sun.latitude * kDeg, lambda = sun.longitude * kDeg;
  sx_ = std::cos(delta) * std::cos(lambda);
  sy_ = std::cos(delta) * std::sin(lambda);
  sz_ = std::sin(delta);
}

double TNightSide::Darkness(double latitude, double longitude) const {
  const double phi = latitude * kDeg, lambda = longitude * kDeg;
  // The sine of the sun's altitude: the place's unit vector towards the sun.
  const double s =
      std::cos(phi) * (std::cos(lambda) * sx_ + std::sin(lambda) * sy_) + std::sin(phi) * sz_;
  const double t = std::clamp((kDusk - s) / (kDusk - kDark), 0.0, 1.0);
  return t * t * (3 - 2 * t);  // smooth at both ends of the twilight
}

TNightShade ShadeView(const TNightSide& night, int width, int height, int step,
                      const TPixelToLatLong& locate, std::uint8_t maxAlpha) {
  TNightShade shade;
  shade.step = std::max(1, step);
  shade.columns = (std::max(0, width) + shade.step - 1) / shade.step;
  shade.rows = (std::max(0, height) + shade.step - 1) / shade.step;
  const std::size_t count = static_cast<std::size_t>(shade.columns) * shade.rows;
  shade.alpha.assign(count, 0);
  std::vector<bool> onMap(count, false);
  for (int r = 0; r < shade.rows; ++r) {
    for (int c = 0; c < shade.columns; ++c) {
      double latitude = 0, longitude = 0;
      const int x = c * shade.step + shade.step / 2, y = r * shade.step + shade.step / 2;
      if (!locate(x, y, latitude, longitude)) continue;
      const std::size_t i = static_cast<std::size_t>(r) * shade.columns + c;
      onMap[i] = true;
      shade.alpha[i] =
          static_cast<std::uint8_t>(std::lround(night.Darkness(latitude, longitude) * maxAlpha));
    }
  }
  // Off the map, the darkest neighbour on it.
  const std::vector<std::uint8_t> sampled = shade.alpha;
  for (int r = 0; r < shade.rows; ++r) {
    for (int c = 0; c < shade.columns; ++c) {
      const std::size_t i = static_cast<std::size_t>(r) * shade.columns + c;
      if (onMap[i]) continue;
      for (int dr = -1; dr <= 1; ++dr)
        for (int dc = -1; dc <= 1; ++dc) {
          const int rr = r + dr, cc = c + dc;
          if (rr < 0 || cc < 0 || rr >= shade.rows || cc >= shade.columns) continue;
          const std::size_t j = static_cast<std::size_t>(rr) * shade.columns + cc;
          if (onMap[j]) shade.alpha[i] = std::max(shade.alpha[i], sampled[j]);
        }
    }
  }
  return shade;
}

}  // namespace meridex
