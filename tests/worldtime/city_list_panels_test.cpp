#include <gtest/gtest.h>

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPushButton>

#include "worldtime/add_wiz.h"
#include "worldtime/city_list_fixture.h"
#include "worldtime/fore_wiz.h"

namespace meridex {
namespace {

using test::CustomCity;
using test::CustomFile;
using test::DatabaseCity;
using test::FlagsFile;
using test::Utc;

// The city list with its two wizards. Rows: 0 Berlin, 1 Cabin (own, UTC-5),
// 2 Honolulu, 3 London, 4 New York, 5 Tokyo; Berlin and Tokyo in the Hot List.
class CityListPanels : public test::CityListFixture {
 protected:
  void openWithWizards(const std::string& startupView = "a") {
    open(startupView, "100001");
    form->setWizards(&foreWiz, &addWiz);
  }
  void clickRow(int row) {
    form->CityCheckBox->setCurrentRow(row);
    form->CityCheckBoxClick();
  }
  void forecast(const QString& time, int row) {
    form->TimeForecast1Click();
    form->ForeCastMask->setText(time);
    form->Button2Click();
    clickRow(row);
    form->ForeCastOKBtnClick();
  }

  TForeWiz foreWiz;
  TAddWiz addWiz;
};

TEST_F(CityListPanels, TheForecastShowsEveryLocationWhenTheSourceReachesTheTime) {
  openWithWizards();
  const int height = form->height();
  form->TimeForecast1Click();
  EXPECT_EQ(form->height(), height + 72);
  EXPECT_FALSE(form->ForeCastPanel->isHidden());
  EXPECT_EQ(form->ForeCastMask->text(), "12:00 AM");
  EXPECT_TRUE(foreWiz.isVisible());
  EXPECT_TRUE(foreWiz.Check1->isHidden());
  EXPECT_FALSE(form->View1->menuAction()->isEnabled());
  EXPECT_FALSE(form->About1->isEnabled());
  EXPECT_FALSE(form->ForeCastOKBtn->isEnabled());

  form->ForeCastMask->setText("05:00 PM");
  form->Button2Click();
  EXPECT_FALSE(foreWiz.Check1->isHidden());
  EXPECT_FALSE(form->Button2->isEnabled());
  EXPECT_TRUE(form->ForeCastOKBtn->isEnabled());
  clickRow(5);  // Tokyo
  EXPECT_FALSE(foreWiz.Check2->isHidden());
  form->ForeCastOKBtnClick();

  EXPECT_FALSE(foreWiz.isVisible());
  EXPECT_TRUE(form->ForeCastPanel->isHidden());
  EXPECT_EQ(form->windowTitle(), "Forecast Time ");
  EXPECT_EQ(form->height(), 292);
  EXPECT_EQ(form->FTStartPanel->text(), "-> 05:00 PM Tokyo                      ");
  EXPECT_FALSE(form->ForeCastList->isHidden());
  EXPECT_TRUE(form->CityCheckBox->isHidden());
  EXPECT_EQ(Rows(form->ForeCastList), (std::vector<std::string>{
                                          "  09:00 a      Berlin                     ",
                                          "  03:00 a      Cabin",
                                          "  10:00 p      Honolulu                   ",
                                          "  08:00 a      London                     ",
                                          "  03:00 a      New York                   ",
                                          "  05:00 p      Tokyo                      ",
                                      }));
  EXPECT_TRUE(form->TimeForecast1->isChecked());
  EXPECT_FALSE(form->TimeForecast1->isEnabled());
  EXPECT_FALSE(form->CEdit->menuAction()->isVisible());
  EXPECT_FALSE(form->ForeCastOKBtn->isEnabled());

  // A refresh fills the hidden lists and leaves the forecast alone.
  form->Timer1Timer();
  EXPECT_EQ(form->ForeCastList->item(0)->text().toStdString(),
            "  09:00 a      Berlin                     ");
  // Coming back to the window ends the forecast.
  form->FormActivate();
  EXPECT_EQ(form->windowTitle(), "All Cities List");
  EXPECT_TRUE(form->ForeCastList->isHidden());
  EXPECT_TRUE(form->FTStartPanel->isHidden());
}

TEST_F(CityListPanels, TheHotListForecastUsesTheHotListRowAndListsOnlyItsLocations) {
  openWithWizards("c");
  form->CityHotList->setCurrentRow(1);  // Tokyo
  form->TimeForecast1Click();
  form->ForeCastMask->setText("09:00 AM");
  form->Button2Click();
  form->ForeCastOKBtnClick();
  EXPECT_EQ(Rows(form->ForeCastList),
            (std::vector<std::string>{"  01:00 a      Berlin                     ",
                                      "  09:00 a      Tokyo                      "}));
  EXPECT_EQ(form->height(), 90 + 13 * 2);

  // Without a Hot List row the All Cities List's selection is the source.
  form->FormActivate();
  form->CityHotList->setCurrentRow(-1);
  form->CityCheckBox->setCurrentRow(3);  // London
  form->TimeForecast1Click();
  form->ForeCastMask->setText("09:00 AM");
  form->Button2Click();
  form->ForeCastOKBtnClick();
  EXPECT_EQ(form->FTStartPanel->text(), "-> 09:00 AM London                     ");
}

TEST_F(CityListPanels, CancelLeavesTheStepButtonsAsTheyWere) {
  openWithWizards();
  form->TimeForecast1Click();
  form->Button2Click();
  form->ForeCancelBtnClick();
  EXPECT_TRUE(form->ForeCastPanel->isHidden());
  EXPECT_FALSE(foreWiz.isVisible());
  EXPECT_TRUE(form->View1->menuAction()->isEnabled());
  form->TimeForecast1Click();
  EXPECT_FALSE(form->Button2->isEnabled());
  EXPECT_TRUE(form->ForeCastOKBtn->isEnabled());
}

TEST_F(CityListPanels, AnInvalidForecastTimeIsReportedAndNothingIsForecast) {
  openWithWizards();
  form->TimeForecast1Click();
  form->ForeCastMask->setText("00:15 AM");
  form->Button2Click();
  form->ForeCastOKBtn->click();
  EXPECT_EQ(t.dialogs.lastText(), "'00:15 AM' is not a valid time");
  EXPECT_TRUE(form->ForeCastPanel->isHidden());
  EXPECT_TRUE(form->ForeCastList->isHidden());
  EXPECT_EQ(form->windowTitle(), "All Cities List");
}

TEST_F(CityListPanels, AddingALocationInsertsItTickedAndWritesBothFiles) {
  openWithWizards();
  tick(3);  // London, ticked but not yet saved: the tick must survive the insertion
  form->AddLocation1Click();
  EXPECT_FALSE(form->NewCityPanel->isHidden());
  EXPECT_TRUE(addWiz.isVisible());
  EXPECT_FALSE(form->Button1->isEnabled());
  form->NCName->setText("ski hut");
  form->NCNameKeyPress();
  EXPECT_TRUE(form->Button1->isEnabled());
  form->Button1Click();
  EXPECT_FALSE(addWiz.Check1->isHidden());
  clickRow(0);  // Berlin's time
  EXPECT_FALSE(addWiz.Check2->isHidden());
  form->NCOKBtnClick();

  EXPECT_EQ(t.dialogs.lastText(), "Ski Hut was added to your Custom List");
  EXPECT_TRUE(form->NewCityPanel->isHidden());
  EXPECT_FALSE(addWiz.isVisible());
  EXPECT_EQ(table.Count, 7);
  EXPECT_EQ(table.Entries[5].Name, "Ski Hut");
  EXPECT_EQ(form->CityCheckBox->item(5)->text().toStdString(), "  03:00 a  Tu    Ski Hut");
  EXPECT_EQ(form->CityCheckBox->item(5)->checkState(), Qt::Checked);
  EXPECT_EQ(t.dir.read(kCustomListFile), CustomFile({CustomCity("Cabin", 19), [] {
                                                       CityEntry e = CustomCity("Ski Hut", 1);
                                                       return e;
                                                     }()}));
  EXPECT_EQ(t.dir.read(kHotListFile), FlagsFile("1001011"));
  EXPECT_FALSE(form->NCOKBtn->isEnabled());

  // The forecast lists every location, the new one included.
  forecast("12:00 PM", 3);
  EXPECT_EQ(form->ForeCastList->count(), 7);
}

TEST_F(CityListPanels, BadAdditionsAreRefusedAndTheInputStaysOpen) {
  openWithWizards();
  form->AddLocation1Click();
  form->NCName->setText("   ");
  form->Button1Click();
  form->NCOKBtn->click();
  EXPECT_EQ(t.dialogs.lastText(), "Please type a name for the new location.");
  EXPECT_FALSE(form->NewCityPanel->isHidden());
  EXPECT_EQ(table.Count, 6);
  form->NCCancelBtnClick();
  EXPECT_TRUE(form->NewCityPanel->isHidden());
  EXPECT_TRUE(form->View1->menuAction()->isEnabled());
}

TEST_F(CityListPanels, OnlyOwnLocationsCanBeDeleted) {
  openWithWizards();
  clickRow(0);
  form->DeleteLocation1Click();
  EXPECT_EQ(t.dialogs.shown.back().kind, DialogKind::Warning);
  EXPECT_EQ(t.dialogs.lastText(), "You can only delete highlighted custom locations");
  EXPECT_EQ(table.Count, 6);

  clickRow(1);  // Cabin, the only own location
  form->DeleteLocation1Click();
  EXPECT_EQ(t.dialogs.lastText(), "Cabin has been deleted from your records");
  EXPECT_EQ(table.Count, 5);
  EXPECT_TRUE(t.dir.read(kCustomListFile).empty());
  EXPECT_EQ(t.dir.read(kHotListFile), FlagsFile("10001"));
  EXPECT_EQ(form->CityCheckBox->count(), 5);
  forecast("12:00 PM", 0);
  EXPECT_EQ(form->ForeCastList->count(), 5);
}

TEST_F(CityListPanels, DoubleClickShowsTheLocationsDayDateAndTime) {
  openWithWizards();
  // Saturday 12 December 2026, 22:00 on the machine (UTC-5): Sunday in Tokyo.
  t.clock.set(Utc(2026, 12, 13, 3, 0));
  t.clock.setLocalOffset(std::chrono::hours{-5});
  form->Timer1Timer();
  clickRow(5);
  form->CityCheckBoxDblClick();
  const std::string text = t.dialogs.lastText();
  EXPECT_EQ(t.dialogs.shown.back().kind, DialogKind::Information);
  EXPECT_EQ(text.substr(0, text.find("\nDate\t")),
            "City\tTokyo                      \nState\tState\nCountry\tCountry\n\nDay\tSunday");
  EXPECT_EQ(text.substr(text.find("\nDate\t")),
            "\nDate\t" +
                QLocale().toString(QDate(2026, 12, 13), QLocale::ShortFormat).toStdString() +
                "\nTime\t12:00 p");
  clickRow(4);  // New York: same day as the machine
  form->CityCheckBoxDblClick();
  EXPECT_NE(
      t.dialogs.lastText().find(
          "Date\t" + QLocale().toString(QDate(2026, 12, 12), QLocale::ShortFormat).toStdString()),
      std::string::npos);
}

}  // namespace
}  // namespace meridex
