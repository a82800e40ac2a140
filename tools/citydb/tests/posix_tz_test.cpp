#include "posix_tz.h"

#include <gtest/gtest.h>

namespace meridex::citydb {
namespace {

TEST(ParsePosixTz, OffsetsAreEastOfUtcAndTimesInMinutes) {
  const auto us = ParsePosixTz("EST5EDT,M3.2.0,M11.1.0");
  ASSERT_TRUE(us);
  EXPECT_EQ(us->standardMinutes, -300);
  EXPECT_EQ(us->daylightMinutes, -240);
  ASSERT_TRUE(us->toDaylight && us->toStandard);
  EXPECT_EQ(us->toDaylight->month, 3);
  EXPECT_EQ(us->toDaylight->week, 2);
  EXPECT_EQ(us->toDaylight->weekDay, 0);
  EXPECT_EQ(us->toDaylight->timeMinutes, 120);  // 02:00 when not given
  EXPECT_EQ(us->toStandard->month, 11);
  EXPECT_EQ(us->toStandard->week, 1);

  const auto chatham = ParsePosixTz("<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45");
  ASSERT_TRUE(chatham);
  EXPECT_EQ(chatham->standardMinutes, 765);
  EXPECT_EQ(chatham->daylightMinutes, 825);
  EXPECT_EQ(chatham->toDaylight->timeMinutes, 165);
  EXPECT_EQ(chatham->toStandard->timeMinutes, 225);

  const auto nuuk = ParsePosixTz("<-02>2<-01>,M3.5.0/-1,M10.5.0/0");
  ASSERT_TRUE(nuuk);
  EXPECT_EQ(nuuk->toDaylight->timeMinutes, -60);
  EXPECT_EQ(nuuk->toStandard->timeMinutes, 0);

  const auto troll = ParsePosixTz("<+00>0<+02>-2,M3.5.0/1,M10.5.0/3");
  ASSERT_TRUE(troll);
  EXPECT_EQ(troll->daylightMinutes, 120);
}

TEST(ParsePosixTz, FixedZonesHaveNoDaylightTime) {
  const auto tokyo = ParsePosixTz("JST-9");
  ASSERT_TRUE(tokyo);
  EXPECT_EQ(tokyo->standardMinutes, 540);
  EXPECT_FALSE(tokyo->daylightMinutes);
  EXPECT_EQ(ParsePosixTz("<-0930>9:30")->standardMinutes, -570);
}

TEST(ParsePosixTz, RefusesWhatItCannotRead) {
  EXPECT_FALSE(ParsePosixTz(""));
  EXPECT_FALSE(ParsePosixTz("EST"));
  EXPECT_FALSE(ParsePosixTz("EST5EDT,J60,J300"));
  EXPECT_FALSE(ParsePosixTz("EST5EDT,M3.2.0"));
  EXPECT_FALSE(ParsePosixTz("EST5EDT,M13.2.0,M11.1.0"));
  EXPECT_FALSE(ParsePosixTz("EST5EDT,M3.2.0,M11.1.0junk"));
}

StartPart Start(int month, int day, int weekDay, int hour) {
  return StartPart{static_cast<std::uint8_t>(month), static_cast<std::uint8_t>(day),
                   static_cast<std::uint8_t>(weekDay), static_cast<std::uint8_t>(hour)};
}
EndPart SundayEnd(int month, int day, int hour) {
  return EndPart{static_cast<std::uint8_t>(month), static_cast<std::uint8_t>(day), 1,
                 static_cast<std::uint8_t>(hour)};
}

RuleParts Parts(const char* posix, int baseMinutes) {
  return RulePartsFromPosix(*ParsePosixTz(posix), baseMinutes);
}

TEST(RulePartsFromPosix, EndsMoveToTheStandardHour) {
  const RuleParts us = Parts("EST5EDT,M3.2.0,M11.1.0", -300);
  EXPECT_EQ(us.start, Start(3, 8, 1, 2));
  EXPECT_EQ(us.end, SundayEnd(11, 1, 1));  // 02:00 daylight is 01:00 standard

  const RuleParts paris = Parts("CET-1CEST,M3.5.0,M10.5.0/3", 60);
  EXPECT_EQ(paris.start, Start(3, 25, 1, 2));
  EXPECT_EQ(paris.end, SundayEnd(10, 25, 2));

  const RuleParts sydney = Parts("AEST-10AEDT,M10.1.0,M4.1.0/3", 600);
  EXPECT_EQ(sydney.start, Start(10, 1, 1, 2));
  EXPECT_EQ(sydney.end, SundayEnd(4, 1, 2));
}

TEST(RulePartsFromPosix, ChangesBeforeOrAfterMidnightMoveTheWeekdayAndDay) {
  // 24:00 on the first Saturday is the first Sunday on or after the 2nd.
  EXPECT_EQ(Parts("<-04>4<-03>,M9.1.6/24,M4.1.6/24", -240).start, Start(9, 2, 1, 0));
  // -01:00 on the last Sunday is 23:00 on the Saturday on or after the 24th.
  EXPECT_EQ(Parts("<-02>2<-01>,M3.5.0/-1,M10.5.0/0", -120).start, Start(3, 24, 7, 23));
  // 26:00 on the fourth Thursday is 02:00 on the Friday on or after the 23rd.
  EXPECT_EQ(Parts("IST-2IDT,M3.4.4/26,M10.5.0", 120).start, Start(3, 23, 6, 2));
  // 50:00 on the fourth Thursday is 02:00 on the Saturday on or after the 24th.
  EXPECT_EQ(Parts("EET-2EEST,M3.4.4/50,M10.4.4/50", 120).start, Start(3, 24, 7, 2));
}

TEST(RulePartsFromPosix, EndsOffSundayCannotBeWritten) {
  const RuleParts santiago = Parts("<-04>4<-03>,M9.1.6/24,M4.1.6/24", -240);
  EXPECT_FALSE(santiago.end);  // 23:00 standard on a Saturday
  const RuleParts cairo = Parts("EET-2EEST,M4.5.5/0,M10.5.4/24", 120);
  EXPECT_EQ(cairo.start, Start(4, 24, 6, 0));
  EXPECT_FALSE(cairo.end);  // 23:00 standard on the last Thursday
  EXPECT_EQ(Parts("IST-2IDT,M3.4.4/26,M10.5.0", 120).end, SundayEnd(10, 25, 1));
}

TEST(RulePartsFromPosix, PartHourZonesChangeAtTheFirstWholeStandardHour) {
  // St. John's, UTC-3:30, is kept as UTC-4 plus 30 minutes: 02:00 local
  // standard time is 01:30 in that frame, right again from 02:00.
  const RuleParts stJohns = Parts("NST3:30NDT,M3.2.0,M11.1.0", -210);
  EXPECT_EQ(stJohns.start, Start(3, 8, 1, 2));
  EXPECT_EQ(stJohns.end, SundayEnd(11, 1, 1));
  const RuleParts adelaide = Parts("ACST-9:30ACDT,M10.1.0,M4.1.0/3", 570);
  EXPECT_EQ(adelaide.start, Start(10, 1, 1, 2));
  EXPECT_EQ(adelaide.end, SundayEnd(4, 1, 2));
  // Chatham's 2:45 falls exactly on hour 2 of UTC+12.
  const RuleParts chatham = Parts("<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45", 765);
  EXPECT_EQ(chatham.start, Start(9, 24, 1, 2));
  EXPECT_EQ(chatham.end, SundayEnd(4, 1, 2));
}

TEST(RulePartsFromPosix, NegativeSavingComesOutLikeTheUsualRule) {
  // Winter is the "daylight" time of this rule; the record keeps GMT as
  // standard and summer as saving, like London.
  const RuleParts dublin = Parts("IST-1GMT0,M10.5.0,M3.5.0/1", 0);
  EXPECT_EQ(dublin.start, Start(3, 25, 1, 1));
  EXPECT_EQ(dublin.end, SundayEnd(10, 25, 1));
  const RuleParts london = Parts("GMT0BST,M3.5.0/1,M10.5.0", 0);
  EXPECT_EQ(london.start, dublin.start);
  EXPECT_EQ(london.end, dublin.end);
}

TEST(RulePartsFromPosix, NothingForOtherSavingsOrAnotherBase) {
  const RuleParts lordHowe = Parts("<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", 630);
  EXPECT_FALSE(lordHowe.start);
  EXPECT_FALSE(lordHowe.end);
  EXPECT_FALSE(Parts("EST5EDT,M3.2.0,M11.1.0", -360).start);
  EXPECT_FALSE(Parts("XST5XDT,M2.5.0,M11.1.0", -300).start);  // February's last week moves
  EXPECT_FALSE(Parts("JST-9", 540).start);
}

}  // namespace
}  // namespace meridex::citydb
