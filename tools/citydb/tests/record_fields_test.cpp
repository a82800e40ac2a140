#include "record_fields.h"

#include <gtest/gtest.h>

namespace meridex::citydb {
namespace {

TEST(CoordinateTexts, DegreesAndTruncatedMinutesWithTheHemisphere) {
  EXPECT_EQ(LongitudeText(151.2073), "151.12E");  // 12.44'
  EXPECT_EQ(LatitudeText(-33.8678), "33.52S");    // 52.07'
  EXPECT_EQ(LongitudeText(-0.1257), "0.07W");     // 7.54' is cut, not rounded
  EXPECT_EQ(LatitudeText(51.5085), "51.30N");
  EXPECT_EQ(LongitudeText(12.5), "12.30E");
  EXPECT_EQ(LatitudeText(45.0 + 7.0 / 60), "45.07N");
  EXPECT_EQ(LatitudeText(45.0 + 6.99 / 60), "45.06N");
}

TEST(CoordinateTexts, ZeroAndTheExtremesFitTheFields) {
  EXPECT_EQ(LongitudeText(0), "0.00E");
  EXPECT_EQ(LatitudeText(0), "0.00N");
  EXPECT_EQ(LongitudeText(-180), "180.00W");  // 7 characters, the field's maximum
  EXPECT_EQ(LatitudeText(-90), "90.00S");     // 6 characters
  EXPECT_EQ(LatitudeText(89.99999), "89.59N");
}

TEST(EncodeUtcOffset, HoursBelowTheOffsetModulo24PlusMinutes) {
  EXPECT_EQ(EncodeUtcOffset(0), (EncodedOffset{0, 0}));
  EXPECT_EQ(EncodeUtcOffset(-60), (EncodedOffset{23, 0}));
  EXPECT_EQ(EncodeUtcOffset(-210), (EncodedOffset{20, 30}));  // UTC-3:30
  EXPECT_EQ(EncodeUtcOffset(-570), (EncodedOffset{14, 30}));  // UTC-9:30
  EXPECT_EQ(EncodeUtcOffset(-600), (EncodedOffset{14, 0}));   // UTC-10
  EXPECT_EQ(EncodeUtcOffset(345), (EncodedOffset{5, 45}));    // UTC+5:45
  EXPECT_EQ(EncodeUtcOffset(765), (EncodedOffset{12, 45}));   // UTC+12:45
  EXPECT_EQ(EncodeUtcOffset(780), (EncodedOffset{13, 0}));    // UTC+13
}

TEST(UtcOffsetText, SignHoursAndMinutes) {
  EXPECT_EQ(UtcOffsetText(0), "UTC");
  EXPECT_EQ(UtcOffsetText(-210), "UTC-3:30");
  EXPECT_EQ(UtcOffsetText(345), "UTC+5:45");
  EXPECT_EQ(UtcOffsetText(-660), "UTC-11");
}

}  // namespace
}  // namespace meridex::citydb
