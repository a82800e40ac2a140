#pragma once

#include <filesystem>

#include "topology.h"

namespace meridex::maps {

// Reads a quantized TopoJSON file: its transform, its delta-encoded arcs and
// the polygons and lines of its objects (other geometry types are skipped).
// Throws std::runtime_error naming the file when it cannot be read or is not
// such a topology.
Topology ReadTopoJson(const std::filesystem::path& file);

}  // namespace meridex::maps
