#include "topology.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace meridex::maps {

const std::vector<TopoGeometry>& Topology::Object(const std::string& name) const {
  const auto at = Objects.find(name);
  if (at == Objects.end()) throw std::runtime_error("the topology has no object \"" + name + "\"");
  return at->second;
}

PointList Topology::Join(const std::vector<int>& references) const {
  PointList points;
  for (const int reference : references) {
    const bool reversed = reference < 0;
    const std::size_t index = static_cast<std::size_t>(reversed ? ~reference : reference);
    if (index >= Arcs.size())
      throw std::runtime_error("arc reference " + std::to_string(reference) + " beyond the " +
                               std::to_string(Arcs.size()) + " arcs");
    PointList arc = Arcs[index];
    if (reversed) std::reverse(arc.begin(), arc.end());
    const std::size_t skip = points.empty() || arc.empty() ? 0 : 1;
    points.insert(points.end(), arc.begin() + static_cast<std::ptrdiff_t>(skip), arc.end());
  }
  return points;
}

GlobeUnit DegreesToGlobeUnits(double degrees) {
  return static_cast<GlobeUnit>(std::llround(degrees * GU_DEGREE));
}

PointList DecodeArc(const std::vector<std::array<std::int64_t, 2>>& deltas,
                    const TopoTransform& transform) {
  PointList points;
  points.reserve(deltas.size());
  std::int64_t qx = 0, qy = 0;  // positions stay exact integers until converted
  for (const auto& d : deltas) {
    qx += d[0];
    qy += d[1];
    const GlobeUnit x =
        DegreesToGlobeUnits(static_cast<double>(qx) * transform.ScaleX + transform.TranslateX);
    const GlobeUnit y =
        DegreesToGlobeUnits(static_cast<double>(qy) * transform.ScaleY + transform.TranslateY);
    points.push_back({std::clamp(x, -GU_180, GU_180), std::clamp(y, -GU_90, GU_90)});
  }
  return points;
}

}  // namespace meridex::maps
