#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "globe/globe_types.h"
#include "worldtime/city_table.h"

namespace meridex::maps {

// A location of the city database as the map marks it: its name without the
// padding (the title by which the world view finds its time) and its place.
struct MapCity {
  std::string Title;
  TLLPoint Location;
};

// The city database's position texts ("151.12E", "33.52S": degrees, a
// point, two digits of arc minutes, the hemisphere) in GlobeUnits. Throws
// std::runtime_error naming the text when it is not of that form.
GlobeUnit ParseLongitudeText(std::string_view text);
GlobeUnit ParseLatitudeText(std::string_view text);

// The database's locations (not the user's own), in table order.
std::vector<MapCity> DatabaseCities(const CityTable& table);

// Reads a city database file with the program's own loader (from a scratch
// copy, so that nothing is written beside it).
std::vector<MapCity> LoadDatabaseCities(const std::filesystem::path& cityDatabase);

}  // namespace meridex::maps
