#include "worldview/world_map.h"

#include "globe/file_names.h"
#include "globe/globe_layer.h"

namespace meridex {

namespace {

// Whether a layer was loaded from a profile entry: its file name is the
// entry, or ends with it after a directory separator.
bool LoadedFrom(const TGlobeLayer& layer, const std::string& entry) {
  const std::string file = NativePath(layer.FileName).string();
  const std::string tail = NativePath(entry).string();
  if (file == tail) return true;
  return file.size() > tail.size() &&
         file.compare(file.size() - tail.size(), tail.size(), tail) == 0 &&
         IsPathSeparator(file[file.size() - tail.size() - 1]);
}

}  // namespace

TWorldMapLayers FindWorldMapLayers(const TGlobeEngine& globe) {
  TWorldMapLayers found;
  const TProfileReader* profile = globe.Profile();
  int next = 0;  // layers load in entry order, so each is sought after the last
  for (int entry = 0; entry < kWorldMapEntries; ++entry) {
    const std::string name =
        profile ? profile->ReadString("LayerList", std::to_string(entry), "") : "";
    int index = -1;
    for (int i = next; !name.empty() && i < globe.LayerCount(); ++i) {
      if (LoadedFrom(globe.GetLayer(i), name)) {
        index = i;
        next = i + 1;
        break;
      }
    }
    if (index < 0) found.missing.push_back(name.empty() ? "layer " + std::to_string(entry) : name);
    if (entry == kShapeEntry) found.shapes = index;
    if (entry == kCityEntry) found.cities = index;
  }
  return found;
}

std::string MissingLayersMessage(const std::string& profile, bool profileFound,
                                 const TWorldMapLayers& layers) {
  if (layers.complete()) return {};
  const std::string cities =
      layers.cities < 0 ? " Without its cities layer no cities can be listed or found." : "";
  if (!profileFound)
    return "The world map \"" + profile + "\" cannot be found. The globe is shown without it." +
           cities;
  std::string names;
  for (const std::string& name : layers.missing) names += (names.empty() ? "" : ", ") + name;
  return "The world map \"" + profile + "\" is incomplete: " + names +
         (layers.missing.size() == 1 ? " is" : " are") +
         " missing. The globe shows the layers that did load." + cities;
}

}  // namespace meridex
