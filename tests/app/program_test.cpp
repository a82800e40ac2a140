#include "app/program.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <filesystem>

#include "common/user_preferences.h"
#include "support/fake_clock.h"
#include "support/recording_dialogs.h"
#include "support/recording_sound_player.h"
#include "support/temp_dir.h"
#include "worldtime/city_files.h"

namespace meridex {
namespace {

class ProgramStart : public ::testing::Test {
 protected:
  int run() {
    return RunProgram(dir.path(),
                      MeridexApp::Seams{clock, dialogs, sound, [] { return 96; }, [] {}}, [this] {
                        ++loops;
                        for (QWidget* w : QApplication::topLevelWidgets()) {
                          if (w->isVisible()) shown.push_back(w->windowTitle().toStdString());
                        }
                        return 0;
                      });
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
