#include "zone_clock.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>

#include "common/errors.h"

namespace meridex::citydb {
namespace {

using namespace std::chrono;

class ZoneClockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!TzdataInstalled()) GTEST_SKIP() << "no tzdata on this machine";
  }
};

TEST_F(ZoneClockTest, ReadsLocalTimeAcrossAChange) {
  ZoneClock clock("America/New_York");
  // 2027-03-14 is the second Sunday of March: 02:00 EST becomes 03:00 EDT at 07:00 UTC.
  const sys_seconds change{sys_days{year{2027} / March / 14} + hours{7}};
  const auto before = clock.at(change - seconds{1});
  EXPECT_EQ(before.offsetMinutes, -300);
  EXPECT_EQ(before.hour, 1);
  EXPECT_EQ(before.minute, 59);
  const auto after = clock.at(change);
  EXPECT_EQ(after.offsetMinutes, -240);
  EXPECT_EQ(after.year, 2027);
  EXPECT_EQ(after.month, 3u);
  EXPECT_EQ(after.day, 14u);
  EXPECT_EQ(after.hour, 3);
  EXPECT_EQ(after.weekDay, 1);  // Sunday
}

TEST_F(ZoneClockTest, PutsTheOldTzBack) {
  ::setenv("TZ", "UTC", 1);
  {
    ZoneClock clock("Asia/Kathmandu");
    EXPECT_EQ(clock.offsetMinutes(sys_seconds{sys_days{year{2027} / 1 / 1}}), 345);
  }
  ASSERT_NE(std::getenv("TZ"), nullptr);
  EXPECT_STREQ(std::getenv("TZ"), "UTC");
}

TEST_F(ZoneClockTest, UnknownZonesAreRefusedNotReadAsUtc) {
  EXPECT_FALSE(ZoneInstalled("Mars/Olympus_Mons"));
  EXPECT_FALSE(ZoneInstalled("../zoneinfo/UTC"));
  EXPECT_FALSE(ZoneInstalled("/etc/passwd"));
  EXPECT_THROW(ZoneClock("Mars/Olympus_Mons"), AppError);
}

TEST_F(ZoneClockTest, FooterAndVersion) {
  EXPECT_EQ(ZoneFooter("Europe/Paris"), "CET-1CEST,M3.5.0,M10.5.0/3");
  EXPECT_EQ(ZoneFooter("Mars/Olympus_Mons"), "");
  const std::string version = TzdataVersion();
  if (!version.empty()) {
    // A year and a letter, e.g. "2026f".
    ASSERT_EQ(version.size(), 5u) << version;
    EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(version[0])) &&
                std::isdigit(static_cast<unsigned char>(version[3])) &&
                std::islower(static_cast<unsigned char>(version[4])))
        << version;
  }
}

}  // namespace
}  // namespace meridex::citydb
