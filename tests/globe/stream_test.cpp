#include <gtest/gtest.h>

#include <vector>

#include "globe/globe_exception.h"
#include "globe/globe_stream.h"

namespace meridex {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(GlobeStream, ScaledPointsAreWholeArcMinutes) {
  const Bytes data{0xFF, 0xFF, 0x02, 0x00};
  TGlobeReader reader(data, {LAYER_VERSION_210, 90000, 0});
  EXPECT_EQ(reader.ReadLLPoint(), (TLLPoint{-90000, 180000}));
  EXPECT_TRUE(reader.AtEnd());

  TGlobeWriter writer({LAYER_VERSION_220, 90000, 0});
  writer.WriteLLPoint({-179999, 180000});  // divided toward zero: -1, 2
  EXPECT_EQ(writer.Bytes(), data);
}

TEST(GlobeStream, ScaledValuesBeyondThirtyTwoBitsWrap) {
  const Bytes data{0xFF, 0x7F, 0x00, 0x80};
  TGlobeReader reader(data, {LAYER_VERSION_210, 90000, 0});
  // 32,767 x 90,000 = 2,949,030,000 and -32,768 x 90,000 both wrap.
  EXPECT_EQ(reader.ReadLLPoint(), (TLLPoint{-1345937296, 1345847296}));
}

TEST(GlobeStream, UnscaledPointsAndIntegersAreLittleEndian) {
  TGlobeWriter writer;
  writer.WriteLLPoint({-2, 0x01020304});
  writer.WriteSmallInt(-3);
  writer.WriteShortString("abc");
  const Bytes expected{0xFE, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02,
                       0x01, 0xFD, 0xFF, 3,    'a',  'b',  'c'};
  EXPECT_EQ(writer.Bytes(), expected);

  TGlobeReader reader(expected);
  EXPECT_EQ(reader.ReadLLPoint(), (TLLPoint{-2, 0x01020304}));
  EXPECT_EQ(reader.ReadSmallInt(), -3);
  EXPECT_EQ(reader.ReadShortString(), "abc");
  EXPECT_TRUE(reader.AtEnd());
}

TEST(GlobeStream, ReadingPastTheEndThrowsAndMovesNothing) {
  const Bytes data{5, 'a', 'b', 0x01};
  TGlobeReader reader(data);
  EXPECT_THROW(reader.ReadShortString(), EGlobeEndOfData);  // says 5, has 3
  const Bytes three{1, 2, 3};
  TGlobeReader ints(three);
  EXPECT_THROW(ints.ReadInteger(), EGlobeEndOfData);
  EXPECT_EQ(ints.Position(), 0u);
  EXPECT_EQ(ints.ReadWord(), 0x0201);
  EXPECT_THROW(ints.ReadWord(), EGlobeEndOfData);
  EXPECT_EQ(ints.ReadByte(), 3);
  EXPECT_THROW(ints.ReadByte(), EGlobeEndOfData);
}

TEST(GlobeStream, LongTextsAreCut) {
  TGlobeWriter writer;
  writer.WriteShortString(std::string(70, 'x'), 64);
  EXPECT_EQ(writer.Bytes().size(), 65u);
  EXPECT_EQ(writer.Bytes()[0], 64);
}

}  // namespace
}  // namespace meridex
