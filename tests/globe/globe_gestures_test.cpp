#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "globe/globe_poly_line.h"
#include "globe/globe_text.h"
#include "test_globe.h"

namespace meridex {
namespace {

constexpr GlobeUnit kDeg = 5400000;

TPoint PixelOf(TGlobeEngine& globe, TLLPoint ll) {
  if (!globe.PrjModel().LLToXY(ll.X, ll.Y, 0)) return {-1000, -1000};
  return globe.PrjModel().Point(0);
}

int Distance(TPoint a, TPoint b) { return std::max(std::abs(a.X - b.X), std::abs(a.Y - b.Y)); }

class RotateDrag : public ::testing::Test {
 protected:
  void SetUp() override { globe.MouseRotateButton = TGlobeMouseButton::mzbLeft; }
  // Grabs the pixel from and drags it to `to` in steps; returns the largest
  // distance between the grabbed point and the pointer along the way.
  int Drag(TPoint from, TPoint to, int steps) {
    TLLPoint grabbed;
    EXPECT_TRUE(globe.XYToLL(from.X, from.Y, grabbed));
    globe.MouseDown(TMouseButton::mbLeft, {}, from.X, from.Y);
    EXPECT_TRUE(globe.Rotating());
    int worst = 0;
    for (int i = 1; i <= steps; ++i) {
      const TPoint p{from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps};
      globe.MouseMove({}, p.X, p.Y);
      worst = std::max(worst, Distance(PixelOf(globe, grabbed), p));
    }
    globe.MouseUp(TMouseButton::mbLeft, {}, to.X, to.Y);
    EXPECT_FALSE(globe.Rotating());
    return worst;
  }
  test::TestGlobe globe;
};

TEST_F(RotateDrag, TheGrabbedPointStaysUnderThePointer) {
  EXPECT_LE(Drag({150, 150}, {60, 230}, 30), 1);
  // Long steps. (The point grabbed now lies at 54.6 N: with north up it can
  // never show more than cos 54.6 of the radius beside the polar axis.)
  EXPECT_LE(Drag({100, 200}, {230, 90}, 7), 1);
  globe.SetZRotationInDegs(30);
  EXPECT_LE(Drag({170, 120}, {120, 170}, 10), 1);
}

TEST_F(RotateDrag, NearThePoleTooTheGrabbedPointStaysUnderThePointer) {
  // Turning by the grabbed point's change of longitude and latitude loses
  // the point by 12 and 13 pixels on these drags; near the pole a small
  // move is a large change of longitude.
  globe.SetXRotationInDegs(75);
  const TPoint pole = PixelOf(globe, {0, 90 * kDeg});
  EXPECT_LE(Drag({pole.X + 5, pole.Y + 20}, {pole.X + 5, pole.Y - 30}, 25), 1);
  globe.SetXRotationInDegs(80);
  const TPoint top = PixelOf(globe, {0, 90 * kDeg});
  EXPECT_LE(Drag({top.X + 20, top.Y + 5}, {top.X - 20, top.Y + 5}, 20), 1);
}

TEST_F(RotateDrag, ItNeitherStartsNorTurnsOffTheGlobe) {
  globe.MouseDown(TMouseButton::mbLeft, {}, 2, 2);  // a corner, off the disc
  EXPECT_FALSE(globe.Rotating());
  globe.MouseUp(TMouseButton::mbLeft, {}, 2, 2);
  globe.MouseDown(TMouseButton::mbLeft, {}, 150, 150);
  const GlobeUnit x = globe.GetRotation(ROT_X), y = globe.GetRotation(ROT_Y);
  globe.MouseMove({}, 299, 1);
  EXPECT_EQ(globe.GetRotation(ROT_X), x);
  EXPECT_EQ(globe.GetRotation(ROT_Y), y);
}

TEST_F(RotateDrag, TheMapsPanWithTheGrabbedPoint) {
  for (TGlobeProjection p : {TGlobeProjection::gpCartesian, TGlobeProjection::gpMercator}) {
    globe.SetProjection(p);
    globe.ZoomToRect({});
    globe.SetScale(globe.Scale() * 2);
    EXPECT_LE(Drag({150, 150}, {100, 60}, 12), 1) << static_cast<int>(p);
    EXPECT_LE(Drag({120, 60}, {200, 200}, 3), 1) << static_cast<int>(p);
  }
}

TEST(GlobeWheel, ZoomsAboutThePointerAndTouchpadStepsAddUp) {
  test::TestGlobe globe;
  globe.SetProjection(TGlobeProjection::gpCartesian);
  globe.ZoomToRect({});
  const long double fit = globe.Scale();
  TLLPoint under;
  ASSERT_TRUE(globe.XYToLL(80, 120, under));
  globe.MouseWheel(120, 80, 120);  // a notch: about 1.41 times
  EXPECT_NEAR(static_cast<double>(globe.Scale() / fit), std::sqrt(2.0), 1e-12);
  EXPECT_LE(Distance(PixelOf(globe, under), {80, 120}), 1);

  test::TestGlobe pad;
  const long double start = pad.Scale();
  pad.MouseWheel(5, 150, 150);
  pad.MouseWheel(5, 150, 150);
  EXPECT_EQ(pad.Scale(), start);  // too small to zoom yet
  pad.MouseWheel(5, 150, 150);
  EXPECT_GT(pad.Scale(), start);
  for (int i = 0; i < 7; ++i) pad.MouseWheel(15, 150, 150);
  EXPECT_NEAR(static_cast<double>(pad.Scale() / start), std::sqrt(2.0), 1e-12);
  for (int i = 0; i < 16; ++i) pad.MouseWheel(-15, 150, 150);
  EXPECT_NEAR(static_cast<double>(pad.Scale() / start), std::sqrt(0.5), 1e-12);
}

TEST(GlobeKeys, ArrowsTurnTheSphereAndPanTheMaps) {
  test::TestGlobe globe;
  const GlobeUnit y = globe.GetRotation(ROT_Y), x = globe.GetRotation(ROT_X);
  EXPECT_TRUE(globe.KeyCommand(TGlobeKey::Left));  // the view goes west
  EXPECT_EQ(globe.GetRotation(ROT_Y), y + 5 * kDeg);
  EXPECT_TRUE(globe.KeyCommand(TGlobeKey::Up));  // and north
  EXPECT_EQ(globe.GetRotation(ROT_X), x + 5 * kDeg);
  globe.SetScale(1e-5L);  // 30,000,000 GlobeUnits across: a twentieth is the step
  globe.KeyCommand(TGlobeKey::Right);
  EXPECT_EQ(globe.GetRotation(ROT_Y), y + 5 * kDeg - 1500000);
  globe.KeyCommand(TGlobeKey::Down);
  EXPECT_EQ(globe.GetRotation(ROT_X), x + 5 * kDeg - 1500000);

  const long double scale = globe.Scale();
  globe.KeyCommand(TGlobeKey::ZoomIn);
  EXPECT_NEAR(static_cast<double>(globe.Scale() / scale), std::sqrt(2.0), 1e-12);
  globe.KeyCommand(TGlobeKey::ZoomOut);
  EXPECT_NEAR(static_cast<double>(globe.Scale() / scale), 1.0, 1e-12);
  globe.KeyCommand(TGlobeKey::Home);
  EXPECT_EQ(globe.Scale(), 300 / 618786000.0L);

  globe.SetProjection(TGlobeProjection::gpCartesian);
  globe.ZoomToRect({});
  const TPoint centre{globe.PrjModel().CenterX, globe.PrjModel().CenterY};
  globe.KeyCommand(TGlobeKey::Left);  // the map moves right: more of the west shows
  EXPECT_GT(globe.PrjModel().CenterX, centre.X);
  globe.KeyCommand(TGlobeKey::Up);
  EXPECT_GT(globe.PrjModel().CenterY, centre.Y);
}

TEST(GlobeMouse, TheSelectButtonSelectsWhatIsUnderThePointer) {
  test::TestGlobe globe;
  globe.MouseSelectButton = TGlobeMouseButton::mzbLeft;
  globe.MouseRotateButton = TGlobeMouseButton::mzbLeft;  // one button, both jobs
  TGlobeLayer& layer = globe.AddLayer("l");
  auto* text = CreateIn<TGlobeText>(layer);
  text->Title = "T";
  text->Location = {0, 162000000};
  text->Font = FindOrCreateFont(layer, "Arial", 0, 0, 20, TGlobeUnits::NauticalMile, 0);
  layer.ScaleFont = false;
  globe.Paint();
  globe.MouseDown(TMouseButton::mbLeft, {}, 155, 155);
  EXPECT_EQ(globe.SelectedObject(), text);
  EXPECT_TRUE(globe.Rotating());
  globe.MouseUp(TMouseButton::mbLeft, {}, 155, 155);
  globe.MouseDown(TMouseButton::mbLeft, {}, 100, 100);
  EXPECT_EQ(globe.SelectedObject(), nullptr);
  EXPECT_EQ(globe.selections, 2);
}

TEST(GlobePaint, RendersOnlyWhatIsStaleAndRaisesItsEventsInOrder) {
  test::TestGlobe globe;
  std::vector<std::string> order;
  TGlobeLayer& still = globe.AddLayer("still");
  TGlobeLayer& moving = globe.AddLayer("moving");
  moving.Animated = true;
  for (TGlobeLayer* layer : {&still, &moving}) {
    auto* text = CreateIn<TGlobeText>(*layer);
    text->Title = layer->Name;
    text->Location = {0, 162000000};
    text->Font = FindOrCreateFont(*layer, "Arial", 0, 0, 20, TGlobeUnits::NauticalMile, 0);
    layer->ScaleFont = false;
  }
  globe.OnRender = [&] { order.push_back("render"); };
  globe.OnPaint = [&] { order.push_back("paint"); };
  globe.canvas.calls.clear();
  globe.Paint();
  const auto& calls = globe.canvas.calls;
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls[0], "brush 000000 0");  // the background in Color
  EXPECT_EQ(calls[1], "fill 0,0 300,300");
  EXPECT_EQ(calls[2], "brush FFFF00 0");  // the disc in GlobeColor
  EXPECT_EQ(calls[3], "pen FFFF00 0 1");
  EXPECT_EQ(calls[4].rfind("polygon", 0), 0u);
  EXPECT_EQ(order, (std::vector<std::string>{"render", "paint"}));
  EXPECT_EQ(globe.copies.size(), 1u);
  EXPECT_FALSE(globe.NeedsRender());
  int still0 = -1, moving0 = -1, penAfterLayers = -1;
  for (int i = 0; i < static_cast<int>(calls.size()); ++i) {
    if (calls[i].find(" still") != std::string::npos) still0 = i;
    if (calls[i].find(" moving") != std::string::npos) moving0 = i;
    if (calls[i] == "pen 000000 0 1") penAfterLayers = i;  // Pen before OnRender
  }
  EXPECT_LT(still0, penAfterLayers);
  EXPECT_GT(moving0, penAfterLayers);  // animated: after the copy

  // Nothing stale: no picture, but the animated layer and OnPaint again.
  globe.canvas.calls.clear();
  order.clear();
  globe.Paint();
  EXPECT_EQ(order, (std::vector<std::string>{"paint"}));
  EXPECT_NE(calls.back().find(" moving"), std::string::npos);
  EXPECT_EQ(calls.front().rfind("font", 0), 0u);
}

TEST(GlobePaint, ARenderErrorComesAfterTheCopyAndOnPaint) {
  test::TestGlobe globe;
  bool painted = false;
  globe.OnRender = [] { throw std::runtime_error("broken handler"); };
  globe.OnPaint = [&] { painted = true; };
  EXPECT_THROW(globe.Paint(), std::runtime_error);
  EXPECT_TRUE(painted);
  EXPECT_EQ(globe.copies.size(), 1u);
  EXPECT_FALSE(globe.NeedsRender());
}

TEST(GlobePaint, LatLongLinesBreakBehindTheGlobe) {
  test::TestGlobe globe;
  globe.SetDrawGrid(TDrawGrid::dgNone);
  globe.Paint();
  globe.canvas.calls.clear();
  // The equator, all around: the front half in one piece.
  globe.DrawLLLine({-972000000, 0}, {972000000, 0}, 72);
  int lines = 0;
  for (const auto& call : globe.canvas.calls) lines += call.rfind("polyline", 0) == 0;
  EXPECT_EQ(lines, 1);
  globe.canvas.calls.clear();
  globe.DrawLLLine({0, 0}, {10 * kDeg, 0}, -5);  // no steps at all
  EXPECT_TRUE(globe.canvas.calls.empty());
  globe.DrawLLLine({0, 0}, {10 * kDeg, 0}, 0);  // one step: start and end
  ASSERT_EQ(globe.canvas.calls.size(), 1u);
  EXPECT_EQ(std::count(globe.canvas.calls[0].begin(), globe.canvas.calls[0].end(), ','), 2);
}

}  // namespace
}  // namespace meridex
