// Alarm times and sounds that cannot work, typed or stored: told once, in a
// message that names where they come from, and never again at each
// activation of the city list.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "alarms/alarm_fixture.h"

namespace meridex {
namespace {

using test::AlarmFixture;

using AlarmRestore = AlarmFixture;

TEST_F(AlarmRestore, AnInvalidTimeTypedAndCancelledNeverComesBackAtActivation) {
  install();
  start();
  setAlarm("Tokyo", "09:00 AM");
  t.dialogs.clear();

  // Typed while an alarm is set ("Set Alarm" is disabled), then Cancel.
  cityList->Set1->trigger();
  ASSERT_TRUE(form->isVisible());
  form->AlarmTimeMask->setText("13:00 AM");
  cityList->FormActivate();  // a click on the list while the window is open
  form->BitBtn2->click();
  for (int i = 0; i < 3; ++i) cityList->FormActivate();
  // Esc and the close box take the same way.
  cityList->Set1->trigger();
  form->AlarmTimeMask->setText("13:00 AM");
  static_cast<QDialog*>(form.get())->reject();
  cityList->FormActivate();
  EXPECT_TRUE(t.dialogs.shown.empty()) << t.dialogs.lastText();

  // The alarm stays as it was set, and the window shows it so.
  EXPECT_EQ(alarm.AlarmTimeText, "09:00 a");
  cityList->Set1->trigger();
  EXPECT_EQ(form->AlarmTimeMask->text(), "09:00 AM");
  form->BitBtn2->click();
  EXPECT_FALSE(minutePasses());
  EXPECT_TRUE(minutePasses());
}

TEST_F(AlarmRestore, AnInvalidStoredTimeIsToldOnceNamingTheFileAndTheAlarmIsOff) {
  UserPreferences p = Defaults();
  p.AlarmSet = 1;
  p.AlarmCity = "Tokyo                      ";
  p.AlarmTime = "13:00 AM";
  install(p);
  start();
  for (int i = 0; i < 3; ++i) cityList->FormActivate();
  ASSERT_EQ(t.dialogs.shown.size(), 1u) << t.dialogs.lastText();
  EXPECT_EQ(t.dialogs.shown[0].kind, DialogKind::Warning);
  EXPECT_EQ(t.dialogs.shown[0].text,
            "The alarm in \"userpref.dat\" for \"Tokyo\" cannot go off: '13:00 AM' is not a valid "
            "time. It is off; set it again under Alarm > Settings.");
  EXPECT_EQ(alarm.AlarmSet, 0);
  EXPECT_FALSE(cityList->alarmPicVisible());
  EXPECT_FALSE(cityList->Off1->isEnabled());
  // The settings window offers to set it, with what was stored.
  cityList->Set1->trigger();
  EXPECT_TRUE(wizard->isVisible());
  form->show();
  EXPECT_TRUE(form->AlarmButton->isEnabled());
  EXPECT_EQ(form->AlarmTimeMask->text(), "13:00 AM");
  form->close();
  for (int minute = 0; minute < 24 * 60; ++minute) ASSERT_FALSE(minutePasses());
}

TEST_F(AlarmRestore, AStoredSoundMeridexLacksIsToldAndTheAlarmComesSilently) {
  UserPreferences p = Defaults();
  p.AlarmSet = 1;
  p.AlarmCity = "Tokyo                      ";
  p.AlarmTime = "09:00 AM";
  p.AlarmSound = 7;
  install(p);
  start();
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text,
            "The alarm in \"userpref.dat\" names sound 7, which Meridex does not have (1 is the "
            "phone ring, 2 the rooster call). The alarm shows its message without a sound.");
  EXPECT_TRUE(form->NoneSelect->isChecked());
  t.dialogs.clear();
  minutePasses();
  t.clock.advance(std::chrono::minutes{1});
  cityList->Timer1Timer();
  ASSERT_TRUE(message->isVisible());
  EXPECT_EQ(message->AlCityLabel->text(), "Tokyo");
  EXPECT_TRUE(t.sound.calls.empty());
  EXPECT_TRUE(t.dialogs.shown.empty()) << t.dialogs.lastText();
  message->BitBtn1Click();
}

}  // namespace
}  // namespace meridex
