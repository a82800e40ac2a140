#include "zone_clock.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>

#include "common/errors.h"
#include "support/temp_dir.h"

namespace meridex::citydb {
namespace {

using namespace std::chrono;

// The build's zone files, compiled from the committed tzdata source: the
// tests read them whatever tzdata the machine has, or none.
class ZoneClockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(zones.present()) << zones.directory()
                                 << " has no zone files: build citydb_zoneinfo";
  }
  const ZoneInfo zones{MERIDEX_CITYDB_ZONEINFO};
};

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST_F(ZoneClockTest, ReadsLocalTimeAcrossAChange) {
  ZoneClock clock(zones, "America/New_York");
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
  ScopedEnv tz("TZ", "UTC");
  {
    ZoneClock clock(zones, "Asia/Kathmandu");
    EXPECT_EQ(clock.offsetMinutes(sys_seconds{sys_days{year{2027} / 1 / 1}}), 345);
  }
  ASSERT_NE(std::getenv("TZ"), nullptr);
  EXPECT_STREQ(std::getenv("TZ"), "UTC");
}

TEST_F(ZoneClockTest, ReadsItsOwnDirectoryWhateverTzdirSays) {
  const test::TempDir empty;
  ScopedEnv tzdir("TZDIR", empty.path().string());
  EXPECT_FALSE(ZoneInfo::Installed().present());
  EXPECT_EQ(ZoneInfo::Installed().directory(), empty.path());
  EXPECT_EQ(ZoneInfo::Installed().version(), "");
  ASSERT_TRUE(zones.present());
  const auto offsets =
      HourlyOffsets(zones, "Pacific/Chatham", sys_seconds{sys_days{year{2027} / January / 1}}, 3);
  EXPECT_EQ(offsets, (std::vector<int>{825, 825, 825}));  // UTC+13:45 in the southern summer
  ZoneClock clock(zones, "Europe/Paris");
  EXPECT_EQ(clock.offsetMinutes(sys_seconds{sys_days{year{2027} / July / 1}}), 120);
}

TEST_F(ZoneClockTest, UnknownZonesAndEmptyDirectoriesAreRefusedNotReadAsUtc) {
  EXPECT_FALSE(zones.has("Mars/Olympus_Mons"));
  EXPECT_FALSE(zones.has("../zoneinfo/UTC"));
  EXPECT_FALSE(zones.has("/etc/passwd"));
  EXPECT_FALSE(zones.has(""));
  EXPECT_THROW(ZoneClock(zones, "Mars/Olympus_Mons"), AppError);
  const test::TempDir empty;
  const ZoneInfo none(empty.path());
  EXPECT_FALSE(none.present());
  EXPECT_EQ(none.version(), "");
  EXPECT_EQ(none.describe(), "tzdata (version unknown) (" + empty.path().string() + ")");
  EXPECT_THROW(ZoneClock(none, "UTC"), AppError);
  EXPECT_EQ(none.footer("Europe/Paris"), "");
}

TEST_F(ZoneClockTest, FooterAndTheVersionOfTheCommittedSource) {
  EXPECT_EQ(zones.footer("Europe/Paris"), "CET-1CEST,M3.5.0,M10.5.0/3");
  EXPECT_EQ(zones.footer("Mars/Olympus_Mons"), "");
  const std::string version = zones.version();
  EXPECT_EQ(version, TzdataVersionOf(MERIDEX_CITYDB_TZSOURCE));
  // A year and a letter, e.g. "2026f".
  ASSERT_EQ(version.size(), 5u) << version;
  EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(version[0])) &&
              std::isdigit(static_cast<unsigned char>(version[3])) &&
              std::islower(static_cast<unsigned char>(version[4])))
      << version;
}

TEST(TzdataVersionOf, ReadsOnlyTheHeaderComments) {
  const test::TempDir dir;
  const auto write = [&](const std::string& text) {
    dir.write("tzdata.zi", std::vector<std::uint8_t>(text.begin(), text.end()));
    return TzdataVersionOf(dir / "tzdata.zi");
  };
  EXPECT_EQ(write("# version 2030a\n# This zic input file is in the public domain.\n"), "2030a");
  EXPECT_EQ(write("# redo posix_only\n# version 2031c\nZ Etc/UTC 0 - UTC\n"), "2031c");
  EXPECT_EQ(write("Z Etc/UTC 0 - UTC\n# version 2030a\n"), "");
  EXPECT_EQ(TzdataVersionOf(dir / "missing.zi"), "");
}

}  // namespace
}  // namespace meridex::citydb
