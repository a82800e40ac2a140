#pragma once

#include <gtest/gtest.h>

#include <QListWidget>
#include <memory>
#include <string>
#include <vector>

#include "common/user_preferences.h"
#include "support/test_context.h"
#include "worldtime/city_list_form.h"
#include "worldtime/city_test_data.h"

namespace meridex::test {

// A working directory with a small city database, and the city list window
// over it. Times are checked at 02:00 UTC on Tuesday 8 December 2026.
class CityListFixture : public ::testing::Test {
 protected:
  CityListFixture() { t.clock.set(Utc(2026, 12, 8, 2, 0)); }

  void writeFiles(const std::string& startupView, const std::string& flags,
                  const std::vector<CityEntry>& database,
                  const std::vector<CityEntry>& custom = {}) {
    UserPreferences p;
    p.StartupView = startupView;
    p.StayOnTop = "b";
    p.AlarmTime = "12:00 AM";
    p.AlarmMessage = "Keep me";
    p.AlarmSet = 1;
    p.AlarmSound = 2;
    t.dir.write(kPreferencesFile, EncodeUserPreferences(p));
    t.dir.write(kCityDatabaseFile, DatabaseFile(database));
    t.dir.write(kCustomListFile, CustomFile(custom));
    if (!flags.empty()) t.dir.write(kHotListFile, FlagsFile(flags));
  }

  static std::vector<CityEntry> FiveCities() {
    return {DatabaseCity("Berlin", 1), DatabaseCity("Honolulu", 14), DatabaseCity("London", 0),
            DatabaseCity("New York", 19), DatabaseCity("Tokyo", 9)};
  }

  void open(const std::string& startupView = "a", const std::string& flags = "10001") {
    writeFiles(startupView, flags, FiveCities(), {CustomCity("Cabin", 19)});
    create();
  }

  void create() { form = std::make_unique<TCityListForm>(t.ctx, table); }

  static std::vector<std::string> Rows(const QListWidget* list) {
    std::vector<std::string> rows;
    for (int i = 0; i < list->count(); ++i) rows.push_back(list->item(i)->text().toStdString());
    return rows;
  }

  void tick(int row) { form->CityCheckBox->item(row)->setCheckState(Qt::Checked); }
  void untick(int row) { form->CityCheckBox->item(row)->setCheckState(Qt::Unchecked); }

  TestContext t;
  CityTable table;
  std::unique_ptr<TCityListForm> form;
};

}  // namespace meridex::test
