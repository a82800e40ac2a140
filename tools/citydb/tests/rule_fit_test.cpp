#include "rule_fit.h"

#include <gtest/gtest.h>

#include "tests/test_rules.h"

namespace meridex::citydb {
namespace {

using namespace std::chrono;

// A made-up zone: `standard` minutes east, `saving` minutes more between
// the two instants of each year that `change` gives.
struct Seasons {
  int standard;
  std::function<std::pair<sys_seconds, sys_seconds>(int year)> change;  // up, down (UTC)
  bool northern = true;
  int saving = 60;
  int operator()(sys_seconds t) const {
    const int y = int{year_month_day{floor<days>(t)}.year()};
    const auto [up, down] = change(y);
    const bool dst = northern ? (t >= up && t < down) : (t >= up || t < down);
    return standard + (dst ? saving : 0);
  }
};

// Local wall-clock time `minutes` past midnight of `day` at `offset` minutes east, in UTC.
sys_seconds At(sys_days day, int minutes, int offset) {
  return sys_seconds{day} + std::chrono::minutes{minutes - offset};
}

const Seasons kNewYork{-300, [](int y) {
                         const sys_days up{year{y} / March / Sunday[2]};
                         const sys_days down{year{y} / November / Sunday[1]};
                         return std::pair{At(up, 120, -300), At(down, 120, -240)};
                       }};

TEST(FitZone, TheZoneFilesRuleIsKeptWhenItIsExact) {
  const ZoneFit fit = FitZone(kNewYork, ParsePosixTz("EST5EDT,M3.2.0,M11.1.0"), 2027, 28, 2);
  ASSERT_EQ(fit.kind, ZoneFit::Kind::Seasonal);
  EXPECT_EQ(fit.standardMinutes, -300);
  EXPECT_EQ(fit.rule, Rule(3, 8, 1, 2, 11, 1, 1, 1));
  EXPECT_TRUE(fit.ruleFromZoneFile);
  EXPECT_EQ(fit.wrong.total, 0);
  EXPECT_EQ(fit.sampled, 245448);  // 28 years of hours, 7 of them leap years
}

TEST(FitZone, WithoutTheZoneFilesRuleTheSearchFindsTheSameRule) {
  const ZoneFit fit = FitZone(kNewYork, std::nullopt, 2027, 28, 2);
  EXPECT_EQ(fit.rule, Rule(3, 8, 1, 2, 11, 1, 1, 1));
  EXPECT_FALSE(fit.ruleFromZoneFile);
  EXPECT_EQ(fit.wrong.total, 0);
}

TEST(FitZone, AHalfHourZoneIsRightOnEveryHour) {
  // UTC-3:30 from the second Sunday of March 02:00 to the first Sunday of
  // November 02:00 daylight time.
  const Seasons stJohns{-210, [](int y) {
                          return std::pair{At(sys_days{year{y} / March / Sunday[2]}, 120, -210),
                                           At(sys_days{year{y} / November / Sunday[1]}, 120, -150)};
                        }};
  const ZoneFit fit = FitZone(stJohns, std::nullopt, 2027, 10, 2);
  EXPECT_EQ(fit.standardMinutes, -210);
  EXPECT_EQ(fit.rule, Rule(3, 8, 1, 2, 11, 1, 1, 1));
  EXPECT_EQ(fit.wrong.total, 0);
}

TEST(FitZone, AnEndOnASaturdayNightIsMetAnHourLateEachYear) {
  // Santiago: 24:00 of the first Saturday of September and of April.
  const Seasons santiago{-240,
                         [](int y) {
                           return std::pair{
                               At(sys_days{year{y} / September / Saturday[1]}, 1440, -240),
                               At(sys_days{year{y} / April / Saturday[1]}, 1440, -180)};
                         },
                         false};
  const ZoneFit fit =
      FitZone(santiago, ParsePosixTz("<-04>4<-03>,M9.1.6/24,M4.1.6/24"), 2027, 10, 2);
  ASSERT_EQ(fit.kind, ZoneFit::Kind::Seasonal);
  EXPECT_EQ(fit.rule, Rule(9, 2, 1, 0, 4, 2, 1, 0));
  EXPECT_FALSE(fit.ruleFromZoneFile);
  EXPECT_EQ(fit.wrong.total, 10);  // 23:00 to 24:00 standard time on each Saturday
  EXPECT_EQ(fit.wrong.byYear, std::vector<long>(10, 1));
}

TEST(FitZone, AThursdayEndTakesTheFixedDayRightInTheFirstYear) {
  // Cairo: from 00:00 of the last Friday of April to 24:00 daylight time of
  // the last Thursday of October; 2027 ends on the 28th, 2028 on the 26th.
  // A fixed day is wrong by the days between the two ends at least once;
  // ending on the 28th at 23:00 standard is right in 2027 and 48 hours
  // late in 2028.
  const Seasons cairo{120, [](int y) {
                        return std::pair{
                            At(sys_days{year{y} / April / Friday[last]}, 0, 120),
                            At(sys_days{year{y} / October / Thursday[last]}, 1440, 180)};
                      }};
  const ZoneFit fit = FitZone(cairo, ParsePosixTz("EET-2EEST,M4.5.5/0,M10.5.4/24"), 2027, 2, 2);
  EXPECT_EQ(fit.rule, Rule(4, 24, 6, 0, 10, 28, 0, 23));
  EXPECT_EQ(fit.wrong.total, 48);
  EXPECT_EQ(fit.wrong.byYear, (std::vector<long>{0, 48}));
}

TEST(FitZone, AYearWithoutItsChangesLeavesTheZoneOut) {
  // Daylight saving kept through the first winter: no change up in 2027.
  const Seasons keptOn{
      -300, [](int y) {
        const sys_seconds up = y == 2027
                                   ? sys_seconds{sys_days{year{2027} / January / 1}} - hours{1}
                                   : At(sys_days{year{y} / March / Sunday[2]}, 0, -300);
        return std::pair{up, At(sys_days{year{y} / November / Sunday[1]}, 60, -240)};
      }};
  const ZoneFit out = FitZone(keptOn, std::nullopt, 2027, 5, 2);
  EXPECT_EQ(out.kind, ZoneFit::Kind::LeftOut);
  EXPECT_EQ(
      out.leftOutReason,
      "in 2027 it changes 0 time(s) to daylight saving and 1 time(s) back; a rule of the record "
      "switches once each way every year");
  // From 2028 on the zone is regular again and gets its rule.
  const ZoneFit later = FitZone(keptOn, std::nullopt, 2028, 5, 2);
  EXPECT_EQ(later.rule, Rule(3, 8, 1, 0, 11, 1, 1, 0));
  EXPECT_EQ(later.wrong.total, 0);
}

TEST(FitZone, FixedOffsetsAndTheDateLine) {
  const auto fixed = [](int minutes) { return [minutes](sys_seconds) { return minutes; }; };
  const ZoneFit kathmandu = FitZone(fixed(345), std::nullopt, 2027, 2, 2);
  EXPECT_EQ(kathmandu.kind, ZoneFit::Kind::Fixed);
  EXPECT_EQ(kathmandu.standardMinutes, 345);
  EXPECT_EQ(kathmandu.rule.StartMonth, 0);
  EXPECT_EQ(FitZone(fixed(780), std::nullopt, 2027, 2, 2).kind, ZoneFit::Kind::Fixed);   // UTC+13
  EXPECT_EQ(FitZone(fixed(-570), std::nullopt, 2027, 2, 2).kind, ZoneFit::Kind::Fixed);  // UTC-9:30
  EXPECT_EQ(
      FitZone(fixed(-660), std::nullopt, 2027, 2, 2).leftOutReason,
      "UTC-11 is stored as UTC+13 and would show the weekday of the other side of the date line");
  EXPECT_EQ(FitZone(fixed(840), std::nullopt, 2027, 2, 2).leftOutReason,
            "UTC+14 is stored as a western offset and would show the previous weekday");
}

TEST(FitZone, SavingsOtherThanAnHourAndChangesOfStandardTimeAreLeftOut) {
  const Seasons lordHowe{630,
                         [](int y) {
                           return std::pair{At(sys_days{year{y} / October / Sunday[1]}, 120, 630),
                                            At(sys_days{year{y} / April / Sunday[1]}, 120, 660)};
                         },
                         false, 30};
  const auto twoHours = [](sys_seconds t) {
    const unsigned m{year_month_day{floor<days>(t)}.month()};
    return m >= 4 && m <= 9 ? 120 : 0;
  };
  const auto moves = [](sys_seconds t) {
    if (t < sys_seconds{sys_days{year{2028} / 1 / 1}}) return 180;
    return t < sys_seconds{sys_days{year{2028} / 6 / 1}} ? 240 : 300;
  };
  EXPECT_EQ(FitZone(lordHowe, std::nullopt, 2027, 2, 2).leftOutReason,
            "its daylight saving moves the clock by 30 minutes; the record adds one hour");
  EXPECT_EQ(FitZone(twoHours, std::nullopt, 2027, 2, 2).leftOutReason,
            "its daylight saving moves the clock by 120 minutes; the record adds one hour");
  EXPECT_EQ(FitZone(moves, std::nullopt, 2027, 2, 2).leftOutReason,
            "its offset changes for good within the years (UTC+3 to UTC+5)");
}

TEST(DescribeRule, ReadsAsText) {
  EXPECT_EQ(DescribeRule(DaylightSavingRule{}), "no daylight saving");
  EXPECT_EQ(DescribeRule(Rule(4, 24, 6, 0, 10, 28, 0, 23)),
            "from Friday on or after 04-24 00:00 to 10-28 23:00 standard time");
  EXPECT_EQ(DescribeRule(Rule(3, 8, 1, 2, 11, 1, 1, 1)),
            "from Sunday on or after 03-08 02:00 to Sunday on or after 11-01 01:00 standard time");
}

}  // namespace
}  // namespace meridex::citydb
