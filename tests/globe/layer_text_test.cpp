#include "layer_text.h"

#include <gtest/gtest.h>

#include <sstream>

#include "common/errors.h"
#include "globe/globe_grid.h"
#include "globe/globe_poly_line.h"
#include "globe/globe_text.h"
#include "globe/layer_file_writer.h"
#include "test_globe.h"

namespace meridex {
namespace {

TEST(LayerText, DegreesConvertExactly) {
  EXPECT_EQ(DegreesToGlobeUnits("2.35"), 12690000);
  EXPECT_EQ(DegreesToGlobeUnits("48.86"), 263844000);
  EXPECT_EQ(DegreesToGlobeUnits("-180"), -972000000);
  EXPECT_EQ(DegreesToGlobeUnits("-0.0000001"), -1);    // 0.54 GU
  EXPECT_EQ(DegreesToGlobeUnits("0.00000009259"), 0);  // 0.49999 GU
  EXPECT_EQ(DegreesToGlobeUnits("397.6"), 2147040000);
  for (const char* bad : {"398", "abc", "1e5", "", "-", "1.2.3", "+5"})
    EXPECT_THROW(DegreesToGlobeUnits(bad), ConversionError) << bad;
}

TEST(LayerText, DescriptionBecomesALayerFile) {
  std::istringstream text(R"(# a test layer
format 0
pen   coast  #000080 0 1
brush land   #C0C080 0
font  label  #FFFFFF NM 30 0 1 Liberation Sans
pen   coast2 #000080 0 1
polygon coast land Island of Test
  -10 40
   10 40
   10 50
end
pointtext label 2.35 48.86 Paris
symbol label 42 0 0 star
grid coast2 coast 30 20 10 10 5 5 Grid
)");
  test::TestGlobe globe;
  TGlobeLayer& layer = globe.AddLayer("made");
  EXPECT_EQ(ReadLayerText(text, layer), 90000);
  EXPECT_EQ(layer.AttributeCount(), 3);  // the two equal pens are one

  TGlobeLayer& loaded = globe.AddLayer("loaded");
  loaded.LoadFromBytes(WriteLayerFile(layer, 90000), "made.dat");
  ASSERT_EQ(loaded.ObjectCount(), 4);
  auto* pen = dynamic_cast<TGlobePen*>(loaded.Attributes(0));
  ASSERT_TRUE(pen);
  EXPECT_EQ(pen->Color, 0x800000u);  // navy: blue in the high byte
  auto* brush = dynamic_cast<TGlobeBrush*>(loaded.Attributes(1));
  ASSERT_TRUE(brush);
  EXPECT_EQ(brush->Color, 0x80C0C0u);
  auto* font = dynamic_cast<TGlobeFont*>(loaded.Attributes(2));
  ASSERT_TRUE(font);
  EXPECT_EQ(font->Name, "Liberation Sans");
  EXPECT_EQ(font->Height, 30);
  EXPECT_EQ(font->Style, FS_BOLD);

  auto* island = dynamic_cast<TGlobePolygon*>(loaded.Objects(0));
  ASSERT_TRUE(island);
  EXPECT_EQ(island->Title, "Island of Test");
  ASSERT_EQ(island->Points.Count(), 3);
  EXPECT_EQ(island->Points.Get(0), (TLLPoint{-54000000, 216000000}));
  EXPECT_EQ(island->Points.Get(2), (TLLPoint{54000000, 270000000}));
  auto* paris = dynamic_cast<TGlobePointText*>(loaded.Objects(1));
  ASSERT_TRUE(paris);
  EXPECT_EQ(paris->Location, (TLLPoint{12690000, 263790000}));  // whole arc minutes
  auto* star = dynamic_cast<TGlobeSymbol*>(loaded.Objects(2));
  ASSERT_TRUE(star);
  EXPECT_EQ(star->SymbolCode, 42);
  auto* grid = dynamic_cast<TGlobeGrid*>(loaded.Objects(3));
  ASSERT_TRUE(grid);
  EXPECT_EQ(grid->Extent, (TRect{0, 0, 162000000, 108000000}));
  EXPECT_EQ(grid->LatSubStep, 27000000);
}

TEST(LayerText, MistakesNameTheLine) {
  const auto error = [](const std::string& description) {
    std::istringstream text(description);
    test::TestGlobe globe;
    try {
      ReadLayerText(text, globe.AddLayer("x"));
    } catch (const ConversionError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(error("pen a #000000 0 1\n\npolyline b L\nend\n"), "line 3: no attribute named \"b\"");
  EXPECT_EQ(error("pen a #00000 0 1\n"), "line 1: \"#00000\" is not a colour #RRGGBB");
  EXPECT_EQ(error("pen a #000000 9 1\n"), "line 1: \"9\" is not a number from 0 to 6");
  EXPECT_EQ(error("circle 1 2\n"), "line 1: unknown statement \"circle\"");
  EXPECT_EQ(error("pen a #000000 0 1\npolyline a L\n1 2\n"),
            "line 3: the point list started on line 2 has no \"end\"");
  EXPECT_EQ(error("font f #000000 XX 1 0 0 Arial\n"), "line 1: StrToUnits: Unknown Units XX");
}

}  // namespace
}  // namespace meridex
