// Joining a shape's rings into one even-odd point list.
#include "ring_join.h"

#include <gtest/gtest.h>

namespace meridex::maps {
namespace {

constexpr GlobeUnit D = GU_DEGREE;

bool EvenOdd(const PointList& ring, double lon, double lat) {
  const double x = lon * D, y = lat * D;
  bool in = false;
  for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
    const TLLPoint &a = ring[i], &b = ring[j];
    if ((a.Y > y) != (b.Y > y) &&
        x < a.X + static_cast<double>(b.X - a.X) * (y - a.Y) / (b.Y - a.Y))
      in = !in;
  }
  return in;
}

PointList Square(int x, int y, int size) {
  return {{x * D, y * D},
          {(x + size) * D, y * D},
          {(x + size) * D, (y + size) * D},
          {x * D, (y + size) * D}};
}

TEST(JoinRings, OneRingIsItself) { EXPECT_EQ(JoinRings({Square(0, 0, 2)}), Square(0, 0, 2)); }

TEST(JoinRings, HolesAndIslandsKeepTheirInsidesUnderTheEvenOddRule) {
  const PointList joined =
      JoinRings({Square(0, 0, 10), Square(2, 2, 2), Square(6, 6, 2), Square(20, 0, 3)});
  EXPECT_TRUE(EvenOdd(joined, 1, 1));
  EXPECT_FALSE(EvenOdd(joined, 3, 3));   // first hole
  EXPECT_FALSE(EvenOdd(joined, 7, 7));   // second hole
  EXPECT_TRUE(EvenOdd(joined, 5, 1.5));  // between them
  EXPECT_TRUE(EvenOdd(joined, 21, 1));   // the island
  EXPECT_FALSE(EvenOdd(joined, 15, 1));  // the sea between
  // Every corner of every ring, each ring entered and left at one point.
  EXPECT_EQ(joined.size(), 4u + 3 * (4 + 2));
}

TEST(JoinRings, TheLargestRingComesFirstAndBridgesGoToTheNearestPoints) {
  const PointList joined = JoinRings({Square(2, 2, 2), Square(0, 0, 10)});
  EXPECT_EQ(joined.front(), Square(0, 0, 10).front());
  // The hole (2..4) hangs from the outer corner nearest it, (0, 0), by its
  // own corner (2, 2).
  const auto at = std::find(joined.begin(), joined.end(), TLLPoint{2 * D, 2 * D});
  ASSERT_NE(at, joined.end());
  EXPECT_EQ(*(at - 1), (TLLPoint{0, 0}));
}

}  // namespace
}  // namespace meridex::maps
