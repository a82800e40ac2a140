#include "test_map.h"

#include <algorithm>
#include <fstream>

#include "common/text.h"
#include "globe/globe_engine.h"
#include "globe/globe_layer.h"
#include "globe/globe_poly_line.h"
#include "globe/globe_text.h"
#include "globe/layer_file_writer.h"

namespace meridex::test {

namespace {

void Polygon(TGlobeLayer& layer, const std::string& title, double west, double south, double east,
             double north, TColor fill) {
  auto* shape = CreateIn<TGlobePolygon>(layer);
  shape->Title = title;
  for (const TLLPoint p :
       {Degrees(west, south), Degrees(east, south), Degrees(east, north), Degrees(west, north)})
    shape->Points.Add(p);
  shape->Pen = FindOrCreatePen(layer, 0x808080, TPenStyle::psSolid, 1);
  shape->Brush = FindOrCreateBrush(layer, fill, TBrushStyle::bsSolid);
}

const char* kSection = R"([%s]
Name=%s
Enabled=%d
Visible=1
ScaleFont=%d
)";

std::string Section(const std::string& file, const std::string& name, bool enabled,
                    bool scaleFont) {
  char text[256];
  std::snprintf(text, sizeof text, kSection, file.c_str(), name.c_str(), enabled ? 1 : 0,
                scaleFont ? 1 : 0);
  return text;
}

}  // namespace

const std::vector<TestCity>& TestCities() {
  static const std::vector<TestCity> cities = {{"Alpha", 10, 10},
                                               {"Beta", -30, 5},
                                               {"Monaco", 42, 42},
                                               {"Z\xFCrich", 60, 20},
                                               {"Zug", 62, 10}};
  return cities;
}

void WriteTestMap(const std::filesystem::path& dir, const std::vector<std::string>& leaveOut) {
  std::filesystem::create_directories(dir / "maps");
  TGlobeEngine globe;
  TGlobeLayer& land = globe.AddLayer("land");
  Polygon(land, "", -5, -5, 25, 25, 0x80C0C0);
  TGlobeLayer& countries = globe.AddLayer("countries");
  Polygon(countries, "Testland", 0, 0, 20, 20, 0xA0E0A0);
  Polygon(countries, "Monaco", 40, 40, 50, 50, 0xE0A0A0);
  TGlobeLayer& borders = globe.AddLayer("borders");
  auto* line = CreateIn<TGlobePolyLine>(borders);
  line->Points.Add(Degrees(-10, -30));
  line->Points.Add(Degrees(30, -30));
  line->Pen = FindOrCreatePen(borders, 0x000080, TPenStyle::psSolid, 1);
  TGlobeLayer& cities = globe.AddLayer("cities");
  TGlobeFont* font =
      FindOrCreateFont(cities, "Arial", 0, 0, 10, TGlobeUnits::NauticalMile, 0x0000FF);
  for (const TestCity& city : TestCities()) {
    auto* dot = CreateIn<TGlobePointText>(cities);
    dot->Title = city.title;
    dot->Location = Degrees(city.lon, city.lat);
    dot->Font = font;
  }
  const TGlobeLayer* layers[] = {&land, &countries, &borders, &cities};
  const char* files[] = {"land.dat", "countries.dat", "borders.dat", "cities.dat"};
  const char* names[] = {"Land", "Countries", "Borders", "Cities"};
  std::string profile = "[LayerList]\n";
  for (int i = 0; i < 4; ++i) profile += std::to_string(i) + "=maps/" + files[i] + "\n";
  for (int i = 0; i < 4; ++i) {
    if (std::find(leaveOut.begin(), leaveOut.end(), files[i]) == leaveOut.end())
      SaveLayerFile(*layers[i], dir / "maps" / files[i]);
    // Land and borders cannot be pointed at; the city dots keep their size.
    profile += Section(files[i], names[i], i == 1 || i == 3, i != 3);
  }
  std::ofstream(dir / "tglobe.prf") << profile;
}

CityEntry TableEntry(const std::string& name, const std::string& country, int weekDay,
                     const std::string& time, const std::string& lon, const std::string& lat) {
  CityEntry e;
  e.Name = PadRight(name, kNameLength);
  e.State = PadRight("State of " + name, kStateLength);
  e.Country = PadRight(country, kCountryLength);
  e.Longitude = lon;
  e.Latitude = lat;
  e.WeekDay = weekDay;
  e.LocalTimeText = time;
  e.Origin = kOriginDatabase;
  return e;
}

}  // namespace meridex::test
