#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <cstdlib>
#include <memory>
#include <vector>

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
  // A font without a face is the sans-serif one; other faces are asked for as named.
  EXPECT_EQ(CreateGlobeFont(GlobeLogFont("", 12, 0, 0)).family(), "Liberation Sans");
  EXPECT_EQ(CreateGlobeFont(GlobeLogFont("DejaVu Sans", 12, 0, 0)).family(), "DejaVu Sans");
}

// Labels of a few kinds take turns with their fonts (more of them than the
// canvas keeps): every text is drawn and measured in its own font, exactly as
// on a canvas that never had another.
TEST(QtCanvas, FontsTakingTurnsDrawAndMeasureAsEachAlone) {
  std::vector<TLogFont> fonts;
  for (int i = 0; i < 11; ++i)
    fonts.push_back(GlobeLogFont(i % 2 ? "Times New Roman" : "Arial", 9 + i, i % 3 ? 0 : FS_BOLD,
                                 i == 4 ? 450 : 0));
  const auto draw = [](TQtGlobeCanvas& canvas, const TLogFont& font, TColor color) {
    canvas.SetFont(font, color);
    canvas.TextOut(20, 30, "Wg");
    return canvas.TextExtent("Wide glyphs");
  };
  QImage turns(100, 80, QImage::Format_RGB32), alone(100, 80, QImage::Format_RGB32);
  QImage blank(100, 80, QImage::Format_RGB32);
  blank.fill(Qt::white);
  TQtGlobeCanvas canvas(turns);
  canvas.SetBkMode(TBkMode::Transparent);
  for (int round = 0; round < 40; ++round) {
    const std::size_t k = static_cast<std::size_t>((round * 7) % 11);
    const TColor color = round % 2 ? 0x0000FF : 0x008000;
    turns.fill(Qt::white);
    alone.fill(Qt::white);
    const TPoint extent = draw(canvas, fonts[k], color);
    {
      TQtGlobeCanvas fresh(alone);
      fresh.SetBkMode(TBkMode::Transparent);
      EXPECT_EQ(extent, draw(fresh, fonts[k], color)) << round;
    }
    // The raster painter draws straight into the image.
    ASSERT_EQ(turns, alone) << round;
    ASSERT_NE(turns, blank) << round;
  }
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

// City markers set their outline colour once per city: the same colour
// again keeps the pen, a new one keeps its width and style, and a label in
// between does not leave its text colour on the lines after it.
TEST(QtCanvas, PenColourChangesKeepThePenAndSurviveLabels) {
  QImage image(60, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    TQtGlobeCanvas canvas(image);
    canvas.SetPen({0x0000FF, TPenStyle::psSolid, 3});
    canvas.SetPenColor(0x0000FF);
    const TPoint top[] = {{5, 10}, {55, 10}};
    canvas.Polyline(top, 2);
    canvas.SetPenColor(0xFF0000);
    const TPoint middle[] = {{5, 30}, {55, 30}};
    canvas.Polyline(middle, 2);
    canvas.SetBkMode(TBkMode::Transparent);
    canvas.SetFont(GlobeLogFont("Arial", 8, 0, 0), 0x00FF00);
    canvas.TextOut(5, 40, "W");
    canvas.SetPenColor(0xFF0000);
    const TPoint bottom[] = {{5, 52}, {55, 52}};
    canvas.Polyline(bottom, 2);
  }
  const QColor red(255, 0, 0), blue(0, 0, 255);
  for (const int dy : {-1, 0, 1}) {  // three pixels wide
    EXPECT_EQ(image.pixelColor(30, 10 + dy), red) << dy;
    EXPECT_EQ(image.pixelColor(30, 30 + dy), blue) << dy;
    EXPECT_EQ(image.pixelColor(30, 52 + dy), blue) << dy;
  }
}

}  // namespace
}  // namespace meridex
