#pragma once

#include <vector>

#include "topology.h"

namespace meridex::maps {

// Puts several closed rings (given without their repeated last point) into
// one point list that the even-odd fill draws as all of them: a shape with
// its holes (an enclave, a lake with its islands) or a group of islands.
//
// The rings are linked by a tree of bridges between their nearest points
// (nearest on the globe), each bridge drawn out and back along the same
// line, so it encloses nothing: the largest ring is walked first, and at the
// point where a bridge leaves it the walk goes over to the other ring, round
// it, and back. A filled shape's outline is drawn by other objects (the
// bridges would show in an outline).
PointList JoinRings(const std::vector<PointList>& rings);

}  // namespace meridex::maps
