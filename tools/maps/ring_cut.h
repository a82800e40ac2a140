#pragma once

#include <vector>

#include "topology.h"

namespace meridex::maps {

// A filled shape: its outer ring, then its holes, each ring given without a
// repeated last point.
using Shape = std::vector<PointList>;

// The sources draw a shape that crosses the 180-degree meridian as one ring
// that steps from about +180 to about -180 degrees (and Antarctica's coast
// as a ring that goes once round the earth). On the globe that step is
// short, but a flat map would draw it as a band right across the map. These
// cut rings and lines into pieces that each stay within -180..+180 degrees;
// on the globe the pieces meet again along the meridian.

// Cuts a closed ring (its last point equal to its first) into simple closed
// pieces within +-180 degrees, given without the repeated last point. A ring
// that goes once round a pole is first closed along that pole: down the
// meridian where it starts, along the pole and back up, stopping on the way
// at the Mercator map's limit (86 degrees) so that the map's edge is filled
// too. Edges along the 180-degree meridian get a point every degree, so that
// on the globe the pieces on either side follow the same curve. Pieces
// without area are left out.
std::vector<PointList> CutRing(const PointList& ring);

// Cuts a line into lines within +-180 degrees, each ending on the meridian
// where it crosses it.
std::vector<PointList> CutLine(const PointList& line);

// Splits a shape by a meridian (longitude `at`) or a parallel (latitude
// `at`, alongLatitude) into the shapes on either side, each with the holes
// that lie in it; a hole the line crosses becomes a notch in the pieces. The
// pieces are simple rings that meet along the line (with a point every
// degree there). Throws std::runtime_error if the pieces do not add up to
// the shape's area (a ring that crosses itself).
std::vector<Shape> SplitShape(const Shape& shape, bool alongLatitude, GlobeUnit at);

// Twice the signed area of a ring in square GlobeUnits (counter-clockwise
// positive), as a floating-point value.
long double RingArea2(const PointList& ring);

}  // namespace meridex::maps
