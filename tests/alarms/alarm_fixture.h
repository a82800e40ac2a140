#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <memory>

#include "alarms/alarm_coordinator.h"
#include "alarms/alarm_form.h"
#include "alarms/alarm_mess_form.h"
#include "alarms/alarm_wiz.h"
#include "support/installed_preferences.h"
#include "support/test_context.h"
#include "worldtime/city_list_form.h"
#include "worldtime/city_test_data.h"

namespace meridex::test {

// The city list with the three alarm windows over a working directory with
// a few locations: Berlin (UTC+1), Cabin (custom, UTC-5), Tokyo (UTC+9).
class AlarmFixture : public ::testing::Test {
 protected:
  AlarmFixture() { t.clock.set(Utc(2026, 12, 8, 23, 58, 30)); }

  void install(UserPreferences prefs = Defaults(),
               std::vector<CityEntry> custom = {CustomCity("Cabin", 19)}) {
    t.dir.write(kPreferencesFile, EncodeUserPreferences(prefs));
    t.dir.write(kCityDatabaseFile,
                DatabaseFile({DatabaseCity("Berlin", 1), DatabaseCity("Tokyo", 9)}));
    t.dir.write(kCustomListFile, CustomFile(custom));
    t.dir.write(kHotListFile, FlagsFile("101"));
  }

  static UserPreferences Defaults() { return InstalledPreferences(); }

  // Creates the windows as the program does at start-up.
  void start() {
    coordinator.reset();
    message.reset();
    wizard.reset();
    form.reset();
    cityList.reset();
    alarm = AlarmState{};
    cityList = std::make_unique<TCityListForm>(t.ctx, table);
    form = std::make_unique<TAlarmForm>(t.ctx, alarm, *cityList, table);
    message = std::make_unique<TAlarmMessForm>(t.ctx, alarm);
    wizard = std::make_unique<TAlarmWiz>(t.ctx);
    coordinator = std::make_unique<AlarmCoordinator>(t.ctx, alarm, table, *form, *wizard, *message);
    cityList->setHooks(coordinator.get());
    cityList->FormActivate();
  }

  int rowOf(const std::string& name) const {
    for (int i = 0; i < table.Count; ++i) {
      if (TrimRight(table.Entries[static_cast<std::size_t>(i)].Name) == name) return i;
    }
    return -1;
  }

  // Sets an alarm through the settings window, as the user would.
  void setAlarm(const std::string& city, const std::string& time, int sound = kSoundPhone,
                const std::string& text = "Wake up") {
    cityList->CityCheckBox->setCurrentRow(rowOf(city));
    form->show();
    form->AlarmTimeMask->setText(QString::fromStdString(time));
    form->AlarmMessageEdit->setText(QString::fromStdString(text));
    (sound == kSoundPhone     ? form->PhoneSelect
     : sound == kSoundRooster ? form->RoosterSelect
                              : form->NoneSelect)
        ->setChecked(true);
    form->AlarmButtonClick();
  }

  // One minute passes and the list refreshes; true when the alarm came up,
  // which is then dismissed with "OK".
  bool minutePasses() {
    t.clock.advance(std::chrono::minutes{1});
    cityList->Timer1Timer();
    const bool shown = message->isVisible();
    if (shown) message->BitBtn1Click();
    // What the event loop would do between two ticks.
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return shown;
  }

  TestContext t;
  CityTable table;
  AlarmState alarm;
  std::unique_ptr<TCityListForm> cityList;
  std::unique_ptr<TAlarmForm> form;
  std::unique_ptr<TAlarmMessForm> message;
  std::unique_ptr<TAlarmWiz> wizard;
  std::unique_ptr<AlarmCoordinator> coordinator;
};

}  // namespace meridex::test
