// The world view window offscreen, on a small generated map of four layers
// and a fake clock.
#include "worldview/world_form.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "globe/globe.h"
#include "globe/globe_layer.h"
#include "globe/globe_object.h"
#include "support/test_context.h"
#include "test_map.h"
#include "worldview/map_view_help.h"

namespace meridex {
namespace {

using test::Degrees;
using test::Utc;

class WorldFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx.clock.set(Utc(2026, 1, 10, 12, 0));  // a Saturday, noon
    table->Entries[0] = test::TableEntry("Alpha", "Testland", 7, "01:00 p");
    table->Entries[1] = test::TableEntry("Beta", "Seaside", 7, "11:00 a", "30.00W", "05.00N");
    table->Entries[2] = test::TableEntry("Monaco", "Monaco", 7, "01:00 p", "42.00E", "42.00N");
    table->Count = 3;
  }
  // The window on the whole test map, shown and painted once (the globe
  // finds only what it has drawn).
  TWorldForm& Open(const std::vector<std::string>& leaveOut = {}) {
    test::WriteTestMap(ctx.dir.path(), leaveOut);
    form = std::make_unique<TWorldForm>(ctx.ctx, *table);
    ShowDrawn(*form);
    Paint();
    return *form;
  }
  // Shows a window and lets it draw itself, after which it loads its map.
  static void ShowDrawn(TWorldForm& w) {
    w.show();
    for (int i = 0; i < 400 && !w.MapLoaded(); ++i) QTest::qWait(5);
  }
  void Paint() { form->Globe->grab(); }
  // The globe pixel of a place.
  TPoint PixelOf(double lon, double lat) {
    const TLLPoint ll = Degrees(lon, lat);
    EXPECT_TRUE(form->Globe->PrjModel().LLToXY(ll.X, ll.Y, 0));
    return form->Globe->PrjModel().Point(0);
  }
  void Choose(const QString& city) {
    const auto items = form->CityListBox->findItems(city, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << city.toStdString();
    form->CityListBox->setCurrentItem(items.front());  // a keyboard move is a choice too
  }
  QString Text(const QLabel* label) const { return label->text(); }

  test::TestContext ctx;
  std::unique_ptr<CityTable> table = std::make_unique<CityTable>();
  std::unique_ptr<TWorldForm> form;
};

TEST_F(WorldFormTest, OpensAtItsSizeWithTheCitiesOfTheFourthLayerSorted) {
  TWorldForm& w = Open();
  EXPECT_EQ(w.size(), QSize(624, 483));
  EXPECT_EQ(w.windowTitle(), "World View");
  // The globe takes the width the panel leaves: the panel ends at the right edge.
  const int panelRight = w.ScrollBox1->mapTo(&w, QPoint(w.ScrollBox1->width(), 0)).x();
  EXPECT_GE(panelRight, w.width() - 4);
  ASSERT_EQ(w.CityListBox->count(), 5);
  EXPECT_EQ(w.CityListBox->item(0)->text(), "Alpha");
  EXPECT_EQ(w.CityListBox->item(4)->text(), QString::fromUtf8("Z\u00fcrich"));
  EXPECT_EQ(w.CityListBox->item(3)->text(), "Zug");
  EXPECT_EQ(w.Globe->XRotationInDegs(), 30);
  EXPECT_EQ(w.Globe->YRotationInDegs(), -90);
  EXPECT_TRUE(w.Spherical1->isChecked());
  EXPECT_FALSE(w.WorldMapView1->isEnabled());
  EXPECT_EQ(Text(w.SysDate), "10 Jan 2026");
  EXPECT_EQ(Text(w.SysTime), "12:00 p");
  EXPECT_EQ(Text(w.MapCity), "N/A");
  EXPECT_EQ(Text(w.CityLat), "00.00");
  QApplication::processEvents();
  EXPECT_TRUE(ctx.dialogs.shown.empty()) << ctx.dialogs.lastText();

  ctx.ppi = 144;
  TWorldForm large(ctx.ctx, *table);
  EXPECT_EQ(large.size(), QSize(701, 591));
  EXPECT_FALSE(large.MapLoaded());  // not when it is made
  large.show();
  EXPECT_FALSE(large.MapLoaded());  // nor before it has been drawn
  ShowDrawn(large);
  EXPECT_TRUE(large.MapLoaded());
  EXPECT_EQ(large.CityListBox->count(), 5);
  EXPECT_TRUE(large.CityFilter->isClearButtonEnabled());
}

TEST_F(WorldFormTest, ThePointerCaptionNamesTheCityAndItsCountryOrOnlyThePositionOverTheSea) {
  TWorldForm& w = Open();
  TPoint p = PixelOf(10, 10);
  w.GlobeMouseMove(p.X, p.Y);
  // Over untitled land and inside Testland: no empty part for the land.
  EXPECT_TRUE(w.windowTitle().startsWith(" World View : "));
  EXPECT_TRUE(w.windowTitle().endsWith(" - Alpha - Testland")) << w.windowTitle().toStdString();
  p = PixelOf(-40, -20);
  w.GlobeMouseMove(p.X, p.Y);
  EXPECT_TRUE(w.windowTitle().endsWith("S - ")) << w.windowTitle().toStdString();
  EXPECT_EQ(w.windowTitle().count(" - "), 1);
}

TEST_F(WorldFormTest, ChoosingACityCentresItAndShowsItsPlaceDateAndTime) {
  TWorldForm& w = Open();
  Choose("Alpha");
  ASSERT_NE(w.Globe->SelectedObject(), nullptr);
  EXPECT_EQ(w.Globe->SelectedObject()->Title, "Alpha");
  EXPECT_EQ(w.SelectedCity(), "Alpha");
  TLLPoint middle;
  ASSERT_TRUE(w.Globe->XYToLL(w.Globe->ViewWidth() / 2, w.Globe->ViewHeight() / 2, middle));
  EXPECT_NEAR(middle.X / double(GU_DEGREE), 10, 0.2);
  EXPECT_NEAR(middle.Y / double(GU_DEGREE), 10, 0.2);
  EXPECT_EQ(Text(w.MapCity), "Alpha");
  EXPECT_EQ(Text(w.CityCountry), "Testland");
  EXPECT_EQ(Text(w.CityState), "State of Alpha");
  EXPECT_EQ(Text(w.CityLat), "10.00N");
  EXPECT_EQ(Text(w.CityTime), "01:00 p");
  EXPECT_EQ(Text(w.CityDow), "Saturday");
  EXPECT_EQ(Text(w.CityDte), "10 Jan 2026");
  // Noon UTC on 10 January: the sun is over the southern tropics near 0 E.
  EXPECT_EQ(Text(w.CitySun), "Day");
}

TEST_F(WorldFormTest, OnASaturdayASundayCityShowsTomorrowAndOnASundayASaturdayCityYesterday) {
  TWorldForm& w = Open();
  table->Entries[0].WeekDay = 1;  // Alpha is already in Sunday
  Choose("Alpha");
  EXPECT_EQ(Text(w.CityDow), "Sunday");
  EXPECT_EQ(Text(w.CityDte), "11 Jan 2026");
  ctx.clock.set(Utc(2026, 1, 11, 1, 0));  // Sunday; Alpha still in Saturday
  table->Entries[0].WeekDay = 7;
  w.Timer2Timer();
  EXPECT_EQ(Text(w.CityDte), "10 Jan 2026");
  EXPECT_EQ(Text(w.SysDate), "11 Jan 2026");  // the machine's date follows midnight
  EXPECT_EQ(Text(w.CitySun), "Night");
  // Weekday 0: no day and no date.
  table->Entries[0].WeekDay = 0;
  w.UpdateDisplay();
  EXPECT_EQ(Text(w.CityDow), "N/A");
  EXPECT_EQ(Text(w.CityDte), "N/A");
}

TEST_F(WorldFormTest, AListItemNoObjectCarriesClearsTheSelectionAndTheLabelsKeepThePreviousCity) {
  TWorldForm& w = Open();
  Choose("Alpha");
  w.CityListBox->addItem("Nowhere");
  Choose("Nowhere");
  EXPECT_EQ(w.Globe->SelectedObject(), nullptr);
  EXPECT_EQ(Text(w.MapCity), "Alpha");
  EXPECT_EQ(Text(w.CityTime), "01:00 p");
}

TEST_F(WorldFormTest, ACityNamedLikeACountryIsFoundAsTheCity) {
  TWorldForm& w = Open();
  Choose("Monaco");
  ASSERT_NE(w.Globe->SelectedObject(), nullptr);
  EXPECT_EQ(w.Globe->SelectedObject()->Layer, &w.Globe->GetLayer(3));
  // Clicking the country on the globe still selects the country.
  const TPoint p = PixelOf(48, 48);
  QTest::mouseClick(w.Globe, Qt::LeftButton, {}, QPoint(p.X, p.Y));
  ASSERT_NE(w.Globe->SelectedObject(), nullptr);
  EXPECT_EQ(w.Globe->SelectedObject()->Layer, &w.Globe->GetLayer(1));
  EXPECT_EQ(w.CityListBox->currentItem()->text(), "Monaco");
}

TEST_F(WorldFormTest, TheSelectionADoubleClickCausesIsClearedButTheNextClickSelects) {
  TWorldForm& w = Open();
  Choose("Alpha");
  TGlobeObject* beta = w.Globe->GetLayer(3).FindObject("Beta");
  w.GlobeDblClick();
  EXPECT_EQ(w.DoubleClicked(), 1);
  w.Globe->SetSelectedObject(beta);  // the press of the same double-click
  EXPECT_EQ(w.Globe->SelectedObject(), nullptr);
  EXPECT_EQ(w.DoubleClicked(), 0);
  // A double-click that changed nothing does not swallow the next click.
  Choose("Alpha");
  w.GlobeDblClick();
  QApplication::processEvents();
  EXPECT_EQ(w.DoubleClicked(), 0);
  w.Globe->SetSelectedObject(beta);
  EXPECT_EQ(w.Globe->SelectedObject(), beta);
  EXPECT_EQ(Text(w.MapCity), "Beta");
}

TEST_F(WorldFormTest, ZoomingInStopsAtTheClosestZoomWithTheScaleBarInKilometres) {
  TWorldForm& w = Open();
  for (int i = 0; i < 40; ++i) w.btnZoomIn->click();
  EXPECT_EQ(w.Globe->Scale(), 2.1e-5L);
  Paint();
  // One inch at 96 pixels per inch: 96 / 2.1e-5 GlobeUnits, about 94 km.
  EXPECT_NEAR(w.Globe->UnitsPerInch(), 96 / 2.1e-5, 1);
  w.btnZoomExtents->click();
  EXPECT_LT(w.Globe->Scale(), 1e-6L);
  const long double whole = w.Globe->Scale();
  w.SpinButton1Up->click();
  EXPECT_NEAR(static_cast<double>(w.Globe->Scale() / whole), 1.1, 1e-9);
  w.btnZoomOut->click();
  EXPECT_NEAR(static_cast<double>(w.Globe->Scale() / whole), 0.55, 1e-9);
  w.SpeedButton3->click();
  EXPECT_EQ(w.Globe->YRotationInDegs(), -95);
  w.SpeedButton6->click();
  EXPECT_EQ(w.Globe->XRotationInDegs(), 35);
}

TEST_F(WorldFormTest, TheProjectionsAreOneRadioGroup) {
  TWorldForm& w = Open();
  w.Mercator1->trigger();
  EXPECT_EQ(w.Globe->Projection(), TGlobeProjection::gpMercator);
  EXPECT_TRUE(w.Mercator1->isChecked());
  EXPECT_FALSE(w.Spherical1->isChecked());
  w.Cartesian1->trigger();
  EXPECT_EQ(w.Globe->Projection(), TGlobeProjection::gpCartesian);
  EXPECT_FALSE(w.Mercator1->isChecked());
  w.Spherical1->trigger();
  EXPECT_EQ(w.Globe->Projection(), TGlobeProjection::gpSpherical);
  EXPECT_TRUE(w.Spherical1->isChecked());
}

TEST_F(WorldFormTest, TheClockRunsEvery600MsFromTheFirstActivationAndTheNightSideEveryMinute) {
  TWorldForm fresh(ctx.ctx, *table);
  EXPECT_FALSE(fresh.Timer2->isActive());
  fresh.FormActivate();
  EXPECT_TRUE(fresh.Timer2->isActive());
  EXPECT_EQ(fresh.Timer2->interval(), 600);
  TWorldForm& w = Open();
  w.Timer2->stop();  // the test drives the ticks
  const SubSolarPoint before = w.Sun();
  ctx.clock.advance(std::chrono::seconds(30));
  w.Timer2Timer();
  EXPECT_EQ(Text(w.SysTime), "12:00 p");
  EXPECT_FALSE(w.Globe->NeedsRender());  // the same minute: the picture is kept
  ctx.clock.advance(std::chrono::seconds(31));
  w.Timer2Timer();
  EXPECT_EQ(Text(w.SysTime), "12:01 p");
  EXPECT_TRUE(w.Globe->NeedsRender());
  // The sun moves a quarter of a degree west a minute.
  EXPECT_NEAR(before.longitude - w.Sun().longitude, 0.25, 0.01);
  // Turned off, the night side is not drawn and the minute changes nothing.
  w.NightSide1->trigger();
  Paint();
  ctx.clock.advance(std::chrono::minutes(1));
  w.Timer2Timer();
  EXPECT_FALSE(w.Globe->NeedsRender());
}

TEST_F(WorldFormTest, TheNightSideDarkensTheGlobeAndTheMapsWhereTheSunIsDown) {
  TWorldForm& w = Open();
  // At noon UTC on 10 January the sun is over 22 S, 2 E: open sea at 10 S,
  // 40 W is in the day, at 58 N, 88 E in the night.
  const auto brightness = [&](double lon, double lat) {
    const TPoint p = PixelOf(lon, lat);
    EXPECT_TRUE(w.Globe->Picture().rect().contains(p.X, p.Y)) << lon << " " << lat;
    const QColor c = w.Globe->Picture().pixelColor(p.X, p.Y);
    return c.red() + c.green() + c.blue();
  };
  for (QAction* projection : {w.Spherical1, w.Mercator1, w.Cartesian1}) {
    projection->trigger();
    w.btnZoomExtents->click();
    Paint();
    const int day = brightness(-40, -10), night = brightness(88, 58);
    EXPECT_GT(day, night + 200) << projection->text().toStdString();
    w.NightSide1->trigger();  // off
    Paint();
    EXPECT_EQ(brightness(88, 58), day) << "the same sea where it is not shaded";
    w.NightSide1->trigger();  // on again
  }
}

TEST_F(WorldFormTest, TheFilterNarrowsTheListIgnoringCaseAndAccentsAndEnterChoosesTheFirst) {
  TWorldForm& w = Open();
  const auto shown = [&] {
    QStringList names;
    for (int i = 0; i < w.CityListBox->count(); ++i)
      if (!w.CityListBox->item(i)->isHidden()) names << w.CityListBox->item(i)->text();
    return names;
  };
  QTest::keyClicks(w.CityFilter, "Z");
  EXPECT_EQ(shown(), (QStringList{"Zug", QString::fromUtf8("Z\u00fcrich")}));
  QTest::keyClicks(w.CityFilter, QString::fromUtf8("\u00dcR"));
  EXPECT_EQ(shown(), QStringList{QString::fromUtf8("Z\u00fcrich")});
  QTest::keyClick(w.CityFilter, Qt::Key_Return);
  ASSERT_NE(w.Globe->SelectedObject(), nullptr);
  EXPECT_EQ(w.Globe->SelectedObject()->Title, "Z\xFCrich");
  w.CityFilter->clear();
  EXPECT_EQ(shown().size(), 5);
  // A city chosen on the globe is shown in the list even when filtered out.
  QTest::keyClicks(w.CityFilter, "alp");
  w.Globe->SetSelectedObject(w.Globe->GetLayer(3).FindObject("Beta"));
  EXPECT_EQ(w.CityListBox->currentItem()->text(), "Beta");
  EXPECT_FALSE(w.CityListBox->currentItem()->isHidden());
}

TEST_F(WorldFormTest, AMapWithoutSomeLayersShowsWhatLoadedAndSaysOnceWhatIsMissing) {
  TWorldForm& w = Open({"countries.dat"});
  QApplication::processEvents();
  // The globe reports the file it could not load, then the window what that means.
  ASSERT_EQ(ctx.dialogs.shown.size(), 2u);
  EXPECT_EQ(ctx.dialogs.shown[1].kind, DialogKind::Warning);
  EXPECT_NE(ctx.dialogs.shown[1].text.find("maps/countries.dat is missing"), std::string::npos);
  EXPECT_EQ(w.Globe->LayerCount(), 3);
  EXPECT_EQ(w.CityListBox->count(), 5);  // the cities did load
  Choose("Alpha");
  EXPECT_EQ(Text(w.MapCity), "Alpha");
  const TPoint p = PixelOf(10, 10);
  w.GlobeMouseMove(p.X, p.Y);
  EXPECT_TRUE(w.windowTitle().endsWith(" - Alpha - ")) << w.windowTitle().toStdString();
  w.hide();
  w.show();
  QApplication::processEvents();
  EXPECT_EQ(ctx.dialogs.shown.size(), 2u);  // once

  // Without any map: one message, an empty list, and nothing raised.
  std::filesystem::remove(ctx.dir / "tglobe.prf");
  ctx.dialogs.clear();
  TWorldForm bare(ctx.ctx, *table);
  ShowDrawn(bare);
  QApplication::processEvents();
  ASSERT_EQ(ctx.dialogs.shown.size(), 1u);
  EXPECT_NE(ctx.dialogs.lastText().find("cannot be found"), std::string::npos);
  EXPECT_EQ(bare.CityListBox->count(), 0);
  bare.Globe->grab();
  bare.GlobeMouseMove(10, 10);
  bare.GlobeSelected();
  EXPECT_EQ(ctx.dialogs.shown.size(), 1u);
}

TEST_F(WorldFormTest, MenusAndButtonsGoThroughTheSharedRules) {
  TWorldForm& w = Open();
  TMapViewHelp help(ctx.ctx);
  w.setMapViewHelp(&help);
  w.SpeedButton2->click();
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(help.windowTitle(), "Map View Help");
  EXPECT_EQ(help.size(), QSize(451, 369));
  help.HelpPage->click();
  help.BitBtn1->click();
  EXPECT_FALSE(help.isVisible());
  w.SpeedButton1->click();
  for (QAction* menu : w.menuBar()->actions())
    for (QAction* item : menu->menu()->actions())
      if (item->text() == "Hot List" || item->text() == "Index" || item->text() == "Options")
        item->trigger();
  w.close();
  EXPECT_EQ(ctx.shell.calls, (std::vector<std::string>{"Help worldview.html", "About", "HotList",
                                                       "Options", "Help ", "Closing"}));
}

}  // namespace
}  // namespace meridex
