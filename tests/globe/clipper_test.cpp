#include "globe/clipper.h"

#include <gtest/gtest.h>

#include <vector>

namespace meridex {
namespace {

constexpr TRect kClip{0, 0, 100, 100};

std::vector<TLLPoint> Clip(TPointBuffers& buffers, std::vector<TLLPoint> in, bool closed,
                           std::uint8_t mask, const TRect& clip = kClip) {
  std::copy(in.begin(), in.end(), buffers.Points.begin());
  const int n = ClipPolyPoints(buffers, static_cast<int>(in.size()), closed, mask, clip);
  return {buffers.Points.begin(), buffers.Points.begin() + n};
}

TEST(MulDiv, RoundsHalfAwayFromZero) {
  EXPECT_EQ(MulDiv(1, 1, 2), 1);
  EXPECT_EQ(MulDiv(-1, 1, 2), -1);
  EXPECT_EQ(MulDiv(3, 1, 4), 1);
  EXPECT_EQ(MulDiv(1, 1, 4), 0);
  EXPECT_EQ(MulDiv(-50, -30, -100), -15);
  EXPECT_EQ(MulDiv(2000000000, 2000000000, 4000000000), 1000000000);
  EXPECT_EQ(MulDiv(5, 1, 0), -1);
  EXPECT_EQ(MulDiv(2000000000, 2, 1), -1);
}

TEST(PointsClipCode, ClassifiesTheBoundingBox) {
  bool visible = true;
  const TLLPoint one[] = {{50, 50}};
  EXPECT_EQ(PointsClipCode(one, 1, kClip, visible), 255);
  EXPECT_FALSE(visible);

  const TLLPoint right[] = {{120, 10}, {130, 20}};
  EXPECT_EQ(PointsClipCode(right, 2, kClip, visible), 0x88);
  EXPECT_FALSE(visible);

  const TLLPoint straddle[] = {{-10, 50}, {50, 50}};
  EXPECT_EQ(PointsClipCode(straddle, 2, kClip, visible), 0x40);
  EXPECT_TRUE(visible);

  // All four corners outside, but on different sides: the window is inside.
  const TLLPoint around[] = {{-10, -10}, {110, 110}};
  EXPECT_EQ(PointsClipCode(around, 2, kClip, visible), 0x5A);
  EXPECT_TRUE(visible);

  const TLLPoint inside[] = {{0, 0}, {100, 100}};
  EXPECT_EQ(PointsClipCode(inside, 2, kClip, visible), 0x00);
  EXPECT_TRUE(visible);
}

TEST(ClipPolyPoints, InsidePolygonIsUnchanged) {
  TPointBuffers buffers;
  const std::vector<TLLPoint> square{{10, 10}, {90, 10}, {90, 90}, {10, 90}};
  EXPECT_EQ(Clip(buffers, square, true, CLIP_ALL), square);
}

TEST(ClipPolyPoints, TriangleCrossingTheRightEdgeGetsTwoVerticesOnIt) {
  TPointBuffers buffers;
  const std::vector<TLLPoint> expected{{50, 20}, {100, 35}, {100, 65}, {50, 80}};
  EXPECT_EQ(Clip(buffers, {{50, 20}, {150, 50}, {50, 80}}, true, CLIP_ALL), expected);
}

TEST(ClipPolyPoints, MaskSelectsTheEdges) {
  TPointBuffers buffers;
  // Crosses the top and the right edge; only the right pass is asked for.
  const std::vector<TLLPoint> expected{{50, -20}, {100, 15}, {100, 65}, {50, 80}};
  EXPECT_EQ(Clip(buffers, {{50, -20}, {150, 50}, {50, 80}}, true, 0x08), expected);
  // With every edge the top crossing is cut one pixel above the window.
  const auto all = Clip(buffers, {{50, -20}, {150, 50}, {50, 80}}, true, CLIP_ALL);
  ASSERT_FALSE(all.empty());
  for (const TLLPoint& p : all) EXPECT_GE(p.Y, -1);
}

TEST(ClipPolyPoints, OpenLineLeavingTheWindowEndsOnTheBoundary) {
  TPointBuffers buffers;
  const std::vector<TLLPoint> expected{{10, 50}, {50, 50}, {-1, 50}};
  EXPECT_EQ(Clip(buffers, {{10, 50}, {50, 50}, {-40, 50}}, false, CLIP_ALL), expected);
  const std::vector<TLLPoint> single{{50, 50}};
  EXPECT_EQ(Clip(buffers, single, false, CLIP_ALL), single);
}

TEST(ClipPolyPoints, LongZigzagOutgrowsTheInitialBuffer) {
  TPointBuffers buffers;
  std::vector<TLLPoint> zigzag;
  for (int i = 0; i < 40000; ++i) zigzag.push_back({i % 2 == 0 ? 50 : 150, i});
  buffers.Reserve(zigzag.size() + 1);
  // 20,000 inside points and one crossing on each of the 39,999 segments.
  const auto out = Clip(buffers, zigzag, false, 0x08, TRect{0, 0, 100, 100000});
  EXPECT_EQ(out.size(), 59999u);
  EXPECT_EQ(out[1], (TLLPoint{100, 0}));
  EXPECT_EQ(out.back(), (TLLPoint{100, 39998}));
}

}  // namespace
}  // namespace meridex
