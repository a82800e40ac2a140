#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "globe/globe_types.h"

namespace meridex::maps {

// A line or ring of geographic points in GlobeUnits. Rings as the sources
// give them end on their first point.
using PointList = std::vector<TLLPoint>;

// One geometry of a TopoJSON object: its name and id, and its shape as lists
// of arc references (reference i is arc i, reference ~i is arc i reversed).
struct TopoGeometry {
  std::string Name;  // properties.name, or empty
  std::string Id;
  std::vector<std::vector<std::vector<int>>> Polygons;  // polygon -> rings -> arc references
  std::vector<std::vector<int>> Lines;                  // line -> arc references
};

// The quantization of a topology: position = quantized * Scale + Translate,
// in degrees.
struct TopoTransform {
  double ScaleX = 1, ScaleY = 1;
  double TranslateX = 0, TranslateY = 0;
};

// A TopoJSON topology with its arcs decoded. Shared borders are one arc
// used by both shapes, once forwards and once reversed.
struct Topology {
  std::vector<PointList> Arcs;
  std::map<std::string, std::vector<TopoGeometry>> Objects;

  // The geometries of a named object; throws std::runtime_error when the
  // topology has no such object.
  const std::vector<TopoGeometry>& Object(const std::string& name) const;
  // The points of a ring or line: the arcs joined end to start (each arc
  // after the first begins where the last one ended, so that point is taken
  // once). Throws std::runtime_error for a reference to a missing arc.
  PointList Join(const std::vector<int>& references) const;
};

// Decodes an arc of delta-encoded quantized positions into GlobeUnits,
// rounded to the nearest unit and kept within +-180 by +-90 degrees.
PointList DecodeArc(const std::vector<std::array<std::int64_t, 2>>& deltas,
                    const TopoTransform& transform);

// Degrees to GlobeUnits, rounded to the nearest unit.
GlobeUnit DegreesToGlobeUnits(double degrees);

}  // namespace meridex::maps
