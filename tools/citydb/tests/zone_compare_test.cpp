#include "zone_compare.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/temp_dir.h"

namespace meridex::citydb {
namespace {

using namespace std::chrono;

// Two made-up releases, compiled with the build's zic: in the newer one
// Test/Eastern stays on daylight time from the start of 2028 and Test/Gone is
// no more.
constexpr const char* kOlder = R"(# version 2030a
Rule	T	2027	max	-	Mar	Sun>=8	2:00	1:00	D
Rule	T	2027	max	-	Nov	Sun>=1	2:00	0	S
Zone	Test/Eastern	-5:00	T	E%sT
Zone	Test/Steady	5:45	-	+0545
Zone	Test/Gone	1:00	-	+01
Zone	Etc/UTC	0	-	UTC
Link	Etc/UTC	UTC
)";
constexpr const char* kNewer = R"(# version 2030b
Rule	T	2027	max	-	Mar	Sun>=8	2:00	1:00	D
Rule	T	2027	max	-	Nov	Sun>=1	2:00	0	S
Zone	Test/Eastern	-5:00	T	E%sT	2028	Jan	1	0:00
			-4:00	-	EDT
Zone	Test/Steady	5:45	-	+0545
Zone	Etc/UTC	0	-	UTC
Link	Etc/UTC	UTC
)";

// Compiles `source` into dir/zones, with the source beside the zone files as
// the build lays them out.
ZoneInfo Compile(const test::TempDir& dir, const std::string& source) {
  dir.write("tzdata.zi", std::vector<std::uint8_t>(source.begin(), source.end()));
  const auto zones = dir / "zones";
  const std::string command = std::string("'") + MERIDEX_ZIC + "' -d '" + zones.string() + "' '" +
                              (dir / "tzdata.zi").string() + "'";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::filesystem::copy_file(dir / "tzdata.zi", zones / "tzdata.zi");
  return ZoneInfo(zones);
}

class ZoneCompare : public ::testing::Test {
 protected:
  const test::TempDir olderDir, newerDir;
  const ZoneInfo older = Compile(olderDir, kOlder);
  const ZoneInfo newer = Compile(newerDir, kNewer);
  const sys_seconds start{sys_days{year{2027} / January / 1}};
  const int twoYears = 24 * (365 + 366);
};

TEST_F(ZoneCompare, CountsTheHoursARuleChangeMoves) {
  ASSERT_EQ(older.version(), "2030a");
  ASSERT_EQ(newer.version(), "2030b");
  const auto d = CompareZone(older, newer, "Test/Eastern", start, twoYears);
  ASSERT_TRUE(d.has_value());
  EXPECT_FALSE(d->missing);
  // Standard time in the older release, daylight time in the newer, from
  // midnight local (05:00 UTC) on 1 January 2028 to the spring change on
  // 12 March, and again from the autumn change on 5 November to the end.
  const sys_seconds newYear = sys_seconds{sys_days{year{2028} / January / 1}} + hours{5};
  const sys_seconds spring = sys_seconds{sys_days{year{2028} / March / 12}} + hours{7};
  const sys_seconds autumn = sys_seconds{sys_days{year{2028} / November / 5}} + hours{6};
  const sys_seconds end{sys_days{year{2029} / January / 1}};
  EXPECT_EQ(d->hours, duration_cast<hours>((spring - newYear) + (end - autumn)).count());
  EXPECT_EQ(d->first, newYear);
  EXPECT_EQ(d->offset, -300);
  EXPECT_EQ(d->otherOffset, -240);
  // The other way round the same hours differ, with the offsets swapped.
  const auto back = CompareZone(newer, older, "Test/Eastern", start, twoYears);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->hours, d->hours);
  EXPECT_EQ(back->offset, -240);
  EXPECT_EQ(back->otherOffset, -300);
}

TEST_F(ZoneCompare, UnchangedZonesAndYearsBeforeTheChangeAgree) {
  EXPECT_FALSE(CompareZone(older, newer, "Test/Steady", start, twoYears).has_value());
  EXPECT_FALSE(CompareZone(older, newer, "Test/Eastern", start, 24 * 365).has_value());
  EXPECT_FALSE(CompareZone(older, newer, "Test/Eastern", start, 0).has_value());
  EXPECT_FALSE(CompareZone(older, older, "Test/Eastern", start, twoYears).has_value());
}

TEST_F(ZoneCompare, AZoneTheOtherReleaseLacksDiffersEverywhere) {
  const auto d = CompareZone(older, newer, "Test/Gone", start, 48);
  ASSERT_TRUE(d.has_value());
  EXPECT_TRUE(d->missing);
  EXPECT_EQ(d->hours, 48);
  EXPECT_EQ(d->first, start);
  EXPECT_EQ(d->offset, 60);
}

TEST(CompareReleases, OrdersByYearThenLetters) {
  EXPECT_EQ(CompareReleases("2025b", "2026f"), -1);
  EXPECT_EQ(CompareReleases("2026f", "2026b"), 1);
  EXPECT_EQ(CompareReleases("2026f", "2026f"), 0);
  EXPECT_EQ(CompareReleases("2026z", "2026za"), -1);
  EXPECT_EQ(CompareReleases("2026za", "2027a"), -1);
  EXPECT_EQ(CompareReleases("", "2026f"), std::nullopt);
  EXPECT_EQ(CompareReleases("2026F", "2026f"), std::nullopt);
  EXPECT_EQ(CompareReleases("26f", "2026f"), std::nullopt);
}

}  // namespace
}  // namespace meridex::citydb
