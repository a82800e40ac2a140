#include <gtest/gtest.h>

#include "byte_builder.h"
#include "globe/globe_exception.h"
#include "globe/globe_grid.h"
#include "globe/globe_poly_line.h"
#include "globe/globe_text.h"
#include "support/temp_dir.h"
#include "test_globe.h"

namespace meridex {
namespace {

using test::ByteBuilder;

constexpr GlobeUnit k30N = 162000000;

class LayerTest : public ::testing::Test {
 protected:
  void SetUp() override { globe.SetDataDirectory(dir.path().string()); }

  // Writes bytes as name in the data directory and loads it.
  void Load(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    dir.write(name, bytes);
    layer.LoadFromFile(name);
  }
  std::string LoadError(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    try {
      Load(name, bytes);
    } catch (const std::exception& e) {
      return e.what();
    }
    return "no error";
  }
  template <class T>
  T* At(int index) {
    return dynamic_cast<T*>(layer.Objects(index));
  }
  template <class T>
  T* Attribute(int index) {
    return dynamic_cast<T*>(layer.Attributes(index));
  }

  test::TempDir dir;
  test::TestGlobe globe;
  TGlobeLayer& layer = globe.AddLayer("");
};

TEST_F(LayerTest, Version202HasShortCountsArcMinutesAndNoUnits) {
  ByteBuilder b;
  b.i16(0x202).i16(0).i16(0);
  b.i16(1).str("TGlobeFont").i32(0x0000FF).i16(10).i16(0).u8(1).str("Arial");
  b.i16(1).str("TGlobePen").i32(0x00FF00).u8(0);
  b.i16(1).str("TGlobeText").u8(0).str("Paris").i16(2).i16(2922).i16(0);
  b.i16(1).str("TGlobePolyLine").u8(0).str("Seine").i16(10).i16(20);
  b.i16(2).u8(1).u8(5).u8(0xFD).i16(1);  // two vertices, 8-bit deltas; pen 1
  Load("old.dat", b.bytes);

  auto* font = Attribute<TGlobeFont>(0);
  ASSERT_TRUE(font);
  EXPECT_EQ(font->Units, TGlobeUnits::NauticalMile);
  EXPECT_EQ(font->Height, 10);
  EXPECT_EQ(font->Style, FS_BOLD);
  EXPECT_EQ(font->Name, "Arial");
  EXPECT_EQ(Attribute<TGlobePen>(1)->Width, 1);
  auto* text = At<TGlobeText>(0);
  ASSERT_TRUE(text);
  EXPECT_EQ(text->Title, "Paris");
  EXPECT_EQ(text->Location, (TLLPoint{180000, 262980000}));
  EXPECT_EQ(text->Font, font);
  auto* line = At<TGlobePolyLine>(1);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Points.Count(), 2);
  EXPECT_EQ(line->Points.Get(0), (TLLPoint{900000, 1800000}));
  EXPECT_EQ(line->Points.Get(1), (TLLPoint{1350000, 1530000}));
  EXPECT_EQ(line->Pen, layer.Attributes(1));
  EXPECT_EQ(layer.Name, "old");
  EXPECT_EQ(layer.FileName, "old.dat");
  EXPECT_EQ(globe.created, (std::vector<std::string>{"Paris", "Seine"}));
}

TEST_F(LayerTest, Version210WithFullCoordinatesAndBlockVersions) {
  ByteBuilder b;
  b.i16(0x210).i16(1).i16(0);
  b.i32(2).str("TGlobePen").i16(1).i32(0xFF).u8(0).u8(3).i32(0xFF00).u8(2).u8(5);
  b.i32(0).str("TGlobeBrush").i16(0);   // nothing in it
  b.i32(-3).str("TGlobeBrush").i16(0);  // nothing either
  b.i32(1).str("tglobebrush").i16(0).i32(0xFF).u8(1);
  b.i32(1).str("TGlobeFont").i16(0).i32(0x123456).u8(6).i16(12).i16(900).u8(0).str("Times");
  b.i32(1).str("TGlobeSymbol").i16(0).str("S").i32(-100).i32(200).i16(3).i16(0x2A);
  b.i32(1).str("TGlobePolygon").i16(0).str("P").i32(1000).i32(2000);
  b.i16(3).u8(2).i16(5).i16(-5).i16(0).i16(0).i32(-7).i32(8).i16(0).i16(2);
  Load("new.dat", b.bytes);

  ASSERT_EQ(layer.AttributeCount(), 4);
  EXPECT_EQ(Attribute<TGlobePen>(0)->Width, 3);
  EXPECT_EQ(Attribute<TGlobePen>(1)->Width, 5);
  EXPECT_EQ(Attribute<TGlobePen>(1)->Style, TPenStyle::psDot);
  EXPECT_EQ(Attribute<TGlobeBrush>(2)->Style, TBrushStyle::bsClear);
  auto* font = Attribute<TGlobeFont>(3);
  EXPECT_EQ(font->Units, TGlobeUnits::Kilometer);
  EXPECT_EQ(font->UnitFactor, 48596);
  EXPECT_EQ(font->Angle, 900);
  auto* symbol = At<TGlobeSymbol>(0);
  ASSERT_TRUE(symbol);
  EXPECT_EQ(symbol->Location, (TLLPoint{-100, 200}));
  EXPECT_EQ(symbol->SymbolCode, 0x2A);
  EXPECT_EQ(symbol->Font, font);
  auto* polygon = At<TGlobePolygon>(1);
  ASSERT_TRUE(polygon);
  EXPECT_EQ(polygon->Points.Get(0), (TLLPoint{1000, 2000}));
  EXPECT_EQ(polygon->Points.Get(1), (TLLPoint{1005, 1995}));
  EXPECT_EQ(polygon->Points.Get(2), (TLLPoint{-7, 8}));
  EXPECT_EQ(polygon->Pen, layer.Attributes(0));
  EXPECT_EQ(polygon->Brush, layer.Attributes(2));
}

TEST_F(LayerTest, PenBlockOfDataVersionZeroHasNoWidths) {
  ByteBuilder b;
  b.i16(0x210).i16(1).i16(0);
  b.i32(2).str("TGlobePen").i16(0).i32(0xFF).u8(0).i32(0xFF00).u8(2);
  Load("pens.dat", b.bytes);
  ASSERT_EQ(layer.AttributeCount(), 2);
  EXPECT_EQ(Attribute<TGlobePen>(0)->Width, 1);
  EXPECT_EQ(Attribute<TGlobePen>(1)->Color, 0xFF00u);
  EXPECT_EQ(Attribute<TGlobePen>(1)->Width, 1);
}

TEST_F(LayerTest, Version220ScaledWithGridAndListHeads) {
  ByteBuilder b;
  b.i16(0x220).i16(0).i16(0);
  b.i32(1).str("TGlobePen").i16(1).i32(0).u8(0).u8(1);
  b.i32(1).str("TGlobeGrid").i16(0).str("G").i16(600).i16(300);
  b.i32(5400000).i32(5400000).i32(900000).i32(900000).i16(0).i16(0);
  b.i32(1).str("TGlobePolyLine").i16(0).str("L");
  b.u8(1).i16(2).u8(0).i16(-1).i16(2).i16(3).i16(-4).i16(0);
  Load("scaled.dat", b.bytes);

  auto* grid = At<TGlobeGrid>(0);
  ASSERT_TRUE(grid);
  EXPECT_EQ(grid->Extent, (TRect{0, 0, 54000000, 27000000}));
  EXPECT_EQ(grid->LonSubStep, 900000);
  EXPECT_EQ(grid->MinorPen, layer.Attributes(0));
  auto* line = At<TGlobePolyLine>(1);
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Points.Get(0), (TLLPoint{-90000, 180000}));
  EXPECT_EQ(line->Points.Get(1), (TLLPoint{270000, -360000}));
}

TEST_F(LayerTest, BadFilesGiveMessagesNamingTheFile) {
  EXPECT_EQ(LoadError("v.dat", ByteBuilder().i16(0x301).i16(1).i16(0).bytes),
            "LoadFromFile: Invalid File Version 301 in v.dat");
  EXPECT_EQ(LoadError("f.dat", ByteBuilder().i16(0x220).i16(2).i16(0).bytes),
            "LoadFromFile: Invalid Data Format 2 in f.dat");
  EXPECT_EQ(
      LoadError("c.dat",
                ByteBuilder().i16(0x220).i16(1).i16(0).i32(1).str("TGlobeCircle").i16(0).bytes),
      "LoadFromFile: Unknown Globe Object Class TGlobeCircle in c.dat");
  EXPECT_EQ(LoadError("tiny.dat", ByteBuilder().i16(0x220).u8(1).bytes),
            "LoadFromFile: Unexpected end of data in tiny.dat");
  EXPECT_EQ(LoadError("empty.dat", {}), "LoadFromFile: Unexpected end of data in empty.dat");
  EXPECT_EQ(LoadError("big.dat", ByteBuilder()
                                     .i16(0x220)
                                     .i16(1)
                                     .i16(0)
                                     .i32(1000000)
                                     .str("TGlobePen")
                                     .i16(1)
                                     .i32(0)
                                     .u8(0)
                                     .u8(1)
                                     .bytes),
            "LoadFromFile: Bad record count 1000000 in big.dat");
  EXPECT_EQ(LoadError("list.dat", ByteBuilder()
                                      .i16(0x220)
                                      .i16(1)
                                      .i16(0)
                                      .i32(1)
                                      .str("TGlobePolyLine")
                                      .i16(0)
                                      .str("L")
                                      .u8(1)
                                      .i16(2)
                                      .u8(9)
                                      .i32(0)
                                      .i32(0)
                                      .i32(0)
                                      .i16(0)
                                      .bytes),
            "LoadFromFile: Unknown point list mode 9 in list.dat");
  EXPECT_EQ(layer.ObjectCount(), 0);
  try {
    layer.LoadFromFile("missing.dat");
    FAIL();
  } catch (const EGlobeException& e) {
    EXPECT_EQ(std::string(e.what()),
              "LoadFromFile: File " + dir.path().string() + "/missing.dat not found");
  }
}

TEST_F(LayerTest, FileEndingInsideARecordKeepsTheRecordsBeforeIt) {
  ByteBuilder b;
  b.i16(0x210).i16(1).i16(0);
  b.i32(3).str("TGlobePen").i16(1).i32(0xFF).u8(0).u8(3).i32(0xFF00).u8(2);  // cut in pen 2
  EXPECT_EQ(LoadError("cut.dat", b.bytes), "LoadFromFile: Unexpected end of data in cut.dat");
  ASSERT_EQ(layer.AttributeCount(), 1);
  EXPECT_EQ(Attribute<TGlobePen>(0)->Width, 3);
  EXPECT_EQ(globe.progress.back(), "2 ");  // the load still ends properly
}

TEST_F(LayerTest, MissingAttributeStopsWithTheListError) {
  ByteBuilder b;
  b.i16(0x220).i16(1).i16(0);
  b.i32(1).str("TGlobeText").i16(0).str("T").i32(0).i32(0).i16(4);
  EXPECT_EQ(LoadError("attr.dat", b.bytes), "List index out of bounds (4)");
  EXPECT_EQ(layer.ObjectCount(), 0);
}

TEST_F(LayerTest, ProgressIsReportedEveryThousandRecords) {
  ByteBuilder b;
  b.i16(0x210).i16(1).i16(0).i32(1001).str("TGlobeBrush").i16(0);
  for (int i = 0; i < 1001; ++i) b.i32(i).u8(0);
  Load("many.dat", b.bytes);
  EXPECT_EQ(layer.AttributeCount(), 1001);
  const std::vector<std::string> expected{"1 Loading layer many.dat", "0 Loaded 0 objects",
                                          "0 Loaded 1000 objects", "2 "};
  EXPECT_EQ(globe.progress, expected);
  EXPECT_EQ(globe.busyCalls, (std::vector<bool>{true, false}));
}

TEST_F(LayerTest, ProfileSectionSetsTheLayer) {
  // The globe's profile, opened afresh with each text.
  const auto useProfile = [&](const std::string& text) {
    dir.write("globe.prf", std::vector<std::uint8_t>(text.begin(), text.end()));
    globe.SetProfileName("");
    globe.SetProfileName((dir / "globe.prf").string());
  };
  useProfile("[Global Settings]\n");
  const auto file = ByteBuilder().i16(0x220).i16(1).i16(0).bytes;
  Load("roads.dat", file);  // no section: the settings after Clear
  EXPECT_EQ(layer.Name, "roads");
  EXPECT_TRUE(layer.Visible);
  EXPECT_TRUE(layer.Enabled);
  EXPECT_TRUE(layer.ScaleFont);
  EXPECT_FALSE(layer.Animated);
  EXPECT_EQ(layer.ZoomUnits, TGlobeUnits::NauticalMile);
  EXPECT_EQ(layer.ZoomMin, 0);

  useProfile(
      "[ROADS.DAT]\nname=Main roads\nVisible=0\n"
      "Animated=7\nzoomunits=km\nZoomMin=100\nMaxFontHeight=0xC\n");
  Load("roads.dat", file);
  EXPECT_EQ(layer.Name, "Main roads");
  EXPECT_FALSE(layer.Visible);
  EXPECT_TRUE(layer.Animated);
  EXPECT_EQ(layer.ZoomUnits, TGlobeUnits::Kilometer);
  EXPECT_EQ(layer.ZoomMin, 100);
  EXPECT_EQ(layer.MaxFontHeight, 12);

  useProfile("[roads.dat]\nZoomUnits=furlong\n");
  EXPECT_EQ(LoadError("roads.dat", file), "StrToUnits: Unknown Units furlong");
}

class DrawnLayerTest : public LayerTest {
 protected:
  TGlobePolygon* Square(const std::string& title, GlobeUnit half, TLLPoint mid = {0, k30N}) {
    auto* p = CreateIn<TGlobePolygon>(layer);
    p->Title = title;
    p->Pen = FindOrCreatePen(layer, 0x0000FF, TPenStyle::psSolid, 1);
    p->Brush = FindOrCreateBrush(layer, 0x00FF00, TBrushStyle::bsSolid);
    for (TLLPoint d : {TLLPoint{-1, -1}, TLLPoint{1, -1}, TLLPoint{1, 1}, TLLPoint{-1, 1}})
      p->Points.Add({mid.X + d.X * half, mid.Y + d.Y * half});
    return p;
  }
};

TEST_F(DrawnLayerTest, ZoomLimitsAreInZoomUnits) {
  Square("a", 5400000);
  layer.ZoomUnits = TGlobeUnits::Kilometer;
  layer.ZoomMin = 100;  // 4,859,611 GlobeUnits
  EXPECT_TRUE(layer.IsDrawable());
  globe.SetScale(1e-4L);  // 3,000,000 GU across
  EXPECT_FALSE(layer.IsDrawable());
  globe.SetScale(5e-5L);  // 6,000,000 GU across
  EXPECT_TRUE(layer.IsDrawable());
  layer.ZoomMax = 50;  // 2,429,806 GlobeUnits
  EXPECT_FALSE(layer.IsDrawable());
  layer.ZoomMax = 0;
  layer.Visible = false;
  EXPECT_FALSE(layer.IsDrawable());
}

TEST_F(DrawnLayerTest, ExtentOfHalfTheWorldIsLeftEmpty) {
  Square("far", 5400000, {972000000, -k30N});  // on the far side
  globe.Paint();
  EXPECT_EQ(layer.Extent, (TRect{966599999, -167400001, 977400001, -156599999}));
  EXPECT_FALSE(layer.IsDrawable());
  auto* wide = CreateIn<TGlobePolyLine>(layer);
  wide->Points.Add({-540000000, 0});
  wide->Points.Add({540000000, 0});
  wide->CalcExtent();
  layer.CalcExtent();
  EXPECT_EQ(layer.Extent, (TRect{0, 0, 0, 0}));
  EXPECT_TRUE(layer.IsDrawable());
}

TEST_F(DrawnLayerTest, RenderRunsTheStateBits) {
  auto* near = Square("near", 5400000);
  auto* far = Square("far", 5400000, {972000000, -k30N});
  auto* self = Square("self", 5400000);
  auto* tiny = Square("tiny", 10);
  globe.renderItself = "self";
  globe.canvas.calls.clear();
  globe.Paint();
  EXPECT_EQ(near->ObjectState, OS_RETEST_VISIBLE | OS_ON_SCREEN | OS_OWN_ATTRIBUTES);
  EXPECT_EQ(far->ObjectState, 0);
  EXPECT_EQ(self->ObjectState, OS_RETEST_VISIBLE | OS_ON_SCREEN);
  EXPECT_EQ(tiny->ObjectState, OS_RETEST_VISIBLE | OS_TOO_SMALL);
  int polygons = 0;
  for (const std::string& call : globe.canvas.calls) polygons += call.rfind("polygon", 0) == 0;
  EXPECT_EQ(polygons, 3);  // the globe disc, near and self
  // A paint that needs nothing recomputed draws the visible objects again.
  globe.canvas.calls.clear();
  ASSERT_FALSE(globe.NeedsRender());
  layer.Render();
  EXPECT_EQ(globe.canvas.calls.size(), 4u);  // near: pen, brush, polygon; self: polygon
}

TEST_F(DrawnLayerTest, ProgressiveCopiesAtMultiplesOf255AfterTheDeadline) {
  for (int i = 0; i < 600; ++i) CreateIn<TGlobeText>(layer)->Location = {0, k30N};
  globe.clock.step = 300;
  layer.Render();  // clock: 1000 (deadline 1500), 1300 at 0, 1600 at 255 -> copy, 1900, 2200 at 510
  EXPECT_EQ(globe.copies, (std::vector<std::uint64_t>{1600}));
  globe.ProgressiveDisplay = false;
  globe.copies.clear();
  layer.Render();
  EXPECT_TRUE(globe.copies.empty());
}

TEST_F(DrawnLayerTest, ClicksCycleThroughObjectsUnderTheMouse) {
  auto* lower = Square("lower", 5400000);
  auto* upper = Square("upper", 5400000);
  Square("elsewhere", 5400000, {54000000 * 3, k30N});
  globe.Paint();
  EXPECT_EQ(layer.ObjectAtXY(150, 150), upper);
  globe.SetSelectedObject(upper);
  EXPECT_EQ(layer.ObjectAtXY(150, 150), lower);
  globe.SetSelectedObject(lower);
  EXPECT_EQ(layer.ObjectAtXY(150, 150), upper);
  EXPECT_EQ(layer.ObjectAtXY(0, 0), nullptr);  // off the globe
  EXPECT_EQ(layer.ObjectAtXY(150, 20), nullptr);
}

TEST_F(DrawnLayerTest, FindObjectAndClear) {
  Square("a", 10);
  auto* b = Square("b", 10);
  auto* a2 = Square("a", 10);
  EXPECT_EQ(layer.FindObject("a"), layer.Objects(0));
  EXPECT_EQ(layer.FindObject("a", layer.Objects(0)), a2);
  EXPECT_EQ(layer.FindObject("a", a2), nullptr);
  EXPECT_EQ(layer.FindObject("B"), nullptr);
  EXPECT_EQ(layer.Objects(3), nullptr);
  EXPECT_EQ(layer.Objects(-1), nullptr);

  globe.SetSelectedObject(b);
  layer.Visible = false;
  layer.Clear();
  EXPECT_EQ(globe.SelectedObject(), nullptr);
  EXPECT_EQ(globe.freed, (std::vector<std::string>{"a", "b", "a"}));
  EXPECT_EQ(layer.ObjectCount(), 0);
  EXPECT_EQ(layer.AttributeCount(), 0);
  EXPECT_TRUE(layer.Visible);
  globe.ClearLayers();
  EXPECT_EQ(globe.LayerCount(), 0);
}

}  // namespace
}  // namespace meridex
