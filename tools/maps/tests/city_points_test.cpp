// The city database's position texts read back as GlobeUnits.
#include "city_points.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace meridex::maps {
namespace {

TEST(PositionText, DegreesAndMinutesWithTheirHemisphere) {
  EXPECT_EQ(ParseLongitudeText("151.12E"), 151 * GU_DEGREE + 12 * GU_MINUTE);
  EXPECT_EQ(ParseLatitudeText("33.52S"), -(33 * GU_DEGREE + 52 * GU_MINUTE));
  EXPECT_EQ(ParseLongitudeText("0.11W"), -11 * GU_MINUTE);
  EXPECT_EQ(ParseLongitudeText("180.00E"), GU_180);
  EXPECT_EQ(ParseLatitudeText("90.00N"), GU_90);
  EXPECT_EQ(ParseLatitudeText("0.00N"), 0);
}

TEST(PositionText, AnythingElseIsRefusedNamingTheText) {
  for (const char* bad : {"", "151.12", "151.12N", "12.3E", "151.60E", "180.01E", "1234.00E",
                          "a.00E", "90.01N", "12.345E", ".12E"}) {
    EXPECT_THROW(
        {
          try {
            ParseLatitudeText(bad);
            ParseLongitudeText(bad);
          } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(std::string("\"") + bad + "\""),
                      std::string::npos);
            throw;
          }
        },
        std::runtime_error)
        << bad;
  }
}

TEST(DatabaseCities, TitlesWithoutPaddingAndOnlyTheDatabasesLocations) {
  auto table = std::make_unique<CityTable>();
  CityEntry& adelaide = table->Entries[0];
  adelaide.Name = "Adelaide                   ";
  adelaide.Longitude = "138.35E";
  adelaide.Latitude = "34.55S";
  adelaide.Origin = kOriginDatabase;
  table->Entries[1].Name = "My Place";  // a custom location has no position texts
  table->Entries[1].Origin = kOriginCustom;
  table->Count = 2;
  const auto cities = DatabaseCities(*table);
  ASSERT_EQ(cities.size(), 1u);
  EXPECT_EQ(cities[0].Title, "Adelaide");
  EXPECT_EQ(cities[0].Location.X, 138 * GU_DEGREE + 35 * GU_MINUTE);
  EXPECT_EQ(cities[0].Location.Y, -(34 * GU_DEGREE + 55 * GU_MINUTE));
  table->Entries[0].Latitude = "34.5S";
  EXPECT_THROW(DatabaseCities(*table), std::runtime_error);
}

}  // namespace
}  // namespace meridex::maps
