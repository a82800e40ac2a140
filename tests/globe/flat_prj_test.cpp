#include <gtest/gtest.h>

#include "globe/cartesian_prj.h"
#include "globe/globe_units.h"
#include "globe/mercator_prj.h"
#include "projection_host.h"

namespace meridex {
namespace {

constexpr long double kPixelPerDegree = 1.0L / 5400000;

class CartesianTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.clip = {0, 0, 361, 181};
    prj.SetView(162000000, -486000000, kPixelPerDegree, 0);
    prj.CenterX = 180;
    prj.CenterY = 90;
  }
  test::FakeProjectionHost host;
  TCartesianPrj prj{host};
};

TEST_F(CartesianTest, CornersOfTheMap) {
  ASSERT_TRUE(prj.LLToXY(-972000000, 486000000, 0));
  EXPECT_EQ(prj.Point(0), (TLLPoint{0, 0}));
  ASSERT_TRUE(prj.XYToLL(0, 0, 1));
  EXPECT_EQ(prj.Point(1), (TLLPoint{-972000000, 486000000}));
  ASSERT_TRUE(prj.XYToLL(360, 180, 1));
  EXPECT_EQ(prj.Point(1), (TLLPoint{972000000, -486000000}));
  EXPECT_FALSE(prj.XYToLL(-1, 0, 1));
  EXPECT_FALSE(prj.XYToLL(0, 181, 1));
  EXPECT_FALSE(prj.LLToXY(-972000001, 0, 0));
  EXPECT_FALSE(prj.LLToXY(0, 486000001, 0));
}

TEST_F(CartesianTest, FarOffPixelsDoNotWrapOntoTheMap) {
  prj.SetView(162000000, -486000000, 1.0L, 0);  // one pixel per GlobeUnit
  // 2^32 pixels to the right would wrap to 0 in 32 bits.
  EXPECT_FALSE(prj.XYToLL(2147483647, 90, 0));
  prj.CenterX = -2147483647;
  EXPECT_FALSE(prj.XYToLL(2147483647, 90, 0));
}

TEST_F(CartesianTest, OutlineRunsSouthWestSouthEastNorthEastNorthWest) {
  ASSERT_EQ(prj.ProjectOutline(), 4);
  EXPECT_EQ(prj.Point(0), (TLLPoint{0, 180}));
  EXPECT_EQ(prj.Point(1), (TLLPoint{360, 180}));
  EXPECT_EQ(prj.Point(2), (TLLPoint{360, 0}));
  EXPECT_EQ(prj.Point(3), (TLLPoint{0, 0}));
}

TEST_F(CartesianTest, RotationChangesShiftTheMap) {
  prj.SetView(162000000, -432000000, kPixelPerDegree, 0);  // Y +10 degrees: right
  EXPECT_EQ(prj.CenterX, 190);
  EXPECT_EQ(prj.CenterY, 90);
  prj.SetView(216000000, -432000000, kPixelPerDegree, 0);  // X +10 degrees: down
  EXPECT_EQ(prj.CenterX, 190);
  EXPECT_EQ(prj.CenterY, 100);
  // A change of 200 degrees is off the map: the centre stays.
  prj.SetView(216000000, 648000000, kPixelPerDegree, 0);
  EXPECT_EQ(prj.CenterX, 190);
  EXPECT_EQ(prj.CenterY, 100);
  EXPECT_EQ(prj.YRotation, 648000000);
  // Far beyond 32 bits of difference: still no shift and no overflow.
  prj.SetView(-2147483647, -2147483647, kPixelPerDegree, 0);
  EXPECT_EQ(prj.CenterX, 190);
  prj.SetView(2147483647, 2147483647, kPixelPerDegree, 0);
  EXPECT_EQ(prj.CenterY, 100);
}

TEST_F(CartesianTest, RectVisibleUsesTwoCorners) {
  std::uint8_t code = 0;
  EXPECT_TRUE(prj.RectVisible({-54000000, -54000000, 54000000, 54000000}, code));
  EXPECT_EQ(code, 0);
  host.clip = {0, 0, 100, 100};
  // 10..20 degrees east lands at x 190..200, right of a 100-pixel window.
  EXPECT_FALSE(prj.RectVisible({54000000, 0, 108000000, 54000000}, code));
  EXPECT_EQ(code, 0x88);
}

TEST_F(CartesianTest, PointListsLeaveOffMapPointsOut) {
  TLLPointList list;
  list.Add({0, 0});
  list.Add({0, 600000000});  // beyond the pole
  list.Add({54000000, 54000000});
  TProjectionCache cache;
  ASSERT_EQ(prj.ProjectPointList(list, cache), 2);
  EXPECT_FALSE(cache.Decimated);  // nothing kept for the flat map
  EXPECT_TRUE(cache.Earth.empty());
  EXPECT_EQ(prj.Point(0), (TLLPoint{180, 90}));
  EXPECT_EQ(prj.Point(1), (TLLPoint{190, 80}));
}

TEST(Cartesian, LongListsProjectInOneGo) {
  test::FakeProjectionHost host;
  TCartesianPrj prj(host);
  prj.SetView(0, 0, 1.0L, 0);
  prj.CenterX = 5;
  prj.CenterY = 0;
  TLLPointList list;
  for (int i = 0; i < 65535; ++i) list.Add({i, 0});
  TProjectionCache cache;
  ASSERT_EQ(prj.ProjectPointList(list, cache), 65535);
  EXPECT_EQ(prj.Point(65534), (TLLPoint{65539, 0}));
}

class MercatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.clip = {0, 0, 361, 401};
    prj.SetView(162000000, -486000000, kPixelPerDegree, 0);
    prj.CenterX = 180;
    prj.CenterY = 200;
  }
  test::FakeProjectionHost host;
  TMercatorPrj prj{host};
};

TEST_F(MercatorTest, LimitedToEightySixDegrees) {
  ASSERT_TRUE(prj.LLToXY(0, 464400000, 0));
  // ln(tan 88 degrees) = 3.3546 rad = 192.20 degrees of height.
  EXPECT_EQ(prj.Point(0), (TLLPoint{180, 8}));
  EXPECT_FALSE(prj.LLToXY(0, 464400001, 0));
  EXPECT_FALSE(prj.LLToXY(0, -464400001, 0));
  // 193 pixels above the equator is beyond 86 degrees, 192 is not.
  EXPECT_FALSE(prj.XYToLL(180, 7, 1));
  ASSERT_TRUE(prj.XYToLL(180, 8, 1));
  EXPECT_GT(prj.Point(1).Y, 464292000);  // 85.98 degrees
  EXPECT_LT(prj.Point(1).Y, 464400000);
  ASSERT_TRUE(prj.XYToLL(180, 200, 1));
  EXPECT_EQ(prj.Point(1), (TLLPoint{0, 0}));
}

TEST_F(MercatorTest, OutlineAndTiltShift) {
  ASSERT_EQ(prj.ProjectOutline(), 4);
  EXPECT_EQ(prj.Point(0), (TLLPoint{0, 392}));
  EXPECT_EQ(prj.Point(2), (TLLPoint{360, 8}));
  // X +10 degrees moves the map down by the Mercator height of 10 degrees
  // (10.05 degrees at one pixel per degree).
  prj.SetView(216000000, -486000000, kPixelPerDegree, 0);
  EXPECT_EQ(prj.CenterY, 210);
}

TEST_F(MercatorTest, RectVisibleClampsToTheMap) {
  // Corners beyond 86 degrees are moved onto the map first, so a stale
  // buffer entry can never take part.
  prj.Point(1) = {100000, 100000};
  std::uint8_t code = 99;
  EXPECT_TRUE(prj.RectVisible({-54000000, 432000000, 54000000, 480600000}, code));
  EXPECT_EQ(code, 0);
  code = 99;
  EXPECT_FALSE(prj.RectVisible({0, 469800000, 54000000, 480600000}, code));  // 87..89 N
  EXPECT_EQ(code, 99);
}

}  // namespace
}  // namespace meridex
