#include "app/program.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <filesystem>

#include "app/logo_form.h"
#include "common/user_preferences.h"
#include "support/fake_clock.h"
#include "support/recording_dialogs.h"
#include "support/recording_sound_player.h"
#include "support/temp_dir.h"
#include "worldtime/city_files.h"
#include "worldview/test_map.h"
#include "worldview/world_form.h"

namespace meridex {
namespace {

class ProgramStart : public ::testing::Test {
 protected:
  int run(std::chrono::milliseconds splashAtLeast = std::chrono::milliseconds{0}) {
    startedAt.start();
    return RunProgram(
        dir.path(),
        MeridexApp::Seams{clock, dialogs, sound,
                          [this] {
                            // The windows ask for the density as they are created.
                            if (splashBeforeWindows < 0) splashBeforeWindows = SplashOnScreen();
                            return 96;
                          },
                          [] {}},
        [this](QWidget*) {
          ++loops;
          loopAfterMs = startedAt.elapsed();
          for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) shown.push_back(w->windowTitle().toStdString());
          }
          return 0;
        },
        splashAtLeast);
  }
  static int SplashOnScreen() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* splash = qobject_cast<TLogoForm*>(w))
        return splash->isVisible() && splash->painted();
    }
    return 0;
  }
  void writePrefs(const std::string& startupView) {
    UserPreferences p;
    p.StartupView = startupView;
    p.StayOnTop = "b";
    dir.write(kPreferencesFile, EncodeUserPreferences(p));
  }

  test::TempDir dir;
  test::FakeClock clock;
  test::RecordingDialogs dialogs;
  test::RecordingSoundPlayer sound;
  int loops = 0;
  std::vector<std::string> shown;
  QElapsedTimer startedAt;
  qint64 loopAfterMs = -1;
  int splashBeforeWindows = -1;  // unknown until the first window is created
};

TEST_F(ProgramStart, EndsWithAnErrorNamingThePreferencesFileWhenItIsMissingOrShort) {
  const int windowsBefore = static_cast<int>(QApplication::topLevelWidgets().size());
  EXPECT_EQ(run(), 1);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, DialogKind::Error);
  EXPECT_EQ(dialogs.shown[0].text, "Cannot open \"userpref.dat\": No such file or directory");
  EXPECT_EQ(static_cast<int>(QApplication::topLevelWidgets().size()), windowsBefore);

  dir.write(kPreferencesFile, Bytes(40, 0));
  EXPECT_EQ(run(), 1);
  EXPECT_NE(dialogs.lastText().find("\"userpref.dat\""), std::string::npos);
  EXPECT_EQ(loops, 0);
}

TEST_F(ProgramStart, AnUnknownStartViewEndsAfterTheSplash) {
  writePrefs("q");
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(loops, 0);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ProgramStart, ShowsTheMainWindowOfTheStartViewAndRunsTheLoop) {
  writePrefs("c");
  dir.write(kCityDatabaseFile, {});
  dir.write(kHotListFile, {1, '0'});
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(loops, 1);
  EXPECT_EQ(shown, std::vector<std::string>{"Hot List"});
}

TEST_F(ProgramStart, TheSplashIsOnTheScreenBeforeTheWindowsAndStaysLongEnoughToBeSeen) {
  writePrefs("c");
  dir.write(kCityDatabaseFile, {});
  dir.write(kHotListFile, {1, '0'});
  EXPECT_EQ(run(std::chrono::milliseconds{400}), 0);
  EXPECT_EQ(splashBeforeWindows, 1);
  EXPECT_GE(loopAfterMs, 400);
  // Gone when the main window comes up.
  EXPECT_EQ(shown, std::vector<std::string>{"Hot List"});
  EXPECT_EQ(SplashOnScreen(), 0);
}

}  // namespace
}  // namespace meridex

namespace meridex {
namespace {

TEST_F(ProgramStart, EveryWindowIsMadeBeforeTheMainWindowIsShown) {
  writePrefs("a");
  dir.write(kCityDatabaseFile, {});
  dir.write(kHotListFile, {1, '0'});
  test::WriteTestMap(dir.path());
  const auto exists = [](const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == name) return true;
    return false;
  };
  bool all = false;
  RunProgram(
      dir.path(), MeridexApp::Seams{clock, dialogs, sound, [] { return 96; }, [] {}},
      [&](QWidget*) {
        all = exists("CityListForm") && exists("WorldForm") && exists("ConvertForm") &&
              exists("Calc") && exists("ForeWiz");
        return 0;
      },
      std::chrono::milliseconds{0});
  EXPECT_TRUE(all);
  EXPECT_TRUE(dialogs.shown.empty()) << dialogs.lastText();
}

// The world view, found among the program's windows.
TWorldForm* WorldView() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* form = qobject_cast<TWorldForm*>(w)) return form;
  return nullptr;
}

TEST_F(ProgramStart, TheWorldMapIsLoadedAfterTheFirstWindowWhateverTheStartView) {
  dir.write(kCityDatabaseFile, {});
  dir.write(kHotListFile, {1, '0'});
  test::WriteTestMap(dir.path());
  for (const char* view : {"a", "d"}) {
    writePrefs(view);
    bool loadedAtStart = true, loadedLater = false;
    int cities = 0;
    RunProgram(dir.path(), MeridexApp::Seams{clock, dialogs, sound, [] { return 96; }, [] {}},
               [&](QWidget*) {
                 loadedAtStart = WorldView() != nullptr && WorldView()->MapLoaded();
                 for (int i = 0; i < 200 && !(WorldView() && WorldView()->MapLoaded()); ++i)
                   QTest::qWait(10);
                 loadedLater = WorldView() != nullptr && WorldView()->MapLoaded();
                 if (loadedLater) cities = WorldView()->CityListBox->count();
                 return 0;
               });
    EXPECT_FALSE(loadedAtStart) << view;
    EXPECT_TRUE(loadedLater) << view;
    EXPECT_EQ(cities, 5) << view;
  }
  EXPECT_TRUE(dialogs.shown.empty()) << dialogs.lastText();
}

}  // namespace
}  // namespace meridex

namespace meridex {
namespace {

// What a kill during a save leaves behind, and the start that comes after.
TEST_F(ProgramStart, StartUpFinishesAnInterruptedSaveAndClearsItsTemporaries) {
  writePrefs("c");
  dir.write(kCityDatabaseFile, {});
  dir.write(kCustomListFile, {});
  dir.write(kHotListFile, {1, '0'});
  // Killed after the commit point of an add, before its renames.
  const Bytes hut = [] {
    CityEntry e;
    e.Name = "Hut";
    e.Origin = kOriginCustom;
    return EncodeCustomRecord(e);
  }();
  dir.write(".custlst.dat.new", hut);
  dir.write(".chklst.dat.new", {1, '1'});
  dir.write(".custlst+chklst.commit",
            Bytes{'c', 'u', 's', 't', 'l', 's', 't', '.', 'd', 'a', 't', '\n',
                  'c', 'h', 'k', 'l', 's', 't', '.', 'd', 'a', 't', '\n'});
  // Killed while rewriting the preferences and the Hot List alone.
  dir.write(".userpref.dat.Q2x9Lm", {1, 2, 3});
  dir.write(".chklst.dat.a1B2c3", {1});
  EXPECT_EQ(run(), 0);
  EXPECT_TRUE(dialogs.shown.empty()) << dialogs.lastText();
  EXPECT_EQ(dir.read(kCustomListFile), hut);
  EXPECT_EQ(dir.read(kHotListFile), (Bytes{1, '1'}));
  EXPECT_EQ(shown, std::vector<std::string>{"Hot List"});
  std::vector<std::string> left;
  for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
    left.push_back(e.path().filename().string());
  }
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left,
            (std::vector<std::string>{"chklst.dat", "custlst.dat", "kydafe.dat", "userpref.dat"}));
}

}  // namespace
}  // namespace meridex
