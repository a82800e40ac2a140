#pragma once

#include <cstddef>
#include <vector>

#include "globe/globe_types.h"
#include "globe/ll_point_list.h"

namespace meridex {

// The buffers every projection writes into: Points holds screen points after
// a forward projection and TLLPoints after an inverse one; Clip is the
// clipper's work area. Each globe has its own pair, which its projection
// models write into.
//
// The buffers start at 32,001 entries and grow, never shrink, when a longer
// point list or a clipped polygon needs more room, so any list can be
// projected in one call; after the largest list has been seen no projection
// allocates again.
class TPointBuffers {
 public:
  static constexpr std::size_t kInitialSize = 32'001;

  TPointBuffers() : Points(kInitialSize), Clip(kInitialSize) {}

  // Makes room for entries 0..n-1 of Points.
  void Reserve(std::size_t n) {
    if (Points.size() < n) Points.resize(Grown(Points.size(), n));
  }
  void ReserveClip(std::size_t n) {
    if (Clip.size() < n) Clip.resize(Grown(Clip.size(), n));
  }
  TLLPoint& At(std::size_t i) {
    Reserve(i + 1);
    return Points[i];
  }

  std::vector<TLLPoint> Points;
  std::vector<TLLPoint> Clip;
  // Where the sphere gathers the earth coordinates of the vertices it picks
  // before an object keeps them; grown as needed.
  std::vector<T3DPoint> Picks;

 private:
  static std::size_t Grown(std::size_t have, std::size_t need) {
    return need > have * 2 ? need : have * 2;
  }
};

}  // namespace meridex
