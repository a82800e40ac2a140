#include "worldtime/local_time.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "support/fake_clock.h"
#include "worldtime/city_test_data.h"

namespace meridex {
namespace {

using test::DatabaseCity;
using test::Utc;

// Second Sunday of March at 02:00 to the first Sunday of November at 01:00.
constexpr DaylightSavingRule kUsRule{1, 1, 11, 1, 2, 1, 3, 8};
// Last Sunday of March to the last Sunday of October, both at 02:00 standard.
constexpr DaylightSavingRule kEuropeRule{2, 1, 10, 25, 2, 1, 3, 25};
// First Sunday of October to the first Sunday of April (southern hemisphere).
constexpr DaylightSavingRule kSouthRule{2, 1, 4, 1, 2, 1, 10, 1};

int OffsetAt(const CityEntry& city, UtcTime utc) {
  CityTable table;
  table.insert(0, city, '0');
  RefreshHourOffsets(table, utc);
  return table.Entries[0].HourOffset;
}

bool DstAt(const DaylightSavingRule& rule, int baseHourOffset, UtcTime utc) {
  return OffsetAt(DatabaseCity("X", baseHourOffset, rule), utc) != baseHourOffset;
}

TEST(DaylightSaving, NorthernRuleStartsAndEndsAtTheStandardTimeHour) {
  // New York, UTC-5: 2027 starts 14 March 07:00 UTC, ends 7 November 06:00 UTC.
  EXPECT_FALSE(DstAt(kUsRule, 19, Utc(2027, 3, 14, 6, 59)));
  EXPECT_TRUE(DstAt(kUsRule, 19, Utc(2027, 3, 14, 7, 0)));
  EXPECT_TRUE(DstAt(kUsRule, 19, Utc(2027, 3, 13, 23, 0) + std::chrono::hours{24 * 30}));
  EXPECT_TRUE(DstAt(kUsRule, 19, Utc(2027, 11, 7, 5, 59)));
  EXPECT_FALSE(DstAt(kUsRule, 19, Utc(2027, 11, 7, 6, 0)));
  EXPECT_FALSE(DstAt(kUsRule, 19, Utc(2027, 12, 25, 12, 0)));
  EXPECT_FALSE(DstAt(kUsRule, 19, Utc(2027, 2, 1, 12, 0)));
  EXPECT_EQ(OffsetAt(DatabaseCity("X", 19, kUsRule), Utc(2027, 7, 1)), 20);

  // Berlin, UTC+1: 28 March and 31 October 2027, both at 01:00 UTC.
  EXPECT_FALSE(DstAt(kEuropeRule, 1, Utc(2027, 3, 28, 0, 59)));
  EXPECT_TRUE(DstAt(kEuropeRule, 1, Utc(2027, 3, 28, 1, 0)));
  EXPECT_TRUE(DstAt(kEuropeRule, 1, Utc(2027, 10, 31, 0, 59)));
  EXPECT_FALSE(DstAt(kEuropeRule, 1, Utc(2027, 10, 31, 1, 0)));
  // A day before the end Sunday, and the week before the start Sunday.
  EXPECT_TRUE(DstAt(kEuropeRule, 1, Utc(2027, 10, 30, 12, 0)));
  EXPECT_FALSE(DstAt(kEuropeRule, 1, Utc(2027, 3, 27, 12, 0)));
}

TEST(DaylightSaving, SouthernRuleIsInForceAcrossTheNewYear) {
  // Sydney, UTC+10: first Sunday of October 2027 is the 3rd.
  for (unsigned month : {11u, 12u, 1u, 2u, 3u}) {
    EXPECT_TRUE(DstAt(kSouthRule, 10, Utc(2027, month, 15))) << month;
  }
  for (unsigned month : {5u, 6u, 7u, 8u, 9u}) {
    EXPECT_FALSE(DstAt(kSouthRule, 10, Utc(2027, month, 15))) << month;
  }
  // Start: 3 October 2027 02:00 standard = 2 October 16:00 UTC.
  EXPECT_FALSE(DstAt(kSouthRule, 10, Utc(2027, 10, 2, 15, 59)));
  EXPECT_TRUE(DstAt(kSouthRule, 10, Utc(2027, 10, 2, 16, 0)));
  // End: 4 April 2027 02:00 standard = 3 April 16:00 UTC.
  EXPECT_TRUE(DstAt(kSouthRule, 10, Utc(2027, 4, 3, 15, 59)));
  EXPECT_FALSE(DstAt(kSouthRule, 10, Utc(2027, 4, 3, 16, 0)));
}

TEST(DaylightSaving, NoRuleMeansStandardTimeAllYear) {
  for (unsigned month = 1; month <= 12; ++month) {
    EXPECT_EQ(OffsetAt(DatabaseCity("Tokyo", 9), Utc(2027, month, 10, 3)), 9);
  }
  // Equal start and end months never give daylight saving outside them.
  EXPECT_FALSE(DstAt(DaylightSavingRule{2, 1, 5, 1, 2, 0, 5, 20}, 1, Utc(2027, 7, 1)));
}

TEST(DaylightSaving, StepsThatLeaveTheMonthKeepTheWholeMonth) {
  // Start: 28 April 2027 is a Wednesday; the next Sunday is 2 May, so April
  // never starts daylight saving, and May (between start and end) has it.
  const DaylightSavingRule lateStart{2, 1, 9, 1, 2, 1, 4, 28};
  EXPECT_FALSE(DstAt(lateStart, 1, Utc(2027, 4, 30, 22, 59)));  // 23:59 standard
  EXPECT_TRUE(DstAt(lateStart, 1, Utc(2027, 5, 2, 0, 0)));
  // End: 28 June 2027 is a Monday; the next Sunday is 4 July, so June keeps
  // daylight saving to its end, and July (after the end month) has none.
  const DaylightSavingRule lateEnd{2, 1, 6, 28, 2, 1, 3, 8};
  EXPECT_TRUE(DstAt(lateEnd, 1, Utc(2027, 6, 30, 22, 59)));
  EXPECT_FALSE(DstAt(lateEnd, 1, Utc(2027, 7, 4, 12, 0)));
}

TEST(DaylightSaving, FixedDayRulesUseTheDaysThemselves) {
  // Start on 21 March (weekday 0), end on 21 September (no Sunday stepping).
  const DaylightSavingRule fixed{0, 0, 9, 21, 0, 0, 3, 21};
  EXPECT_FALSE(DstAt(fixed, 3, Utc(2027, 3, 20, 20, 59)));  // 23:59 standard on the 20th
  EXPECT_TRUE(DstAt(fixed, 3, Utc(2027, 3, 20, 21, 0)));    // 00:00 on the 21st
  EXPECT_TRUE(DstAt(fixed, 3, Utc(2027, 9, 20, 20, 59)));
  EXPECT_FALSE(DstAt(fixed, 3, Utc(2027, 9, 20, 21, 0)));
}

TEST(HourOffsets, WrapAtTwentyFourAndReadThirteenAsWest) {
  // UTC-1 with daylight saving is UTC+0, stored as 0.
  EXPECT_EQ(OffsetAt(DatabaseCity("Azores", 23, kEuropeRule), Utc(2027, 7, 1)), 0);
  // Base 12 is UTC+12: at 12:30 UTC on 31 December it is already 1 January,
  // so a January start rule (day 1, hour 0) is in force.
  const DaylightSavingRule january{0, 0, 2, 1, 0, 0, 1, 1};
  EXPECT_TRUE(DstAt(january, 12, Utc(2027, 12, 31, 12, 30)));
  EXPECT_FALSE(DstAt(january, 12, Utc(2027, 12, 31, 11, 30)));
  // Base 13 is UTC-11: 12:30 UTC on 1 January is still 31 December.
  EXPECT_FALSE(DstAt(january, 13, Utc(2027, 1, 1, 10, 30)));
  EXPECT_TRUE(DstAt(january, 13, Utc(2027, 1, 1, 11, 0)));
  // Base 23 is UTC-1.
  EXPECT_FALSE(DstAt(january, 23, Utc(2027, 1, 1, 0, 30)));
  EXPECT_TRUE(DstAt(january, 23, Utc(2027, 1, 1, 1, 0)));
}

TEST(HourOffsets, ForecastTakesTheHourFromTheForecastAndTheDateFromNow) {
  CityTable table;
  table.insert(0, DatabaseCity("Berlin", 1, kEuropeRule), '0');
  // 28 March 2027 00:30 UTC is 01:30 standard, before the start hour; a
  // forecast for 05:00 decides with hour 5 on the same date.
  RefreshHourOffsets(table, Utc(2027, 3, 28, 0, 30), TimeOfDay{5, 0});
  EXPECT_EQ(table.Entries[0].HourOffset, 2);
  RefreshHourOffsets(table, Utc(2027, 3, 28, 0, 30));
  EXPECT_EQ(table.Entries[0].HourOffset, 1);
}

TEST(HourOffsets, InvalidRuleDatesFailOnlyInTheirMonthAndStopThePass) {
  CityTable table;
  table.insert(0, DatabaseCity("A", 1), '0');
  table.insert(1, DatabaseCity("B", 1, DaylightSavingRule{2, 1, 10, 25, 2, 1, 4, 31}), '0');
  table.insert(2, DatabaseCity("C", 5), '0');
  for (int i = 0; i < 3; ++i) table.Entries[i].HourOffset = 7;
  // Outside April the rule is never built.
  RefreshHourOffsets(table, Utc(2027, 6, 1));
  EXPECT_EQ(table.Entries[2].HourOffset, 5);

  for (int i = 0; i < 3; ++i) table.Entries[i].HourOffset = 7;
  EXPECT_THROW(RefreshHourOffsets(table, Utc(2027, 4, 10)), ConversionError);
  EXPECT_EQ(table.Entries[0].HourOffset, 1);  // before the failing entry: refreshed
  EXPECT_EQ(table.Entries[2].HourOffset, 7);  // after it: unchanged

  // 29 February exists only in leap years; a weekday above 7 never matches.
  EXPECT_FALSE(DaylightSavingInForce(DaylightSavingRule{0, 0, 10, 1, 0, 0, 2, 29}, 2028, 2, 1, 0));
  EXPECT_THROW(DaylightSavingInForce(DaylightSavingRule{0, 0, 10, 1, 0, 0, 2, 29}, 2027, 2, 1, 0),
               ConversionError);
  EXPECT_THROW(DaylightSavingInForce(DaylightSavingRule{0, 0, 10, 1, 0, 9, 3, 1}, 2027, 3, 1, 0),
               ConversionError);
}

TEST(HourOffsets, ARuleErrorNamesTheLocationAndTheFileItCameFrom) {
  const DaylightSavingRule noSuchDay{2, 1, 10, 25, 2, 1, 4, 31};
  const auto message = [](const CityEntry& e) {
    try {
      EffectiveHourOffset(e, Utc(2027, 4, 10));
    } catch (const ConversionError& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(message(DatabaseCity("Perth", 8, noSuchDay)),
            "Cannot compute the time of \"Perth\" (from \"kydafe.dat\"). The daylight-saving "
            "rule names a day that does not exist: 2027-4-31");
  CityEntry own = test::CustomCity("Shack", 8);
  own.Rule = noSuchDay;
  EXPECT_EQ(message(own).substr(0, 55),
            "Cannot compute the time of \"Shack\" (from \"custlst.dat\")");
}

TEST(ReferenceWeekDay, IsHonoluluStandardWeekdayAndKeptWithoutIt) {
  CityTable table;
  table.insert(0, DatabaseCity("Honolulu", 14), '0');
  // Tuesday 8 December 2026 09:59 UTC is Monday 23:59 in Honolulu.
  RefreshHourOffsets(table, Utc(2026, 12, 8, 9, 59));
  EXPECT_EQ(table.ReferenceWeekDay, 2);
  RefreshHourOffsets(table, Utc(2026, 12, 8, 10, 0));
  EXPECT_EQ(table.ReferenceWeekDay, 3);

  CityTable without;
  without.insert(0, DatabaseCity("Honolulu Bay", 14), '0');
  without.insert(1, test::CustomCity("Honolulu", 14), '0');  // unpadded: not the reference
  RefreshHourOffsets(without, Utc(2026, 12, 8, 12));
  EXPECT_EQ(without.ReferenceWeekDay, 0);
}

TEST(LocalTime, TextAndWeekdayFollowTheEffectiveOffset) {
  struct Case {
    int hourOffset;
    int minuteOffset;
    UtcTime utc;
    const char* text;
    int weekDay;
  };
  const Case cases[] = {
      // UTC-5 at 02:00 UTC on Tuesday 8 December 2026: Monday evening.
      {19, 0, Utc(2026, 12, 8, 2, 0), "09:00 p", 2},
      {0, 0, Utc(2026, 12, 8, 0, 0), "12:00 a", 3},
      {0, 0, Utc(2026, 12, 8, 12, 0), "12:00 p", 3},
      {0, 0, Utc(2026, 12, 8, 13, 5), "01:05 p", 3},
      {0, 0, Utc(2026, 12, 8, 23, 59, 59), "11:59 p", 3},
      // UTC+5:30 and UTC-3:30 (20 hours and 30 minutes).
      {5, 30, Utc(2026, 12, 8, 18, 45), "12:15 a", 4},
      {20, 30, Utc(2026, 12, 8, 2, 0), "10:30 p", 2},
      // 13 counts as UTC+13 for the weekday, 14 as UTC-10.
      {13, 0, Utc(2026, 12, 8, 12, 0), "01:00 a", 4},
      {14, 0, Utc(2026, 12, 8, 12, 0), "02:00 a", 3},
      {12, 45, Utc(2026, 12, 8, 11, 15), "12:00 a", 4},
  };
  for (const Case& c : cases) {
    CityEntry e;
    e.HourOffset = static_cast<std::uint8_t>(c.hourOffset);
    e.MinuteOffset = static_cast<std::uint8_t>(c.minuteOffset);
    ComputeLocalTime(e, c.utc);
    EXPECT_EQ(e.LocalTimeText, c.text) << c.hourOffset << ":" << c.minuteOffset;
    EXPECT_EQ(e.WeekDay, c.weekDay) << c.hourOffset << ":" << c.minuteOffset;
  }
}

TEST(LocalTime, DayNames) {
  EXPECT_EQ(DayAbbreviation(1), "Su");
  EXPECT_EQ(DayAbbreviation(7), "Sa");
  EXPECT_EQ(DayAbbreviation(0), "");
  EXPECT_EQ(DayName(4), "Wednesday");
  EXPECT_EQ(DayName(8), "");
}

}  // namespace
}  // namespace meridex

namespace meridex {
namespace {

TEST(ListRows, PadTheNameColumnByTheReferenceWeekday) {
  CityEntry e;
  e.Name = "Tokyo                      ";
  e.LocalTimeText = "09:15 a";
  const auto row = [&](int weekDay, int reference) {
    e.WeekDay = weekDay;
    return ListRowText(e, reference);
  };
  EXPECT_EQ(row(2, 0), "  09:15 a  Mo    Tokyo                      ");
  EXPECT_EQ(row(2, 1), "  09:15 a  Mo   Tokyo                      ");
  EXPECT_EQ(row(2, 2), "  09:15 a  Mo   Tokyo                      ");
  EXPECT_EQ(row(2, 3), "  09:15 a  Mo    Tokyo                      ");
  EXPECT_EQ(row(3, 1), "  09:15 a  Tu    Tokyo                      ");
  EXPECT_EQ(row(4, 3), "  09:15 a  We   Tokyo                      ");
  EXPECT_EQ(row(4, 4), "  09:15 a  We   Tokyo                      ");
  EXPECT_EQ(row(4, 5), "  09:15 a  We    Tokyo                      ");
  EXPECT_EQ(row(5, 5), "  09:15 a  Th   Tokyo                      ");
  EXPECT_EQ(row(7, 6), "  09:15 a  Sa   Tokyo                      ");
  EXPECT_EQ(row(7, 7), "  09:15 a  Sa    Tokyo                      ");
  EXPECT_EQ(row(1, 7), "  09:15 a  Su    Tokyo                      ");
}

}  // namespace
}  // namespace meridex
