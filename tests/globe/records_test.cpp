#include <gtest/gtest.h>

#include "byte_builder.h"
#include "globe/globe_exception.h"
#include "globe/globe_grid.h"
#include "globe/globe_poly_line.h"
#include "globe/globe_text.h"
#include "test_globe.h"

namespace meridex {
namespace {

using test::ByteBuilder;
using Bytes = std::vector<std::uint8_t>;

constexpr TLoadState kNew{LAYER_VERSION_220, 1, 0};
constexpr TLoadState kNewScaled{LAYER_VERSION_220, 90000, 0};

Bytes Write(const TLLPointList& list, TLoadState state = kNew) {
  TGlobeWriter writer(state);
  list.WriteToStream(writer);
  return writer.Take();
}

TLLPointList Read(const Bytes& bytes, TLoadState state = kNew, TLLPoint first = {}) {
  TGlobeReader reader(bytes, state);
  TLLPointList list;
  list.ReadFromStream(reader, first);
  EXPECT_TRUE(reader.AtEnd());
  return list;
}

TLLPointList ListOf(std::initializer_list<TLLPoint> points) {
  TLLPointList list;
  for (TLLPoint p : points) list.Add(p);
  return list;
}

std::vector<TLLPoint> PointsOf(const TLLPointList& list) {
  return {list.Points(), list.Points() + list.Count()};
}

TEST(PointListRecord, RepeatedVertexGoesThroughAnEscape) {
  const TLLPointList list = ListOf({{100, 200}, {100, 200}, {110, 190}});
  const Bytes expected = ByteBuilder()
                             .u8(1)
                             .i16(3)
                             .u8(1)  // version, count, 8-bit deltas
                             .i32(100)
                             .i32(200)  // first vertex
                             .u8(0)
                             .u8(0)
                             .i32(100)
                             .i32(200)  // escape and absolute
                             .u8(10)
                             .u8(0xF6)  // +10, -10
                             .bytes;
  EXPECT_EQ(Write(list), expected);
  EXPECT_EQ(PointsOf(Read(expected)), PointsOf(list));
}

TEST(PointListRecord, WriterPicksTheSmallestMode) {
  // Steps of 1,000: too far for bytes, fine for words.
  const Bytes words =
      ByteBuilder().u8(1).i16(3).u8(2).i32(0).i32(0).i16(1000).i16(0).i16(1000).i16(0).bytes;
  EXPECT_EQ(Write(ListOf({{0, 0}, {1000, 0}, {2000, 0}})), words);
  // Every step far away: absolute vertices are the smallest.
  TLLPointList far;
  for (int i = 0; i < 5; ++i) far.Add({i * 1000000, 0});
  const Bytes absolute = Write(far);
  EXPECT_EQ(absolute[3], 0);
  EXPECT_EQ(absolute.size(), 4u + 5 * 8);
  EXPECT_EQ(PointsOf(Read(absolute)), PointsOf(far));
}

TEST(PointListRecord, ScaledListsRoundTripToTheArcMinute) {
  // Mode 1 in arc minutes, with an escape.
  const TLLPointList small = ListOf({{90000, -180000}, {180000, -180000}, {180000, -180000}});
  const Bytes bytes = Write(small, kNewScaled);
  const Bytes expected =
      ByteBuilder().u8(1).i16(3).u8(1).i16(1).i16(-2).u8(1).u8(0).u8(0).u8(0).i16(2).i16(-2).bytes;
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(PointsOf(Read(bytes, kNewScaled)), PointsOf(small));
  // Mode 2: deltas of 200 arc minutes, read back in arc minutes too.
  const TLLPointList wide = ListOf({{0, 0}, {18000000, 0}, {36000000, 90000}});
  const Bytes wideBytes = Write(wide, kNewScaled);
  EXPECT_EQ(wideBytes[3], 2);
  EXPECT_EQ(PointsOf(Read(wideBytes, kNewScaled)), PointsOf(wide));
}

TEST(PointListRecord, OlderFilesStartAtTheObjectsLocation) {
  const Bytes bytes = ByteBuilder().i16(2).u8(0).i16(3).i16(-4).bytes;  // no version, no first
  const TLLPointList list = Read(bytes, {LAYER_VERSION_210, 90000, 0}, {90000, 90000});
  EXPECT_EQ(PointsOf(list), (std::vector<TLLPoint>{{90000, 90000}, {270000, -360000}}));
}

TEST(PointListRecord, EmptyListStaysEmpty) {
  const Bytes bytes = ByteBuilder().u8(1).i16(0).u8(1).i32(5).i32(6).bytes;
  EXPECT_EQ(Read(bytes).Count(), 0);
  // The writer keeps the record's shape: a (0, 0) first vertex.
  EXPECT_EQ(Write(TLLPointList()), ByteBuilder().u8(1).i16(0).u8(1).i32(0).i32(0).bytes);
}

TEST(PointListRecord, BadModesAndCountsStopCleanly) {
  TLLPointList list;
  const Bytes mode7 = ByteBuilder().u8(1).i16(2).u8(7).i32(0).i32(0).bytes;
  TGlobeReader reader(mode7, kNew);
  try {
    list.ReadFromStream(reader, {});
    FAIL();
  } catch (const EGlobeDataError& e) {
    EXPECT_STREQ(e.what(), "Unknown point list mode 7");
  }
  // 65,535 points promised, one vertex's worth of data: nothing is allocated.
  const Bytes promise = ByteBuilder().u8(1).i16(0xFFFF).u8(0).i32(0).i32(0).i32(1).i32(1).bytes;
  TGlobeReader short_(promise, kNew);
  EXPECT_THROW(list.ReadFromStream(short_, {}), EGlobeEndOfData);
  EXPECT_EQ(list.Capacity(), 0);
  // Escapes are larger than the minimum: the data can still end inside.
  const Bytes cut = ByteBuilder().u8(1).i16(3).u8(1).i32(0).i32(0).u8(0).u8(0).i32(1).bytes;
  TGlobeReader cutReader(cut, kNew);
  EXPECT_THROW(list.ReadFromStream(cutReader, {}), EGlobeEndOfData);
}

TEST(PointListRecord, TooLongListsAreRefusedByTheWriter) {
  TLLPointList list;
  list.SetCount(65536);
  TGlobeWriter writer(kNew);
  EXPECT_THROW(list.WriteToStream(writer), EGlobeException);
}

// --- every class through write and read

class RecordRoundTrip : public ::testing::TestWithParam<std::int32_t> {
 protected:
  template <class T>
  T* ReadBack(const T& original) {
    const TLoadState state{LAYER_VERSION_220, GetParam(), original.DataVersion()};
    TGlobeWriter writer(state);
    original.WriteToStream(writer);
    const Bytes bytes = writer.Take();
    TGlobeReader reader(bytes, state);
    T* copy = CreateIn<T>(target);
    copy->ReadFromStream(reader);
    EXPECT_TRUE(reader.AtEnd());
    return copy;
  }
  test::TestGlobe globe;
  TGlobeLayer& source = globe.AddLayer("source");
  TGlobeLayer& target = globe.AddLayer("target");
  // Coordinates that scaled files hold exactly (whole arc minutes).
  TLLPoint At(int a, int b) const { return {a * 90000, b * 90000}; }
  void ShareAttributes() {
    // The same attribute positions in both layers.
    for (TGlobeLayer* layer : {&source, &target}) {
      FindOrCreatePen(*layer, 0x010203, TPenStyle::psDashDot, 4);
      FindOrCreateBrush(*layer, 0x040506, TBrushStyle::bsDiagCross);
      FindOrCreateFont(*layer, "Arial", FS_ITALIC, -300, 9, TGlobeUnits::Mile, 0x070809);
      FindOrCreatePen(*layer, 0x0A0B0C, TPenStyle::psSolid, 1);
    }
  }
};

TEST_P(RecordRoundTrip, Attributes) {
  const auto* pen = FindOrCreatePen(source, 0x010203, TPenStyle::psDashDot, 4);
  const auto* penCopy = ReadBack(*pen);
  EXPECT_EQ(penCopy->Color, 0x010203u);
  EXPECT_EQ(penCopy->Style, TPenStyle::psDashDot);
  EXPECT_EQ(penCopy->Width, 4);
  const auto* brush = FindOrCreateBrush(source, 0x040506, TBrushStyle::bsDiagCross);
  const auto* brushCopy = ReadBack(*brush);
  EXPECT_EQ(brushCopy->Color, 0x040506u);
  EXPECT_EQ(brushCopy->Style, TBrushStyle::bsDiagCross);
  const auto* font = FindOrCreateFont(source, "Liberation", FS_BOLD | FS_UNDERLINE, -450, 11,
                                      TGlobeUnits::Kilometer, 0x112233);
  const auto* fontCopy = ReadBack(*font);
  EXPECT_EQ(fontCopy->Name, "Liberation");
  EXPECT_EQ(fontCopy->Style, FS_BOLD | FS_UNDERLINE);
  EXPECT_EQ(fontCopy->Angle, -450);
  EXPECT_EQ(fontCopy->Height, 11);
  EXPECT_EQ(fontCopy->Units, TGlobeUnits::Kilometer);
  EXPECT_EQ(fontCopy->UnitFactor, 48596);
  EXPECT_EQ(fontCopy->Color, 0x112233u);
}

TEST_P(RecordRoundTrip, TextsAndSymbols) {
  ShareAttributes();
  auto* text = CreateIn<TGlobePointText>(source);
  text->Title = "Lisbon";
  text->Location = At(-548, 2323);
  text->Font = static_cast<TGlobeFont*>(source.Attributes(2));
  const auto* copy = ReadBack(*text);
  EXPECT_EQ(copy->Title, "Lisbon");
  EXPECT_EQ(copy->Location, At(-548, 2323));
  EXPECT_EQ(copy->Font, target.Attributes(2));

  auto* symbol = CreateIn<TGlobeSymbol>(source);
  symbol->Title = std::string(70, 's');
  symbol->Location = At(1, -1);
  symbol->SymbolCode = 0xA9;
  symbol->Font = text->Font;
  const auto* symbolCopy = ReadBack(*symbol);
  EXPECT_EQ(symbolCopy->Title, std::string(64, 's'));
  EXPECT_EQ(symbolCopy->SymbolCode, 0xA9);
  EXPECT_EQ(symbolCopy->Location, At(1, -1));
}

TEST_P(RecordRoundTrip, LinesPolygonsAndGrids) {
  ShareAttributes();
  auto* polygon = CreateIn<TGlobePolygon>(source);
  polygon->Title = "lake";
  for (TLLPoint p : {At(0, 0), At(3, 0), At(3, 4), At(3, 4), At(-200, 4000)})
    polygon->Points.Add(p);
  polygon->Pen = static_cast<TGlobePen*>(source.Attributes(3));
  polygon->Brush = static_cast<TGlobeBrush*>(source.Attributes(1));
  const auto* copy = ReadBack(*polygon);
  EXPECT_EQ(PointsOf(copy->Points), PointsOf(polygon->Points));
  EXPECT_EQ(copy->Pen, target.Attributes(3));
  EXPECT_EQ(copy->Brush, target.Attributes(1));
  EXPECT_EQ(copy->Title, "lake");

  auto* line = CreateIn<TGlobePolyLine>(source);
  line->Points.Add(At(10, 10));
  line->Pen = polygon->Pen;
  EXPECT_EQ(PointsOf(ReadBack(*line)->Points), PointsOf(line->Points));

  auto* grid = CreateIn<TGlobeGrid>(source);
  grid->Extent = {0, 0, At(60, 0).X, At(0, 30).Y};  // the near corner is not stored
  grid->LonStep = 5400000;
  grid->LatStep = 2700000;
  grid->LonSubStep = 900000;
  grid->LatSubStep = 450000;
  grid->MajorPen = static_cast<TGlobePen*>(source.Attributes(0));
  grid->MinorPen = static_cast<TGlobePen*>(source.Attributes(3));
  const auto* gridCopy = ReadBack(*grid);
  EXPECT_EQ(gridCopy->Extent, grid->Extent);
  EXPECT_EQ(gridCopy->LonStep, 5400000);
  EXPECT_EQ(gridCopy->LatStep, 2700000);
  EXPECT_EQ(gridCopy->LonSubStep, 900000);
  EXPECT_EQ(gridCopy->LatSubStep, 450000);
  EXPECT_EQ(gridCopy->MajorPen, target.Attributes(0));
  EXPECT_EQ(gridCopy->MinorPen, target.Attributes(3));
}

INSTANTIATE_TEST_SUITE_P(BothCoordinateForms, RecordRoundTrip, ::testing::Values(1, 90000),
                         [](const auto& info) {
                           return info.param == 1 ? std::string("GlobeUnits")
                                                  : std::string("ArcMinutes");
                         });

TEST(Records, MissingAttributeIsAListIndexError) {
  test::TestGlobe globe;
  TGlobeLayer& layer = globe.AddLayer("l");
  FindOrCreatePen(layer, 0, TPenStyle::psSolid, 1);
  const Bytes bytes = ByteBuilder().str("t").i32(0).i32(0).i16(5).bytes;
  TGlobeReader reader(bytes, kNew);
  auto* text = CreateIn<TGlobeText>(layer);
  try {
    text->ReadFromStream(reader);
    FAIL();
  } catch (const EListError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (5)");
  }
  // A pen where a font belongs is ignored.
  const Bytes wrong = ByteBuilder().str("t").i32(0).i32(0).i16(0).bytes;
  TGlobeReader wrongReader(wrong, kNew);
  text->ReadFromStream(wrongReader);
  EXPECT_EQ(text->Font, nullptr);
}

}  // namespace
}  // namespace meridex
