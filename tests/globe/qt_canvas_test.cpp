#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <cstdlib>
#include <memory>

#include "globe/globe_engine.h"
#include "globe/globe_grid.h"
#include "globe/globe_layer.h"
#include "globe/globe_poly_line.h"
#include "globe/globe_text.h"
#include "globe/qt_globe_canvas.h"

namespace meridex {
namespace {

constexpr TColor kLand = 0x40A040;   // green (red in the low byte)
constexpr TColor kRiver = 0xC00000;  // dark blue
constexpr int kWidth = 400, kHeight = 300;

GlobeUnit Deg(double d) { return static_cast<GlobeUnit>(d * 5400000); }

// A made-up island, a river across it, a grid, a labelled city and a symbol.
void FillLayer(TGlobeLayer& layer) {
  layer.ScaleFont = false;
  auto* island = CreateIn<TGlobePolygon>(layer);
  island->Title = "Island";
  island->Pen = FindOrCreatePen(layer, 0x000000, TPenStyle::psSolid, 1);
  island->Brush = FindOrCreateBrush(layer, kLand, TBrushStyle::bsSolid);
  for (auto [lon, lat] :
       {std::pair{-30.0, 10.0}, {20.0, 5.0}, {35.0, 40.0}, {0.0, 60.0}, {-25.0, 45.0}})
    island->Points.Add({Deg(lon), Deg(lat)});
  auto* river = CreateIn<TGlobePolyLine>(layer);
  river->Pen = FindOrCreatePen(layer, kRiver, TPenStyle::psSolid, 2);
  for (double t = 0; t <= 1.0; t += 0.05)
    river->Points.Add({Deg(-20 + 40 * t), Deg(20 + 25 * t * t)});
  auto* grid = CreateIn<TGlobeGrid>(layer);
  grid->Extent = {Deg(-60), Deg(-30), Deg(60), Deg(0)};
  grid->LonStep = Deg(30);
  grid->LatStep = Deg(15);
  grid->LonSubStep = grid->LatSubStep = Deg(7.5);
  grid->MajorPen = FindOrCreatePen(layer, 0x0000FF, TPenStyle::psSolid, 1);
  grid->MinorPen = FindOrCreatePen(layer, 0x808080, TPenStyle::psDot, 1);
  auto* city = CreateIn<TGlobePointText>(layer);
  city->Title = "Capital";
  city->Location = {Deg(-15), Deg(50)};
  city->Font = FindOrCreateFont(layer, "Arial", FS_BOLD, 0, 12, TGlobeUnits::Degree, 0x00FFFF);
  auto* symbol = CreateIn<TGlobeSymbol>(layer);
  symbol->SymbolCode = '*';
  symbol->Location = {Deg(10), Deg(50)};
  symbol->Font = FindOrCreateFont(layer, "Arial", 0, 450, 20, TGlobeUnits::Degree, 0xFF00FF);
}

// A globe showing the whole earth in projection.
std::unique_ptr<TGlobeEngine> MakeGlobe(TGlobeProjection projection) {
  auto globe = std::make_unique<TGlobeEngine>(kWidth, kHeight);
  globe->SetProjection(projection);
  globe->ZoomToRect({});
  return globe;
}

QImage Render(TGlobeProjection projection) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::black);
  auto globe = MakeGlobe(projection);
  FillLayer(globe->AddLayer("test"));
  {
    TQtGlobeCanvas canvas(image);
    globe->Paint(canvas);
  }
  if (const char* dir = std::getenv("MERIDEX_GLOBE_PNG_DIR")) {
    const char* names[] = {"sphere", "cartesian", "mercator"};
    image.save(QString("%1/globe-%2.png").arg(dir, names[static_cast<int>(projection)]));
  }
  return image;
}

// The pixel where the projection puts (lon, lat).
QPoint Where(TGlobeProjection projection, double lon, double lat) {
  auto globe = MakeGlobe(projection);
  EXPECT_TRUE(globe->PrjModel().LLToXY(Deg(lon), Deg(lat), 0));
  return {globe->PrjModel().Point(0).X, globe->PrjModel().Point(0).Y};
}

class QtCanvasRender : public ::testing::TestWithParam<TGlobeProjection> {};

TEST_P(QtCanvasRender, LayerLandsWhereTheProjectionSays) {
  const QImage image = Render(GetParam());
  // Inside the island, away from river, label and grid: the land colour.
  EXPECT_EQ(image.pixelColor(Where(GetParam(), 5, 15)), ToQColor(kLand));
  // Open sea, away from the graticule: the globe colour (aqua).
  EXPECT_EQ(image.pixelColor(Where(GetParam(), -50, 50)), QColor(0, 255, 255));
  // A vertex of the river (a quarter along) is drawn with its pen.
  EXPECT_EQ(image.pixelColor(Where(GetParam(), -10, 21.5625)), ToQColor(kRiver));
  // The point text's dot (radius 6) in the label's colour.
  EXPECT_EQ(image.pixelColor(Where(GetParam(), -15, 50) + QPoint(0, 2)), ToQColor(0x00FFFF));
}

INSTANTIATE_TEST_SUITE_P(AllProjections, QtCanvasRender,
                         ::testing::Values(TGlobeProjection::gpSpherical,
                                           TGlobeProjection::gpCartesian,
                                           TGlobeProjection::gpMercator));

TEST(QtCanvas, SphereLeavesTheCornersToTheBackground) {
  const QImage image = Render(TGlobeProjection::gpSpherical);
  EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(kWidth - 3, kHeight - 3), QColor(Qt::black));
}

TEST(QtCanvas, GlobeFontsUseTheStandInFacesAndPixelHeights) {
  const QFont font =
      CreateGlobeFont(GlobeLogFont("Arial", 17, FS_BOLD | FS_ITALIC | FS_UNDERLINE, 0));
  EXPECT_EQ(font.family(), "Liberation Sans");
  EXPECT_EQ(font.pixelSize(), 17);
  EXPECT_EQ(font.weight(), QFont::Bold);
  EXPECT_TRUE(font.italic());
  EXPECT_TRUE(font.underline());
  EXPECT_FALSE(font.strikeOut());
  EXPECT_EQ(CreateGlobeFont(GlobeLogFont("Times New Roman", 0, FS_STRIKEOUT, 0)).pixelSize(), 1);
  EXPECT_EQ(CreateGlobeFont(GlobeLogFont("Times New Roman", 0, FS_STRIKEOUT, 0)).family(),
            "Liberation Serif");
  EXPECT_TRUE(CreateGlobeFont(GlobeLogFont("Times New Roman", 0, FS_STRIKEOUT, 0)).strikeOut());
}

TEST(QtCanvas, TextTurnsCounterClockwiseAboutItsTopLeft) {
  QImage image(100, 100, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    TQtGlobeCanvas canvas(image);
    canvas.SetBkMode(TBkMode::Transparent);
    canvas.SetFont(GlobeLogFont("Arial", 20, 0, 900), 0x000000);
    canvas.TextOut(50, 90, "WWWW");
  }
  // Turned by 90 degrees the text runs upwards from (50, 90), on the right
  // of x = 50 (the glyphs' tops face left).
  int dark = 0, darkLeft = 0, darkBelow = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) {
      if (image.pixelColor(x, y).lightness() > 128) continue;
      ++dark;
      if (x < 50) ++darkLeft;
      if (y > 90) ++darkBelow;
    }
  EXPECT_GT(dark, 50);
  EXPECT_EQ(darkLeft, 0);
  EXPECT_EQ(darkBelow, 0);
}

TEST(QtCanvas, TextExtentAndPixels) {
  QImage image(20, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  TQtGlobeCanvas canvas(image);
  canvas.SetFont(GlobeLogFont("Arial", 10, 0, 0), 0);
  const TPoint one = canvas.TextExtent("W");
  const TPoint two = canvas.TextExtent("WW");
  EXPECT_GT(one.X, 0);
  EXPECT_NEAR(two.X, 2 * one.X, 1);
  EXPECT_GE(one.Y, 10);
  canvas.SetPixel(3, 4, 0x0000FF);
  EXPECT_EQ(image.pixelColor(3, 4), QColor(255, 0, 0));
}

}  // namespace
}  // namespace meridex
