#include "worldtime/city_list_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/errors.h"
#include "support/temp_dir.h"
#include "worldtime/city_files.h"
#include "worldtime/city_test_data.h"
#include "worldtime/custom_locations.h"

namespace meridex {
namespace {

using test::CustomCity;
using test::CustomFile;
using test::DatabaseCity;
using test::DatabaseFile;
using test::FlagsFile;
using test::TempDir;

class CityListFilesTest : public ::testing::Test {
 protected:
  CityListFilesTest() {
    dir.write(kCityDatabaseFile, DatabaseFile({DatabaseCity("Berlin"), DatabaseCity("Tokyo")}));
    dir.write(kCustomListFile, CustomFile({CustomCity("Cabin")}));
    dir.write(kHotListFile, FlagsFile("101"));
    LoadCityTable(dir.path(), table);
    LoadHotListFlags(dir.path(), table);
  }
  TempDir dir;
  CityTable table;
  CityListFiles files{dir.path()};
};

TEST_F(CityListFilesTest, NothingIsWrittenBeforeTheTableHasLoaded) {
  table.HotListFlags[0] = '0';
  files.save(table);
  EXPECT_EQ(dir.read(kHotListFile), FlagsFile("101"));
  files.tableLoaded();
  files.save(table);
  EXPECT_EQ(dir.read(kHotListFile), FlagsFile("001"));
}

TEST_F(CityListFilesTest, AChangedCustomListStaysDueWithItsFlagsUntilBothAreWritten) {
  files.tableLoaded();
  AddCustomLocation(table, "hut", table.Entries[0]);
  files.customListChanged();
  // The custom list cannot be written: neither is the Hot List.
  std::filesystem::remove(dir / kCustomListFile);
  std::filesystem::create_directories(dir / kCustomListFile / "taken");
  try {
    files.save(table);
    FAIL() << "no error";
  } catch (const IoError& e) {
    const std::string text = e.what();
    EXPECT_EQ(text.rfind("Cannot write \"custlst.dat\": ", 0), 0u) << text;
    EXPECT_NE(text.find("Your own locations and the Hot List are not saved yet."),
              std::string::npos);
  }
  EXPECT_TRUE(files.customListDue());
  EXPECT_EQ(dir.read(kHotListFile), FlagsFile("101"));
  std::filesystem::remove_all(dir / kCustomListFile);
  files.save(table);
  EXPECT_FALSE(files.customListDue());
  EXPECT_EQ(dir.read(kCustomListFile), CustomFile({CustomCity("Cabin"), CustomCity("Hut")}));
  EXPECT_EQ(dir.read(kHotListFile), FlagsFile("1011"));
}

TEST(CityLists, AnInterruptedPairSaveIsFinishedAtStartUp) {
  TempDir dir;
  dir.write(kCustomListFile, CustomFile({CustomCity("Cabin")}));
  dir.write(kHotListFile, FlagsFile("101"));
  // Killed between the two renames of an add: the custom list is new, the
  // flags not yet.
  dir.write(kCustomListFile, CustomFile({CustomCity("Cabin"), CustomCity("Hut")}));
  dir.write(std::string(".") + kHotListFile + ".new", FlagsFile("1011"));
  dir.write(kCityListsJournal, Bytes{'c', 'u', 's', 't', 'l', 's', 't', '.', 'd', 'a', 't', '\n',
                                     'c', 'h', 'k', 'l', 's', 't', '.', 'd', 'a', 't', '\n'});
  EXPECT_TRUE(RecoverCityLists(dir.path()));
  EXPECT_EQ(dir.read(kHotListFile), FlagsFile("1011"));
  EXPECT_FALSE(dir.exists(kCityListsJournal));
  EXPECT_FALSE(RecoverCityLists(dir.path()));
}

TEST(CityLists, TheCustomListKeepsItsLeftOutLocationsInNameOrder) {
  CityTable table;
  table.insert(0, CustomCity("Bay"), '1');
  table.insert(1, DatabaseCity("Oslo"), '0');
  table.insert(2, CustomCity("Zulu"), '1');
  table.LeftOutCustom = {CustomCity("Mid"), CustomCity("Yak")};
  EXPECT_EQ(CustomListFileBytes(table), CustomFile({CustomCity("Bay"), CustomCity("Mid"),
                                                    CustomCity("Yak"), CustomCity("Zulu")}));
}

}  // namespace
}  // namespace meridex
