#include "city_points.h"

#include <unistd.h>

#include <memory>
#include <stdexcept>
#include <system_error>

#include "common/text.h"
#include "worldtime/city_files.h"

namespace meridex::maps {

namespace {

GlobeUnit ParsePosition(std::string_view text, int maxDegrees, char positive, char negative) {
  const auto bad = [&] {
    return std::runtime_error("bad position text \"" + std::string(text) + "\"");
  };
  const std::size_t dot = text.find('.');
  if (dot == std::string_view::npos || dot == 0 || dot > 3 || text.size() != dot + 4) throw bad();
  int degrees = 0;
  for (std::size_t i = 0; i < dot; ++i) {
    if (text[i] < '0' || text[i] > '9') throw bad();
    degrees = degrees * 10 + (text[i] - '0');
  }
  const char m1 = text[dot + 1], m2 = text[dot + 2], hemisphere = text[dot + 3];
  if (m1 < '0' || m1 > '5' || m2 < '0' || m2 > '9') throw bad();
  const int minutes = (m1 - '0') * 10 + (m2 - '0');
  if (hemisphere != positive && hemisphere != negative) throw bad();
  if (degrees * 60 + minutes > maxDegrees * 60) throw bad();
  const GlobeUnit value = degrees * GU_DEGREE + minutes * GU_MINUTE;
  return hemisphere == positive ? value : -value;
}

}  // namespace

GlobeUnit ParseLongitudeText(std::string_view text) { return ParsePosition(text, 180, 'E', 'W'); }
GlobeUnit ParseLatitudeText(std::string_view text) { return ParsePosition(text, 90, 'N', 'S'); }

std::vector<MapCity> DatabaseCities(const CityTable& table) {
  std::vector<MapCity> cities;
  for (int i = 0; i < table.Count; ++i) {
    const CityEntry& e = table.Entries[static_cast<std::size_t>(i)];
    if (e.Origin != kOriginDatabase) continue;
    const std::string title = TrimRight(e.Name);
    try {
      cities.push_back({title, {ParseLongitudeText(e.Longitude), ParseLatitudeText(e.Latitude)}});
    } catch (const std::runtime_error& error) {
      throw std::runtime_error(title + ": " + error.what());
    }
  }
  return cities;
}

std::vector<MapCity> LoadDatabaseCities(const std::filesystem::path& cityDatabase) {
  namespace fs = std::filesystem;
  const fs::path scratch =
      fs::temp_directory_path() / ("meridex-map-cities." + std::to_string(::getpid()));
  fs::create_directories(scratch);
  struct Cleanup {
    fs::path dir;
    ~Cleanup() {
      std::error_code ignored;
      fs::remove_all(dir, ignored);
    }
  } cleanup{scratch};
  fs::copy_file(cityDatabase, scratch / kCityDatabaseFile, fs::copy_options::overwrite_existing);
  auto table = std::make_unique<CityTable>();
  const std::string leftOut = LoadCityTable(scratch, *table);
  if (!leftOut.empty()) throw std::runtime_error(leftOut);
  return DatabaseCities(*table);
}

}  // namespace meridex::maps
