// The files in data/ as the program reads them, with the program's own
// loaders: a few well-known locations written out by hand, the order, the
// left-out zones, the Hot List and the preferences record.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>

#include "common/record_io.h"
#include "common/text.h"
#include "common/user_preferences.h"
#include "tests/test_rules.h"
#include "worldtime/city_files.h"

namespace meridex::citydb {
namespace {

namespace fs = std::filesystem;

const fs::path kData = MERIDEX_DATA_DIR;

class ShippedData : public ::testing::Test {
 protected:
  void SetUp() override {
    // A scratch copy, so that nothing the loaders do can touch data/.
    scratch_ = fs::temp_directory_path() / ("citydb_shipped." + std::to_string(::getpid()));
    fs::create_directories(scratch_);
    for (const char* name : {kCityDatabaseFile, kCustomListFile, kHotListFile, kPreferencesFile}) {
      fs::copy_file(kData / name, scratch_ / name, fs::copy_options::overwrite_existing);
    }
    table_ = std::make_unique<CityTable>();
    EXPECT_EQ(LoadCityTable(scratch_, *table_), "");
    EXPECT_EQ(LoadHotListFlags(scratch_, *table_), "");
  }
  void TearDown() override { fs::remove_all(scratch_); }

  const CityEntry* find(const std::string& name) const {
    for (int i = 0; i < table_->Count; ++i) {
      if (TrimRight(table_->Entries[static_cast<std::size_t>(i)].Name) == name) {
        return &table_->Entries[static_cast<std::size_t>(i)];
      }
    }
    return nullptr;
  }

  void expectCity(const std::string& name, const std::string& state, const std::string& country,
                  const std::string& longitude, const std::string& latitude, int base, int minutes,
                  const DaylightSavingRule& rule) const {
    SCOPED_TRACE(name);
    const CityEntry* e = find(name);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Name, PadRight(name, kNameLength));
    EXPECT_EQ(e->State, state);
    EXPECT_EQ(e->Country, country);
    EXPECT_EQ(e->Longitude, longitude);
    EXPECT_EQ(e->Latitude, latitude);
    EXPECT_EQ(e->BaseHourOffset, base);
    EXPECT_EQ(e->MinuteOffset, minutes);
    EXPECT_EQ(e->ExtraAttribute, 0);
    EXPECT_EQ(e->Origin, kOriginDatabase);
    EXPECT_EQ(e->Rule, rule);
  }

  fs::path scratch_;
  std::unique_ptr<CityTable> table_;
};

TEST_F(ShippedData, WellKnownLocations) {
  const DaylightSavingRule none;
  expectCity("Honolulu", "Hawaii", "United States", "157.51W", "21.18N", 14, 0, none);
  expectCity("New York", "New York", "United States", "74.00W", "40.42N", 19, 0,
             Rule(3, 8, 1, 2, 11, 1, 1, 1));
  expectCity("St. John's", "Newfoundland", "Canada", "52.42W", "47.33N", 20, 30,
             Rule(3, 8, 1, 2, 11, 1, 1, 1));
  expectCity("London", "", "United Kingdom", "0.07W", "51.30N", 0, 0,
             Rule(3, 25, 1, 1, 10, 25, 1, 1));
  expectCity("Jerusalem", "", "Israel", "35.12E", "31.46N", 2, 0, Rule(3, 23, 6, 2, 10, 25, 1, 1));
  expectCity("Kathmandu", "", "Nepal", "85.19E", "27.42N", 5, 45, none);
  expectCity("Adelaide", "South Australia", "Australia", "138.35E", "34.55S", 9, 30,
             Rule(10, 1, 1, 2, 4, 1, 1, 2));
  expectCity("Waitangi (Chatham)", "", "New Zealand", "176.33W", "43.57S", 12, 45,
             Rule(9, 24, 1, 2, 4, 1, 1, 2));
  expectCity("Nuku'alofa", "", "Tonga", "175.12W", "21.08S", 13, 0, none);
  expectCity("Marquesas Islands", "", "French Polynesia", "139.30W", "9.00S", 14, 30, none);
  // Rules the record can only approximate (data/README.md).
  expectCity("Santiago", "", "Chile", "70.38W", "33.27S", 20, 0, Rule(9, 2, 1, 0, 4, 2, 1, 0));
  expectCity("Cairo", "", "Egypt", "31.14E", "30.03N", 2, 0, Rule(4, 24, 6, 0, 10, 28, 1, 0));
}

TEST_F(ShippedData, SortedOnceEachWithoutTheLeftOutZones) {
  EXPECT_EQ(table_->Count, 533);
  for (int i = 1; i < table_->Count; ++i) {
    EXPECT_TRUE(NameLess(table_->Entries[static_cast<std::size_t>(i - 1)].Name,
                         table_->Entries[static_cast<std::size_t>(i)].Name))
        << table_->Entries[static_cast<std::size_t>(i)].Name;
  }
  for (const char* name : {"Alofi", "Havana", "Kiritimati", "Lord Howe", "Midway Atoll",
                           "Pago Pago", "Troll Station"}) {
    EXPECT_EQ(find(name), nullptr) << name;
  }
  EXPECT_EQ(fs::file_size(kData / kCustomListFile), 0u);
}

TEST_F(ShippedData, HotListTicksTheDefaultFavouritesInTableOrder) {
  EXPECT_EQ(fs::file_size(kData / kHotListFile), 2u * static_cast<unsigned>(table_->Count));
  std::set<std::string> ticked;
  for (int i = 0; i < table_->Count; ++i) {
    const char flag = table_->HotListFlags[static_cast<std::size_t>(i)];
    EXPECT_TRUE(flag == '0' || flag == '1') << i;
    if (flag == '1') ticked.insert(TrimRight(table_->Entries[static_cast<std::size_t>(i)].Name));
  }
  EXPECT_EQ(ticked, (std::set<std::string>{"Auckland", "Dubai", "Hong Kong", "Honolulu", "London",
                                           "Los Angeles", "Moscow", "New Delhi", "New York",
                                           "Paris", "Sao Paulo", "Sydney", "Tokyo"}));
}

TEST_F(ShippedData, PreferencesStartOnTheAllCitiesListWithoutAnAlarm) {
  const Bytes bytes = ReadWholeFile(kData / kPreferencesFile);
  ASSERT_EQ(bytes.size(), 89u);
  const UserPreferences p = ReadUserPreferences(scratch_);
  EXPECT_EQ(p.StartupView, "a");
  EXPECT_EQ(p.StayOnTop, "b");
  EXPECT_EQ(p.AlarmTime, "12:00 AM");
  EXPECT_EQ(p.AlarmCity, "");
  EXPECT_EQ(p.AlarmMessage, "This is a test on the length of the message !");
  EXPECT_EQ(p.AlarmSet, 0);
  EXPECT_EQ(p.AlarmSound, 0);
  EXPECT_EQ(bytes[41], 45);  // the message fills its field
}

}  // namespace
}  // namespace meridex::citydb
