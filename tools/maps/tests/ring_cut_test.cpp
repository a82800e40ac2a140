// Cutting rings and lines at the 180-degree meridian, closing a ring round a
// pole, and splitting shapes along a meridian or a parallel.
#include "ring_cut.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace meridex::maps {
namespace {

constexpr GlobeUnit D = GU_DEGREE;

TLLPoint P(double lon, double lat) { return {DegreesToGlobeUnits(lon), DegreesToGlobeUnits(lat)}; }

bool Contains(const PointList& ring, TLLPoint p) {
  return std::find(ring.begin(), ring.end(), p) != ring.end();
}

// Square degrees.
double Area(const PointList& ring) {
  return static_cast<double>(std::fabs(RingArea2(ring)) / 2 / (double(D) * D));
}

bool Inside(const PointList& ring, TLLPoint p) {
  bool in = false;
  for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    const TLLPoint &a = ring[i], &b = ring[j];
    if ((a.Y > p.Y) != (b.Y > p.Y) &&
        p.X < a.X + static_cast<double>(b.X - a.X) * (p.Y - a.Y) / (b.Y - a.Y))
      in = !in;
  }
  return in;
}

TEST(CutRing, ARingWithinTheMapStaysWhole) {
  const PointList square = {P(10, 10), P(20, 10), P(20, 20), P(10, 20), P(10, 10)};
  const auto pieces = CutRing(square);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0], PointList(square.begin(), square.end() - 1));
}

TEST(CutRing, ARingOverTheMeridianBecomesAPieceOnEitherSide) {
  // 170E .. 170W as the sources give it: stepping from +175 to -175.
  const PointList ring = {P(170, 0),   P(175, 0),  P(-175, 0), P(-170, 0), P(-170, 10),
                          P(-175, 10), P(175, 10), P(170, 10), P(170, 0)};
  const auto pieces = CutRing(ring);
  ASSERT_EQ(pieces.size(), 2u);
  double total = 0;
  for (const PointList& piece : pieces) {
    total += Area(piece);
    for (const TLLPoint& p : piece) EXPECT_LE(std::abs(p.X), GU_180);
    // Each side ends on the meridian, with a point every degree along it.
    const GlobeUnit edge = piece.front().X > 0 ? GU_180 : -GU_180;
    for (int lat = 0; lat <= 10; ++lat) EXPECT_TRUE(Contains(piece, {edge, lat * D})) << lat;
  }
  EXPECT_NEAR(total, 200, 1e-6);
  EXPECT_TRUE(Inside(pieces[0], P(178, 5)) != Inside(pieces[1], P(178, 5)));
  EXPECT_TRUE(Inside(pieces[0], P(-178, 5)) != Inside(pieces[1], P(-178, 5)));
}

TEST(CutRing, ARingRoundThePoleIsClosedAlongIt) {
  // A coast round the south pole at 70S, as Antarctica's comes: from -180
  // eastwards and back to -180, the last step a jump of almost 360 degrees.
  PointList ring;
  for (int lon = -180; lon < 180; lon += 30) ring.push_back(P(lon, -70));
  ring.push_back(P(-180, -70));
  const auto pieces = CutRing(ring);
  ASSERT_EQ(pieces.size(), 1u);
  const PointList& piece = pieces[0];
  EXPECT_TRUE(Contains(piece, {GU_180, -GU_90}));
  EXPECT_TRUE(Contains(piece, {-GU_180, -GU_90}));
  // A stop at the Mercator map's limit, so that its edge is filled.
  EXPECT_TRUE(Contains(piece, {GU_180, -86 * D}));
  EXPECT_TRUE(Contains(piece, {-GU_180, -86 * D}));
  EXPECT_TRUE(Inside(piece, P(0, -80)));
  EXPECT_TRUE(Inside(piece, P(170, -89)));
  EXPECT_FALSE(Inside(piece, P(0, -60)));
  EXPECT_NEAR(Area(piece), 360.0 * 20, 1e-6);
}

TEST(CutRing, DegenerateRingsGiveNothing) {
  EXPECT_TRUE(CutRing({P(-180, -89.999), P(-180, -89.999)}).empty());
  EXPECT_TRUE(CutRing({P(1, 1), P(2, 2), P(3, 3), P(1, 1)}).empty());  // no area
}

TEST(SplitShape, ALineThroughAHoleLeavesNotchedPiecesWithoutHoles) {
  const Shape shape = {{P(0, 0), P(10, 0), P(10, 10), P(0, 10)},
                       {P(4, 4), P(4, 6), P(6, 6), P(6, 4)}};
  const auto pieces = SplitShape(shape, false, 5 * D);
  ASSERT_EQ(pieces.size(), 2u);
  double total = 0;
  for (const Shape& piece : pieces) {
    EXPECT_EQ(piece.size(), 1u);  // no hole left
    total += Area(piece.front());
    EXPECT_FALSE(Inside(piece.front(), P(4.5, 5)));
    EXPECT_FALSE(Inside(piece.front(), P(5.5, 5)));
  }
  EXPECT_NEAR(total, 100 - 4, 1e-6);
}

TEST(SplitShape, AHoleAwayFromTheLineStaysWithItsPiece) {
  const Shape shape = {{P(0, 0), P(10, 0), P(10, 10), P(0, 10)},
                       {P(1, 1), P(1, 2), P(2, 2), P(2, 1)}};
  const auto pieces = SplitShape(shape, true, 5 * D);  // along the parallel 5N
  ASSERT_EQ(pieces.size(), 2u);
  const Shape& south = pieces[0].front().front().Y < 5 * D ? pieces[0] : pieces[1];
  const Shape& north = &south == &pieces[0] ? pieces[1] : pieces[0];
  EXPECT_EQ(south.size(), 2u);
  EXPECT_EQ(north.size(), 1u);
  EXPECT_NEAR(Area(south.front()) - Area(south[1]) + Area(north.front()), 99, 1e-6);
}

TEST(SplitShape, AConcaveShapeSplitsIntoSeparatePieces) {
  // A U open to the north, cut along 5N: its two arms and its base.
  const Shape u = {{P(0, 0), P(9, 0), P(9, 10), P(6, 10), P(6, 3), P(3, 3), P(3, 10), P(0, 10)}};
  const auto pieces = SplitShape(u, true, 5 * D);
  ASSERT_EQ(pieces.size(), 3u);
  double total = 0;
  for (const Shape& piece : pieces) total += Area(piece.front());
  EXPECT_NEAR(total, 90 - 21, 1e-6);
}

TEST(CutLine, ALineOverTheMeridianEndsOnItOnBothSides) {
  const auto pieces = CutLine({P(170, 0), P(-170, 10)});
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_EQ(pieces[0], (PointList{P(170, 0), P(180, 5)}));
  EXPECT_EQ(pieces[1], (PointList{P(-180, 5), P(-170, 10)}));
  EXPECT_EQ(CutLine({P(1, 1), P(2, 2)}).size(), 1u);
}

}  // namespace
}  // namespace meridex::maps
