#include <gtest/gtest.h>

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>
#include <filesystem>

#include "alarms/alarm_fixture.h"
#include "common/window_style.h"
#include "worldtime/city_files.h"

namespace meridex {
namespace {

using test::AlarmFixture;
using test::CustomCity;
using test::Utc;

using Alarm = AlarmFixture;

TEST_F(Alarm, GoesOffInTheTickOfItsMinuteAndAgainTheNextDay) {
  install();
  start();
  setAlarm("Tokyo", "09:00 AM");  // 00:00 UTC
  EXPECT_EQ(t.dialogs.lastText(), "Alarm has been successfully set !");
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(alarm.AlarmTimeText, "09:00 a");
  EXPECT_TRUE(cityList->alarmPicVisible());
  EXPECT_TRUE(cityList->Off1->isEnabled());

  EXPECT_FALSE(minutePasses());  // 23:59:30
  EXPECT_TRUE(minutePasses());   // 00:00:30 UTC, 09:00 in Tokyo
  EXPECT_FALSE(minutePasses());  // 00:01:30
  int shown = 0;
  for (int minute = 0; minute < 24 * 60; ++minute) shown += minutePasses();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(alarm.AlarmSet, 1);  // going off does not clear the alarm
}

TEST_F(Alarm, TheMessageWindowShowsTheAlarmAndPlaysItsSoundEverySevenSeconds) {
  install();
  start();
  setAlarm("Tokyo", "09:00 AM", kSoundRooster, "Call the office   ");
  minutePasses();
  t.clock.advance(std::chrono::minutes{1});
  cityList->Timer1Timer();
  ASSERT_TRUE(message->isVisible());
  EXPECT_EQ(message->windowTitle(), "Alarm Message");
  EXPECT_EQ(message->AlTimeLabel->text(), "09:00 a");
  EXPECT_EQ(message->AlCityLabel->text(), "Tokyo");
  EXPECT_EQ(message->AlMessLabel->text(), "Call the office");
  EXPECT_EQ(t.sound.calls, (std::vector<std::string>{"open Alarm2.wav", "play"}));
  EXPECT_TRUE(message->WavTimer->isActive());
  EXPECT_EQ(message->WavTimer->interval(), 7000);
  message->WavTimerTimer();
  message->WavTimerTimer();
  EXPECT_EQ(t.sound.plays, 3);

  message->BitBtn1Click();
  EXPECT_FALSE(message->isVisible());
  EXPECT_FALSE(message->WavTimer->isActive());
  EXPECT_EQ(t.sound.calls.back(), "stop");

  // Closing it any other way stops the sound too.
  message->show();
  EXPECT_TRUE(message->WavTimer->isActive());
  message->reject();  // Esc
  EXPECT_FALSE(message->WavTimer->isActive());
  EXPECT_EQ(t.sound.calls.back(), "stop");
}

TEST_F(Alarm, WithoutSoundOnlyTheMessageAppears) {
  install();
  start();
  setAlarm("Berlin", "01:00 AM", kSoundNone);
  minutePasses();
  EXPECT_TRUE(minutePasses());
  EXPECT_TRUE(t.sound.calls.empty());
  message->show();
  EXPECT_FALSE(message->WavTimer->isActive());
  message->close();
}

TEST_F(Alarm, AMissingSoundFileIsReportedAfterTheLinesAreOnTheScreen) {
  install();
  start();
  setAlarm("Tokyo", "09:00 AM", kSoundPhone, "Call the office");
  t.sound.missing.insert("Alarm1.wav");
  t.dialogs.clear();
  // What the user sees as the error comes up.
  bool windowShown = false;
  QString city, text;
  t.dialogs.whileShown = [&](const test::RecordingDialogs::Shown&) {
    windowShown =
        message->isVisible() && message->windowHandle() && message->windowHandle()->isExposed();
    city = message->AlCityLabel->text();
    text = message->AlMessLabel->text();
  };
  minutePasses();
  t.clock.advance(std::chrono::minutes{1});
  cityList->Timer1Timer();
  ASSERT_TRUE(message->isVisible());
  // Held until the window has painted its lines.
  EXPECT_TRUE(t.dialogs.shown.empty());
  QElapsedTimer waited;
  waited.start();
  while (t.dialogs.shown.empty() && waited.elapsed() < 3000) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].kind, DialogKind::Error);
  EXPECT_EQ(t.dialogs.shown[0].text, "Cannot play \"Alarm1.wav\": No such file or directory");
  EXPECT_TRUE(windowShown);
  EXPECT_EQ(city, "Tokyo");
  EXPECT_EQ(text, "Call the office");
  EXPECT_FALSE(message->WavTimer->isActive());
  message->close();
  EXPECT_FALSE(message->isVisible());
  EXPECT_EQ(t.dialogs.shown.size(), 1u);  // once only
}

TEST_F(Alarm, ASoundErrorStillHeldIsReportedWhenTheMessageIsClosed) {
  install();
  start();
  setAlarm("Tokyo", "09:00 AM", kSoundRooster);
  t.sound.missing.insert("Alarm2.wav");
  t.dialogs.clear();
  minutePasses();
  t.clock.advance(std::chrono::minutes{1});
  cityList->Timer1Timer();
  ASSERT_TRUE(message->isVisible());
  message->BitBtn1Click();  // "OK" before any paint
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text, "Cannot play \"Alarm2.wav\": No such file or directory");
  QApplication::processEvents();
  EXPECT_EQ(t.dialogs.shown.size(), 1u);
}

TEST_F(Alarm, OnlyTheFirstLocationOfTheNameIsChecked) {
  // A custom location named exactly like the database's Tokyo, in New York's time.
  install(Defaults(), {CustomCity("Tokyo                      ", 19)});
  start();
  ASSERT_EQ(rowOf("Tokyo"), 1);  // the custom one comes first
  setAlarm("Tokyo", "09:00 AM");
  int shown = 0;
  for (int minute = 0; minute < 24 * 60; ++minute) {
    if (minutePasses()) {
      ++shown;
      // 09:00 in New York is 14:00 UTC.
      EXPECT_EQ(t.clock.utcNow(), Utc(2026, 12, 9, 14, 0, 30));
    }
  }
  EXPECT_EQ(shown, 1);
}

TEST_F(Alarm, ADeletedLocationNeverGoesOff) {
  install();
  start();
  setAlarm("Cabin", "07:00 PM");  // 00:00 UTC in UTC-5
  table.remove(rowOf("Cabin"));
  cityList->RebuildLists();
  int shown = 0;
  for (int minute = 0; minute < 24 * 60; ++minute) shown += minutePasses();
  EXPECT_EQ(shown, 0);
}

TEST_F(Alarm, RestartRestoresTheAlarmAndChecksIt) {
  install();
  start();
  setAlarm("Tokyo", "09:00 AM", kSoundRooster,
           "A message that is longer than forty-five characters in all");
  EXPECT_EQ(alarm.AlarmMessage, "A message that is longer than forty-five characters in all");
  const UserPreferences stored = ReadUserPreferences(t.dir.path());
  EXPECT_EQ(stored.AlarmMessage, "A message that is longer than forty-five char");
  EXPECT_EQ(stored.AlarmTime, "09:00 AM");
  EXPECT_EQ(stored.AlarmCity, "Tokyo                      ");
  EXPECT_EQ(stored.StartupView, "a");  // the preferences stay as they were
  EXPECT_EQ(stored.StayOnTop, "b");

  start();
  EXPECT_TRUE(cityList->alarmPicVisible());
  EXPECT_EQ(form->AlarmTimeMask->text(), "09:00 AM");
  EXPECT_EQ(form->AlarmCityLabel->text(), "Tokyo                      ");
  EXPECT_EQ(form->AlarmMessageEdit->text(), "A message that is longer than forty-five char");
  EXPECT_TRUE(form->RoosterSelect->isChecked());
  EXPECT_FALSE(form->AlarmButton->isEnabled());
  EXPECT_TRUE(form->AlarmCancel->isEnabled());
  cityList->Set1->trigger();
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(wizard->isVisible());
  form->BitBtn2Click();
  minutePasses();
  EXPECT_TRUE(minutePasses());
}

TEST_F(Alarm, AnAlarmRestoredWithoutActivatingTheListIsStillChecked) {
  UserPreferences p = Defaults();
  p.StartupView = "b";
  p.AlarmSet = 1;
  p.AlarmCity = "Berlin                     ";
  p.AlarmTime = "01:00 AM";
  install(p);
  start();
  EXPECT_EQ(alarm.AlarmTimeText, "01:00 a");
  minutePasses();
  EXPECT_TRUE(minutePasses());
}

TEST_F(Alarm, CancellingKeepsTheStoredTimeCityAndMessage) {
  install();
  start();
  setAlarm("Tokyo", "09:00 AM", kSoundPhone, "Stand up");
  form->show();
  form->AlarmCancelClick();
  EXPECT_EQ(t.dialogs.lastText(), "Alarm have been canceled");
  UserPreferences stored = ReadUserPreferences(t.dir.path());
  EXPECT_EQ(stored.AlarmSet, 0);
  EXPECT_EQ(stored.AlarmTime, "09:00 AM");
  EXPECT_EQ(stored.AlarmCity, "Tokyo                      ");
  EXPECT_EQ(stored.AlarmMessage, "Stand up");
  EXPECT_FALSE(cityList->alarmPicVisible());
  EXPECT_FALSE(cityList->Off1->isEnabled());
  EXPECT_FALSE(minutePasses());
  EXPECT_FALSE(minutePasses());

  setAlarm("Tokyo", "10:00 AM", kSoundPhone, "Stand up");
  cityList->Off1->trigger();
  EXPECT_EQ(t.dialogs.lastText(), "Alarm settings have been cleared");
  stored = ReadUserPreferences(t.dir.path());
  EXPECT_EQ(stored.AlarmSet, 0);
  EXPECT_EQ(stored.AlarmTime, "10:00 AM");
  EXPECT_EQ(stored.AlarmCity, "Tokyo                      ");
  EXPECT_EQ(stored.AlarmMessage, "Stand up");
  EXPECT_TRUE(form->AlarmButton->isEnabled());
  EXPECT_FALSE(form->AlarmCancel->isEnabled());
}

TEST_F(Alarm, AnInvalidTimeIsReportedAndChangesNothing) {
  install();
  start();
  setAlarm("Tokyo", "09:00 AM");
  form->show();
  form->AlarmTimeMask->setText("13:00 PM");
  t.dialogs.clear();
  form->AlarmButton->setEnabled(true);
  form->AlarmButton->click();
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text, "'13:00 PM' is not a valid time");
  EXPECT_EQ(alarm.AlarmTimeText, "09:00 a");
  EXPECT_EQ(ReadUserPreferences(t.dir.path()).AlarmTime, "09:00 AM");
  form->AlarmTimeMask->setText("00:30 AM");
  form->AlarmButton->click();
  EXPECT_EQ(t.dialogs.lastText(), "'00:30 AM' is not a valid time");
  form->close();
}

TEST_F(Alarm, TheWizardGuidesTheFirstSetting) {
  install();
  start();
  cityList->Set1->trigger();
  ASSERT_TRUE(wizard->isVisible());
  EXPECT_EQ(wizard->windowTitle(), "MX Alarm Wizard");
  EXPECT_FALSE(wizard->AlWizCon->isEnabled());
  EXPECT_TRUE(wizard->AlCheck1->isHidden());
  cityList->CityCheckBox->setCurrentRow(rowOf("Berlin"));
  cityList->CityCheckBoxClick();  // the row was already the current one
  EXPECT_FALSE(wizard->AlCheck1->isHidden());
  EXPECT_TRUE(wizard->AlWizCon->isEnabled());
  wizard->AlWizCon->click();
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(wizard->AlWizCon->isHidden());
  EXPECT_TRUE(wizard->AlCan->isHidden());
  EXPECT_EQ(form->AlarmCityLabel->text(), "Berlin                     ");
  form->AlarmButton->click();
  EXPECT_FALSE(wizard->isVisible());
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(alarm.AlarmCity, "Berlin                     ");
}

TEST_F(Alarm, TheMessageComesAboveTheListKeptOnTopAndGivesThePlaceBack) {
  UserPreferences p = Defaults();
  p.StayOnTop = "a";
  install(p);
  t.shell.listOnTop = true;
  t.shell.alarmOnTop = false;
  start();
  setAlarm("Tokyo", "09:00 AM");
  minutePasses();
  t.clock.advance(std::chrono::minutes{1});
  cityList->Timer1Timer();
  ASSERT_TRUE(message->isVisible());
  EXPECT_FALSE(t.shell.listOnTop);
  EXPECT_TRUE(t.shell.alarmOnTop);
  message->BitBtn1Click();
  EXPECT_TRUE(t.shell.listOnTop);
  EXPECT_FALSE(t.shell.alarmOnTop);
}

TEST_F(Alarm, HelpShowsTheSteps) {
  install();
  start();
  form->BitBtn1->click();
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].kind, DialogKind::Information);
  EXPECT_EQ(t.dialogs.shown[0].text.substr(0, 50),
            "To use the \"Alarm\" feature follow these steps\n\n1. ");
  EXPECT_NE(
      t.dialogs.shown[0].text.find("\n    message to display.\n3. Click Set Alarm button.\n\n"),
      std::string::npos);
}

// The city list as the settings window sees it, without the window.
class RecordingListView final : public CityListAlarmView {
 public:
  int selectedTableIndex() const override { return selected; }
  void setAlarmCancelEnabled(bool enabled) override { cancelEnabled = enabled; }
  void setAlarmPicVisible(bool visible) override { picVisible = visible; }

  int selected = 0;
  bool cancelEnabled = false;
  bool picVisible = false;
};

TEST_F(Alarm, TheSettingsWindowShowsTheAlarmOnTheListOnlyThroughItsView) {
  install();
  LoadCityTable(t.dir.path(), table);
  RecordingListView view;
  view.selected = 2;  // Tokyo
  TAlarmForm settings(t.ctx, alarm, view, table);
  EXPECT_FALSE(view.cancelEnabled);
  EXPECT_FALSE(view.picVisible);
  settings.show();
  EXPECT_EQ(settings.AlarmCityLabel->text(), "Tokyo                      ");
  settings.AlarmButtonClick();
  EXPECT_EQ(alarm.AlarmCity, "Tokyo                      ");
  EXPECT_TRUE(view.cancelEnabled);
  EXPECT_TRUE(view.picVisible);

  settings.show();
  settings.AlarmCancelClick();
  EXPECT_FALSE(view.cancelEnabled);
  EXPECT_FALSE(view.picVisible);
  EXPECT_EQ(ReadUserPreferences(t.dir.path()).AlarmSet, 0);
}

}  // namespace
}  // namespace meridex
