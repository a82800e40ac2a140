#include "worldtime/city_files.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "support/temp_dir.h"
#include "worldtime/city_test_data.h"

namespace meridex {
namespace {

using test::CustomCity;
using test::CustomFile;
using test::DatabaseCity;
using test::DatabaseFile;
using test::FlagsFile;
using test::TempDir;

std::vector<std::string> Names(const CityTable& table) {
  std::vector<std::string> names;
  for (int i = 0; i < table.Count; ++i) names.push_back(TrimRight(table.Entries[i].Name));
  return names;
}

TEST(CityRecords, DatabaseRecordHasTheDocumentedLayout) {
  CityEntry e = DatabaseCity("Sydney", 10, DaylightSavingRule{3, 1, 4, 1, 2, 1, 10, 1});
  e.MinuteOffset = 30;
  e.ExtraAttribute = 7;
  const Bytes r = EncodeCityRecord(e);
  ASSERT_EQ(r.size(), 93u);
  EXPECT_EQ(r[0], 27);  // padded name
  EXPECT_EQ(std::string(r.begin() + 1, r.begin() + 7), "Sydney");
  EXPECT_EQ(r[28], 5);
  EXPECT_EQ(std::string(r.begin() + 29, r.begin() + 34), "State");
  EXPECT_EQ(r[45], 7);
  EXPECT_EQ(r[66], 7);
  EXPECT_EQ(std::string(r.begin() + 67, r.begin() + 74), "151.12E");
  EXPECT_EQ(r[74], 6);
  EXPECT_EQ(std::string(r.begin() + 75, r.begin() + 81), "33.52S");
  EXPECT_EQ(r[81], 10);
  EXPECT_EQ(r[82], 30);
  EXPECT_EQ(r[83], 7);
  EXPECT_EQ(r[84], 2);
  const std::vector<std::uint8_t> rule(r.begin() + 85, r.end());
  EXPECT_EQ(rule, (std::vector<std::uint8_t>{3, 1, 4, 1, 2, 1, 10, 1}));
}

TEST(CityRecords, CustomRecordHasTheDocumentedLayout) {
  CityEntry e = CustomCity("My Place", 19);
  e.MinuteOffset = 45;
  e.ExtraAttribute = 9;  // never written for a custom location
  e.Rule = DaylightSavingRule{1, 1, 11, 1, 2, 1, 3, 8};
  const Bytes r = EncodeCustomRecord(e);
  ASSERT_EQ(r.size(), 40u);
  EXPECT_EQ(r[0], 8);
  EXPECT_EQ(std::string(r.begin() + 1, r.begin() + 9), "My Place");
  EXPECT_EQ(r[28], 19);
  EXPECT_EQ(r[29], 45);
  EXPECT_EQ(r[30], 0);
  EXPECT_EQ(r[31], 1);
  EXPECT_EQ(std::vector<std::uint8_t>(r.begin() + 32, r.end()),
            (std::vector<std::uint8_t>{1, 1, 11, 1, 2, 1, 3, 8}));
}

TEST(LoadCityTable, MergesBothFilesInNameOrderWithCustomEntriesFirstOnEqualNames) {
  TempDir dir;
  dir.write(kCityDatabaseFile, DatabaseFile({DatabaseCity("Berlin", 1), DatabaseCity("Paris", 1),
                                             DatabaseCity("Tokyo", 9)}));
  // "Paris" unpadded sorts before the padded database name; "Paris                      "
  // padded like the database entry is equal to it and comes first.
  dir.write(kCustomListFile, CustomFile({CustomCity("Aaa", 3), CustomCity("Paris"),
                                         CustomCity(PadRight("Paris", 27)), CustomCity("Zzz")}));
  CityTable table;
  EXPECT_EQ(LoadCityTable(dir.path(), table), "");
  EXPECT_EQ(Names(table),
            (std::vector<std::string>{"Aaa", "Berlin", "Paris", "Paris", "Paris", "Tokyo", "Zzz"}));
  EXPECT_EQ(table.Count, 7);
  EXPECT_EQ(table.Entries[2].Origin, kOriginCustom);
  EXPECT_EQ(table.Entries[2].Name, "Paris");
  EXPECT_EQ(table.Entries[3].Origin, kOriginCustom);
  EXPECT_EQ(table.Entries[4].Origin, kOriginDatabase);
  EXPECT_EQ(table.Entries[7].Name, "");  // the end marker
  // Custom entries carry no place texts; database entries keep theirs.
  EXPECT_EQ(table.Entries[0].State, "");
  EXPECT_EQ(table.Entries[0].Longitude, "");
  EXPECT_EQ(table.Entries[0].BaseHourOffset, 3);
  EXPECT_EQ(table.Entries[1].Country, "Country");
}

TEST(LoadCityTable, PrefixSortsFirstAndBytesCompareUnsigned) {
  TempDir dir;
  // 0xE9 (e acute in Latin-1) is above every ASCII letter when compared unsigned.
  dir.write(kCityDatabaseFile,
            DatabaseFile({DatabaseCity("San"), DatabaseCity("San Jose"), DatabaseCity("Z")}));
  dir.write(kCustomListFile, CustomFile({CustomCity("Sa"), CustomCity("\xE9tretat")}));
  CityTable table;
  LoadCityTable(dir.path(), table);
  EXPECT_EQ(Names(table), (std::vector<std::string>{"Sa", "San", "San Jose", "Z", "\xE9tretat"}));
}

TEST(LoadCityTable, CreatesAMissingCustomListEmpty) {
  TempDir dir;
  dir.write(kCityDatabaseFile, DatabaseFile({DatabaseCity("Oslo")}));
  CityTable table;
  LoadCityTable(dir.path(), table);
  EXPECT_EQ(table.Count, 1);
  ASSERT_TRUE(dir.exists(kCustomListFile));
  EXPECT_TRUE(dir.read(kCustomListFile).empty());
}

TEST(LoadCityTable, MissingDatabaseNamesTheFileAndLeavesTheTableEmpty) {
  TempDir dir;
  CityTable table;
  table.Count = 3;
  try {
    LoadCityTable(dir.path(), table);
    FAIL() << "no error";
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), "Cannot open \"kydafe.dat\": No such file or directory");
  }
  EXPECT_EQ(table.Count, 0);
}

TEST(LoadCityTable, PartialLastRecordIsAnErrorAfterTheWholeRecords) {
  TempDir dir;
  Bytes bytes = DatabaseFile({DatabaseCity("Berlin"), DatabaseCity("Rome")});
  bytes.resize(bytes.size() - 10);
  dir.write(kCityDatabaseFile, bytes);
  dir.write(kCustomListFile, {});
  CityTable table;
  try {
    LoadCityTable(dir.path(), table);
    FAIL() << "no error";
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find("\"kydafe.dat\": the file ends inside record 2"),
              std::string::npos)
        << e.what();
  }
  EXPECT_EQ(Names(table), std::vector<std::string>{"Berlin"});
}

TEST(LoadCityTable, RefusesLocationsBeyondTheTableAndSaysWhich) {
  TempDir dir;
  std::vector<CityEntry> db;
  for (int i = 0; i < 598; ++i) db.push_back(DatabaseCity("City " + std::to_string(1000 + i)));
  dir.write(kCityDatabaseFile, DatabaseFile(db));

  // 598 + 1 custom fit exactly.
  dir.write(kCustomListFile, CustomFile({CustomCity("Mine")}));
  CityTable table;
  EXPECT_EQ(LoadCityTable(dir.path(), table), "");
  EXPECT_EQ(table.Count, 599);
  EXPECT_EQ(table.Entries[599].Name, "");

  // 598 + 2: the one sorting last is left out and named.
  dir.write(kCustomListFile, CustomFile({CustomCity("Mine"), CustomCity("Zed")}));
  const std::string notice = LoadCityTable(dir.path(), table);
  EXPECT_EQ(table.Count, 599);
  EXPECT_EQ(table.Entries[599].Name, "");
  EXPECT_EQ(TrimRight(table.Entries[598].Name), "Mine");
  EXPECT_NE(notice.find("\"custlst.dat\""), std::string::npos) << notice;
  EXPECT_EQ(notice.find("\"kydafe.dat\""), std::string::npos) << notice;
  EXPECT_NE(notice.find("\"Zed\""), std::string::npos) << notice;
}

TEST(HotListFlags, LoadsOneFlagPerRecordAndLeavesTheRestEmpty) {
  TempDir dir;
  CityTable table;
  dir.write(kHotListFile, FlagsFile("101"));
  EXPECT_EQ(LoadHotListFlags(dir.path(), table), "");
  EXPECT_EQ(table.HotListFlags[0], '1');
  EXPECT_EQ(table.HotListFlags[1], '0');
  EXPECT_EQ(table.HotListFlags[2], '1');
  EXPECT_EQ(table.HotListFlags[3], '\0');
}

TEST(HotListFlags, MissingEmptyOrPartialFilesAreErrorsNamingTheFile) {
  TempDir dir;
  CityTable table;
  EXPECT_THROW(LoadHotListFlags(dir.path(), table), IoError);
  dir.write(kHotListFile, {});
  try {
    LoadHotListFlags(dir.path(), table);
    FAIL() << "an empty file must fail";
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find("\"chklst.dat\""), std::string::npos);
  }
  dir.write(kHotListFile, {1, '1', 1});
  EXPECT_THROW(LoadHotListFlags(dir.path(), table), IoError);
  EXPECT_EQ(table.HotListFlags[0], '1');
}

TEST(HotListFlags, NeverReadsBeyondTheSixHundredSlots) {
  TempDir dir;
  CityTable table;
  dir.write(kHotListFile, FlagsFile(std::string(600, '1')));
  EXPECT_EQ(LoadHotListFlags(dir.path(), table), "");
  EXPECT_EQ(table.HotListFlags[599], '1');
  dir.write(kHotListFile, FlagsFile(std::string(601, '1')));
  const std::string notice = LoadHotListFlags(dir.path(), table);
  EXPECT_NE(notice.find("\"chklst.dat\" holds more than 600"), std::string::npos) << notice;
}

TEST(HotListFlags, SaveWritesOneRecordPerLocationAndRoundTrips) {
  TempDir dir;
  CityTable table;
  table.Count = 4;
  table.HotListFlags[0] = '1';
  table.HotListFlags[1] = '0';
  table.HotListFlags[2] = '0';
  table.HotListFlags[3] = '1';
  table.HotListFlags[4] = '1';  // beyond the table (from a longer file): kept
  SaveHotListFlags(dir.path(), table);
  EXPECT_EQ(dir.read(kHotListFile), FlagsFile("10011"));

  CityTable reread;
  LoadHotListFlags(dir.path(), reread);
  EXPECT_EQ(std::string(reread.HotListFlags.data(), 5), "10011");

  // A file shorter than the table: after the flags are set for every row the
  // save has one record per location.
  table.HotListFlags[2] = '\0';
  SaveHotListFlags(dir.path(), table);
  EXPECT_EQ(dir.read(kHotListFile), FlagsFile("10"));

  // An empty table still writes one record.
  CityTable empty;
  SaveHotListFlags(dir.path(), empty);
  EXPECT_EQ(dir.read(kHotListFile).size(), 2u);
}

TEST(CustomLocations, SaveWritesOnlyCustomEntriesInTableOrderAndRoundTrips) {
  TempDir dir;
  dir.write(kCityDatabaseFile, DatabaseFile({DatabaseCity("Berlin", 1), DatabaseCity("Rome", 1)}));
  CityEntry mine = CustomCity("Camp", 19);
  mine.MinuteOffset = 30;
  mine.Rule = DaylightSavingRule{1, 1, 11, 1, 2, 1, 3, 8};
  dir.write(kCustomListFile, CustomFile({mine, CustomCity("Ski Hut", 1)}));
  CityTable table;
  LoadCityTable(dir.path(), table);
  const Bytes before = dir.read(kCustomListFile);
  SaveCustomLocations(dir.path(), table);
  EXPECT_EQ(dir.read(kCustomListFile), before);

  table.remove(1);  // "Camp"
  table.remove(2);  // "Ski Hut"
  ASSERT_EQ(Names(table), (std::vector<std::string>{"Berlin", "Rome"}));
  SaveCustomLocations(dir.path(), table);
  EXPECT_TRUE(dir.read(kCustomListFile).empty());
}

TEST(CityTableEdits, InsertAndRemoveMoveFlagsWithTheirEntries) {
  CityTable table;
  table.insert(0, DatabaseCity("B"), '0');
  table.insert(1, DatabaseCity("D"), '1');
  table.insert(0, DatabaseCity("A"), '1');
  table.insert(2, CustomCity("C"), '1');
  EXPECT_EQ(Names(table), (std::vector<std::string>{"A", "B", "C", "D"}));
  EXPECT_EQ(std::string(table.HotListFlags.data(), 4), "1011");
  EXPECT_EQ(table.hotListRowToIndex(2), 3);
  EXPECT_EQ(table.hotListRowToIndex(3), -1);
  table.remove(1);
  EXPECT_EQ(Names(table), (std::vector<std::string>{"A", "C", "D"}));
  EXPECT_EQ(std::string(table.HotListFlags.data(), 3), "111");
  EXPECT_EQ(table.HotListFlags[3], '\0');
  EXPECT_EQ(table.Entries[3].Name, "");
  EXPECT_EQ(table.hotListCount(), 3);
}

}  // namespace
}  // namespace meridex
