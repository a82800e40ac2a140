// Every window of the program shows its captions whole in the program's
// font: each caption is measured against the control that holds it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QWidget>
#include <cstdlib>
#include <filesystem>

#include "alarms/alarm_form.h"
#include "alarms/alarm_mess_form.h"
#include "app/help_window.h"
#include "app/logo_form.h"
#include "app/meridex_app.h"
#include "calculator/calc_form.h"
#include "common/desktop.h"
#include "common/user_preferences.h"
#include "support/fake_clock.h"
#include "support/recording_dialogs.h"
#include "support/recording_sound_player.h"
#include "support/temp_dir.h"
#include "support/text_fit.h"
#include "worldtime/city_files.h"
#include "worldtime/city_list_form.h"

namespace meridex {
namespace {

class WindowTexts : public ::testing::Test {
 protected:
  WindowTexts() {
    UserPreferences p;
    p.StartupView = "a";
    p.StayOnTop = "b";
    p.AlarmTime = "12:00 AM";
    dir.write(kPreferencesFile, EncodeUserPreferences(p));
    CityEntry city;
    city.Name = "Petropavlovsk-Kamchatsky   ";
    city.BaseHourOffset = 12;
    dir.write(kCityDatabaseFile, EncodeCityRecord(city));
    dir.write(kHotListFile, {1, '1'});
    std::filesystem::copy(std::filesystem::path(MERIDEX_SOURCE_DIR) / "data" / "help",
                          dir.path() / "help");
    app = std::make_unique<MeridexApp>(
        dir.path(), MeridexApp::Seams{clock, dialogs, sound, ScreenPixelsPerInch, [] {}});
    app->createWindows("a", "b");
    // A run at another density says which it is meant to be.
    if (const char* ppi = std::getenv("MERIDEX_TEST_PPI")) {
      EXPECT_EQ(ScreenPixelsPerInch(), std::atoi(ppi));
    }
  }
  ~WindowTexts() override {
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
  }

  // The clipped captions of `window` as the user first sees it.
  static std::vector<std::string> Clipped(QWidget& window) {
    window.show();
    QApplication::processEvents();
    std::vector<std::string> clipped = test::ClippedTexts(window);
    window.hide();
    return clipped;
  }

  test::TempDir dir;
  test::FakeClock clock;
  test::RecordingDialogs dialogs;
  test::RecordingSoundPlayer sound;
  std::unique_ptr<MeridexApp> app;
};

using Texts = std::vector<std::string>;

TEST_F(WindowTexts, EveryWindowShowsItsCaptionsWhole) {
  int measured = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    const QString title = w->windowTitle();
    if (title.isEmpty()) continue;  // menus, tool tips
    EXPECT_EQ(Clipped(*w), Texts{}) << title.toStdString();
    ++measured;
  }
  EXPECT_GE(measured, 13);
}

TEST_F(WindowTexts, TheCityListShowsItsCaptionsWholeWithEitherPanelOpen) {
  TCityListForm& list = *app->cityList;
  list.show();
  list.CityCheckBox->setCurrentRow(0);
  list.TimeForecast1Click();
  EXPECT_EQ(test::ClippedTexts(list), Texts{}) << "forecast, step 1";
  list.Button2Click();
  EXPECT_EQ(test::ClippedTexts(list), Texts{}) << "forecast, step 2";
  list.ForeCancelBtnClick();
  list.AddLocation1Click();
  EXPECT_EQ(test::ClippedTexts(list), Texts{}) << "new location, step 1";
  list.Button1Click();
  EXPECT_EQ(test::ClippedTexts(list), Texts{}) << "new location, step 2";
  list.NCCancelBtnClick();
  EXPECT_TRUE(dialogs.shown.empty()) << dialogs.lastText();
}

TEST_F(WindowTexts, TheLinkedCalculatorShowsItsCaptionsWhole) {
  app->calcLink.CalcLinkFlag = 1;
  EXPECT_EQ(Clipped(*app->calculator), Texts{});
}

TEST_F(WindowTexts, TheAlarmWindowsShowTheLongestPlaceAndMessageWhole) {
  app->cityList->CityCheckBox->setCurrentRow(0);
  EXPECT_EQ(Clipped(*app->alarmForm), Texts{});
  app->alarm.AlarmCity = "Petropavlovsk-Kamchatsky   ";
  app->alarm.AlarmTimeText = "12:00 p";
  app->alarm.AlarmMessage = "This is a test on the length of the message ! And a little more.";
  EXPECT_EQ(Clipped(*app->alarmMessage), Texts{});
  EXPECT_EQ(app->alarmMessage->AlMessLabel->text().toStdString(), app->alarm.AlarmMessage);
}

TEST_F(WindowTexts, TheHelpWindowShowsItsCaptionsWhole) {
  app->shell.showHelp("");
  ASSERT_NE(app->shell.helpWindow(), nullptr);
  EXPECT_TRUE(dialogs.shown.empty()) << dialogs.lastText();
  EXPECT_EQ(Clipped(*app->shell.helpWindow()), Texts{});
}

TEST_F(WindowTexts, TheSplashShowsItsCaptionsWhole) {
  TLogoForm splash;
  EXPECT_EQ(Clipped(splash), Texts{});
}

}  // namespace
}  // namespace meridex
