#include "app/option_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "common/user_preferences.h"
#include "support/test_context.h"

namespace meridex {
namespace {

class OptionsWindow : public ::testing::Test {
 protected:
  void install(const std::string& startupView, const std::string& stayOnTop) {
    UserPreferences p;
    p.StartupView = startupView;
    p.StayOnTop = stayOnTop;
    p.AlarmTime = "07:45 PM";
    p.AlarmCity = "Tokyo                      ";
    p.AlarmMessage = "Dinner";
    p.AlarmSet = 1;
    p.AlarmSound = 1;
    t.dir.write(kPreferencesFile, EncodeUserPreferences(p));
    form = std::make_unique<TOptionForm>(t.ctx);
  }

  test::TestContext t;
  std::unique_ptr<TOptionForm> form;
};

TEST_F(OptionsWindow, OpensOnTheStoredChoices) {
  install("a", "a");
  EXPECT_EQ(form->windowTitle(), "Options");
  EXPECT_EQ(form->size(), QSize(254, 170));
  EXPECT_TRUE(form->RB1->isChecked());
  EXPECT_TRUE(form->CB1->isChecked());
  EXPECT_TRUE(form->CB1->isEnabled());
  EXPECT_FALSE(form->CB1->isHidden());

  install("d", "b");
  EXPECT_TRUE(form->RB4->isChecked());
  EXPECT_TRUE(form->CB1->isHidden());
  EXPECT_EQ(form->RB2->text(), "Unit Conversions ");
}

TEST_F(OptionsWindow, KeepListOnTopIsOfferedOnlyForTheListViews) {
  install("c", "a");
  form->RB2->setChecked(true);
  EXPECT_TRUE(form->CB1->isHidden());
  form->RB3->setChecked(true);
  EXPECT_FALSE(form->CB1->isHidden());
  EXPECT_TRUE(form->CB1->isEnabled());
}

TEST_F(OptionsWindow, SaveWritesOnlyTheTwoLettersAndAppliesTheStyle) {
  install("a", "a");
  t.prefs.StartupView = "a";
  form->RB4->setChecked(true);
  form->BitBtn1Click();
  const UserPreferences p = ReadUserPreferences(t.dir.path());
  EXPECT_EQ(p.StartupView, "d");
  EXPECT_EQ(p.StayOnTop, "b");  // the map view cannot keep the list on top
  EXPECT_EQ(p.AlarmTime, "07:45 PM");
  EXPECT_EQ(p.AlarmCity, "Tokyo                      ");
  EXPECT_EQ(p.AlarmMessage, "Dinner");
  EXPECT_EQ(p.AlarmSet, 1);
  EXPECT_EQ(p.AlarmSound, 1);
  EXPECT_FALSE(form->CB1->isChecked());
  EXPECT_FALSE(t.shell.listOnTop);
  EXPECT_EQ(t.prefs.StayOnTop, "b");
  EXPECT_EQ(t.prefs.StartupView, "a");  // takes effect at the next start
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].kind, DialogKind::Information);
  EXPECT_EQ(t.dialogs.shown[0].text, "Changes have been saved to file");

  form->RB3->setChecked(true);
  form->CB1->setChecked(true);
  form->BitBtn1Click();
  EXPECT_EQ(ReadUserPreferences(t.dir.path()).StartupView, "c");
  EXPECT_EQ(ReadUserPreferences(t.dir.path()).StayOnTop, "a");
  EXPECT_TRUE(t.shell.listOnTop);
}

TEST_F(OptionsWindow, AVanishedPreferencesFileIsReportedOnSave) {
  install("a", "b");
  std::filesystem::remove(t.dir / kPreferencesFile);
  form->BitBtn1->click();
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].kind, DialogKind::Error);
  EXPECT_EQ(t.dialogs.shown[0].text, "Cannot open \"userpref.dat\": No such file or directory");
  EXPECT_FALSE(t.dir.exists(kPreferencesFile));
}

}  // namespace
}  // namespace meridex
