// Writes the world view's map, data/tglobe.prf and its layer files, from the
// TopoJSON files of the sources and the shipped city database:
//
//   map_generate --world 50m.json --lakes world_50m.json --names country_names.txt
//                --cities data/kydafe.dat --out data
//
// The same inputs always give the same bytes.
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <map>
#include <string>

#include "common/record_io.h"
#include "globe/globe_engine.h"
#include "globe/layer_file_writer.h"
#include "map_layers.h"
#include "map_profile.h"
#include "topojson_file.h"

namespace {

namespace fs = std::filesystem;
using namespace meridex;
using namespace meridex::maps;

constexpr const char* kUsage =
    "usage: map_generate --world FILE --lakes FILE --names FILE --cities kydafe.dat --out DIR\n";

std::map<std::string, std::string> ParseOptions(int argc, char** argv) {
  std::map<std::string, std::string> options;
  for (int i = 1; i + 1 < argc; i += 2) options[argv[i]] = argv[i + 1];
  for (const char* key : {"--world", "--lakes", "--names", "--cities", "--out"})
    if (!options.count(key) || argc != 11) throw std::invalid_argument(kUsage);
  return options;
}

NameTable ReadNames(const fs::path& file) {
  std::ifstream in(file);
  if (!in) throw std::runtime_error("cannot open \"" + file.string() + "\"");
  try {
    return ReadNameTable(in);
  } catch (const std::runtime_error& e) {
    throw std::runtime_error(file.string() + ": " + e.what());
  }
}

void Report(const fs::path& file, const TGlobeLayer& layer) {
  std::cout << std::left << std::setw(16) << file.filename().string() << std::right << std::setw(6)
            << layer.ObjectCount() << " objects " << std::setw(7) << VertexCount(layer)
            << " vertices " << std::setw(9) << fs::file_size(file) << " bytes\n";
}

int Run(const std::map<std::string, std::string>& options) {
  const Topology world = ReadTopoJson(options.at("--world"));
  const Topology lakes = ReadTopoJson(options.at("--lakes"));
  const NameTable names = ReadNames(options.at("--names"));
  const std::vector<MapCity> cities = LoadDatabaseCities(options.at("--cities"));
  const fs::path out = options.at("--out");
  fs::create_directories(out / "maps");

  TGlobeEngine globe;
  TGlobeLayer& land = globe.AddLayer("land");
  AddLand(world, land);
  TGlobeLayer& countries = globe.AddLayer("countries");
  const std::vector<std::string> leftOut = AddCountries(world, names, countries);
  TGlobeLayer& borders = globe.AddLayer("borders");
  AddLakes(lakes, borders);
  AddCoastsAndBorders(world, borders);
  TGlobeLayer& cityLayer = globe.AddLayer("cities");
  AddCities(cities, cityLayer);

  const std::vector<ProfileLayer> profile = {
      {"maps/land.dat", "Land", false, 0},
      {"maps/countries.dat", "Countries", true, 0},
      {"maps/borders.dat", "Lakes and borders", false, 0},
      {"maps/cities.dat", "Cities", true, kCityMaxFontHeight},
  };
  const TGlobeLayer* layers[] = {&land, &countries, &borders, &cityLayer};
  for (std::size_t i = 0; i < profile.size(); ++i) {
    const fs::path file = out / profile[i].File;
    SaveLayerFile(*layers[i], file);
    Report(file, *layers[i]);
  }
  const std::string text = ProfileText(profile);
  WriteFileAtomically(out / "tglobe.prf",
                      std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  for (const std::string& title : leftOut)
    std::cout << "left out (no area at this scale): " << title << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(ParseOptions(argc, argv));
  } catch (const std::invalid_argument& e) {
    std::cerr << e.what();
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "map_generate: " << e.what() << "\n";
    return 1;
  }
}
