// The shipped map as the program loads it: data/tglobe.prf and every layer it
// lists, through the globe's own layer loader, against data/kydafe.dat.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <set>

#include "city_points.h"
#include "common/text.h"
#include "globe/globe_engine.h"
#include "globe/globe_layer.h"
#include "globe/globe_poly_line.h"
#include "globe/globe_text.h"
#include "map_layers.h"
#include "worldtime/city_files.h"

namespace meridex::maps {
namespace {

namespace fs = std::filesystem;

const fs::path kData = MERIDEX_DATA_DIR;

GlobeUnit Degrees(double d) { return DegreesToGlobeUnits(d); }

// Keeps the messages of the layers that fail to load.
class MessageWindow : public TGlobeWindow {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

class ShippedMap : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    window_ = new MessageWindow;
    globe_ = new TGlobeEngine(800, 400);
    globe_->SetWindow(window_);
    globe_->SetProfileName((kData / "tglobe.prf").string());
    // Extents as at the first paint of a whole-earth map.
    globe_->SetProjection(TGlobeProjection::gpCartesian);
    for (int l = 0; l < globe_->LayerCount(); ++l)
      for (int i = 0; i < Layer(l).ObjectCount(); ++i) Layer(l).Objects(i)->CalcExtent();
  }
  static void TearDownTestSuite() {
    delete globe_;
    delete window_;
  }

  static TGlobeLayer& Layer(int index) { return globe_->GetLayer(index); }
  static const std::vector<std::string>& Messages() { return window_->messages; }

  // Titles of the objects of a layer that hold the point.
  static std::set<std::string> TitlesAt(int layer, double lon, double lat) {
    std::set<std::string> titles;
    TGlobeLayer& l = Layer(layer);
    for (int i = 0; i < l.ObjectCount(); ++i)
      if (l.Objects(i)->PtInObject(Degrees(lon), Degrees(lat))) titles.insert(l.Objects(i)->Title);
    return titles;
  }

  static MessageWindow* window_;
  static TGlobeEngine* globe_;
};

MessageWindow* ShippedMap::window_ = nullptr;
TGlobeEngine* ShippedMap::globe_ = nullptr;

TEST_F(ShippedMap, EveryListedLayerLoadsWithoutAMessage) {
  EXPECT_TRUE(Messages().empty()) << Messages().front();
  EXPECT_EQ(globe_->ProfileName(), (kData / "tglobe.prf").string());
  ASSERT_EQ(globe_->LayerCount(), 4);
  const char* names[] = {"Land", "Countries", "Lakes and borders", "Cities"};
  for (int l = 0; l < 4; ++l) {
    EXPECT_EQ(Layer(l).Name, names[l]);
    EXPECT_GT(Layer(l).ObjectCount(), 0) << names[l];
    EXPECT_TRUE(Layer(l).Visible) << names[l];
    std::cout << "layer " << l << " (" << names[l] << "): " << Layer(l).ObjectCount()
              << " objects, " << VertexCount(Layer(l)) << " vertices, "
              << fs::file_size(kData /
                               globe_->Profile()->ReadString("LayerList", std::to_string(l), ""))
              << " bytes\n";
  }
}

TEST_F(ShippedMap, LayerThreeHasOneDotPerDatabaseLocationTitledByItsName) {
  auto table = std::make_unique<CityTable>();
  const fs::path scratch = fs::temp_directory_path() / ("map_cities." + std::to_string(getpid()));
  fs::create_directories(scratch);
  fs::copy_file(kData / kCityDatabaseFile, scratch / kCityDatabaseFile);
  LoadCityTable(scratch, *table);
  fs::remove_all(scratch);
  TGlobeLayer& cities = Layer(3);
  ASSERT_EQ(cities.ObjectCount(), table->Count);
  for (int i = 0; i < table->Count; ++i) {
    const CityEntry& e = table->Entries[static_cast<std::size_t>(i)];
    const auto* dot = dynamic_cast<const TGlobePointText*>(cities.Objects(i));
    ASSERT_NE(dot, nullptr) << i;
    EXPECT_EQ(dot->Title, TrimRight(e.Name));
    EXPECT_EQ(dot->Location.X, ParseLongitudeText(e.Longitude)) << dot->Title;
    EXPECT_EQ(dot->Location.Y, ParseLatitudeText(e.Latitude)) << dot->Title;
  }
}

TEST_F(ShippedMap, CityLabelsGrowWithTheZoomAndTheDotsShowAtEveryZoom) {
  TGlobeLayer& cities = Layer(3);
  EXPECT_TRUE(cities.ScaleFont);
  EXPECT_EQ(cities.ZoomMin, 0);
  EXPECT_EQ(cities.ZoomMax, 0);
  EXPECT_EQ(cities.MaxFontHeight, kCityMaxFontHeight);
  const auto* font = dynamic_cast<const TGlobePointText*>(cities.Objects(0))->Font;
  ASSERT_NE(font, nullptr);
  // The world view's whole earth (a globe about 420 pixels wide): below the
  // 5-pixel text limit, so no labels; twice as close still none; four times
  // as close they show; at the closest zoom they stop at MaxFontHeight.
  const auto heightAt = [&](long double scale) {
    globe_->PrjModel().SetView(0, 0, scale, 0);
    return font->PixelHeight();
  };
  const long double whole = 420.0L / (2 * EARTH_RADIUS);
  EXPECT_LT(heightAt(whole), globe_->MinTextHeight());
  EXPECT_LT(heightAt(2 * whole), globe_->MinTextHeight());
  EXPECT_GE(heightAt(4 * whole), globe_->MinTextHeight());
  EXPECT_EQ(heightAt(2.1e-5L), kCityMaxFontHeight);
}

TEST_F(ShippedMap, EveryCountryShapeHasATitle) {
  TGlobeLayer& countries = Layer(1);
  std::set<std::string> titles;
  for (int i = 0; i < countries.ObjectCount(); ++i) {
    const auto* shape = dynamic_cast<const TGlobePolygon*>(countries.Objects(i));
    ASSERT_NE(shape, nullptr) << i;
    EXPECT_FALSE(shape->Title.empty()) << i;
    EXPECT_GE(shape->Points.Count(), 3) << shape->Title;
    titles.insert(shape->Title);
  }
  EXPECT_GE(titles.size(), 230u);
  for (const char* name : {"France", "Ukraine", "Western Sahara", "North Macedonia", "Antarctica",
                           "Bosnia and Herzegovina", "Cote d'Ivoire", "United States of America"})
    EXPECT_TRUE(titles.count(name)) << name;
}

TEST_F(ShippedMap, LayersWithUntitledObjectsCannotBePointedAt) {
  // The world view names every object under the pointer in the layers that
  // can be pointed at; an untitled one would leave an empty part.
  for (int l = 0; l < globe_->LayerCount(); ++l) {
    if (!Layer(l).Enabled) continue;
    for (int i = 0; i < Layer(l).ObjectCount(); ++i)
      EXPECT_FALSE(Layer(l).Objects(i)->Title.empty()) << "layer " << l << " object " << i;
  }
  EXPECT_TRUE(Layer(1).Enabled);
  EXPECT_TRUE(Layer(3).Enabled);
}

TEST_F(ShippedMap, CitiesLieInTheirCountries) {
  // Where these cities are (degrees east and north), and their countries.
  const struct {
    const char* city;
    double lon, lat;
    const char* country;
  } places[] = {{"Paris", 2.35, 48.86, "France"},
                {"Tokyo", 139.69, 35.69, "Japan"},
                {"Sydney", 151.21, -33.87, "Australia"},
                {"Sao Paulo", -46.63, -23.55, "Brazil"},
                {"Honolulu", -157.86, 21.31, "United States of America"}};
  for (const auto& p : places) {
    const TGlobeObject* dot = Layer(3).FindObject(p.city);
    ASSERT_NE(dot, nullptr) << p.city;
    // Within the arc minute to which the database cuts positions.
    EXPECT_NEAR(dot->Location.X / double(GU_DEGREE), p.lon, 1 / 60.0) << p.city;
    EXPECT_NEAR(dot->Location.Y / double(GU_DEGREE), p.lat, 1 / 60.0) << p.city;
    const double lon = dot->Location.X / double(GU_DEGREE),
                 lat = dot->Location.Y / double(GU_DEGREE);
    EXPECT_EQ(TitlesAt(1, lon, lat), std::set<std::string>{p.country}) << p.city;
  }
}

TEST_F(ShippedMap, HolesStayHolesAndAntarcticaIsClosedAtThePole) {
  EXPECT_TRUE(TitlesAt(0, 50.5, 42.0).empty()) << "the Caspian Sea is not land";
  EXPECT_TRUE(TitlesAt(1, 50.5, 42.0).empty()) << "nor any country";
  EXPECT_EQ(TitlesAt(1, 28.2, -29.6), std::set<std::string>{"Lesotho"});      // not South Africa
  EXPECT_EQ(TitlesAt(1, 12.45, 43.94), std::set<std::string>{"San Marino"});  // not Italy
  EXPECT_EQ(TitlesAt(1, 0, -89.5), std::set<std::string>{"Antarctica"});
  EXPECT_EQ(TitlesAt(1, 179.9, -88), std::set<std::string>{"Antarctica"});
  EXPECT_EQ(TitlesAt(0, -120, -89.5).size(), 1u);
}

TEST_F(ShippedMap, NoShapeOrLineStepsAcrossTheMap) {
  // A step of more than 180 degrees would draw as a band across a flat map.
  for (int l = 0; l < 3; ++l)
    for (int i = 0; i < Layer(l).ObjectCount(); ++i) {
      const auto* line = dynamic_cast<const TGlobePolyLine*>(Layer(l).Objects(i));
      ASSERT_NE(line, nullptr);
      const TLLPoint* p = line->Points.Points();
      const int n = line->Points.Count();
      for (int k = 0; k < n; ++k) {
        const TLLPoint& next = p[(k + 1) % n];
        const bool closing = k + 1 == n;
        if (closing && !dynamic_cast<const TGlobePolygon*>(line)) break;
        // Along the pole (the bottom edge of a flat map) is no band.
        if (std::abs(p[k].Y) == GU_90 && next.Y == p[k].Y) continue;
        ASSERT_LE(std::abs(std::int64_t{next.X} - p[k].X), GU_180)
            << "layer " << l << " object " << i << " (" << line->Title << ") vertex " << k;
        ASSERT_LE(std::abs(p[k].X), GU_180);
        ASSERT_LE(std::abs(p[k].Y), GU_90);
      }
    }
}

}  // namespace
}  // namespace meridex::maps
