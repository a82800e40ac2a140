#include <gtest/gtest.h>

#include "globe/globe_exception.h"
#include "globe/globe_units.h"
#include "globe/lat_long_text.h"

namespace meridex {
namespace {

TEST(GlobeUnits, IntoTheEngineUsesTheStoredFactors) {
  EXPECT_EQ(UnitsToGlobeUnits(1, TGlobeUnits::Degree), 5400000);
  EXPECT_EQ(UnitsToGlobeUnits(1, TGlobeUnits::NauticalMile), 90000);
  EXPECT_EQ(UnitsToGlobeUnits(1, TGlobeUnits::Kilometer), 48596);
  EXPECT_EQ(UnitsToGlobeUnits(1, TGlobeUnits::Mile), 78158);
  EXPECT_EQ(UnitsToGlobeUnits(10, TGlobeUnits::Foot), 148);
  EXPECT_EQ(UnitsToGlobeUnits(3, TGlobeUnits::Inch), 4);
  EXPECT_EQ(UnitsToGlobeUnits(100, TGlobeUnits::Meter), 4860);
  EXPECT_EQ(UnitsToGlobeUnits(-7, TGlobeUnits::GlobeUnit), -7);
}

TEST(GlobeUnits, OnlyTheLowSevenBitsSelectTheUnit) {
  EXPECT_EQ(UnitsToGlobeUnits(1, static_cast<TGlobeUnits>(0x86)), 48596);
  EXPECT_EQ(UnitsToStr(static_cast<TGlobeUnits>(0x87)), "M");
  std::string text = "keep";
  UnitsToStr(static_cast<TGlobeUnits>(10), text);
  EXPECT_EQ(text, "keep");
}

TEST(GlobeUnits, ExactMultipliesWrapLikeThirtyTwoBitIntegers) {
  // 400 degrees do not fit: 2,160,000,000 - 2^32.
  EXPECT_EQ(UnitsToGlobeUnits(400, TGlobeUnits::Degree), -2134967296);
}

TEST(GlobeUnits, OutOfTheEngineRoundsToWholeUnits) {
  EXPECT_EQ(GlobeUnitsToUnits(90000, TGlobeUnits::Kilometer), 2);  // 1.852 km
  EXPECT_EQ(GlobeUnitsToUnits(5400000, TGlobeUnits::Degree), 1);
  EXPECT_EQ(GlobeUnitsToUnits(5400000, TGlobeUnits::NauticalMile), 60);
  EXPECT_EQ(GlobeUnitsToUnits(1000000, TGlobeUnits::Meter), 20578);  // 20,577.78
  EXPECT_EQ(GlobeUnitsToUnits(-1000000, TGlobeUnits::Meter), -20578);
  EXPECT_EQ(GlobeUnitsToUnits(123, TGlobeUnits::GlobeUnit), 123);
}

TEST(GlobeUnits, AbbreviationsIgnoreCaseAndUnknownOnesAreReported) {
  EXPECT_EQ(StrToUnits("km"), TGlobeUnits::Kilometer);
  EXPECT_EQ(StrToUnits("mi"), TGlobeUnits::Mile);
  EXPECT_EQ(StrToUnits("Nm"), TGlobeUnits::NauticalMile);
  EXPECT_EQ(StrToUnits("M"), TGlobeUnits::Meter);
  EXPECT_EQ(StrToUnits("gu"), TGlobeUnits::GlobeUnit);
  EXPECT_EQ(UnitsToStr(TGlobeUnits::Mile), "MI");
  try {
    StrToUnits("X");
    FAIL() << "no exception";
  } catch (const EGlobeException& e) {
    EXPECT_STREQ(e.what(), "StrToUnits: Unknown Units X");
  }
  EXPECT_THROW(StrToUnits("KMS"), EGlobeException);
  EXPECT_THROW(StrToUnits(""), EGlobeException);
}

TEST(GlobeUnits, AngleHelpers) {
  EXPECT_EQ(RadToGlobeUnits(1.0L), 309397209);
  EXPECT_EQ(RadToGlobeUnits(-0.5L), -154698605);
  EXPECT_EQ(Hypot(0, 0), 0.0L);
  EXPECT_EQ(Hypot(3, -4), 5.0L);
  EXPECT_EQ(Hypot(-4, 3), 5.0L);
  EXPECT_NEAR(static_cast<double>(ArcSin(0.5L)), 0.5235987755982988, 1e-15);
  EXPECT_NEAR(static_cast<double>(ArcSin(1.0L)), 1.5707963267948966, 1e-15);
  // Ties go to the even integer.
  EXPECT_EQ(Round32(2.5L), 2);
  EXPECT_EQ(Round32(3.5L), 4);
  EXPECT_EQ(Round32(-2.5L), -2);
}

TEST(FormatLatLong, WorldViewFormatsAndAllCodes) {
  EXPECT_EQ(FormatLatLong(-1237500, "%d.%m%N"), "0.13S");
  EXPECT_EQ(FormatLatLong(-1237500, "%D %M %S %E"), "0 13 45 W");
  EXPECT_EQ(FormatLatLong(0, "%N%E"), "NE");
  // 1 degree 2' 3" and 4/6 s plus 17 GlobeUnits.
  EXPECT_EQ(FormatLatLong(5585517, "%dd%m'%s\"%t %u %n %e"), "1d02'03\"04 17 N E");
  EXPECT_EQ(FormatLatLong(-5585517, "%D %M %S %T %U %E"), "1 02 03 04 17 W");
  EXPECT_EQ(FormatLatLong(27900000, "%d.%m%N"), "5.10N");
  EXPECT_EQ(FormatLatLong(5400249, "%u"), "249");
  EXPECT_EQ(FormatLatLong(972000000, "%d"), "180");
}

TEST(FormatLatLong, OtherCodesAreCopiedAndATrailingPercentIsDropped) {
  EXPECT_EQ(FormatLatLong(0, "100%%"), "100%");
  EXPECT_EQ(FormatLatLong(0, "%x"), "X");
  EXPECT_EQ(FormatLatLong(5400000, "%d%"), "1");
  EXPECT_EQ(FormatLatLong(5400000, ""), "");
}

}  // namespace
}  // namespace meridex
