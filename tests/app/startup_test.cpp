#include <gtest/gtest.h>

#include <QWidget>

#include "app/meridex_app.h"
#include "calculator/calc_form.h"
#include "common/user_preferences.h"
#include "common/window_style.h"
#include "convert/convert_form.h"
#include "convert/unit_help.h"
#include "support/fake_clock.h"
#include "support/recording_dialogs.h"
#include "support/recording_sound_player.h"
#include "support/temp_dir.h"
#include "worldtime/city_files.h"
#include "worldtime/city_list_form.h"
#include "worldview/world_form.h"

namespace meridex {
namespace {

using enum WindowId;

class StartupTest : public ::testing::Test {
 protected:
  void install(const std::string& startupView, const std::string& stayOnTop,
               bool withDatabase = true) {
    UserPreferences p;
    p.StartupView = startupView;
    p.StayOnTop = stayOnTop;
    p.AlarmTime = "12:00 AM";
    dir.write(kPreferencesFile, EncodeUserPreferences(p));
    if (withDatabase) {
      CityEntry tokyo;
      tokyo.Name = "Tokyo                      ";
      tokyo.BaseHourOffset = 9;
      dir.write(kCityDatabaseFile, EncodeCityRecord(tokyo));
      dir.write(kHotListFile, {1, '1'});
    }
    app = std::make_unique<MeridexApp>(
        dir.path(), MeridexApp::Seams{clock, dialogs, sound, [] { return 96; }, [] {}});
  }

  test::TempDir dir;
  test::FakeClock clock;
  test::RecordingDialogs dialogs;
  test::RecordingSoundPlayer sound;
  std::unique_ptr<MeridexApp> app;
};

TEST_F(StartupTest, TheCityListViewsMakeTheCityListTheMainWindow) {
  install("c", "a");
  QWidget* mainWindow = app->createWindows("c", "a");
  EXPECT_EQ(mainWindow, static_cast<QWidget*>(app->cityList.get()));
  EXPECT_EQ(app->creationLog().size(), 13u);
  EXPECT_EQ(app->creationLog().front(), CityList);
  EXPECT_EQ(app->prefs.MainWindow, MainWindowKind::CityList);
  EXPECT_TRUE(StaysOnTop(*app->cityList));
  EXPECT_TRUE(dialogs.shown.empty()) << dialogs.lastText();
  EXPECT_EQ(app->table.Count, 1);
}

TEST_F(StartupTest, OtherViewsMakeTheirWindowTheMainWindow) {
  install("b", "b");
  QWidget* mainWindow = app->createWindows("b", "b");
  EXPECT_EQ(mainWindow, static_cast<QWidget*>(app->convert.get()));
  EXPECT_EQ(app->creationLog()[1], CityList);
  EXPECT_EQ(app->prefs.MainWindow, MainWindowKind::UnitConversion);

  install("d", "b");
  mainWindow = app->createWindows("d", "b");
  EXPECT_EQ(mainWindow, static_cast<QWidget*>(app->worldView.get()));
  EXPECT_EQ(app->prefs.MainWindow, MainWindowKind::WorldView);
}

TEST_F(StartupTest, AnUnknownLetterCreatesNoWindow) {
  install("x", "b");
  EXPECT_EQ(app->createWindows("x", "b"), nullptr);
  EXPECT_TRUE(app->creationLog().empty());
  EXPECT_EQ(app->cityList, nullptr);
}

TEST_F(StartupTest, AMissingDatabaseIsReportedAndStartUpGoesOn) {
  install("a", "b", /*withDatabase=*/false);
  QWidget* mainWindow = app->createWindows("a", "b");
  EXPECT_EQ(mainWindow, static_cast<QWidget*>(app->cityList.get()));
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_EQ(dialogs.shown.front().kind, DialogKind::Error);
  EXPECT_EQ(dialogs.shown.front().text, "Cannot open \"kydafe.dat\": No such file or directory");
  EXPECT_EQ(app->creationLog().size(), 13u);
  EXPECT_EQ(app->table.Count, 0);
}

}  // namespace
}  // namespace meridex

namespace meridex {
namespace {

TEST_F(StartupTest, ClosingTheMainListWhileTheCalculatorIsShownHidesItAndTheCalculatorThenEnds) {
  install("a", "b");
  int quits = 0;
  app = std::make_unique<MeridexApp>(
      dir.path(),
      MeridexApp::Seams{clock, dialogs, sound, [] { return 96; }, [&quits] { ++quits; }});
  QWidget* mainWindow = app->createWindows("a", "b");
  mainWindow->show();
  app->shell.showCalculator();
  mainWindow->close();
  EXPECT_FALSE(mainWindow->isVisible());
  EXPECT_EQ(quits, 0);
  // The Hot List was saved on the way out.
  EXPECT_EQ(dir.read(kHotListFile), (Bytes{1, '1'}));
  static_cast<QWidget*>(app->calculator.get())->close();
  EXPECT_EQ(quits, 1);
  EXPECT_EQ(app->prefs.StartupView, "z");
}

TEST_F(StartupTest, ClosingTheOnlyShownMainWindowEndsTheProgram) {
  install("c", "b");
  int quits = 0;
  app = std::make_unique<MeridexApp>(
      dir.path(),
      MeridexApp::Seams{clock, dialogs, sound, [] { return 96; }, [&quits] { ++quits; }});
  QWidget* mainWindow = app->createWindows("c", "b");
  mainWindow->show();
  app->shell.showUnitConversions();
  static_cast<QWidget*>(app->convert.get())->close();  // not the main window: only hidden
  EXPECT_EQ(quits, 0);
  mainWindow->close();
  EXPECT_EQ(quits, 1);
}

}  // namespace
}  // namespace meridex

namespace meridex {
namespace {

TEST_F(StartupTest, TheConversionWindowReachesTheCalculatorAndItsHelp) {
  install("b", "b");
  app->createWindows("b", "b");
  app->convert->Calculator1Click();  // nothing entered yet: the calculator comes up all the same
  EXPECT_EQ(app->calcLink.CalcLinkFlag, 1);
  EXPECT_TRUE(static_cast<QWidget*>(app->calculator.get())->isVisible());
  app->convert->SpeedButton2Click();
  EXPECT_TRUE(static_cast<QWidget*>(app->unitHelp.get())->isVisible());
}

}  // namespace
}  // namespace meridex
