#pragma once

#include <cstddef>

namespace meridex::maps {

// Even-odd test of a point against a closed ring of any point type; `x` and
// `y` read a point's coordinates.
template <class Ring, class Point, class X, class Y>
bool InsideRing(const Ring& ring, const Point& p, X x, Y y) {
  bool inside = false;
  const std::size_t n = ring.size();
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    const auto& a = ring[i];
    const auto& b = ring[j];
    if ((y(a) > y(p)) == (y(b) > y(p))) continue;
    const long double crossing = x(a) + static_cast<long double>(x(b) - x(a)) * (y(p) - y(a)) /
                                            static_cast<long double>(y(b) - y(a));
    if (x(p) < crossing) inside = !inside;
  }
  return inside;
}

}  // namespace meridex::maps
