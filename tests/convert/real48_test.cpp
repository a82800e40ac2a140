#include "convert/real48.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace meridex {
namespace {

using Bytes = Real48::Bytes;

TEST(Real48, LaysOutExponentFractionAndSign) {
  EXPECT_EQ(Real48::FromExtended(1.0L).bytes(), (Bytes{0x81, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Real48::FromExtended(-1.5L).bytes(), (Bytes{0x81, 0, 0, 0, 0, 0xC0}));
  EXPECT_EQ(Real48::FromExtended(0.0L).bytes(), (Bytes{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Real48::FromExtended(-0.0L).bytes(), (Bytes{0, 0, 0, 0, 0, 0}));
  // 10 = 1.25 * 2^3: exponent 132, fraction .01 in the top fraction bits.
  EXPECT_EQ(Real48::FromExtended(10.0L).bytes(), (Bytes{0x84, 0, 0, 0, 0, 0x20}));
  EXPECT_EQ(Real48::FromBytes(Bytes{0x84, 0, 0, 0, 0, 0xA0}).ToExtended(), -10.0L);
  EXPECT_EQ(Real48::FromBytes(Bytes{0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}).ToExtended(), 0.0L);
}

TEST(Real48, RoundsToFortyBitsHalfAwayFromZero) {
  const long double one = 1.0L;
  // The last kept bit of 1.x is 2^-39; 2^-40 is the first dropped one.
  EXPECT_EQ(StoreReal48(one + 0x1p-40L), 0x1.0000000002p+0L);
  EXPECT_EQ(StoreReal48(-(one + 0x1p-40L)), -0x1.0000000002p+0L);
  EXPECT_EQ(StoreReal48(one + 0x1p-41L), one);
  EXPECT_EQ(StoreReal48(one + 0x1p-40L - 0x1p-63L), one);
  EXPECT_EQ(StoreReal48(one + 0x3p-40L), 0x1.0000000004p+0L);  // 1.1 binary tie goes up too
  // Rounding up out of the significand moves to the next power of two.
  EXPECT_EQ(StoreReal48(2.0L - 0x1p-41L), 2.0L);
  EXPECT_EQ(StoreReal48(0x1.fffffffffep+0L), 0x1.fffffffffep+0L);
}

TEST(Real48, StoresOneThousandthJustBelowTheExtendedValue) {
  const long double stored = StoreReal48(0.001L);
  EXPECT_EQ(stored, 0x1.0624dd2f1ap-10L);
  EXPECT_LT(stored, 0.001L);
}

TEST(Real48, FlushesTinyMagnitudesToZero) {
  const long double smallest = 0x1p-128L;
  EXPECT_EQ(StoreReal48(smallest), smallest);
  EXPECT_EQ(StoreReal48(-smallest), -smallest);
  EXPECT_EQ(StoreReal48(std::nextafter(smallest, 0.0L)), 0.0L);
  EXPECT_EQ(StoreReal48(-1E-39L), 0.0L);
  EXPECT_EQ(StoreReal48(std::numeric_limits<long double>::denorm_min()), 0.0L);
}

TEST(Real48, RaisesOverflowFromTwoToThe127) {
  const long double largest = 0x1.fffffffffep+126L;
  EXPECT_EQ(StoreReal48(largest), largest);
  EXPECT_EQ(StoreReal48(-largest), -largest);
  // Half a unit above the largest value rounds to 2^127.
  EXPECT_THROW(StoreReal48(0x1.ffffffffffp+126L), FloatOverflow);
  EXPECT_EQ(StoreReal48(0x1.fffffffffefp+126L), largest);
  EXPECT_THROW(StoreReal48(0x1p+127L), FloatOverflow);
  EXPECT_THROW(StoreReal48(-1E39L), FloatOverflow);
  EXPECT_THROW(StoreReal48(std::numeric_limits<long double>::infinity()), FloatOverflow);
  EXPECT_THROW(StoreReal48(std::numeric_limits<long double>::quiet_NaN()), FloatOverflow);
  try {
    StoreReal48(1E38L * 1000);
    ADD_FAILURE() << "no overflow";
  } catch (const FloatOverflow& e) {
    EXPECT_STREQ(e.what(), "Floating point overflow");
  }
}

}  // namespace
}  // namespace meridex
