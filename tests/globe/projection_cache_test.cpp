// What objects keep of their projections across zooms must give exactly
// what projecting them afresh gives.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "globe/mercator_prj.h"
#include "globe/spherical_prj.h"
#include "projection_host.h"

namespace meridex {
namespace {

// Coastline-like walks all over the earth, with repeated and far-apart
// vertices among them.
TLLPointList Walks(unsigned seed, int count) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<GlobeUnit> lon(-GU_180, GU_180), lat(-480000000, 480000000);
  std::uniform_int_distribution<GlobeUnit> step(-400000, 400000);
  TLLPointList list;
  TLLPoint p{0, 0};
  for (int i = 0; i < count; ++i) {
    if (i % 500 == 0) p = {lon(random), lat(random)};
    if (i % 7 != 0)
      p = {std::clamp(p.X + step(random), -GU_180, GU_180),
           std::clamp(p.Y + step(random), -GU_90, GU_90)};
    list.Add(p);
  }
  return list;
}

std::vector<TLLPoint> Project(TPrjModel& prj, const TLLPointList& list, TProjectionCache& cache) {
  const int n = prj.ProjectPointList(list, cache);
  return {prj.Buffers().Points.begin(), prj.Buffers().Points.begin() + n};
}

template <class Model>
void ExpectKeptCachesChangeNothing() {
  test::FakeProjectionHost host;
  Model prj(host);
  prj.CenterX = 512;
  prj.CenterY = 384;
  TLLPointList list = Walks(11, 20000);
  TProjectionCache kept;
  std::mt19937 random(5);
  std::uniform_int_distribution<GlobeUnit> turn(-GU_90, GU_90);
  for (long double scale : {2e-7L, 3e-6L, 5e-7L, 4e-5L, 1e-6L, 2e-7L}) {
    prj.SetView(turn(random), 2 * turn(random), scale, 0);
    kept.Discard();  // a zoom: the extent is recomputed, the vertices picked again
    TProjectionCache fresh;
    ASSERT_EQ(Project(prj, list, kept), Project(prj, list, fresh)) << static_cast<double>(scale);
  }
  // A vertex that moved is computed afresh, also when the count stays.
  list.Set(100, {list.Get(100).X + 20000000, list.Get(100).Y - 15000000});
  list.Set(101, list.Get(100));
  kept.Discard();
  TProjectionCache fresh;
  EXPECT_EQ(Project(prj, list, kept), Project(prj, list, fresh));
  list.Add({1, 2});
  kept.Discard();
  TProjectionCache again;
  EXPECT_EQ(Project(prj, list, kept), Project(prj, list, again));
}

TEST(ProjectionCache, SphereAfterAZoomIsPointForPointAsIfNew) {
  ExpectKeptCachesChangeNothing<TSphericalPrj>();
}

TEST(ProjectionCache, MercatorHeightsKeptAreThoseOfLLToXY) {
  ExpectKeptCachesChangeNothing<TMercatorPrj>();
  // And the kept heights give what LLToXY gives, point by point.
  test::FakeProjectionHost host;
  TMercatorPrj prj(host);
  prj.SetView(0, 0, 1e-5L, 0);
  prj.CenterX = 300;
  prj.CenterY = 200;
  const TLLPointList list = Walks(3, 5000);
  TProjectionCache cache;
  const std::vector<TLLPoint> listed = Project(prj, list, cache);
  std::vector<TLLPoint> single;
  TLLPoint last{INT32_MAX, INT32_MAX};
  const std::int64_t upp = prj.UnitsPerPixel;
  for (std::int32_t i = 0; i < list.Count(); ++i) {
    const TLLPoint p = list.Get(i);
    if (upp > 1 && std::llabs(std::int64_t{last.X} - p.X) < upp &&
        std::llabs(std::int64_t{last.Y} - p.Y) < upp)
      continue;
    last = p;
    if (prj.LLToXY(p.X, p.Y, 0)) single.push_back(prj.Point(0));
  }
  EXPECT_EQ(listed, single);
  EXPECT_GT(listed.size(), 1000u);
}

}  // namespace
}  // namespace meridex
