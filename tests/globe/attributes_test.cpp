#include <gtest/gtest.h>

#include "globe/globe_attributes.h"
#include "test_globe.h"

namespace meridex {
namespace {

class AttributesTest : public ::testing::Test {
 protected:
  test::TestGlobe globe;
  TGlobeLayer& layer = globe.AddLayer("roads");
};

TEST_F(AttributesTest, EqualAttributesAreShared) {
  TGlobePen* pen = FindOrCreatePen(layer, 0xFF, TPenStyle::psDash, 2);
  EXPECT_EQ(FindOrCreatePen(layer, 0xFF, TPenStyle::psDash, 2), pen);
  EXPECT_NE(FindOrCreatePen(layer, 0xFF, TPenStyle::psDash, 3), pen);
  TGlobeBrush* brush = FindOrCreateBrush(layer, 0xFF, TBrushStyle::bsCross);
  EXPECT_EQ(FindOrCreateBrush(layer, 0xFF, TBrushStyle::bsCross), brush);
  TGlobeFont* font = FindOrCreateFont(layer, "Arial", 1, 0, 12, TGlobeUnits::Kilometer, 7);
  EXPECT_EQ(FindOrCreateFont(layer, "Arial", 1, 0, 12, TGlobeUnits::Kilometer, 7), font);
  EXPECT_NE(FindOrCreateFont(layer, "arial", 1, 0, 12, TGlobeUnits::Kilometer, 7), font);
  EXPECT_EQ(font->UnitFactor, 48596);
  EXPECT_EQ(layer.AttributeCount(), 5);

  const std::string longName(70, 'n');
  TGlobeFont* cut = FindOrCreateFont(layer, longName, 0, 0, 1, TGlobeUnits::Degree, 0);
  EXPECT_EQ(cut->Name, std::string(64, 'n'));
  EXPECT_EQ(FindOrCreateFont(layer, longName, 0, 0, 1, TGlobeUnits::Degree, 0), cut);

  TGlobeLayer& other = globe.AddLayer("other");
  TGlobeAttribute* copy = pen->CopyToLayer(other);
  EXPECT_EQ(copy->Layer, &other);
  EXPECT_EQ(pen->CopyToLayer(other), copy);
  EXPECT_EQ(other.AttributeCount(), 1);

  brush->Delete();
  EXPECT_EQ(layer.AttributeCount(), 5);
  EXPECT_EQ(layer.IndexOfAttribute(font), 2);
}

TEST_F(AttributesTest, PixelHeightScalesWithTheZoomAndStopsAtTheLayerLimit) {
  TGlobeFont* font = FindOrCreateFont(layer, "Arial", 0, 0, 10, TGlobeUnits::Degree, 0);
  // 10 degrees at 300 pixels per 618,786,000 GlobeUnits: 26.18 pixels.
  EXPECT_EQ(font->PixelHeight(), 26);
  font->Height = -10;
  EXPECT_EQ(font->PixelHeight(), -26);
  layer.MaxFontHeight = 20;
  EXPECT_EQ(font->PixelHeight(), 20);
  layer.MaxFontHeight = 30;
  EXPECT_EQ(font->PixelHeight(), -26);
  layer.ScaleFont = false;
  EXPECT_EQ(font->PixelHeight(), -10);
}

TEST_F(AttributesTest, FontIsMadeOnlyWhenItChanges) {
  layer.ScaleFont = false;
  TGlobeFont* font =
      FindOrCreateFont(layer, "Arial", FS_BOLD, 450, 12, TGlobeUnits::Degree, 0x123456);
  TGlobeFont* other = FindOrCreateFont(layer, "Times New Roman", 0, 0, 0, TGlobeUnits::Degree, 0);
  auto& calls = globe.canvas.calls;
  font->Realize(0);  // a render handler set the canvas: nothing happens
  EXPECT_TRUE(calls.empty());
  font->Realize(OS_OWN_ATTRIBUTES);
  font->Realize(OS_OWN_ATTRIBUTES);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], "font Arial -12 450 123456");
  EXPECT_EQ(globe.canvas.font.Weight, 700);
  // Selected: always made afresh, in red, and the cache is forgotten.
  font->Realize(OS_OWN_ATTRIBUTES | OS_SELECTED);
  font->Realize(OS_OWN_ATTRIBUTES);
  other->Realize(OS_OWN_ATTRIBUTES);  // a pixel height of 0 is drawn as 1
  font->ResetCache();
  font->Realize(OS_OWN_ATTRIBUTES);
  const std::vector<std::string> expected{
      "font Arial -12 450 123456", "font Arial -12 450 0000FF", "font Arial -12 450 123456",
      "font Times New Roman -1 0 000000", "font Arial -12 450 123456"};
  EXPECT_EQ(calls, expected);
}

TEST_F(AttributesTest, PensAndBrushesUseTheSelectionColoursWhenSelected) {
  TGlobePen* pen = FindOrCreatePen(layer, 0x00FF00, TPenStyle::psDot, 3);
  TGlobeBrush* brush = FindOrCreateBrush(layer, 0x808080, TBrushStyle::bsHorizontal);
  pen->Realize(OS_OWN_ATTRIBUTES);
  brush->Realize(OS_OWN_ATTRIBUTES);
  pen->Realize(OS_OWN_ATTRIBUTES | OS_SELECTED);
  brush->Realize(OS_OWN_ATTRIBUTES | OS_SELECTED);
  pen->Realize(OS_SELECTED);
  const std::vector<std::string> expected{"pen 00FF00 2 3", "brush 808080 2", "pen 0000FF 0 1",
                                          "brush 00FFFF 0"};
  EXPECT_EQ(globe.canvas.calls, expected);
}

}  // namespace
}  // namespace meridex
