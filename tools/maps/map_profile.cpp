#include "map_profile.h"

#include <sstream>

namespace meridex::maps {

namespace {

std::string FilePart(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string ProfileText(const std::vector<ProfileLayer>& layers) {
  std::ostringstream out;
  out << "; The world view's globe: its layers, bottom first, and their settings.\n"
         "; Made by tools/maps (see data/README.md); the layer files lie below this\n"
         "; file's directory, so the two are copied together.\n"
         "[LayerList]\n";
  for (std::size_t i = 0; i < layers.size(); ++i) out << i << "=" << layers[i].File << "\n";
  for (const ProfileLayer& layer : layers) {
    out << "\n[" << FilePart(layer.File) << "]\n"
        << "Name=" << layer.Name << "\n"
        << "Enabled=" << (layer.Enabled ? 1 : 0) << "\n"
        << "Visible=1\n"
        << "Animated=0\n"
        << "ScaleFont=1\n"
        << "ZoomUnits=NM\n"
        << "ZoomMin=0\n"
        << "ZoomMax=0\n"
        << "MaxFontHeight=" << layer.MaxFontHeight << "\n";
  }
  return out.str();
}

}  // namespace meridex::maps
