#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>

#include "common/window_style.h"
#include "support/menu_commands.h"
#include "widgets/es_label.h"
#include "worldtime/city_list_fixture.h"
#include "worldtime/city_row_delegate.h"

namespace meridex {
namespace {

using test::CityListFixture;
using test::DatabaseCity;
using test::FlagsFile;

using CityListWindow = CityListFixture;

TEST_F(CityListWindow, ListsEveryLocationWithItsTimeAndTheHotListWithTheTickedOnes) {
  open("a", "100001");
  // Honolulu is Monday in standard time, so "Mo" rows get three spaces.
  EXPECT_EQ(table.ReferenceWeekDay, 2);
  EXPECT_EQ(Rows(form->CityCheckBox), (std::vector<std::string>{
                                          "  03:00 a  Tu    Berlin                     ",
                                          "  09:00 p  Mo   Cabin",
                                          "  04:00 p  Mo   Honolulu                   ",
                                          "  02:00 a  Tu    London                     ",
                                          "  09:00 p  Mo   New York                   ",
                                          "  11:00 a  Tu    Tokyo                      ",
                                      }));
  EXPECT_EQ(Rows(form->CityHotList),
            (std::vector<std::string>{"  03:00 a  Tu    Berlin                     ",
                                      "  11:00 a  Tu    Tokyo                      "}));
  EXPECT_EQ(form->CityCheckBox->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(form->CityCheckBox->item(1)->checkState(), Qt::Unchecked);
  EXPECT_EQ(form->CityCheckBox->currentRow(), 0);  // the first location is selected
  EXPECT_EQ(form->Label2->text(), "Local Time 02:00 a");
  EXPECT_TRUE(t.dialogs.shown.empty()) << t.dialogs.lastText();
  // Only the All Cities view is shown after an "a" start.
  EXPECT_EQ(form->windowTitle(), "All Cities List");
  EXPECT_FALSE(form->CityCheckBox->isHidden());
  EXPECT_TRUE(form->CityHotList->isHidden());
}

TEST_F(CityListWindow, ATickedLocationJoinsTheHotListAtOnceAnUntickedOneAtTheNextTick) {
  open("a", "100001");
  tick(2);  // Honolulu
  form->HotListClick();
  EXPECT_EQ(form->CityHotList->count(), 3);
  EXPECT_EQ(form->windowTitle(), "Hot List");
  EXPECT_EQ(t.prefs.StartupView, "c");

  untick(0);  // Berlin
  form->AllCityClick();
  form->HotListClick();  // changed since the last refresh: rebuilt first
  EXPECT_EQ(form->CityHotList->count(), 2);

  form->AllCityClick();
  untick(5);  // Tokyo; the timer refreshed nothing since the last rebuild
  form->Timer1Timer();
  form->HotListClick();
  EXPECT_EQ(Rows(form->CityHotList),
            std::vector<std::string>{"  04:00 p  Mo   Honolulu                   "});
}

TEST_F(CityListWindow, HotListClicksSelectTheTableEntryOfTheirRow) {
  open("c", "010101");
  form->CityHotList->setCurrentRow(1);
  form->CityHotListClick();
  EXPECT_EQ(form->selectedTableIndex(), 3);
  form->CityHotList->setCurrentRow(2);
  EXPECT_EQ(form->selectedTableIndex(), 5);
  form->CityCheckBox->setCurrentRow(4);
  EXPECT_EQ(form->selectedTableIndex(), 4);
}

TEST_F(CityListWindow, WindowHeightsFollowTheViewAndTheScreenDensity) {
  std::vector<CityEntry> many;
  for (int i = 0; i < 40; ++i) many.push_back(DatabaseCity("City " + std::to_string(100 + i)));
  writeFiles("c", std::string(30, '1') + std::string(10, '0'), many);
  create();
  EXPECT_EQ(form->CityHotList->count(), 30);
  EXPECT_EQ(form->height(), 333);  // 87 + 13 x 30 capped
  EXPECT_EQ(form->width(), form->CityHotList->width() + 30);
  form->AllCityClick();
  EXPECT_EQ(form->height(), 304);

  t.ppi = 120;
  form->HotListClick();
  EXPECT_EQ(form->height(), 410);  // 111 + 16 x 30 capped
  form->AllCityClick();
  EXPECT_EQ(form->height(), 322);

  t.ppi = 96;
  for (int i = 29; i >= 2; --i) form->CityCheckBox->item(i)->setCheckState(Qt::Unchecked);
  form->HotListClick();
  EXPECT_EQ(form->height(), 87 + 13 * 2);
}

TEST_F(CityListWindow, CustomRowsAreRedOnSilverUnlessSelected) {
  open("a", "100001");
  const QPalette palette = form->CityCheckBox->palette();
  EXPECT_EQ(CityRowColors(kOriginCustom, false, palette).text, QColor(Qt::red));
  EXPECT_EQ(CityRowColors(kOriginCustom, false, palette).background, QColor(192, 192, 192));
  EXPECT_EQ(CityRowColors(kOriginCustom, true, palette).background,
            palette.color(QPalette::Highlight));
  EXPECT_EQ(CityRowColors(kOriginDatabase, false, palette).background,
            palette.color(QPalette::Base));

  // What the user sees: the custom row (row 1) is silver, its neighbours not.
  form->show();
  const QImage image = form->CityCheckBox->viewport()->grab().toImage();
  const QRect custom = form->CityCheckBox->visualItemRect(form->CityCheckBox->item(1));
  const QRect database = form->CityCheckBox->visualItemRect(form->CityCheckBox->item(2));
  EXPECT_EQ(image.pixelColor(custom.right() - 2, custom.center().y()), QColor(192, 192, 192));
  EXPECT_EQ(image.pixelColor(database.right() - 2, database.center().y()),
            palette.color(QPalette::Base));
  form->hide();
}

TEST_F(CityListWindow, SelectionScrollAndChecksSurviveEveryRefresh) {
  std::vector<CityEntry> many;
  for (int i = 0; i < 60; ++i) many.push_back(DatabaseCity("City " + std::to_string(100 + i)));
  writeFiles("a", std::string(60, '0'), many);
  create();
  form->show();
  form->CityCheckBox->setCurrentRow(42);
  form->CityCheckBox->verticalScrollBar()->setValue(35);
  tick(50);
  t.clock.advance(std::chrono::minutes{1});
  form->Timer1Timer();
  EXPECT_EQ(form->CityCheckBox->currentRow(), 42);
  EXPECT_EQ(form->CityCheckBox->verticalScrollBar()->value(), 35);
  EXPECT_EQ(form->CityCheckBox->item(50)->checkState(), Qt::Checked);
  EXPECT_EQ(form->CityHotList->count(), 1);
  EXPECT_EQ(form->Label2->text(), "Local Time 02:01 a");
  form->hide();
}

TEST_F(CityListWindow, LeavingTheWindowSavesTheHotList) {
  open("a", "100001");
  tick(2);
  QEvent deactivate(QEvent::WindowDeactivate);
  QApplication::sendEvent(form.get(), &deactivate);
  EXPECT_EQ(t.dir.read(kHotListFile), FlagsFile("101001"));
  untick(0);
  form->Save1Click();
  EXPECT_EQ(t.dir.read(kHotListFile), FlagsFile("001001"));
  EXPECT_EQ(form->CityHotList->count(), 2);
}

TEST_F(CityListWindow, AShortHotListFileGetsOneRecordPerLocationAtTheNextSave) {
  open("a", "10");
  EXPECT_EQ(form->CityHotList->count(), 1);
  form->saveCheckStates();
  EXPECT_EQ(t.dir.read(kHotListFile), FlagsFile("100000"));
}

TEST_F(CityListWindow, AMissingHotListFileIsReportedAndTheListsComeAtTheNextTick) {
  writeFiles("a", "", FiveCities());
  create();
  ASSERT_EQ(t.dialogs.shown.size(), 1u);
  EXPECT_EQ(t.dialogs.shown[0].text, "Cannot open \"chklst.dat\": No such file or directory");
  EXPECT_EQ(form->CityCheckBox->count(), 0);
  form->Timer1Timer();
  EXPECT_EQ(form->CityCheckBox->count(), 5);
  EXPECT_EQ(form->CityHotList->count(), 0);
}

TEST_F(CityListWindow, WithoutTheDatabaseTheHotListFileIsNeverOverwritten) {
  writeFiles("a", "10001", {});
  std::filesystem::remove(t.dir / kCityDatabaseFile);
  create();
  form->saveCheckStates();
  form->ExitProgram1Click();
  EXPECT_EQ(t.dir.read(kHotListFile), FlagsFile("10001"));
  EXPECT_EQ(t.shell.calls.back(), "Terminate");
}

TEST_F(CityListWindow, MenusFollowTheView) {
  open("a", "100001");
  EXPECT_TRUE(form->AllCity->isChecked());
  EXPECT_FALSE(form->AllCity->isEnabled());
  EXPECT_TRUE(form->HotList->isEnabled());
  EXPECT_TRUE(form->CEdit->menuAction()->isVisible());
  EXPECT_FALSE(form->Off1->isEnabled());
  form->HotListClick();
  EXPECT_TRUE(form->HotList->isChecked());
  EXPECT_FALSE(form->HotList->isEnabled());
  EXPECT_TRUE(form->AllCity->isEnabled());
  EXPECT_FALSE(form->CEdit->menuAction()->isVisible());
  EXPECT_TRUE(form->Alarm1->menuAction()->isVisible());
  // Activation returns to the list the letter names.
  t.prefs.StartupView = "a";
  form->FormActivate();
  EXPECT_EQ(form->windowTitle(), "All Cities List");
}

TEST_F(CityListWindow, StayOnTopIsOfferedOnlyWhenTheListIsTheMainWindow) {
  open("a", "100001");
  EXPECT_EQ(t.prefs.MainWindow, MainWindowKind::CityList);
  EXPECT_TRUE(form->OnTop1->isVisible());
  EXPECT_FALSE(form->OnTop1->isChecked());
  form->OnTop1->trigger();
  EXPECT_TRUE(StaysOnTop(*form));
  EXPECT_FALSE(t.shell.alarmOnTop);
  EXPECT_EQ(t.prefs.StayOnTop, "a");
  form->OnTop1->trigger();
  EXPECT_FALSE(StaysOnTop(*form));
  EXPECT_TRUE(t.shell.alarmOnTop);
  EXPECT_EQ(t.prefs.StayOnTop, "b");

  open("b", "100001");
  EXPECT_FALSE(form->OnTop1->isVisible());
}

TEST_F(CityListWindow, ViewAndHelpCommandsGoThroughTheSharedRules) {
  open("a", "100001");
  form->UnitConversions1->trigger();
  form->MapView1->trigger();
  form->Calculator1->trigger();
  form->Options1->trigger();
  form->Index1->trigger();
  form->About1->trigger();
  EXPECT_EQ(t.shell.calls, (std::vector<std::string>{"UnitConversions", "WorldView", "Calculator",
                                                     "Options", "Help ", "About"}));
  form->close();
  EXPECT_EQ(t.shell.calls.back(), "Closing");
  EXPECT_EQ(t.dir.read(kHotListFile), FlagsFile("100001"));
}

TEST_F(CityListWindow, TheBottomPanelCarriesARaisedCaptionThatFitsIt) {
  open("a", "100001");
  auto* panel = form->findChild<QWidget*>("Panel3");
  ASSERT_NE(panel, nullptr);
  const auto* caption = panel->findChild<TEsLabel*>();
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->text(), "Meridex");
  EXPECT_EQ(caption->Appearance(), TEsAppearance::apRaised);
  form->show();
  panel->layout()->activate();
  EXPECT_GE(caption->height(), caption->sizeHint().height());
  EXPECT_GE(caption->width(), caption->sizeHint().width());
  EXPECT_LE(caption->geometry().bottom(), panel->rect().bottom()) << caption->geometry().y();
}

TEST_F(CityListWindow, ACommandThatFailsInsideIsReportedByNameAndTheWindowGoesOn) {
  open("a", "100001");
  EXPECT_EQ(test::TriggerEveryMenuCommandWhileTheShellFails(*form, t),
            (std::vector<std::string>{"Exit Program", "Unit Conversions", "Map View", "Calculator",
                                      "Options", "Index"}));
  t.shell.failing = true;
  t.dialogs.clear();
  form->SpeedButton1->click();
  form->close();
  ASSERT_EQ(t.dialogs.shown.size(), 2u);
  EXPECT_EQ(t.dialogs.shown[0].text,
            "Could not complete \"About Meridex\": an internal error occurred.");
  EXPECT_EQ(t.dialogs.shown[1].text,
            "Could not complete the closing of the city list: an internal error occurred.");
  // The Hot List was saved before the close rules failed.
  EXPECT_EQ(t.dir.read(kHotListFile), FlagsFile("100001"));
}

}  // namespace
}  // namespace meridex
