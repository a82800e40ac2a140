#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace meridex {

class TGlobeLayer;

// A whole layer file (version 0x220) of a layer's attributes and objects:
// the header, then one class block for each run of records of one class,
// attributes first, in list order, so that attribute indexes stay valid.
// coordinateDivisor 1 stores 32-bit GlobeUnits, 90,000 16-bit arc minutes.
std::vector<std::uint8_t> WriteLayerFile(const TGlobeLayer& layer,
                                         std::int32_t coordinateDivisor = 1);
// Writes it to file without ever leaving a half-written file.
void SaveLayerFile(const TGlobeLayer& layer, const std::filesystem::path& file,
                   std::int32_t coordinateDivisor = 1);

}  // namespace meridex
