#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "globe/globe_types.h"
#include "worldtime/city_table.h"

namespace meridex::test {

// A city of the test map, degrees east and north.
struct TestCity {
  std::string title;  // Latin-1, as layer files keep titles
  double lon, lat;
};

// The cities of the test map: Alpha inside Testland, Beta over open sea,
// Monaco (a country of the same name lies under it), Zürich and Zug.
const std::vector<TestCity>& TestCities();

// Writes a world map of four layers into dir: tglobe.prf and maps/*.dat.
// Layer 0: untitled land under Testland; layer 1: the countries Testland
// (0..20 E, 0..20 N) and Monaco (40..50 E, 40..50 N); layer 2: one untitled
// line; layer 3: the cities, dots of 10 pixels whatever the zoom. `leaveOut`
// names layer files (e.g. "countries.dat") that are listed but not written.
void WriteTestMap(const std::filesystem::path& dir, const std::vector<std::string>& leaveOut = {});

// A table entry as the city list keeps it: the name padded to 27
// characters, the place texts, the weekday and the time text.
CityEntry TableEntry(const std::string& name, const std::string& country, int weekDay,
                     const std::string& time, const std::string& lon = "10.00E",
                     const std::string& lat = "10.00N");

inline TLLPoint Degrees(double lon, double lat) {
  return {static_cast<GlobeUnit>(lon * GU_DEGREE), static_cast<GlobeUnit>(lat * GU_DEGREE)};
}

}  // namespace meridex::test
