#include "common/user_preferences.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "support/installed_preferences.h"
#include "support/temp_dir.h"

namespace meridex {
namespace {

using test::InstalledPreferences;
using test::TempDir;

TEST(UserPreferences, RecordLayoutIsEightyNineBytes) {
  UserPreferences p = InstalledPreferences();
  p.AlarmCity = "Tokyo";
  p.AlarmSet = 1;
  p.AlarmSound = 2;
  const Bytes r = EncodeUserPreferences(p);
  ASSERT_EQ(r.size(), 89u);
  EXPECT_EQ(r[0], 1);
  EXPECT_EQ(r[1], 'a');
  EXPECT_EQ(r[2], 1);
  EXPECT_EQ(r[3], 'b');
  EXPECT_EQ(r[4], 8);
  EXPECT_EQ(std::string(r.begin() + 5, r.begin() + 13), "12:00 AM");
  EXPECT_EQ(r[13], 5);
  EXPECT_EQ(std::string(r.begin() + 14, r.begin() + 19), "Tokyo");
  EXPECT_EQ(r[41], 45);
  EXPECT_EQ(std::string(r.begin() + 42, r.begin() + 87), p.AlarmMessage);
  EXPECT_EQ(r[87], 1);
  EXPECT_EQ(r[88], 2);
}

TEST(UserPreferences, MissingOrShortFilesAreErrorsNamingTheFile) {
  TempDir dir;
  try {
    ReadUserPreferences(dir.path());
    FAIL() << "no error";
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(), "Cannot open \"userpref.dat\": No such file or directory");
  }
  dir.write(kPreferencesFile, Bytes(88, 0));
  try {
    ReadUserPreferences(dir.path());
    FAIL() << "no error";
  } catch (const IoError& e) {
    EXPECT_STREQ(e.what(),
                 "Cannot read \"userpref.dat\": the file holds 88 bytes, less than one 89-byte "
                 "preferences record");
  }
  // Writers never create the file.
  TempDir empty;
  EXPECT_THROW(WriteStartupPreferences(empty.path(), "b", "a"), IoError);
  EXPECT_FALSE(empty.exists(kPreferencesFile));
}

TEST(UserPreferences, EachWriterKeepsTheOtherFieldsAsStored) {
  TempDir dir;
  Bytes stored = EncodeUserPreferences(InstalledPreferences());
  stored.push_back(0x5A);  // anything after the record stays too
  dir.write(kPreferencesFile, stored);

  WriteStartupPreferences(dir.path(), "d", "a");
  AlarmPreferences alarm{"07:30 AM", "Tokyo                      ",
                         "Call the office before the market opens, then breakfast", 1, 2};
  WriteAlarmPreferences(dir.path(), alarm);
  WriteStartupPreferences(dir.path(), "c", "b");

  UserPreferences p = ReadUserPreferences(dir.path());
  EXPECT_EQ(p.StartupView, "c");
  EXPECT_EQ(p.StayOnTop, "b");
  EXPECT_EQ(p.AlarmTime, "07:30 AM");
  EXPECT_EQ(p.AlarmCity, "Tokyo                      ");
  EXPECT_EQ(p.AlarmMessage, "Call the office before the market opens, then");  // 45 characters
  EXPECT_EQ(p.AlarmSet, 1);
  EXPECT_EQ(p.AlarmSound, 2);

  WriteAlarmSet(dir.path(), 0);
  const Bytes after = dir.read(kPreferencesFile);
  ASSERT_EQ(after.size(), 90u);
  EXPECT_EQ(after[89], 0x5A);
  UserPreferences q = ReadUserPreferences(dir.path());
  EXPECT_EQ(q.AlarmSet, 0);
  q.AlarmSet = 1;
  EXPECT_EQ(q, p);  // nothing but AlarmSet changed
}

}  // namespace
}  // namespace meridex
