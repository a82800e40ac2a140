#include "app/app_shell.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "app/help_window.h"
#include "common/record_io.h"
#include "common/window_style.h"
#include "support/recording_dialogs.h"
#include "support/temp_dir.h"

namespace meridex {
namespace {

// The four tool windows as plain widgets, and the shell over them.
class AppShellTest : public ::testing::Test {
 protected:
  AppShellTest() : shell(prefs, link, dialogs, dir.path(), [this] { ++terminated; }) {
    shell.setWindows(ShellWindows{&cityList, &convert, &worldView, &calculator, &options, &about,
                                  &alarmMessage});
  }
  // What a tool window does when the user closes it.
  void close(QWidget& window, ToolWindow kind) {
    shell.toolWindowClosing(kind);
    window.hide();
  }

  test::TempDir dir;
  test::RecordingDialogs dialogs;
  PreferenceState prefs;
  CalcLink link;
  int terminated = 0;
  QWidget cityList, convert, worldView, calculator, options, about, alarmMessage;
  TAppShell shell;
};

TEST_F(AppShellTest, ClosingTheMainWindowWhileAnotherToolWindowIsShownOnlyHidesIt) {
  prefs.MainWindow = MainWindowKind::CityList;
  prefs.StartupView = "a";
  cityList.show();
  calculator.show();
  close(cityList, ToolWindow::CityList);
  EXPECT_EQ(terminated, 0);
  // The calculator is now the last tool window shown: closing it ends the program.
  close(calculator, ToolWindow::Calculator);
  EXPECT_EQ(terminated, 1);
  EXPECT_EQ(prefs.StartupView, "z");
}

TEST_F(AppShellTest, ClosingTheMainWindowAloneEndsTheProgram) {
  prefs.MainWindow = MainWindowKind::UnitConversion;
  prefs.StartupView = "b";
  convert.show();
  options.show();  // not a tool window
  close(convert, ToolWindow::UnitConversion);
  EXPECT_EQ(terminated, 1);
  EXPECT_EQ(prefs.StartupView, "b");
}

TEST_F(AppShellTest, ClosingANonMainWindowWhileAnotherIsShownOnlyHidesIt) {
  prefs.MainWindow = MainWindowKind::WorldView;
  worldView.show();
  convert.show();
  close(convert, ToolWindow::UnitConversion);
  EXPECT_EQ(terminated, 0);
  EXPECT_TRUE(worldView.isVisible());
}

TEST_F(AppShellTest, ViewCommandsSetTheListLetterAndTheCalculatorMode) {
  link.CalcLinkFlag = 1;
  shell.showHotList();
  EXPECT_EQ(prefs.StartupView, "c");
  EXPECT_TRUE(cityList.isVisible());
  shell.showAllCitiesList();
  EXPECT_EQ(prefs.StartupView, "a");
  shell.showCalculator();
  EXPECT_EQ(link.CalcLinkFlag, 0);
  EXPECT_TRUE(calculator.isVisible());
  shell.showWorldView();
  shell.showUnitConversions();
  shell.showOptions();
  shell.showAbout();
  for (QWidget* w : {&worldView, &convert, &options, &about}) EXPECT_TRUE(w->isVisible());
}

TEST_F(AppShellTest, StayOnTopStylesFollowTheCommands) {
  shell.setCityListOnTop(true);
  shell.setAlarmMessageOnTop(false);
  EXPECT_TRUE(shell.cityListOnTop());
  EXPECT_TRUE(StaysOnTop(cityList));
  EXPECT_FALSE(StaysOnTop(alarmMessage));
  cityList.show();
  shell.setCityListOnTop(false);
  EXPECT_FALSE(StaysOnTop(cityList));
  EXPECT_TRUE(cityList.isVisible());  // the style change keeps the window shown
}

TEST_F(AppShellTest, HelpOpensTheIndexPage) {
  std::string page = "<html><head><title>Meridex Help</title></head><body>Index</body></html>";
  dir.write("index.html", Bytes(page.begin(), page.end()));
  shell.showHelp("");
  ASSERT_NE(shell.helpWindow(), nullptr);
  EXPECT_TRUE(shell.helpWindow()->isVisible());
  EXPECT_EQ(shell.helpWindow()->pageTitle(), "Meridex Help");
  shell.helpWindow()->close();
}

TEST_F(AppShellTest, ShowingAMinimisedOrMaximisedWindowBringsItBackAsItWas) {
  calculator.showMinimized();
  shell.showCalculator();
  EXPECT_TRUE(calculator.isVisible());
  EXPECT_FALSE(calculator.isMinimized());

  convert.showMaximized();
  convert.setWindowState(convert.windowState() | Qt::WindowMinimized);
  shell.showUnitConversions();
  EXPECT_FALSE(convert.isMinimized());
  EXPECT_TRUE(convert.isMaximized());
}

}  // namespace
}  // namespace meridex
