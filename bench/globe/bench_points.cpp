#include "bench_points.h"

#include <algorithm>
#include <random>

namespace meridex::bench {

TLLPointList RandomWalks(std::size_t count, std::size_t walkLength, GlobeUnit step) {
  std::mt19937 random(1234567);
  std::uniform_int_distribution<int> lon(-GU_180, GU_180);
  std::uniform_int_distribution<int> lat(-460000000, 460000000);
  std::uniform_int_distribution<int> delta(-step, step);
  TLLPointList list;
  list.SetCapacity(static_cast<std::int64_t>(count));
  TLLPoint p;
  for (std::size_t i = 0; i < count; ++i) {
    if (i % walkLength == 0) {
      p = {lon(random), lat(random)};
    } else {
      p.X = std::clamp(p.X + delta(random), -GU_180, GU_180);
      p.Y = std::clamp(p.Y + delta(random), -480000000, 480000000);
    }
    list.Add(p);
  }
  return list;
}

TLLPointList UniformPoints(std::size_t count) {
  std::mt19937 random(7654321);
  std::uniform_int_distribution<int> lon(-GU_180, GU_180);
  std::uniform_int_distribution<int> lat(-480000000, 480000000);
  TLLPointList list;
  list.SetCapacity(static_cast<std::int64_t>(count));
  for (std::size_t i = 0; i < count; ++i) list.Add({lon(random), lat(random)});
  return list;
}

}  // namespace meridex::bench
