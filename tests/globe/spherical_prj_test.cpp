#include "globe/spherical_prj.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

#include "globe/clipper.h"
#include "globe/globe_units.h"
#include "projection_host.h"

namespace meridex {
namespace {

// A 300 x 300 view with the whole globe fitted: 300 pixels per diameter.
class SphereTest : public ::testing::Test {
 protected:
  void SetUp() override {
    prj.CenterX = 150;
    prj.CenterY = 150;
    prj.SetView(162000000, -486000000, kScale, 0);
  }
  static constexpr long double kScale = 300.0L / 618786000.0L;
  test::FakeProjectionHost host;
  TSphericalPrj prj{host};
};

TEST_F(SphereTest, DefaultsLookAtThirtyNorthOnGreenwich) {
  ASSERT_TRUE(prj.LLToXY(0, 162000000, 0));
  EXPECT_EQ(prj.Point(0), (TLLPoint{150, 150}));
  ASSERT_TRUE(prj.XYToLL(150, 150, 1));
  EXPECT_EQ(prj.Point(1), (TLLPoint{0, 162000000}));
  EXPECT_EQ(prj.RadiusPixels, 150.0L);
  EXPECT_EQ(host.redraws, 1);
}

TEST_F(SphereTest, AntipodeIsHiddenAndLeavesTheEntryAlone) {
  prj.Point(3) = {7, 7};
  EXPECT_FALSE(prj.LLToXY(972000000, -162000000, 3));
  EXPECT_EQ(prj.Point(3), (TLLPoint{7, 7}));
}

TEST_F(SphereTest, NorthIsUpAndEastIsRight) {
  ASSERT_TRUE(prj.LLToXY(0, 216000000, 0));  // 40 N: above the centre
  EXPECT_EQ(prj.Point(0).X, 150);
  EXPECT_LT(prj.Point(0).Y, 150);
  ASSERT_TRUE(prj.LLToXY(54000000, 162000000, 0));  // 10 E: right of it
  EXPECT_GT(prj.Point(0).X, 150);
}

TEST_F(SphereTest, PixelsOffTheDiscHaveNoPosition) {
  prj.Point(0) = {1, 2};
  EXPECT_FALSE(prj.XYToLL(301, 150, 0));
  EXPECT_FALSE(prj.XYToLL(150, -1, 0));
  EXPECT_EQ(prj.Point(0), (TLLPoint{1, 2}));
  EXPECT_TRUE(prj.XYToLL(300, 150, 0));  // exactly on the limb
}

TEST(Sphere, PointOnTheLimbIsNotVisible) {
  test::FakeProjectionHost host;
  TSphericalPrj prj(host);
  // No rotation: depth is the earth's z, exactly 0 at longitude 0.
  prj.SetView(0, 0, 1.0L / 5400000, 0);
  EXPECT_FALSE(prj.LLToXY(0, 0, 0));
  EXPECT_FALSE(prj.LLToXY(1, 0, 0));
  EXPECT_TRUE(prj.LLToXY(-1, 0, 0));
}

TEST(Sphere, SetViewClampsTheTiltAndWrapsTheTurns) {
  test::FakeProjectionHost host;
  TSphericalPrj prj(host);
  const long double s = 1.0L / 5400000;
  prj.SetView(540000000, 1080000000, s, 1080000000);  // 100, 200, 200 degrees
  EXPECT_EQ(prj.XRotation, 486000000);
  EXPECT_EQ(prj.YRotation, -864000000);
  EXPECT_EQ(prj.ZRotation, -864000000);
  prj.SetView(-540000000, -1080000000, s, 972000000);  // -100, -200, 180
  EXPECT_EQ(prj.XRotation, -486000000);
  EXPECT_EQ(prj.YRotation, -1080000000);
  EXPECT_EQ(prj.ZRotation, -972000000);
  prj.SetView(0, 971999999, s, 0);
  EXPECT_EQ(prj.YRotation, 971999999);
  prj.SetView(0, 2147483647, s, 0);  // no 32-bit overflow on the way
  EXPECT_EQ(prj.YRotation, 203483647);
  EXPECT_EQ(prj.UnitsPerPixel, 5400000);
  EXPECT_EQ(prj.UnitsPerInch, 518400000);
  EXPECT_EQ(host.redraws, 4);
}

TEST_F(SphereTest, OutlineStartsEastAndTurnsClockwiseOnScreen) {
  ASSERT_EQ(prj.ProjectOutline(), 90);
  EXPECT_EQ(prj.Point(0), (TLLPoint{300, 150}));
  EXPECT_EQ(prj.Point(1), (TLLPoint{300, 160}));   // 4 degrees: 149.63, 10.46
  EXPECT_EQ(prj.Point(22), (TLLPoint{155, 300}));  // 88 degrees: 5.23, 149.91
  EXPECT_EQ(prj.Point(45), (TLLPoint{0, 150}));
  EXPECT_EQ(prj.Point(89), (TLLPoint{300, 140}));
}

TEST_F(SphereTest, RectVisibleSamplesTheEdges) {
  std::uint8_t code = 77;
  // Around the middle of the view: on the disc, inside the window.
  EXPECT_TRUE(prj.RectVisible({-54000000, 108000000, 54000000, 216000000}, code));
  EXPECT_EQ(code, 0);
  // On the far side: no corner is visible, the code stays.
  code = 77;
  EXPECT_FALSE(prj.RectVisible({864000000, -270000000, 918000000, -162000000}, code));
  EXPECT_EQ(code, 77);
  // Reaching the end of the 32-bit range must still end.
  EXPECT_TRUE(prj.RectVisible({0, 0, 2147483647, 54000000}, code));
}

TEST_F(SphereTest, PointListGoesAlongTheLimbBehindTheGlobe) {
  TLLPointList list;
  // From the visible middle straight over to the far side.
  for (int i = 0; i <= 100; ++i) list.Add({0, 162000000 - i * 9720000});  // 30 N to 150 S
  TProjectionCache cache;
  const int n = prj.ProjectPointList(list, cache);
  ASSERT_TRUE(cache.Decimated);
  EXPECT_EQ(cache.Decimated->Count, 101);
  ASSERT_GE(n, 2);
  EXPECT_EQ(prj.Point(0), (TLLPoint{150, 150}));
  // The line runs down to the limb and stops there (points behind it are
  // pushed onto the limb, within a pixel of the last visible one).
  EXPECT_EQ(prj.Point(n - 1).X, 150);
  EXPECT_GE(prj.Point(n - 1).Y, 299);
  // The cache is kept: a second projection does not rebuild it.
  const T3DPoint* first = cache.Decimated->Points.data();
  EXPECT_EQ(prj.ProjectPointList(list, cache), n);
  EXPECT_EQ(cache.Decimated->Points.data(), first);
}

TEST_F(SphereTest, HiddenPointIsPushedOntoTheLimb) {
  TLLPointList list;
  list.Add({0, 162000000});           // the middle of the view
  list.Add({0, -432000000});          // 80 S: behind, below the middle
  list.Add({972000000, -162000000});  // the antipode, skipped with the next 32
  list.Add({0, 162000000});
  TProjectionCache cache;
  ASSERT_EQ(prj.ProjectPointList(list, cache), 2);
  EXPECT_EQ(prj.Point(0), (TLLPoint{150, 150}));
  EXPECT_EQ(prj.Point(1), (TLLPoint{150, 300}));
}

TEST(Sphere, LongListsProjectInOneGo) {
  test::FakeProjectionHost host;
  TSphericalPrj prj(host);
  prj.SetView(162000000, -486000000, 2.0L, 0);  // 2 pixels per GlobeUnit
  TLLPointList list;
  for (int i = 0; i < 65535; ++i) list.Add({2 * i, 162000000});
  TProjectionCache cache;
  EXPECT_EQ(prj.ProjectPointList(list, cache), 65535);
  EXPECT_GT(prj.Point(65534).X, prj.Point(0).X);
}

TEST(Sphere, CacheKeepsOnePointPerPixelStep) {
  test::FakeProjectionHost host;
  TSphericalPrj prj(host);
  prj.SetView(162000000, -486000000, 1.0L / 1000, 0);  // 1,000 GlobeUnits per pixel
  TLLPointList list;
  for (int i = 0; i < 11; ++i) list.Add({i * 400, 0});  // 0, 400, ... 4,000
  TProjectionCache cache;
  prj.ProjectPointList(list, cache);
  // Kept: 0, 1,200, 2,400, 3,600 (not the last, an odd one out of the pairs
  // the picking goes by).
  EXPECT_EQ(cache.Decimated->Count, 4);
}

// The cached projection done the plain way, every product in extended
// precision: what the fast path must reproduce point for point.
std::vector<TLLPoint> ProjectPlainly(const TSphericalPrj& prj, const TWorld3DPrjData& cache) {
  const TMatrix3& m = prj.ViewMatrix();
  std::vector<TLLPoint> out;
  long double lastX = 2147483647.0L, lastY = 2147483647.0L;
  for (std::int32_t j = 0; j < cache.Count; ++j) {
    const T3DPoint& p = cache.Points[static_cast<std::size_t>(j)];
    const long double x = p.X, y = p.Y, z = p.Z;
    long double fx = x * m[0] + y * m[1] + z * m[2];
    long double fy = x * m[3] + y * m[4] + z * m[5];
    if (x * m[6] + y * m[7] + z * m[8] >= 0) {
      const long double h = Hypot(fy, fx);
      const long double k = h > 0 ? prj.RadiusPixels / h : 0;
      fx = h > 0 ? fx * k : prj.RadiusPixels;
      fy = h > 0 ? fy * k : 0;
      j += 32;
    }
    if (std::fabs(lastX - fx) < 1 && std::fabs(lastY - fy) < 1) continue;
    out.push_back({static_cast<std::int32_t>(std::llrint(fx) + prj.CenterX),
                   static_cast<std::int32_t>(std::llrint(fy) + prj.CenterY)});
    lastX = fx;
    lastY = fy;
  }
  return out;
}

TProjectionCache CacheOf(const std::vector<T3DPoint>& points) {
  TProjectionCache cache;
  cache.Decimated.emplace(static_cast<std::int32_t>(points.size()));
  std::copy(points.begin(), points.end(), cache.Decimated->Points.begin());
  return cache;
}

void ExpectSameAsPlain(TSphericalPrj& prj, const std::vector<T3DPoint>& points) {
  TProjectionCache cache = CacheOf(points);
  const TLLPointList unused;
  const int n = prj.ProjectPointList(unused, cache);
  const std::vector<TLLPoint> expected = ProjectPlainly(prj, *cache.Decimated);
  ASSERT_EQ(n, static_cast<int>(expected.size()));
  for (int i = 0; i < n; ++i) ASSERT_EQ(prj.Point(i), expected[static_cast<std::size_t>(i)]) << i;
}

// Scales a hair above and below one half, held exactly in extended
// precision but not in a double (where both are one half): coordinates of
// 4i + 1 land a hair off half a pixel, steps of 2 a hair off one pixel,
// where doubles would decide the rounding and the dropping the other way.
TEST(SphereCache, HalfPixelsAndOnePixelStepsFollowExtendedPrecision) {
  test::FakeProjectionHost host;
  TSphericalPrj prj(host);
  prj.SetView(0, 0, 1.0L / 5400000, 0);
  prj.CenterX = 100;
  prj.CenterY = 200;
  for (const long double scale : {0.5L + 0x1p-62L, 0.5L - 0x1p-62L}) {
    const bool above = scale > 0.5L;
    prj.SetViewMatrix({scale, 0, 0, 0, scale, 0, 0, 0, 1});
    prj.RadiusPixels = 1000;
    std::vector<T3DPoint> halves, steps, halvesY, stepsY;
    for (int i = 0; i < 40; ++i) {
      halves.push_back({4 * i + 1, 4 * i, -5});
      halvesY.push_back({4 * i, 4 * i + 1, -5});
      steps.push_back({2 * i, 0, -5});
      stepsY.push_back({0, 2 * i, -5});
    }
    std::vector<T3DPoint> mixed = halves;
    mixed.push_back({81, 7, 0});  // on the limb: pushed out, the next 32 skipped
    mixed.insert(mixed.end(), steps.begin(), steps.end());
    for (const auto& points : {halves, halvesY, steps, stepsY, mixed})
      ExpectSameAsPlain(prj, points);

    // 4i + 1 times the scale is a hair above or below i + one half.
    TProjectionCache cache = CacheOf(halves);
    ASSERT_EQ(prj.ProjectPointList(TLLPointList(), cache), 40);
    EXPECT_EQ(prj.Point(0), (TLLPoint{above ? 101 : 100, 200}));
    EXPECT_EQ(prj.Point(1), (TLLPoint{above ? 103 : 102, 202}));
    // Steps a hair below one pixel drop points (in doubles they would be
    // exactly one pixel and all be kept).
    cache = CacheOf(steps);
    const int kept = prj.ProjectPointList(TLLPointList(), cache);
    if (above)
      EXPECT_EQ(kept, 40);
    else
      EXPECT_LT(kept, 40);
  }
}

// A point dropped between the last one kept and one a hair off one pixel
// from it: the distance that decides the second skips the first, and must
// follow extended precision too (a third of a pixel a unit, a hair more or
// less, is not held by a double).
TEST(SphereCache, AStepOverADroppedPointFollowsExtendedPrecision) {
  test::FakeProjectionHost host;
  TSphericalPrj prj(host);
  prj.SetView(0, 0, 1.0L / 5400000, 0);
  prj.RadiusPixels = 1000;
  for (const long double scale : {1.0L / 3 + 0x1p-62L, 1.0L / 3 - 0x1p-62L}) {
    prj.SetViewMatrix({scale, 0, 0, 0, scale, 0, 0, 0, 1});
    // The last point lands on pixel 1 or 2 as the one before is dropped or kept.
    const std::vector<T3DPoint> alongX{{0, 0, -5}, {0, 0, -5}, {1, 0, -5}, {3, 0, -5}, {5, 0, -5}};
    const std::vector<T3DPoint> alongY{{0, 0, -5}, {0, 0, -5}, {0, 1, -5}, {0, 3, -5}, {0, 5, -5}};
    for (const auto& points : {alongX, alongY}) ExpectSameAsPlain(prj, points);
  }
}

// A distance a hair below one pixel that doubles make a hair above it: the
// scale, just below 1/117, has its nearest double above 1/117, so -1/117
// and 116/117 lie 1 + 2^-52 apart in doubles but less than a pixel apart in
// extended precision, and the second point is dropped.
TEST(SphereCache, ADistanceThatDoublesRoundUpToOnePixelFollowsExtendedPrecision) {
  test::FakeProjectionHost host;
  TSphericalPrj prj(host);
  prj.SetView(0, 0, 1.0L / 5400000, 0);
  prj.RadiusPixels = 1000;
  const long double scale = 1.0L / 117 - 0x1p-70L;
  ASSERT_LT(116 * scale + scale, 1.0L);
  const double inDoubles = static_cast<double>(scale);
  ASSERT_GT(116 * inDoubles + inDoubles, 1.0);
  prj.SetViewMatrix({scale, 0, 0, 0, scale, 0, 0, 0, 1});
  const std::vector<T3DPoint> alongX{{-1, 0, -5}, {116, 0, -5}};
  const std::vector<T3DPoint> alongY{{0, -1, -5}, {0, 116, -5}};
  for (const auto& points : {alongX, alongY}) {
    ExpectSameAsPlain(prj, points);
    TProjectionCache cache = CacheOf(points);
    EXPECT_EQ(prj.ProjectPointList(TLLPointList(), cache), 1);
  }
}

// Offsets made of two large products that nearly cancel: the doubles'
// error (about 2^-24 pixels) is far larger than how far each step lies from
// one pixel (2^-30), so no distance may be decided from them: the band
// around one pixel must grow with the error the view allows.
TEST(SphereCache, StepsThatLargeProductsMakeAHairOffOnePixelFollowExtendedPrecision) {
  test::FakeProjectionHost host;
  TSphericalPrj prj(host);
  prj.SetView(0, 0, 1.0L / 5400000, 0);
  for (const long double hair : {0x1p-30L, -0x1p-30L}) {
    const long double s = (1 + hair) / 3;  // three units a hair off one pixel
    prj.SetViewMatrix({s, -s, 0, 0, s, -s, -1, 0, 0});
    prj.RadiusPixels = 1000;
    std::vector<T3DPoint> alongX, alongY;
    // Each point's products a different pair, so that their roundings do
    // not cancel from point to point.
    for (int i = 0; i < 60; ++i) {
      const std::int32_t far = (1 << 30) + 1 + 104729 * i;
      alongX.push_back({far + 3 * i, far, far});
      alongY.push_back({far, far, far - 3 * i});
    }
    for (const auto& points : {alongX, alongY}) {
      ExpectSameAsPlain(prj, points);
      // A hair over one pixel keeps every point, a hair under every other.
      TProjectionCache cache = CacheOf(points);
      EXPECT_EQ(prj.ProjectPointList(TLLPointList(), cache), hair > 0 ? 60 : 30);
    }
  }
}

TEST(SphereCache, RandomViewsAndCoastlinesFollowExtendedPrecision) {
  test::FakeProjectionHost host;
  TSphericalPrj prj(host);
  std::mt19937 random(7);
  std::uniform_int_distribution<GlobeUnit> angle(-GU_180, GU_180 - 1);
  std::uniform_real_distribution<double> zoom(0.2, 3000), step(-0.002, 0.002);
  for (int view = 0; view < 200; ++view) {
    const long double scale = static_cast<long double>(zoom(random)) / 309393000.0L;
    prj.CenterX = 400 + view;
    prj.CenterY = 300 - view;
    prj.SetView(angle(random) / 2, angle(random), scale, view % 4 == 0 ? angle(random) : 0);
    // A coastline-like walk over the sphere, in the cache's units.
    std::vector<T3DPoint> points;
    double lon = step(random) * 1000, lat = step(random) * 500;
    for (int i = 0; i < 3000; ++i) {
      lon += step(random) * (view % 3 == 0 ? 50 : 1);
      lat = std::clamp(lat + step(random), -1.5, 1.5);
      const double r = 309393000;
      points.push_back({static_cast<std::int32_t>(std::lround(r * std::cos(lat) * std::cos(lon))),
                        static_cast<std::int32_t>(std::lround(r * std::sin(lat))),
                        static_cast<std::int32_t>(std::lround(r * std::cos(lat) * std::sin(lon)))});
    }
    ExpectSameAsPlain(prj, points);
  }
}

}  // namespace
}  // namespace meridex

namespace meridex {
namespace {

// LLToXY done the plain way, every product in extended precision.
bool PlainLLToXY(const TSphericalPrj& prj, GlobeUnit lon, GlobeUnit lat, TLLPoint& out) {
  long double sinLon, cosLon, sinLat, cosLat;
  SinCos(lon * RADIANS_PER_GU, sinLon, cosLon);
  SinCos(lat * RADIANS_PER_GU, sinLat, cosLat);
  const long double r = EARTH_RADIUS;
  const long double x = r * cosLat * cosLon, y = r * sinLat, z = r * cosLat * sinLon;
  const TMatrix3& m = prj.ViewMatrix();
  if (!(x * m[6] + y * m[7] + z * m[8] < 0)) return false;
  out = {static_cast<std::int32_t>(std::llrint(x * m[0] + y * m[1] + z * m[2]) + prj.CenterX),
         static_cast<std::int32_t>(std::llrint(x * m[3] + y * m[4] + z * m[5]) + prj.CenterY)};
  return true;
}

TEST(SphereLLToXY, RandomViewsAndPointsFollowExtendedPrecision) {
  test::FakeProjectionHost host;
  TSphericalPrj prj(host);
  std::mt19937 random(11);
  std::uniform_int_distribution<GlobeUnit> lon(-GU_180, GU_180), lat(-GU_90, GU_90);
  std::uniform_real_distribution<double> zoom(0.2, 5000);
  int decided = 0;
  for (int view = 0; view < 100; ++view) {
    prj.SetView(lat(random), lon(random), static_cast<long double>(zoom(random)) / 309393000.0L,
                view % 3 == 0 ? lon(random) : 0);
    prj.CenterX = 500 - view;
    prj.CenterY = 300 + view;
    for (int i = 0; i < 2000; ++i) {
      const GlobeUnit x = lon(random), y = lat(random);
      TLLPoint expected;
      const bool visible = PlainLLToXY(prj, x, y, expected);
      ASSERT_EQ(prj.LLToXY(x, y, 0), visible) << view << " " << i;
      if (visible) {
        ASSERT_EQ(prj.Point(0), expected) << view << " " << i;
      }
      decided += visible;
    }
  }
  EXPECT_GT(decided, 50000);
}

// Offsets and depths a hair off half a pixel and off 0, held exactly in
// extended precision but not in a double: the doubles must not decide them.
TEST(SphereLLToXY, HalfPixelsAndTheLimbFollowExtendedPrecision) {
  test::FakeProjectionHost host;
  TSphericalPrj prj(host);
  prj.SetView(0, 0, 1.0L / 5400000, 0);
  const long double r = EARTH_RADIUS;  // the earth point of (0, 0) is (r, 0, 0)
  for (const long double tiny : {0x1p-62L, -0x1p-62L}) {
    const long double h = 0.5L + tiny;
    prj.SetViewMatrix({h / r, 0, 0, 0, (3 * h) / r, 0, -1.0L / r, 0, 0});
    TLLPoint expected;
    ASSERT_TRUE(PlainLLToXY(prj, 0, 0, expected));
    ASSERT_TRUE(prj.LLToXY(0, 0, 0));
    EXPECT_EQ(prj.Point(0), expected);
    EXPECT_EQ(prj.Point(0).X, tiny > 0 ? 1 : 0);
    // The depth a hair in front of the limb or behind it.
    prj.SetViewMatrix({h / r, 0, 0, 0, h / r, 0, tiny / r, 0, 0});
    EXPECT_EQ(prj.LLToXY(0, 0, 0), tiny < 0);
  }
}

// RectVisible done the plain way: the corners south-west, north-east,
// south-east and north-west, then the edges every 15 degrees, each point with
// PlainLLToXY.
bool PlainRectVisible(const TSphericalPrj& prj, const TRect& r, const TRect& clip,
                      std::uint8_t& clipCode) {
  std::vector<TLLPoint> points;
  const auto add = [&](std::int64_t lon, std::int64_t lat) {
    TLLPoint q;
    if (PlainLLToXY(prj, static_cast<GlobeUnit>(lon), static_cast<GlobeUnit>(lat), q))
      points.push_back(q);
  };
  add(r.Left, r.Top);
  add(r.Right, r.Bottom);
  add(r.Right, r.Top);
  add(r.Left, r.Bottom);
  if (points.empty()) return false;
  for (std::int64_t lon = std::int64_t{r.Left} + GU_15; lon < r.Right; lon += GU_15) {
    add(lon, r.Top);
    add(lon, r.Bottom);
  }
  for (std::int64_t lat = std::int64_t{r.Top} + GU_15; lat < r.Bottom; lat += GU_15) {
    add(r.Left, lat);
    add(r.Right, lat);
  }
  bool visible = false;
  clipCode = PointsClipCode(points.data(), static_cast<int>(points.size()), clip, visible);
  return visible;
}

// Objects keep their extents' corners and their points between views: what
// they keep must give, in every later view, exactly what the plain
// arithmetic gives.
TEST(SphereKept, ExtentsAndPointsKeptAcrossViewsFollowExtendedPrecision) {
  test::FakeProjectionHost host;
  TSphericalPrj prj(host);
  std::mt19937 random(13);
  std::uniform_int_distribution<GlobeUnit> lon(-GU_180, GU_180 - GU_90), lat(-GU_90, GU_90 / 2);
  std::uniform_int_distribution<GlobeUnit> size(0, GU_90 / 3);
  std::uniform_real_distribution<double> zoom(0.3, 200);
  std::vector<TRect> rects;
  std::vector<TLLPoint> points;
  for (int i = 0; i < 300; ++i) {
    const GlobeUnit x = lon(random), y = lat(random);
    const GlobeUnit w = i % 3 == 0 ? size(random) : size(random) / 100;
    const GlobeUnit h = i % 3 == 0 ? size(random) : size(random) / 100;
    rects.push_back({x, y, x + w, y + h});
    points.push_back({x, y});
  }
  std::vector<TRectMemo> rectMemos(rects.size());
  std::vector<TPointMemo> pointMemos(points.size());
  int visibleRects = 0, clippedRects = 0, shownPoints = 0;
  for (int view = 0; view < 120; ++view) {
    prj.SetView(lat(random), lon(random), static_cast<long double>(zoom(random)) / 309393000.0L,
                view % 4 == 0 ? lon(random) : 0);
    prj.CenterX = 150 + view;
    prj.CenterY = 150 - view;
    for (std::size_t i = 0; i < rects.size(); ++i) {
      std::uint8_t expectedCode = 0, kept = 0, fresh = 0;
      const bool expected = PlainRectVisible(prj, rects[i], host.clip, expectedCode);
      ASSERT_EQ(prj.RectVisibleKept(rects[i], kept, rectMemos[i]), expected) << view << " " << i;
      ASSERT_EQ(prj.RectVisible(rects[i], fresh), expected) << view << " " << i;
      if (expected) {
        ASSERT_EQ(kept, expectedCode) << view << " " << i;
        ASSERT_EQ(fresh, expectedCode) << view << " " << i;
      }
      visibleRects += expected;
      clippedRects += expected && expectedCode != 0;

      TLLPoint pixel;
      const bool shown = PlainLLToXY(prj, points[i].X, points[i].Y, pixel);
      ASSERT_EQ(prj.LLToXYKept(points[i], pointMemos[i], 0), shown) << view << " " << i;
      if (shown) {
        ASSERT_EQ(prj.Point(0), pixel) << view << " " << i;
      }
      shownPoints += shown;
    }
  }
  EXPECT_GT(visibleRects, 2000);
  EXPECT_GT(clippedRects, 500);
  EXPECT_GT(shownPoints, 5000);
}

// An offset a hair off half a pixel, k + 1/2 + tiny, whose product with the
// earth radius rounds one way in extended precision and, clearly off the half,
// the other way in doubles: doubles left to decide would get the pixel wrong.
long double FoolingHalf(long double tiny) {
  const long double r = EARTH_RADIUS;
  for (int k = 0; k < 100000; ++k) {
    const long double h = k + 0.5L + tiny;
    const double inDoubles = static_cast<double>(r) * static_cast<double>(h / r);
    if (std::llrint(r * (h / r)) != std::llrint(inDoubles) && inDoubles != k + 0.5) return h;
  }
  return 0;
}

// A kept corner a hair off half a pixel or off the limb, exactly in extended
// precision but not in doubles: the kept doubles must not decide it.
TEST(SphereKept, AKeptCornerAHairOffHalfAPixelOrTheLimbFollowsExtendedPrecision) {
  test::FakeProjectionHost host;
  TSphericalPrj prj(host);
  prj.SetView(0, 0, 1.0L / 5400000, 0);
  const long double r = EARTH_RADIUS;  // the earth point of (0, 0) is (r, 0, 0)
  const TRect corner{0, 0, 0, 0};
  TRectMemo memo;
  TPointMemo pointMemo;
  for (const long double tiny : {0x1p-58L, -0x1p-58L}) {
    const long double h = FoolingHalf(tiny);
    ASSERT_GT(h, 0);
    prj.SetViewMatrix({h / r, 0, 0, 0, 0, 0, -1.0L / r, 0, 0});
    TLLPoint expected;
    ASSERT_TRUE(PlainLLToXY(prj, 0, 0, expected));
    host.clip = {expected.X, 0, expected.X + 300, 300};  // one column further is outside
    std::uint8_t code = 0;
    EXPECT_TRUE(prj.RectVisibleKept(corner, code, memo));
    host.clip = {expected.X + 1, 0, expected.X + 300, 300};
    EXPECT_FALSE(prj.RectVisibleKept(corner, code, memo));
    ASSERT_TRUE(prj.LLToXYKept({0, 0}, pointMemo, 0));
    EXPECT_EQ(prj.Point(0), expected);
    // The depth a hair in front of the limb or behind it.
    host.clip = {0, 0, 300, 300};
    prj.SetViewMatrix({0.5L / r, 0, 0, 0, 0, 0, tiny / r, 0, 0});
    EXPECT_EQ(prj.RectVisibleKept(corner, code, memo), tiny < 0);
    EXPECT_EQ(prj.LLToXYKept({0, 0}, pointMemo, 0), tiny < 0);
  }
}

// A point projected for the first time is tried with its earth coordinates
// made in doubles alone, which lie further from the extended ones than their
// nearest doubles do: a pixel a hair off half a pixel (nearer than doubles
// can tell) must still be the one extended precision gives.
TEST(SphereKept, APointFirstTriedInDoublesAHairOffHalfAPixelFollowsExtendedPrecision) {
  test::FakeProjectionHost host;
  host.clip = {0, 0, 3000, 3000};
  TSphericalPrj prj(host);
  std::mt19937 random(29);
  std::uniform_int_distribution<GlobeUnit> lon(-GU_90 / 10 * 9, GU_90 / 10 * 9);
  std::uniform_int_distribution<GlobeUnit> lat(-GU_90 / 10 * 8, GU_90 / 10 * 8);
  const long double r = EARTH_RADIUS;
  int wrongInDoubles = 0;
  for (int i = 0; i < 2000; ++i) {
    const TLLPoint p{lon(random), lat(random)};
    long double sinLon, cosLon, sinLat, cosLat;
    SinCos(p.X * RADIANS_PER_GU, sinLon, cosLon);
    SinCos(p.Y * RADIANS_PER_GU, sinLat, cosLat);
    const long double x = r * cosLat * cosLon;  // in front: the depth is -x / r
    const long double offset = 1000.5L + (i % 2 ? 0x1p-44L : -0x1p-44L);
    prj.SetViewMatrix({offset / x, 0, 0, 0, 0, 0, -1.0L / r, 0, 0});
    TLLPoint expected;
    ASSERT_TRUE(PlainLLToXY(prj, p.X, p.Y, expected));
    TPointMemo memo;
    ASSERT_TRUE(prj.LLToXYKept(p, memo, 0)) << i;
    ASSERT_EQ(prj.Point(0), expected) << i;
    ASSERT_TRUE(prj.LLToXYKept(p, memo, 0)) << i;  // and from what it kept
    ASSERT_EQ(prj.Point(0), expected) << i;
    // What doubles alone would round to.
    const double angleLon = p.X * static_cast<double>(RADIANS_PER_GU);
    const double angleLat = p.Y * static_cast<double>(RADIANS_PER_GU);
    const double inDoubles = static_cast<double>(r) * std::cos(angleLat) * std::cos(angleLon) *
                             static_cast<double>(offset / x);
    wrongInDoubles += std::llrint(inDoubles) != std::llrint(offset);
  }
  EXPECT_GT(wrongInDoubles, 100);  // the trap is real
}

}  // namespace
}  // namespace meridex

namespace meridex {
namespace {

// The cache's earth points, as comparable triples.
std::vector<std::array<std::int32_t, 3>> CachePoints(const TProjectionCache& cache) {
  std::vector<std::array<std::int32_t, 3>> out;
  const TWorld3DPrjData& d = *cache.Decimated;
  for (std::int32_t i = 0; i < d.Count; ++i) {
    const T3DPoint& q = d.Points[static_cast<std::size_t>(i)];
    out.push_back({q.X, q.Y, q.Z});
  }
  return out;
}

// A zoom keeps every vertex's earth coordinates and only picks the vertices
// again: the cache after any chain of zooms (and moved vertices), and the pixels projected from
// it, are those of a cache made afresh at the last scale. The walk spans many
// picking blocks, doubles back, repeats vertices and often lies exactly one
// pixel step from the last vertex kept.
TEST(SphereCache, AZoomRepicksExactlyWhatAFreshCacheWouldHold) {
  test::FakeProjectionHost keptHost, freshHost;  // each with its own point buffer
  TSphericalPrj kept(keptHost), fresh(freshHost);
  std::mt19937 random(5);
  std::uniform_int_distribution<GlobeUnit> walk(-40, 40);  // steps of 1,000 units
  TLLPointList list;
  TLLPoint p{-300000000, 100000000};
  for (int i = 0; i < 5000; ++i) {
    if (i % 700 != 0)
      p = {p.X + 1000 * walk(random), std::clamp(p.Y + 1000 * walk(random), -GU_90, GU_90)};
    list.Add(p);
  }
  TProjectionCache cache;
  for (const long double pixelsPerUnit :
       {1.0L / 2000, 1.0L / 150000, 1.0L / 7000, 1.0L / 40000, 2.0L}) {
    for (TSphericalPrj* prj : {&kept, &fresh}) {
      prj->CenterX = 512;
      prj->CenterY = 384;
      prj->SetView(0, -300000000, pixelsPerUnit, 0);
    }
    // Vertices moved along their meridian or parallel keep one coordinate:
    // their kept earth points must not be taken for theirs.
    TLLPoint* moved = list.MutablePoints();
    for (std::int32_t i = 0; i < list.Count(); i += 97) moved[i].Y = moved[i].Y / 2;
    for (std::int32_t i = 50; i < list.Count(); i += 89) moved[i].X = moved[i].X / 3;
    cache.Discard();  // what an object does after a zoom or a change of its points
    const int n = kept.ProjectPointList(list, cache);
    TProjectionCache made;
    ASSERT_EQ(fresh.ProjectPointList(list, made), n);
    EXPECT_EQ(CachePoints(cache), CachePoints(made)) << 1 / pixelsPerUnit;
    for (int i = 0; i < n; ++i) ASSERT_EQ(kept.Point(i), fresh.Point(i)) << i;
    // A plain loop: one vertex per pixel step, its earth point computed afresh.
    const std::int64_t upp = kept.UnitsPerPixel;
    TLLPoint last{INT32_MAX, INT32_MAX};
    std::vector<std::array<std::int32_t, 3>> expected;
    for (std::int32_t i = 0; i < list.Count(); ++i) {
      const TLLPoint q = list.Points()[i];
      if (upp <= 1 || std::llabs(std::int64_t{last.X} - q.X) >= upp ||
          std::llabs(std::int64_t{last.Y} - q.Y) >= upp) {
        last = q;
        long double sinLon, cosLon, sinLat, cosLat;
        SinCos(q.X * RADIANS_PER_GU, sinLon, cosLon);
        SinCos(q.Y * RADIANS_PER_GU, sinLat, cosLat);
        const long double r = EARTH_RADIUS;
        expected.push_back(
            {Round32(r * cosLat * cosLon), Round32(r * sinLat), Round32(r * cosLat * sinLon)});
      }
    }
    ASSERT_EQ(cache.Decimated->Count, static_cast<std::int32_t>(expected.size()));
    EXPECT_EQ(CachePoints(cache), expected) << 1 / pixelsPerUnit;
  }
}

}  // namespace
}  // namespace meridex
