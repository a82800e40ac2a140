#include <gtest/gtest.h>

#include "globe/globe_grid.h"
#include "globe/globe_poly_line.h"
#include "globe/globe_text.h"
#include "test_globe.h"

namespace meridex {
namespace {

constexpr GlobeUnit k30N = 162000000;  // the middle of the test globe's view

class ObjectsTest : public ::testing::Test {
 protected:
  void SetUp() override { layer.ScaleFont = false; }
  TGlobeFont* Font(std::int16_t height, std::int16_t angle = 0) {
    return FindOrCreateFont(layer, "Arial", 0, angle, height, TGlobeUnits::Degree, 0x0000AA);
  }
  template <class T>
  T* Make(const std::string& title, TLLPoint at = {0, k30N}) {
    T* object = CreateIn<T>(layer);
    object->Title = title;
    object->Location = at;
    object->ObjectState = OS_OWN_ATTRIBUTES;
    return object;
  }
  std::vector<std::string>& Calls() { return globe.canvas.calls; }

  test::TestGlobe globe;
  TGlobeLayer& layer = globe.AddLayer("things");
};

TEST_F(ObjectsTest, SetLocationWrapsOnlyAtAndBeyondTheEastAndNorthLimits) {
  auto* text = CreateIn<TGlobeText>(layer);
  EXPECT_EQ(text->ObjectState, OS_RECALC_EXTENT);
  text->ObjectState = 0;
  const int redraws = globe.redraws;
  text->SetLocation({972000000, 486000000});
  EXPECT_EQ(text->Location, (TLLPoint{-972000000, -486000000}));
  EXPECT_EQ(text->ObjectState, OS_RECALC_EXTENT);
  EXPECT_EQ(globe.redraws, redraws + 1);
  text->SetLocation({-1000000000, -500000000});
  EXPECT_EQ(text->Location, (TLLPoint{-1000000000, -500000000}));
  text->SetLocation({971999999, 485999999});
  EXPECT_EQ(text->Location, (TLLPoint{971999999, 485999999}));
  // An animated layer's object repaints the window; the picture stays.
  layer.Animated = true;
  globe.Paint();
  const int repaints = globe.repaints;
  text->SetLocation({1, 2});
  EXPECT_EQ(globe.repaints, repaints + 1);
  EXPECT_FALSE(globe.RedrawNeeded());
}

TEST_F(ObjectsTest, LinesMoveTheirVerticesWithTheLocation) {
  auto* line = CreateIn<TGlobePolyLine>(layer);
  line->Points.Add({10, 20});
  line->Points.Add({30, 40});
  line->Location = {20, 30};
  line->SetLocation({25, 20});
  EXPECT_EQ(line->Points.Get(0), (TLLPoint{15, 10}));
  EXPECT_EQ(line->Points.Get(1), (TLLPoint{35, 30}));
  EXPECT_EQ(line->Location, (TLLPoint{25, 20}));
}

TEST_F(ObjectsTest, SelectionSetsTheBitsAndRedrawsOnce) {
  auto* text = Make<TGlobeText>("a");
  const int redraws = globe.redraws;
  text->SetSelected(true);
  text->SetSelected(true);
  EXPECT_EQ(text->ObjectState, OS_OWN_ATTRIBUTES | OS_SELECTED | OS_RETEST_VISIBLE);
  text->ObjectState = OS_SELECTED;
  text->SetSelected(false);
  EXPECT_EQ(text->ObjectState, OS_RETEST_VISIBLE);
  EXPECT_EQ(globe.redraws, redraws + 2);
}

TEST_F(ObjectsTest, AttributesGoOnlyIntoSlotsOfTheirClass) {
  TGlobePen* pen = FindOrCreatePen(layer, 1, TPenStyle::psSolid, 1);
  TGlobePen* minor = FindOrCreatePen(layer, 2, TPenStyle::psSolid, 1);
  TGlobeBrush* brush = FindOrCreateBrush(layer, 1, TBrushStyle::bsSolid);
  TGlobeFont* font = Font(10);
  auto* polygon = Make<TGlobePolygon>("p");
  polygon->SetAttribute(0, brush);
  polygon->SetAttribute(1, pen);
  polygon->SetAttribute(2, pen);
  EXPECT_EQ(polygon->GetAttribute(0), nullptr);
  EXPECT_EQ(polygon->GetAttribute(1), nullptr);
  polygon->SetAttribute(0, pen);
  polygon->SetAttribute(1, brush);
  EXPECT_EQ(polygon->GetAttribute(0), pen);
  EXPECT_EQ(polygon->GetAttribute(1), brush);
  auto* text = Make<TGlobeSymbol>("s");
  text->SetAttribute(0, pen);
  EXPECT_EQ(text->GetAttribute(0), nullptr);
  text->SetAttribute(0, font);
  EXPECT_EQ(text->GetAttribute(0), font);
  auto* grid = Make<TGlobeGrid>("g");
  grid->SetAttribute(0, pen);
  grid->SetAttribute(1, minor);
  EXPECT_EQ(grid->GetAttribute(0), pen);
  EXPECT_EQ(grid->GetAttribute(1), minor);
  EXPECT_EQ(grid->Index(), 2);
}

TEST_F(ObjectsTest, TextExtentsFollowTheFontHeight) {
  // 10 pixels at 618,786,000 / 300 GlobeUnits per pixel: 20,626,200 GU.
  auto* text = Make<TGlobeText>("t");
  text->Font = Font(10);
  text->CalcExtent();
  EXPECT_EQ(text->Extent, (TRect{0, 141373800, 20626200, k30N}));
  auto* dot = Make<TGlobePointText>("d");
  dot->Font = Font(10);
  dot->CalcExtent();
  EXPECT_EQ(dot->Extent, (TRect{-10313100, 151686900, 10313100, 172313100}));
  auto* symbol = Make<TGlobeSymbol>("s");
  symbol->Font = Font(-10);
  symbol->CalcExtent();
  EXPECT_EQ(symbol->Extent, (TRect{-10313100, 151686900, 10313100, 172313100}));
}

TEST_F(ObjectsTest, LineExtentGrowsByOneUnitAndCentresTheLocation) {
  auto* line = Make<TGlobePolyLine>("l");
  line->Points.Add({0, 0});
  line->Points.Add({10, 20});
  line->Points.Add({-5, 7});
  line->ProjectionCache.Decimated = std::make_unique<TWorld3DPrjData>(3);
  line->CalcExtent();
  EXPECT_EQ(line->Extent, (TRect{-6, -1, 11, 21}));
  EXPECT_EQ(line->Location, (TLLPoint{2, 10}));
  EXPECT_FALSE(line->ProjectionCache.Decimated);
  EXPECT_TRUE(line->ObjectState & OS_TOO_SMALL);  // far below one pixel
  auto* empty = Make<TGlobePolyLine>("e");
  empty->CalcExtent();
  EXPECT_EQ(empty->Extent, (TRect{2147483647, 2147483647, -2147483647, -2147483647}));
  EXPECT_EQ(empty->Location, (TLLPoint{0, 0}));
}

TEST_F(ObjectsTest, LineExtentFollowsEveryChangeOfTheVertices) {
  auto* line = Make<TGlobePolyLine>("l");
  line->Points.Add({0, 0});
  line->Points.Add({10, 20});
  line->CalcExtent();
  EXPECT_EQ(line->Extent, (TRect{-1, -1, 11, 21}));
  line->CalcExtent();  // nothing changed: the same box
  EXPECT_EQ(line->Extent, (TRect{-1, -1, 11, 21}));
  line->Points.Set(0, {-100, 0});
  line->CalcExtent();
  EXPECT_EQ(line->Extent, (TRect{-101, -1, 11, 21}));
  line->Points.MutablePoints()[1] = {10, 200};
  line->CalcExtent();
  EXPECT_EQ(line->Extent, (TRect{-101, -1, 11, 201}));
  line->Points.Add({500, 0});
  line->CalcExtent();
  EXPECT_EQ(line->Extent.Right, 501);
  line->SetLocation({line->Location.X + 1000, line->Location.Y});
  line->CalcExtent();
  EXPECT_EQ(line->Extent.Right, 1501);
  // Another list of the same size is not mistaken for the first.
  auto* other = Make<TGlobePolyLine>("o");
  other->Points = line->Points;
  other->Points.Set(0, {-5000, 0});
  other->CalcExtent();
  EXPECT_EQ(other->Extent.Left, -5001);
}

TEST_F(ObjectsTest, PolygonEdgesCountOnlyWhenStrictlyEast) {
  auto* square = Make<TGlobePolygon>("sq");
  for (TLLPoint p : {TLLPoint{0, 0}, TLLPoint{10, 0}, TLLPoint{10, 10}, TLLPoint{0, 10}})
    square->Points.Add(p);
  square->CalcExtent();
  EXPECT_TRUE(square->PtInObject(0, 5));
  EXPECT_FALSE(square->PtInObject(10, 5));
  EXPECT_TRUE(square->PtInObject(5, 5));
  EXPECT_FALSE(square->PtInObject(5, 10));
  EXPECT_FALSE(square->PtInObject(20, 5));  // outside the extent
}

TEST_F(ObjectsTest, LineHitNeedsNonZeroDivisors) {
  auto* line = Make<TGlobePolyLine>("v");
  line->Points.Add({5, 0});
  line->Points.Add({5, 100});
  line->CalcExtent();
  EXPECT_FALSE(line->PtInObject(5, 50));  // on the line: both divisors are 0
  EXPECT_TRUE(line->PtInObject(4, 50));
  auto* diagonal = Make<TGlobePolyLine>("d");
  diagonal->Points.Add({0, 0});
  diagonal->Points.Add({100, 100});
  diagonal->CalcExtent();
  EXPECT_TRUE(diagonal->PtInObject(50, 50));
  auto* single = Make<TGlobePolyLine>("one");
  single->Points.Add({0, 0});
  single->CalcExtent();
  EXPECT_FALSE(single->PtInObject(0, 0));
}

TEST_F(ObjectsTest, PointTextOfThreePixelsIsASinglePixel) {
  globe.SetMinTextHeight(3);
  auto* dot = Make<TGlobePointText>("Rome");
  dot->Font = Font(3);
  dot->Render();
  const std::vector<std::string> expected{"font Arial -3 0 0000AA", "text 151,150 Rome",
                                          "pixel 150,150 0000AA"};
  EXPECT_EQ(Calls(), expected);
  EXPECT_EQ(globe.RenderState().LabelOffset, 0);
}

TEST_F(ObjectsTest, PointTextOfFourPixelsIsADotOfRadiusTwo) {
  globe.SetMinTextHeight(5);  // the label is too small, the dot is still drawn
  auto* dot = Make<TGlobePointText>("Rome");
  dot->Font = Font(4);
  dot->Render();
  const std::vector<std::string> expected{"brush 0000AA 0", "pencolor 000000",
                                          "ellipse 152,152 148,148"};
  EXPECT_EQ(Calls(), expected);
}

TEST_F(ObjectsTest, TextBelowTheMinimumHeightIsNotDrawn) {
  auto* text = Make<TGlobeText>("small");
  text->Font = Font(4);
  text->Render();
  EXPECT_TRUE(Calls().empty());
  text->Font = Font(5);
  text->Render();
  ASSERT_EQ(Calls().size(), 2u);
  EXPECT_EQ(Calls()[1], "text 150,150 small");
  EXPECT_EQ(globe.canvas.bk, TBkMode::Opaque);  // restored after drawing
  auto* hidden = Make<TGlobeText>("far", {972000000, -k30N});
  hidden->Font = Font(5);
  hidden->Render();
  EXPECT_EQ(Calls().size(), 2u);
}

TEST_F(ObjectsTest, SelectedTextIsRedInTheSameFace) {
  auto* text = Make<TGlobeText>("sel");
  text->Font = Font(8);
  text->ObjectState |= OS_SELECTED;
  text->Render();
  EXPECT_EQ(Calls()[0], "font Arial -8 0 0000FF");
}

TEST_F(ObjectsTest, SymbolIsCentredOnThePointAtAnyAngle) {
  // 'A' measures 6 x 10 here: half sizes 3 and 5.
  auto* symbol = Make<TGlobeSymbol>("");
  symbol->SymbolCode = 0x4141;  // the low byte is drawn
  symbol->Font = Font(10);
  symbol->Render();
  EXPECT_EQ(Calls().back(), "text 147,145 A");
  symbol->Font = Font(10, 900);
  symbol->Render();
  EXPECT_EQ(Calls()[Calls().size() - 2], "font Arial -10 900 0000AA");
  EXPECT_EQ(Calls().back(), "text 145,153 A");
  symbol->Font = Font(3);
  symbol->Render();
  EXPECT_EQ(Calls().back(), "pixel 150,150 0000AA");
}

TEST_F(ObjectsTest, SelectedPolygonUsesTheGlobesPenAndBrush) {
  auto* polygon = Make<TGlobePolygon>("area");
  polygon->Pen = FindOrCreatePen(layer, 0x00FF00, TPenStyle::psSolid, 1);
  polygon->Brush = FindOrCreateBrush(layer, 0x00FF00, TBrushStyle::bsSolid);
  for (GlobeUnit d : {0, 54000000}) polygon->Points.Add({d, k30N});
  polygon->Points.Add({54000000, 216000000});
  polygon->ObjectState |= OS_SELECTED;
  polygon->Render();
  ASSERT_EQ(Calls().size(), 3u);
  EXPECT_EQ(Calls()[0], "pen 0000FF 0 1");
  EXPECT_EQ(Calls()[1], "brush 00FFFF 0");
  EXPECT_EQ(Calls()[2].substr(0, 16), "polygon 150,150 ");
}

TEST_F(ObjectsTest, LineCrossingTheWindowIsClipped) {
  globe.canvas = test::RecordingCanvas({0, 0, 160, 300});
  auto* line = Make<TGlobePolyLine>("l");
  line->Pen = FindOrCreatePen(layer, 0, TPenStyle::psSolid, 1);
  line->Points.Add({0, k30N});
  line->Points.Add({108000000, k30N});  // 20 E: right of x = 160
  line->CalcExtent();
  ASSERT_TRUE(line->CalcVisible());
  EXPECT_EQ(line->ClipCode & 0x0F, 8);
  Calls().clear();
  line->Render();
  ASSERT_EQ(Calls().size(), 2u);
  EXPECT_EQ(Calls()[1].substr(0, 17), "polyline 150,150 ");
  EXPECT_NE(Calls()[1].find(" 160,"), std::string::npos);
}

TEST_F(ObjectsTest, GridDrawsMinorThenMajorLines) {
  auto* grid = Make<TGlobeGrid>("grid");
  grid->MajorPen = FindOrCreatePen(layer, 0x111111, TPenStyle::psSolid, 2);
  grid->MinorPen = FindOrCreatePen(layer, 0x222222, TPenStyle::psDot, 1);
  grid->Extent = {-27000000, 135000000, 27000000, 189000000};  // 5 W..5 E, 25..35 N
  grid->LonStep = grid->LatStep = 27000000;                    // 5 degrees
  grid->LonSubStep = grid->LatSubStep = 13500000;              // 2.5 degrees
  grid->Render();
  int minor = 0, major = 0, pen = 0;
  for (const std::string& call : Calls()) {
    if (call.rfind("pen ", 0) == 0) {
      pen = call == "pen 222222 2 1" ? 1 : 2;
    } else if (call.rfind("polyline", 0) == 0) {
      ++(pen == 1 ? minor : major);
    }
  }
  // Minor: one meridian and one parallel inside each of the 2 x 2 cells'
  // columns and rows. Major: 2 + closing meridians and parallels.
  EXPECT_EQ(minor, 4);
  EXPECT_EQ(major, 6);
}

TEST_F(ObjectsTest, GridWithUnusableStepsDrawsNothingAndEnds) {
  auto* grid = Make<TGlobeGrid>("grid");
  grid->Extent = {-972000000, -486000000, 972000000, 486000000};
  grid->LonStep = 0;
  grid->LatStep = -5;
  grid->LonSubStep = grid->LatSubStep = 0;
  grid->Render();
  EXPECT_TRUE(Calls().empty());
  grid->LonStep = grid->LatStep = 1;  // billions of lines: left out
  grid->Render();
  EXPECT_TRUE(Calls().empty());
  // Near the end of the 32-bit range (397 degrees = 37 E) the stepping must
  // neither wrap nor loop: one meridian and the closing one, two parallels
  // and the closing one, no minor lines.
  grid->Extent = {2147000000, 0, 2147483647, 54000000};
  grid->LonStep = 100000000;
  grid->LatStep = 27000000;
  grid->LonSubStep = grid->LatSubStep = -1;
  grid->Render();
  int lines = 0;
  for (const std::string& call : Calls()) lines += call.rfind("polyline", 0) == 0;
  EXPECT_EQ(lines, 5);
}

}  // namespace
}  // namespace meridex
