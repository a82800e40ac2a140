#include <gtest/gtest.h>

#include "common/errors.h"
#include "worldtime/city_info.h"
#include "worldtime/city_test_data.h"
#include "worldtime/custom_locations.h"
#include "worldtime/forecast.h"

namespace meridex {
namespace {

using test::CustomCity;
using test::DatabaseCity;

CityEntry At(int hourOffset, int minuteOffset, const std::string& name = "X") {
  CityEntry e;
  e.Name = name;
  e.HourOffset = static_cast<std::uint8_t>(hourOffset);
  e.MinuteOffset = static_cast<std::uint8_t>(minuteOffset);
  return e;
}

TEST(Forecast, FindsTheUtcTimeAtWhichTheSourceShowsTheEnteredTime) {
  // A source at +5:30 showing 05:00 is 23:30 UTC (the day before).
  EXPECT_EQ(ForecastUtcTime({5, 0}, 5, 30), (TimeOfDay{23, 30}));
  EXPECT_EQ(ForecastRowText(At(0, 0, "London"), {23, 30}), "  11:30 p      London");
  EXPECT_EQ(ForecastRowText(At(5, 30, "Kolkata"), {23, 30}), "  05:00 a      Kolkata");
  // Midnight at UTC: every location shows its own offset as the time of day.
  EXPECT_EQ(ForecastUtcTime({0, 0}, 0, 0), (TimeOfDay{0, 0}));
  EXPECT_EQ(ForecastRowText(At(19, 0), {0, 0}), "  07:00 p      X");
  EXPECT_EQ(ForecastRowText(At(20, 30), {0, 0}), "  08:30 p      X");
  // Minutes borrow an hour, and hour 0 borrows across midnight.
  EXPECT_EQ(ForecastUtcTime({0, 15}, 0, 30), (TimeOfDay{23, 45}));
  EXPECT_EQ(ForecastUtcTime({14, 10}, 9, 45), (TimeOfDay{4, 25}));
  EXPECT_EQ(ForecastUtcTime({8, 0}, 19, 0), (TimeOfDay{13, 0}));
}

TEST(Forecast, TheSourceRowShowsTheEnteredTimeForEveryOffset) {
  for (int hour = 0; hour < 24; ++hour) {
    for (int minute : {0, 30, 45}) {
      const CityEntry source = At(hour, minute);
      const TimeOfDay utc = ForecastUtcTime({7, 5}, hour, minute);
      EXPECT_EQ(ForecastRowText(source, utc), "  07:05 a      X") << hour << ":" << minute;
    }
  }
}

TEST(CustomLocations, ProperCaseRaisesWordStartsOnly) {
  EXPECT_EQ(ProperCase("new york"), "New York");
  EXPECT_EQ(ProperCase("NEW YORK"), "NEW YORK");
  EXPECT_EQ(ProperCase("mcMurdo  base"), "McMurdo  Base");
  EXPECT_EQ(ProperCase(" x"), " X");
  EXPECT_EQ(ProperCase(""), "");
}

TEST(CustomLocations, NewEntriesTakeTheirSortedPlaceAndTheSourcesTime) {
  CityTable table;
  table.insert(0, DatabaseCity("Berlin", 1), '0');
  table.insert(1, DatabaseCity("Tokyo", 9), '1');
  CityEntry source = DatabaseCity("Sydney", 10, DaylightSavingRule{2, 1, 4, 1, 2, 1, 10, 1});
  source.MinuteOffset = 30;
  source.ExtraAttribute = 5;

  EXPECT_EQ(AddCustomLocation(table, "zanzibar", source), 2);  // after every name
  EXPECT_EQ(table.Entries[2].Name, "Zanzibar");
  EXPECT_EQ(table.Entries[3].Name, "");  // the table still ends with an empty slot
  EXPECT_EQ(table.Entries[2].BaseHourOffset, 10);
  EXPECT_EQ(table.Entries[2].MinuteOffset, 30);
  EXPECT_EQ(table.Entries[2].Rule, source.Rule);
  EXPECT_EQ(table.Entries[2].ExtraAttribute, 0);
  EXPECT_EQ(table.Entries[2].Origin, kOriginCustom);
  EXPECT_EQ(table.Entries[2].State, "");
  EXPECT_TRUE(table.inHotList(2));

  // Equal to an existing (padded) name: the new entry comes first.
  EXPECT_EQ(AddCustomLocation(table, "Tokyo                      ", source), 1);
  EXPECT_EQ(table.Entries[2].Origin, kOriginDatabase);
  EXPECT_EQ(std::string(table.HotListFlags.data(), 4), "0111");

  // Cut to 27 characters after proper-casing.
  EXPECT_EQ(AddCustomLocation(table, "a very long name for a small village", source), 0);
  EXPECT_EQ(table.Entries[0].Name, "A Very Long Name For A Smal");
  EXPECT_EQ(table.Count, 5);
}

TEST(CustomLocations, BlankNamesAndAFullTableAreRefused) {
  CityTable table;
  table.insert(0, DatabaseCity("Berlin", 1), '0');
  for (const char* blank : {"", "   "}) {
    try {
      AddCustomLocation(table, blank, table.Entries[0]);
      ADD_FAILURE() << "accepted a blank name";
    } catch (const AppError& e) {
      EXPECT_STREQ(e.what(), "Please type a name for the new location.");
    }
  }
  for (int i = 1; i < kMaxCities; ++i)
    table.insert(i, DatabaseCity("C" + std::to_string(1000 + i)), '0');
  ASSERT_EQ(table.Count, 599);
  EXPECT_THROW(AddCustomLocation(table, "One More", table.Entries[0]), AppError);
  EXPECT_EQ(table.Count, 599);
  EXPECT_EQ(table.Entries[599].Name, "");
}

TEST(CityInformation, DateFollowsTheWeekdayAcrossTheWeekend) {
  using std::chrono::days;
  const std::chrono::sys_days saturday{std::chrono::year{2026} / 12 / 12};
  const std::chrono::sys_days sunday = saturday + days{1};
  EXPECT_EQ(LocationDate(1, saturday), sunday);  // East Asia on Saturday evening
  EXPECT_EQ(LocationDate(7, saturday), saturday);
  EXPECT_EQ(LocationDate(6, saturday), saturday - days{1});
  EXPECT_EQ(LocationDate(7, sunday), saturday);  // the Americas on Sunday morning
  EXPECT_EQ(LocationDate(2, sunday), sunday + days{1});
  EXPECT_EQ(LocationDate(4, sunday), sunday);
  EXPECT_EQ(LocationDate(0, sunday), sunday);  // not yet computed
}

TEST(CityInformation, TextListsPlaceDayDateAndTime) {
  CityEntry e = DatabaseCity("Tokyo", 9);
  e.State = "";
  e.Country = "Japan";
  e.WeekDay = 1;
  e.LocalTimeText = "10:15 a";
  EXPECT_EQ(CityInfoText(e, "12/13/26"),
            "City\tTokyo                      \nState\t\nCountry\tJapan\n\nDay\tSunday\n"
            "Date\t12/13/26\nTime\t10:15 a");
  const CityEntry own = CustomCity("Cabin");
  EXPECT_EQ(CityInfoText(own, "x").substr(0, 27), "City\tCabin\nState\t\nCountry\t\n");
}

}  // namespace
}  // namespace meridex
