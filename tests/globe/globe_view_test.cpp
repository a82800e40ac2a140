#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

#include "globe/globe_text.h"
#include "test_globe.h"

namespace meridex {
namespace {

constexpr GlobeUnit kDeg = 5400000;
constexpr long double kLowerLimit = 4.6566128752457969241E-10L;  // per pixel of the larger side

// The pixel the globe puts ll on; (-1, -1) when it is not visible.
TPoint PixelOf(TGlobeEngine& globe, TLLPoint ll) {
  if (!globe.PrjModel().LLToXY(ll.X, ll.Y, 0)) return {-1, -1};
  return globe.PrjModel().Point(0);
}

TLLPoint Under(TGlobeEngine& globe, int x, int y) {
  TLLPoint ll;
  EXPECT_TRUE(globe.XYToLL(x, y, ll)) << x << "," << y;
  return ll;
}

bool Near(TPoint a, TPoint b, int tolerance = 1) {
  return std::abs(a.X - b.X) <= tolerance && std::abs(a.Y - b.Y) <= tolerance;
}

int Count(const std::vector<std::string>& calls, const std::string& prefix) {
  int n = 0;
  for (const std::string& call : calls) n += call.rfind(prefix, 0) == 0;
  return n;
}

TEST(GlobeView, CreationDefaultsAndTheFirstResizeFitTheEarth) {
  TGlobeEngine unsized;
  EXPECT_EQ(unsized.ViewWidth(), 150);
  EXPECT_EQ(unsized.ViewHeight(), 150);

  test::TestGlobe globe(300, 300);
  EXPECT_EQ(globe.Projection(), TGlobeProjection::gpSpherical);
  EXPECT_EQ(globe.Scale(), 300 / 618786000.0L);
  EXPECT_EQ(globe.PrjModel().CenterX, 150);
  EXPECT_EQ(globe.PrjModel().CenterY, 150);
  EXPECT_EQ(Under(globe, 150, 150), (TLLPoint{0, 162000000}));  // 30 N, 0 E
  // The disc's diameter is the control's side.
  EXPECT_EQ(globe.PrjModel().ProjectOutline(), 90);
  EXPECT_EQ(globe.PrjModel().Point(0), (TPoint{300, 150}));
  EXPECT_EQ(globe.XRotationInDegs(), 30);
  EXPECT_EQ(globe.YRotationInDegs(), -90);
  EXPECT_EQ(globe.ZRotationInDegs(), 0);
  EXPECT_EQ(globe.LongitudeStep(), 15);
  EXPECT_EQ(globe.LatitudeStep(), 15);
  EXPECT_EQ(globe.DrawGrid(), TDrawGrid::dgBehind);
  EXPECT_EQ(globe.MinTextHeight(), 5);
  EXPECT_EQ(globe.GlobeColor(), 16776960u);
  EXPECT_EQ(globe.Color(), 0u);
  EXPECT_EQ(globe.SelectedPen.Color, 255u);
  EXPECT_EQ(globe.SelectedBrush.Color, 65535u);
  EXPECT_EQ(globe.MouseZoomButton, TGlobeMouseButton::mzbRight);
  EXPECT_EQ(globe.MouseSelectButton, TGlobeMouseButton::mzbNone);
  EXPECT_EQ(globe.MouseRotateButton, TGlobeMouseButton::mzbNone);
  EXPECT_TRUE(globe.ProgressiveDisplay);
  EXPECT_EQ(globe.Font.Name, "Arial");
  EXPECT_EQ(globe.FontColor, 16777215u);
  EXPECT_EQ(globe.ProfileName(), "");
  EXPECT_EQ(globe.DataDirectory(), "");
  EXPECT_EQ(globe.HorzScrollRange(), (TPoint{-618786000, 618786000}));
  EXPECT_EQ(globe.VertScrollRange(), (TPoint{-618786000, 618786000}));
}

TEST(GlobeView, SetScaleIsLimitedAndZoomsAboutTheMiddle) {
  test::TestGlobe globe;
  TGlobeText* text = CreateIn<TGlobeText>(globe.AddLayer("l"));
  text->ObjectState = 0;
  const TLLPoint middle = Under(globe, 150, 150);
  globe.SetScale(1e-6L);
  EXPECT_EQ(globe.Scale(), 1e-6L);
  EXPECT_EQ(globe.zooms, 1);
  EXPECT_TRUE(Near(PixelOf(globe, middle), {150, 150}));
  EXPECT_EQ(text->ObjectState, OS_RECALC_EXTENT);  // every object recomputes
  EXPECT_TRUE(globe.ViewChanged());
  EXPECT_EQ(globe.ViewRect(), (TRect{0, 0, 300000000, 300000000}));

  globe.SetScale(1e-6L);  // unchanged: no event
  EXPECT_EQ(globe.zooms, 1);
  globe.SetScale(5);
  EXPECT_EQ(globe.Scale(), 4);
  globe.SetScale(1e-12L);  // the view would span more than 2^31 - 1 GlobeUnits
  EXPECT_EQ(globe.Scale(), 300 * kLowerLimit);
  for (long double bad : {0.0L, -1e-6L, std::numeric_limits<long double>::quiet_NaN()}) {
    globe.SetScale(bad);  // not a scale at all: nothing happens
    EXPECT_EQ(globe.Scale(), 300 * kLowerLimit);
  }
  EXPECT_EQ(globe.zooms, 3);
}

TEST(GlobeView, TheCartesianFitOf600By300StopsAtTheLowerScaleLimit) {
  // The whole map's larger side on the smaller client side would be
  // 300 / 1,944,000,000 pixels per GlobeUnit, but then the 600 pixels would
  // span 3,888,000,000 GlobeUnits, beyond 2^31 - 1: the limit wins.
  test::TestGlobe globe(600, 300);
  globe.SetProjection(TGlobeProjection::gpCartesian);
  globe.ZoomToRect({});
  EXPECT_EQ(globe.Scale(), 600 * kLowerLimit);
  EXPECT_NE(globe.Scale(), 300 / 1944000000.0L);
  // The width spans 2^31 - 1 GlobeUnits, the most an int32 holds.
  EXPECT_NEAR(static_cast<double>(600 / globe.Scale()), 2147483647.0, 1e-3);
  EXPECT_EQ(globe.ViewRect().Right, 2147483647);
  globe.Scroll(TScrollBarKind::Horizontal, TScrollCode::PageDown);  // half the width, rightwards
  EXPECT_EQ(globe.PrjModel().CenterX, 0);
  EXPECT_EQ(globe.HorzScrollRange(), (TPoint{-972000000, 972000000}));
  EXPECT_EQ(globe.VertScrollRange(), (TPoint{-972000000, 972000000}));
}

TEST(GlobeView, ZoomBandZoomsOnlyWhenLargerThanTenPixelsBothWays) {
  test::TestGlobe globe;
  const long double fit = globe.Scale();
  const auto drag = [&](TPoint from, TPoint to) {
    globe.MouseDown(TMouseButton::mbRight, {}, from.X, from.Y);
    EXPECT_TRUE(globe.ZoomBandActive());
    globe.MouseMove({}, to.X, to.Y);
    EXPECT_EQ(globe.ZoomBand(), (TRect{from.X, from.Y, to.X, to.Y}));
    globe.MouseUp(TMouseButton::mbRight, {}, to.X, to.Y);
    EXPECT_FALSE(globe.ZoomBandActive());
  };
  drag({10, 10}, {15, 200});  // 5 pixels wide
  drag({10, 10}, {21, 20});   // 10 pixels high
  drag({110, 60}, {10, 10});  // towards the upper left
  EXPECT_EQ(globe.Scale(), fit);
  EXPECT_EQ(globe.zooms, 0);

  drag({10, 10}, {110, 60});
  EXPECT_EQ(globe.zooms, 1);
  EXPECT_NEAR(static_cast<double>(globe.Scale() / fit), 6.0, 1e-6);  // 50 pixels fill 300

  // The band's top-left corner comes to the control's.
  test::TestGlobe again;
  const TLLPoint topLeft = Under(again, 100, 100), bottomLeft = Under(again, 100, 150);
  again.MouseDown(TMouseButton::mbRight, {}, 100, 100);
  again.MouseMove({}, 200, 150);
  again.MouseUp(TMouseButton::mbRight, {}, 200, 150);
  EXPECT_TRUE(Near(PixelOf(again, topLeft), {0, 0}, 2));
  EXPECT_TRUE(Near(PixelOf(again, bottomLeft), {0, 300}, 2));
}

TEST(GlobeView, ASecondPressCancelsTheBandAndModifiersOnlyReportThePress) {
  test::TestGlobe globe;
  int downs = 0;
  globe.OnMouseDown = [&](TMouseButton, TShiftState, int, int) { ++downs; };
  globe.MouseDown(TMouseButton::mbRight, {}, 10, 10);
  globe.MouseMove({}, 200, 200);
  globe.MouseDown(TMouseButton::mbLeft, {}, 200, 200);  // cancels, not passed on
  EXPECT_FALSE(globe.ZoomBandActive());
  globe.MouseUp(TMouseButton::mbRight, {}, 200, 200);
  EXPECT_EQ(globe.zooms, 0);
  EXPECT_EQ(downs, 1);

  globe.MouseDown(TMouseButton::mbRight, {true, false, false}, 10, 10);
  EXPECT_FALSE(globe.ZoomBandActive());
  EXPECT_EQ(downs, 2);
}

TEST(GlobeView, RotationAccessorIndexesAndLimits) {
  test::TestGlobe globe;
  globe.SetYRotationInDegs(-95);
  EXPECT_EQ(globe.YRotationInDegs(), -95);
  globe.SetXRotationInDegs(100);  // the tilt stops at 90 degrees
  EXPECT_EQ(globe.XRotationInDegs(), 90);
  EXPECT_EQ(globe.GetRotation(ROT_X), 486000000);
  globe.SetRotation(ROT_Z | ROT_MINUTES, -30);
  EXPECT_EQ(globe.GetRotation(ROT_Z), -2700000);
  EXPECT_EQ(globe.GetRotation(ROT_Z | ROT_SECONDS), -1800);
  EXPECT_EQ(globe.GetRotation(ROT_Z | ROT_DEGREES | ROT_MINUTES), 0);  // degrees win
  EXPECT_EQ(globe.GetRotation(3), 0);
  globe.Paint();
  const int redraws = globe.redraws;
  globe.SetRotation(ROT_Y | ROT_DEGREES, -95);  // unchanged
  globe.SetRotation(3 | ROT_DEGREES, 10);       // no axis
  EXPECT_EQ(globe.redraws, redraws);
  EXPECT_FALSE(globe.NeedsRender());
}

class GraticuleTest : public ::testing::Test {
 protected:
  // The graticule's lines on a Cartesian map with nothing else on it.
  int Lines() {
    globe.Redraw();
    globe.canvas.calls.clear();
    globe.Paint();
    return Count(globe.canvas.calls, "polyline");
  }
  void SetUp() override {
    globe.SetProjection(TGlobeProjection::gpCartesian);
    globe.ZoomToRect({});
  }
  test::TestGlobe globe;
};

TEST_F(GraticuleTest, StepsOutOfRangeAreIgnoredAndZeroDrawsNone) {
  globe.SetLatitudeStep(0);
  EXPECT_EQ(Lines(), 24);  // every 15 degrees from 180 W
  globe.SetLongitudeStep(360);
  EXPECT_EQ(globe.LongitudeStep(), 15);
  globe.SetLongitudeStep(-1);
  EXPECT_EQ(globe.LongitudeStep(), 15);
  globe.SetLongitudeStep(0);
  EXPECT_EQ(Lines(), 0);
  globe.SetLatitudeStep(15);
  EXPECT_EQ(Lines(), 12);  // 0, 15 ... 75 degrees, north and south
  globe.SetDrawGrid(TDrawGrid::dgNone);
  EXPECT_EQ(Lines(), 0);
}

TEST_F(GraticuleTest, AWideMeridianStepEndsAt180Degrees) {
  globe.SetLatitudeStep(0);
  globe.SetLongitudeStep(359);  // 180 W and 179 E; a 32-bit sum would wrap past 180
  EXPECT_EQ(Lines(), 2);
  globe.SetLongitudeStep(300);
  EXPECT_EQ(Lines(), 2);
  globe.SetLongitudeStep(218);
  EXPECT_EQ(Lines(), 2);
}

// The graticule keeps what the projection made of its points between
// renders: after turns, zooms, a change of step and of projection its lines
// are those a globe drawing them for the first time makes.
TEST(Graticule, KeptPointsDrawWhatAFreshGlobeDraws) {
  test::TestGlobe kept(300, 300);
  const auto lines = [](test::TestGlobe& globe) {
    globe.Redraw();
    globe.canvas.calls.clear();
    globe.Paint();
    std::vector<std::string> out;
    for (const std::string& call : globe.canvas.calls)
      if (call.rfind("polyline", 0) == 0) out.push_back(call);
    return out;
  };
  struct TView {
    TGlobeProjection projection;
    int x, y, step;
    long double zoom;
  };
  const TView views[] = {{TGlobeProjection::gpSpherical, 30, 0, 15, 1},
                         {TGlobeProjection::gpSpherical, 47, -133, 15, 1},
                         {TGlobeProjection::gpSpherical, 47, -133, 15, 1.7L},
                         {TGlobeProjection::gpSpherical, -80, 61, 10, 1.7L},
                         {TGlobeProjection::gpMercator, 0, 0, 10, 1},
                         {TGlobeProjection::gpSpherical, 12, 170, 10, 2.3L}};
  for (const TView& view : views) {
    test::TestGlobe fresh(300, 300);
    for (test::TestGlobe* globe : {&kept, &fresh}) {
      globe->SetProjection(view.projection);
      globe->SetXRotationInDegs(view.x);
      globe->SetYRotationInDegs(view.y);
      globe->SetLongitudeStep(view.step);
      globe->SetLatitudeStep(view.step);
      globe->ZoomToRect({});
      globe->SetScale(globe->Scale() * view.zoom);
    }
    const std::vector<std::string> expected = lines(fresh);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(lines(kept), expected) << view.x << " " << view.y;
    EXPECT_EQ(lines(kept), expected) << "drawn again";
  }
}

TEST_F(GraticuleTest, BehindOrInFrontOfTheLayers) {
  TGlobeLayer& layer = globe.AddLayer("l");
  auto* text = CreateIn<TGlobeText>(layer);
  text->Title = "T";
  text->Font = FindOrCreateFont(layer, "Arial", 0, 0, 20, TGlobeUnits::NauticalMile, 0);
  layer.ScaleFont = false;
  globe.SetLatitudeStep(0);
  const auto order = [&] {
    Lines();
    const auto& calls = globe.canvas.calls;
    int text = -1, firstLine = -1;
    for (int i = 0; i < static_cast<int>(calls.size()); ++i) {
      if (calls[i].rfind("text", 0) == 0) text = i;
      if (firstLine < 0 && calls[i].rfind("polyline", 0) == 0) firstLine = i;
    }
    return firstLine < text;
  };
  EXPECT_TRUE(order());  // lines first
  globe.SetDrawGrid(TDrawGrid::dgInFront);
  EXPECT_FALSE(order());
}

TEST(GlobeView, ALineScrollMovesATwentiethOfTheView) {
  test::TestGlobe globe(400, 300);
  // round(400 / (300 / 618,786,000)) = 825,048,000 GlobeUnits across; a
  // twentieth is 41,252,400, which is 20 pixels.
  EXPECT_EQ(globe.ViewRect().Right, 825048000);
  globe.Scroll(TScrollBarKind::Horizontal, TScrollCode::LineDown);
  EXPECT_EQ(globe.PrjModel().CenterX, 180);
  EXPECT_EQ(globe.ScrollPosition().X, 41252400);
  globe.Scroll(TScrollBarKind::Horizontal, TScrollCode::Other);
  EXPECT_EQ(globe.PrjModel().CenterX, 180);
  globe.Scroll(TScrollBarKind::Vertical, TScrollCode::PageUp);  // half the height
  EXPECT_EQ(globe.PrjModel().CenterY, 300);
  EXPECT_TRUE(globe.RedrawNeeded());

  test::TestGlobe small(40, 40);
  small.SetScale(4);  // 10 GlobeUnits across: still a step of one
  const int x = small.PrjModel().CenterX;
  small.Scroll(TScrollBarKind::Horizontal, TScrollCode::LineUp);
  EXPECT_EQ(small.PrjModel().CenterX, x + 4);
}

TEST(GlobeView, ResizeKeepsTheMiddleAndTheScaleWithinItsLimits) {
  test::TestGlobe globe(300, 300);
  const long double fit = globe.Scale();
  globe.Resize(500, 400);
  EXPECT_EQ(globe.Scale(), fit);
  EXPECT_EQ(globe.PrjModel().CenterX, 250);
  EXPECT_EQ(globe.PrjModel().CenterY, 200);
  EXPECT_EQ(globe.ViewRect(), (TRect{0, 0, 1031310000, 825048000}));
  globe.Resize(301, 400);  // (301 - 500) div 2 is -99, towards zero
  EXPECT_EQ(globe.PrjModel().CenterX, 151);

  test::TestGlobe map(600, 300);
  map.SetProjection(TGlobeProjection::gpCartesian);
  map.Paint();
  map.Resize(1200, 300);  // twice as wide: the lower limit doubles
  EXPECT_EQ(map.Scale(), 1200 * kLowerLimit);
  EXPECT_TRUE(map.ViewChanged());
}

TEST(GlobeView, AResizeKeepsAPendingChangeOfScale) {
  test::TestGlobe globe;
  globe.Paint();
  globe.ZoomToRect({0, 0, 100000000, 100000000});
  ASSERT_TRUE(globe.ViewChanged());
  globe.Resize(300, 300);  // the same scale: the zoom must still reach the objects
  EXPECT_TRUE(globe.ViewChanged());
}

TEST(GlobeView, AClientAreaOfNoSizeKeepsAUsableScale) {
  test::TestGlobe globe(0, 0);
  EXPECT_GT(globe.Scale(), 0);
  globe.Resize(0, 0);
  globe.Paint();
  globe.Resize(300, 200);
  globe.ZoomToRect({});
  EXPECT_EQ(globe.Scale(), 200 / 618786000.0L);
}

TEST(GlobeView, ProjectionChangesKeepTheMiddleOrFitTheEarth) {
  test::TestGlobe globe;
  globe.SetYRotationInDegs(-100);  // looking at 20 N, 10 E
  globe.SetXRotationInDegs(20);
  const TLLPoint middle = Under(globe, 150, 150);
  const long double scale = globe.Scale();
  globe.SetProjection(TGlobeProjection::gpCartesian);
  EXPECT_TRUE(Near(PixelOf(globe, middle), {150, 150}));
  EXPECT_NEAR(static_cast<double>(globe.Scale() / scale), 1.0, 1e-6);
  globe.SetProjection(TGlobeProjection::gpMercator);
  EXPECT_TRUE(Near(PixelOf(globe, middle), {150, 150}));
  globe.SetProjection(TGlobeProjection::gpSpherical);
  EXPECT_TRUE(Near(PixelOf(globe, middle), {150, 150}));

  // The same projection again fits the whole earth.
  globe.SetScale(1e-6L);
  globe.ScrollBy(1000000, 0);
  globe.SetProjection(TGlobeProjection::gpSpherical);
  EXPECT_EQ(globe.Scale(), 300 / 618786000.0L);
  EXPECT_EQ(globe.PrjModel().CenterX, 150);
}

TEST(GlobeView, AMiddleOffTheNewMapFitsTheWholeEarth) {
  test::TestGlobe globe;
  globe.SetXRotationInDegs(89);  // looking at 89 N: beyond the Mercator map
  globe.SetScale(1e-6L);
  globe.SetProjection(TGlobeProjection::gpMercator);
  EXPECT_EQ(globe.Scale(), 300 / 1944000000.0L);
  EXPECT_EQ(globe.PrjModel().CenterX, 150);
  EXPECT_EQ(globe.PrjModel().CenterY, 150);

  test::TestGlobe off;
  off.ScrollBy(700000000, 0);  // the disc has left the middle
  off.SetProjection(TGlobeProjection::gpCartesian);
  EXPECT_EQ(off.PrjModel().CenterX, 150);
}

TEST(GlobeView, CenterOnObjectBringsItsExtentsMiddleToTheMiddle) {
  for (TGlobeProjection p : {TGlobeProjection::gpSpherical, TGlobeProjection::gpCartesian,
                             TGlobeProjection::gpMercator}) {
    test::TestGlobe globe;
    globe.SetProjection(p);
    TGlobeLayer& layer = globe.AddLayer("l");
    auto* text = CreateIn<TGlobeText>(layer);
    text->Location = {45 * kDeg, -10 * kDeg};
    text->Extent = {44 * kDeg, -12 * kDeg, 46 * kDeg, -8 * kDeg};
    text->ObjectState = 0;  // keep the extent as it is
    globe.Paint();
    globe.CenterOnObject(nullptr);
    EXPECT_FALSE(globe.RedrawNeeded());
    globe.CenterOnObject(text);
    EXPECT_TRUE(Near(PixelOf(globe, {45 * kDeg, -10 * kDeg}), {150, 150})) << static_cast<int>(p);
    EXPECT_TRUE(globe.RedrawNeeded());
  }
  // On a map whose middle is already the object's, only the centre moves
  // back; the picture must follow all the same.
  test::TestGlobe map;
  map.SetProjection(TGlobeProjection::gpCartesian);
  map.ZoomToRect({});
  auto* origin = CreateIn<TGlobeText>(map.AddLayer("l"));
  origin->Extent = {-kDeg, -kDeg, kDeg, kDeg};
  origin->ObjectState = 0;
  map.SetCenterXY({100, 100});
  map.Paint();
  map.CenterOnObject(origin);
  EXPECT_EQ(map.PrjModel().CenterX, 150);
  EXPECT_TRUE(map.RedrawNeeded());
}

TEST(GlobeView, XYToLLOffTheGlobeGives180By180) {
  test::TestGlobe globe;
  TLLPoint ll;
  EXPECT_FALSE(globe.XYToLL(0, 0, ll));
  EXPECT_EQ(ll, (TLLPoint{972000000, 972000000}));
}

TEST(GlobeView, CentreChangesWithoutANewPictureOnlyInvalidate) {
  test::TestGlobe globe;
  globe.Paint();
  const int repaints = globe.repaints;
  globe.SetCenterXY({100, 100});
  EXPECT_EQ(globe.repaints, repaints + 1);
  EXPECT_FALSE(globe.NeedsRender());
  globe.SetCenterXY({100, 100});
  EXPECT_EQ(globe.repaints, repaints + 1);
  globe.ScrollBy(0, 1000000);  // 1,000,000 GlobeUnits down: the picture moves up
  EXPECT_EQ(globe.PrjModel().CenterY, 100 - static_cast<int>(std::lrint(1000000 * globe.Scale())));
  EXPECT_TRUE(globe.RedrawNeeded());
  EXPECT_FALSE(globe.ViewChanged());
}

}  // namespace
}  // namespace meridex
