#pragma once

#include <string>
#include <vector>

#include "globe/globe_engine.h"

namespace meridex {

class TGlobeLayer;

// The layers of the world view's map as the profile lists them: entry 1 the
// country shapes (named after the position under the pointer), entry 3 the
// cities (the list of cities), four entries in all.
inline constexpr int kShapeEntry = 1;
inline constexpr int kCityEntry = 3;
inline constexpr int kWorldMapEntries = 4;

// What of the map did load: the layer that came from each entry the world
// view relies on (a layer that fails to load is left out, and the ones after
// it move down), and the entries that are missing.
struct TWorldMapLayers {
  int shapes = -1;  // layer index, -1 when that layer did not load
  int cities = -1;
  std::vector<std::string> missing;  // the file names of missing entries, or "layer N"
  bool complete() const { return missing.empty(); }
};

// Matches the globe's layers to the entries of its profile's layer list.
TWorldMapLayers FindWorldMapLayers(const TGlobeEngine& globe);

// The one message about an incomplete map, naming the profile and the missing
// layers; empty when the map is complete.
std::string MissingLayersMessage(const std::string& profile, bool profileFound,
                                 const TWorldMapLayers& layers);

}  // namespace meridex
