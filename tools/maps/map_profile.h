#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace meridex::maps {

// One layer as the profile lists it, with its settings.
struct ProfileLayer {
  std::string File;  // below the profile's directory, e.g. "maps/cities.dat"
  std::string Name;
  bool Enabled = true;  // selectable and named under the pointer
  std::int32_t MaxFontHeight = 0;
};

// The text of the globe profile: the layer list in drawing order and one
// section per layer (named by its file name) with every setting written out.
// Layers are named with a directory part, so they are looked up below the
// profile's own directory wherever it is copied.
std::string ProfileText(const std::vector<ProfileLayer>& layers);

}  // namespace meridex::maps
