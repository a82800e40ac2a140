#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

#include "globe/globe.h"
#include "globe/globe_layer.h"
#include "globe/globe_text.h"
#include "globe/qt_globe_canvas.h"
#include "support/recording_dialogs.h"

namespace meridex {
namespace {

const QColor kAqua(0, 255, 255);

class GlobeWidget : public ::testing::Test {
 protected:
  void SetUp() override {
    globe.SetScrollBars(TScrollStyle::ssNone);
    globe.resize(300, 300);
    globe.show();
    QApplication::processEvents();
  }
  QImage Shot() { return globe.grab().toImage(); }

  test::RecordingDialogs dialogs;
  TGlobe globe{dialogs};
};

TEST_F(GlobeWidget, ShowsTheEarthFittedToItsFirstSize) {
  EXPECT_EQ(globe.ViewWidth(), 300);
  EXPECT_EQ(globe.Scale(), 300 / 618786000.0L);
  const QImage shot = Shot();
  // The disc, between the graticule's lines.
  ASSERT_TRUE(globe.PrjModel().LLToXY(7 * 5400000, 37 * 5400000, 0));
  const TPoint sea = globe.PrjModel().Point(0);
  EXPECT_EQ(shot.pixelColor(sea.X, sea.Y), kAqua);
  EXPECT_EQ(shot.pixelColor(3, 3), QColor(Qt::black));
  const qreal ratio = globe.devicePixelRatioF();
  EXPECT_EQ(globe.Picture().size(),
            QSize(int(std::ceil(300 * ratio)), int(std::ceil(300 * ratio))));
  EXPECT_EQ(globe.accessibleName(), "Globe");
  globe.SetProjection(TGlobeProjection::gpMercator);
  Shot();
  EXPECT_EQ(globe.accessibleDescription(), "Mercator map");
}

TEST_F(GlobeWidget, ScrollBarsTakeTheirRoomAndStepTheView) {
  globe.SetScrollBars(TScrollStyle::ssBoth);
  const QRect client = globe.ClientRect();
  EXPECT_LT(client.width(), 300);
  EXPECT_EQ(globe.ViewWidth(), client.width());
  EXPECT_EQ(globe.ViewHeight(), client.height());
  auto* bar = globe.findChildren<QScrollBar*>().front();
  const int centre =
      bar->orientation() == Qt::Horizontal ? globe.PrjModel().CenterX : globe.PrjModel().CenterY;
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  const int moved =
      bar->orientation() == Qt::Horizontal ? globe.PrjModel().CenterX : globe.PrjModel().CenterY;
  EXPECT_LT(moved, centre);  // the view moves right or down: the picture the other way
  Shot();
  EXPECT_EQ(bar->value(), bar->orientation() == Qt::Horizontal ? globe.ScrollPosition().X
                                                               : globe.ScrollPosition().Y);
}

TEST(GlobeInAWindow, TheFirstFitLeavesTheScrollBarsTheirRoom) {
  // A window gives its globe its size before it is shown; the earth is
  // fitted then, and must fit the room the scroll bars leave.
  test::RecordingDialogs dialogs;
  QWidget window;
  TGlobe globe(dialogs, &window);
  globe.SetScrollBars(TScrollStyle::ssBoth);
  globe.resize(300, 400);
  window.show();
  QApplication::processEvents();
  const QRect client = globe.ClientRect();
  EXPECT_LT(client.width(), 300);
  EXPECT_LT(client.height(), 400);
  EXPECT_EQ(globe.ViewWidth(), client.width());
  EXPECT_EQ(globe.ViewHeight(), client.height());
  EXPECT_EQ(globe.Scale(), client.width() / 618786000.0L);
}

TEST_F(GlobeWidget, TheZoomBandInvertsWhileDraggedAndZoomsOnRelease) {
  int zooms = 0;
  globe.OnZoomed = [&] { ++zooms; };
  const QImage before = Shot();
  QTest::mousePress(&globe, Qt::RightButton, {}, QPoint(60, 60));
  QTest::mouseMove(&globe, QPoint(200, 160));
  const QImage during = Shot();
  // The band's edge shows inverted over the picture; its inside is untouched.
  int inverted = 0;
  for (int x = 62; x < 198; ++x) {
    const QColor was = before.pixelColor(x, 60), now = during.pixelColor(x, 60);
    inverted += now == QColor(255 - was.red(), 255 - was.green(), 255 - was.blue());
  }
  EXPECT_GT(inverted, 30);
  EXPECT_EQ(during.pixelColor(130, 110), before.pixelColor(130, 110));
  QTest::mouseRelease(&globe, Qt::RightButton, {}, QPoint(200, 160));
  EXPECT_EQ(zooms, 1);
  EXPECT_NEAR(static_cast<double>(globe.Scale() * 618786000 / 300), 3.0, 1e-6);  // 100 fill 300
}

TEST_F(GlobeWidget, WheelAndKeysZoomAndTurn) {
  globe.setFocus();
  const long double fit = globe.Scale();
  QWheelEvent wheel(QPointF(100, 100), globe.mapToGlobal(QPointF(100, 100)), QPoint(),
                    QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&globe, &wheel);
  EXPECT_NEAR(static_cast<double>(globe.Scale() / fit), std::sqrt(2.0), 1e-12);
  QTest::keyClick(&globe, Qt::Key_Home);
  EXPECT_EQ(globe.Scale(), fit);
  QTest::keyClick(&globe, Qt::Key_Plus);
  EXPECT_NEAR(static_cast<double>(globe.Scale() / fit), std::sqrt(2.0), 1e-12);
  const int y = globe.YRotationInDegs();
  QTest::keyClick(&globe, Qt::Key_Left);
  EXPECT_NE(globe.YRotationInDegs(), y);
}

TEST_F(GlobeWidget, ClicksSelectAndDoubleClicksComeBeforeTheirPress) {
  globe.MouseSelectButton = TGlobeMouseButton::mzbLeft;
  TGlobeLayer& layer = globe.AddLayer("l");
  auto* text = CreateIn<TGlobeText>(layer);
  text->Title = "Here";
  text->Location = {0, 162000000};
  text->Font = FindOrCreateFont(layer, "Arial", 0, 0, 20, TGlobeUnits::NauticalMile, 0xFFFFFF);
  layer.ScaleFont = false;
  globe.Redraw();
  Shot();
  ASSERT_EQ(globe.ObjectAtXY(155, 155), text);
  std::vector<std::string> events;
  globe.OnClick = [&] { events.push_back("click"); };
  globe.OnDblClick = [&] { events.push_back("double"); };
  globe.OnSelected = [&] { events.push_back(globe.SelectedObject() ? "selected" : "none"); };
  QTest::mouseClick(&globe, Qt::LeftButton, {}, QPoint(155, 155));
  QTest::mouseDClick(&globe, Qt::LeftButton, {}, QPoint(60, 60));
  EXPECT_EQ(events, (std::vector<std::string>{"selected", "click", "double", "none"}));
}

TEST_F(GlobeWidget, AFailedLayerOfTheProfileIsAPlainMessage) {
  globe.SetProfileName("/nonexistent-dir/p.prf");  // a missing profile: nothing
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);  // the hourglass is gone again
}

TEST(GlobeCanvasRatio, APictureOfTwiceThePixelsIsDrawnAtItsFullResolution) {
  QImage image(40, 40, QImage::Format_RGB32);
  image.setDevicePixelRatio(2);
  image.fill(Qt::black);
  {
    TQtGlobeCanvas canvas(image);
    EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 20, 20}));
    canvas.SetPen({0xFFFFFF, TPenStyle::psSolid, 1});
    const TPoint line[] = {{2, 5}, {15, 5}};
    canvas.Polyline(line, 2);
  }
  // A thin line is one device pixel high, not a logical pixel blown up.
  int lit = 0;
  for (int y = 0; y < 40; ++y) lit += image.pixelColor(12, y) == QColor(Qt::white);
  EXPECT_EQ(lit, 1);
}

}  // namespace
}  // namespace meridex
