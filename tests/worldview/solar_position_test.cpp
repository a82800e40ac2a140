// The sun against published values (not values of this code): the sub-solar
// point at a solstice, the declination at an equinox, and a textbook example.
#include "worldview/solar_position.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/fake_clock.h"
#include "worldview/night_side.h"

namespace meridex {
namespace {

using test::Utc;

constexpr double kTolerance = 0.1;  // degrees

double Dms(int d, int m, double s = 0) { return d + m / 60.0 + s / 3600.0; }

TEST(SubSolarPoint, AtTheJuneSolsticeOf2023) {
  // The 2023 June solstice, 2023-06-21 14:58 UTC, with the sun overhead at
  // 23 deg 26 min N, 44 deg 03 min W (Fourmilab's Earth and Moon Viewer for
  // that instant, as published with the solstice by Earth and Space News,
  // June 2023).
  const SubSolarPoint sun = SubSolarPointAt(Utc(2023, 6, 21, 14, 58));
  EXPECT_NEAR(sun.latitude, Dms(23, 26), kTolerance);
  EXPECT_NEAR(sun.longitude, -Dms(44, 3), kTolerance);
}

TEST(SubSolarPoint, AtTheMarchEquinoxOf2019TheSunIsOverTheEquator) {
  // The sun's declination passed through zero at 2019-03-20 21:57:47 UTC
  // (JPL DE431, P. Hirose on NavList, March 2019); the equinox itself was
  // 21:58 UTC. A minute either side it moves by 0.0003 degree.
  EXPECT_NEAR(SubSolarPointAt(Utc(2019, 3, 20, 21, 57, 47)).latitude, 0, kTolerance);
  EXPECT_NEAR(SunAt(Utc(2019, 3, 20, 21, 58)).declination, 0, 0.01);
  // A quarter of a year later it is near the tropic, not near the equator:
  // the one-line approximations of the declination are off by degrees.
  EXPECT_GT(SunAt(Utc(2019, 6, 21, 16, 0)).declination, 23.4);
}

TEST(SolarPosition, TheTextbookExampleOf1992October13) {
  // Meeus, Astronomical Algorithms (2nd ed.), examples 25.a and 28.b, for
  // 1992 October 13.0 TD: apparent declination -7 deg 47 min 06 s, equation
  // of time +13 min 42.6 s.
  const SolarPosition sun = SunAt(Utc(1992, 10, 13, 0, 0));
  EXPECT_NEAR(sun.declination, -Dms(7, 47, 6), 0.01);
  EXPECT_NEAR(sun.equationOfTime, 13 + 42.6 / 60, 0.1);  // minutes: 0.025 degree
  // At midnight the sun stands over the antimeridian, less the equation.
  EXPECT_NEAR(SubSolarPointAt(Utc(1992, 10, 13)).longitude, 180 - (13 + 42.6 / 60) / 4, kTolerance);
}

TEST(SolarAltitude, IsNinetyUnderTheSunAndNegativeOnTheFarSide) {
  const SubSolarPoint sun{23.44, -44.05};
  EXPECT_NEAR(SolarAltitude(sun, 23.44, -44.05), 90, 1e-6);
  EXPECT_NEAR(SolarAltitude(sun, -23.44, 135.95), -90, 1e-6);
  // At the pole the sun stands as high as the declination.
  EXPECT_NEAR(SolarAltitude(sun, 90, 0), 23.44, 1e-6);
  EXPECT_EQ(DaylightAt(10), Daylight::Day);
  EXPECT_EQ(DaylightAt(-0.5), Daylight::Day);  // the upper edge still shows
  EXPECT_EQ(DaylightAt(-3), Daylight::Twilight);
  EXPECT_EQ(DaylightAt(-6.5), Daylight::Night);
}

TEST(NightSide, IsClearByDayDarkAtNightAndDarkensSteadilyThroughTwilight) {
  const TNightSide night(SubSolarPoint{0, 0});
  // Along the equator the sun's altitude is 90 degrees less the longitude.
  EXPECT_EQ(night.Darkness(0, 0), 0);
  EXPECT_EQ(night.Darkness(0, 90), 0);     // sunset: altitude 0
  EXPECT_EQ(night.Darkness(0, 102.5), 1);  // 12.5 degrees below
  EXPECT_EQ(night.Darkness(0, 180), 1);
  double last = 0;
  for (double lon = 90.9; lon < 102; lon += 0.5) {
    const double d = night.Darkness(0, lon);
    EXPECT_GT(d, last) << lon;
    EXPECT_LT(d, 1) << lon;
    last = d;
  }
}

TEST(NightSide, ShadesAViewAndCarriesTheShadeOverTheMapsEdge) {
  // A view of 8 x 2 samples of 4 pixels: the left half is day, the right
  // half night; the last column lies off the map.
  const TNightSide night(SubSolarPoint{0, 0});
  const TNightShade shade = ShadeView(
      night, 32, 8, 4,
      [](int x, int, double& lat, double& lon) {
        lat = 0;
        lon = x < 16 ? 0 : 180;
        return x < 28;
      },
      200);
  ASSERT_EQ(shade.columns, 8);
  ASSERT_EQ(shade.rows, 2);
  const std::vector<std::uint8_t> row(shade.alpha.begin(), shade.alpha.begin() + 8);
  EXPECT_EQ(row, (std::vector<std::uint8_t>{0, 0, 0, 0, 200, 200, 200, 200}));
  // A partial square still gets its sample.
  EXPECT_EQ(ShadeView(
                night, 5, 5, 4, [](int, int, double&, double&) { return false; }, 200)
                .columns,
            2);
}

}  // namespace
}  // namespace meridex
