// The world view's texts: the pointer caption, the scale bar, the selected
// city's details, the filter and the map's layers.
#include "worldview/world_texts.h"

#include <gtest/gtest.h>

#include "globe/globe_engine.h"
#include "support/temp_dir.h"
#include "test_map.h"
#include "worldview/city_details.h"
#include "worldview/city_filter.h"
#include "worldview/world_map.h"

namespace meridex {
namespace {

using namespace std::chrono;
using test::Degrees;

TEST(PointerCaption, NamesThePositionThenTheObjectsWithTheCountryLast) {
  const TLLPoint p{12 * GU_DEGREE + 30 * GU_MINUTE, 45 * GU_DEGREE + 7 * GU_MINUTE};
  // A city (layer 3) inside a country (layer 1) over untitled land (layer 0).
  EXPECT_EQ(PointerCaption(p, {{3, "Tokyo"}, {1, "Japan"}, {0, ""}}, 1),
            " World View : 12.30E 45.07N - Tokyo - Japan");
  // Over open sea the position is followed by the empty country part.
  EXPECT_EQ(PointerCaption({-60 * GU_DEGREE, -40 * GU_DEGREE}, {}, 1),
            " World View : 60.00W 40.00S - ");
  // An untitled object adds nothing; without a country layer nothing is set aside.
  EXPECT_EQ(PointerCaption(p, {{2, ""}, {1, "Japan"}}, -1),
            " World View : 12.30E 45.07N - Japan - ");
  // Off the globe the position is (180, 180).
  EXPECT_EQ(PointerCaption({GU_180, GU_180}, {}, 1), " World View : 180.00E 180.00N - ");
}

TEST(ScaleBarLabel, KilometresThenMetresThenCentimetres) {
  // A nautical mile (1,852 m) is one arc minute, 90,000 GlobeUnits.
  EXPECT_EQ(ScaleBarLabel(90'000 * 135), "250 KM");  // 250.02 km
  EXPECT_EQ(ScaleBarLabel(90'000 * 6), "11 KM");     // 11.1 km
  EXPECT_EQ(ScaleBarLabel(90'000 * 5), "9260 M");    // 9.26 km is under 10
  EXPECT_EQ(ScaleBarLabel(400), "823 CM");           // 8.23 m is under 10
  // The closest zoom on a 96 pixels-per-inch screen: about 94 km an inch.
  EXPECT_EQ(ScaleBarLabel(static_cast<std::int32_t>(96 / 2.1e-5)), "94 KM");
}

TEST(CityDetails, TheLastEntryOfTheNameWinsWithTextsTrimmedAndTheDateByWeekday) {
  auto table = std::make_unique<CityTable>();
  table->Entries[0] = test::TableEntry("Paris", "France", 7, "11:00 p", "2.20E", "48.52N");
  table->Entries[1] = test::TableEntry("Paris", "United States", 1, "04:00 p", "95.33W", "33.40N");
  table->Entries[2] = test::TableEntry("Tokyo", "Japan", 0, "");
  table->Entries[4] = test::TableEntry("Behind", "Nowhere", 2, "01:00 a");  // after the gap
  table->Count = 3;
  const sys_days saturday = sys_days{year{2026} / January / 10};
  auto d = CityDetailsFor(*table, "Paris", saturday);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->Country, "United States");
  EXPECT_EQ(d->City, "Paris");
  EXPECT_EQ(d->State, "State of Paris");
  EXPECT_EQ(d->Longitude, "95.33W");
  EXPECT_EQ(d->DayOfWeek, "Sunday");
  EXPECT_EQ(d->Date, sys_days{year{2026} / January / 11});  // Sunday follows Saturday
  // On a Sunday a city whose weekday is Saturday shows yesterday.
  table->Entries[1].WeekDay = 7;
  d = CityDetailsFor(*table, "Paris", saturday + days{1});
  EXPECT_EQ(d->Date, sys_days{year{2026} / January / 10});
  // Weekday 0: no day and no date.
  d = CityDetailsFor(*table, "Tokyo", saturday);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->DayOfWeek, "N/A");
  EXPECT_FALSE(d->Date);
  // Names match exactly once their padding is gone; the first empty slot ends the table.
  EXPECT_FALSE(CityDetailsFor(*table, "paris", saturday));
  EXPECT_FALSE(CityDetailsFor(*table, "Behind", saturday));
  EXPECT_FALSE(CityDetailsFor(*table, "", saturday));
}

TEST(CityFilter, IgnoresCaseAndAccentsAndMatchesAnywhereInTheName) {
  EXPECT_EQ(FoldForMatch("S\u00e3o Tom\u00e9"), "sao tome");
  EXPECT_EQ(FoldForMatch("\u00c6r\u00f8 \u0141\u00f3d\u017a \u00df \u0152"), "aero lodz ss oe");
  EXPECT_EQ(FoldForMatch("\u041c\u043e\u0441\u043a\u0432\u0430"),
            "\u041c\u043e\u0441\u043a\u0432\u0430");
  EXPECT_EQ(FoldForMatch("Z\xFCrich"),
            "zurich");  // not UTF-8: read as Latin-1, as layer titles are
  EXPECT_TRUE(FilterMatches("Sao Paulo", "S\u00c3O"));
  EXPECT_TRUE(FilterMatches("Z\u00fcrich", "zur"));
  EXPECT_TRUE(FilterMatches("New York", "york"));
  EXPECT_TRUE(FilterMatches("Anything", ""));
  EXPECT_FALSE(FilterMatches("Paris", "pra"));
}

TEST(WorldMapLayers, FollowTheProfileEntriesWhenALayerFailsToLoad) {
  test::TempDir dir;
  test::WriteTestMap(dir.path());
  TGlobeEngine globe(300, 300);
  globe.SetProfileName((dir.path() / "tglobe.prf").string());
  TWorldMapLayers layers = FindWorldMapLayers(globe);
  EXPECT_TRUE(layers.complete());
  EXPECT_EQ(layers.shapes, 1);
  EXPECT_EQ(layers.cities, 3);
  EXPECT_EQ(MissingLayersMessage("tglobe.prf", true, layers), "");

  // Without the countries, the cities move down to layer 2.
  test::TempDir broken;
  test::WriteTestMap(broken.path(), {"countries.dat"});
  TGlobeEngine partial(300, 300);
  partial.SetProfileName((broken.path() / "tglobe.prf").string());
  layers = FindWorldMapLayers(partial);
  EXPECT_EQ(layers.shapes, -1);
  EXPECT_EQ(layers.cities, 2);
  EXPECT_EQ(layers.missing, std::vector<std::string>{"maps/countries.dat"});
  EXPECT_EQ(MissingLayersMessage("/w/tglobe.prf", true, layers),
            "The world map \"/w/tglobe.prf\" is incomplete: maps/countries.dat is missing. "
            "The globe shows the layers that did load.");

  // No profile at all.
  TGlobeEngine none(300, 300);
  none.SetProfileName((broken.path() / "missing.prf").string());
  layers = FindWorldMapLayers(none);
  EXPECT_EQ(layers.missing.size(), 4u);
  EXPECT_EQ(layers.cities, -1);
  EXPECT_EQ(MissingLayersMessage("/w/tglobe.prf", false, layers),
            "The world map \"/w/tglobe.prf\" cannot be found. The globe is shown without it. "
            "Without its cities layer no cities can be listed or found.");
}

}  // namespace
}  // namespace meridex
