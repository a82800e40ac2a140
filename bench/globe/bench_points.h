#pragma once

#include <cstddef>

#include "globe/ll_point_list.h"

namespace meridex::bench {

// Points in the order coastlines come in: random walks of walkLength points
// with small steps, each starting somewhere on the earth. Deterministic.
TLLPointList RandomWalks(std::size_t count, std::size_t walkLength, GlobeUnit step);
// Points spread uniformly over longitude and latitude. Deterministic.
TLLPointList UniformPoints(std::size_t count);

}  // namespace meridex::bench
