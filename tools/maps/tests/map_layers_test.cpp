// The layers made from a small topology: titles, fills that differ between
// neighbours, borders drawn once, coasts, and land cut into pieces small
// enough for the globe.
#include "map_layers.h"

#include <gtest/gtest.h>

#include <cmath>

#include "globe/globe_engine.h"
#include "globe/globe_poly_line.h"
#include "globe/layer_file_writer.h"
#include "map_style.h"
#include "ring_cut.h"

namespace meridex::maps {
namespace {

constexpr GlobeUnit D = GU_DEGREE;

TLLPoint P(double lon, double lat) { return {DegreesToGlobeUnits(lon), DegreesToGlobeUnits(lat)}; }

// Three squares in a row, A | B | C, sharing their sides, and a country D
// that is a single point.
Topology Row() {
  Topology t;
  t.Arcs = {
      {P(1, 0), P(0, 0), P(0, 1), P(1, 1)},  // 0: A's coast
      {P(1, 1), P(1, 0)},                    // 1: A | B
      {P(1, 0), P(2, 0)},                    // 2: B's south coast
      {P(2, 0), P(2, 1)},                    // 3: B | C
      {P(2, 1), P(1, 1)},                    // 4: B's north coast
      {P(2, 1), P(3, 1), P(3, 0), P(2, 0)},  // 5: C's coast
      {P(5, 5), P(5, 5)},                    // 6: D
  };
  auto& countries = t.Objects["countries"];
  countries.push_back({"A.", "1", {{{0, 1}}}, {}});
  countries.push_back({"B", "2", {{{2, 3, 4, 1}}}, {}});
  countries.push_back({"C", "3", {{{5, 3}}}, {}});
  countries.push_back({"D", "4", {{{6}}}, {}});
  return t;
}

TEST(Countries, TitledOncePerPartWithFillsThatDifferBetweenNeighbours) {
  TGlobeEngine globe;
  TGlobeLayer& layer = globe.AddLayer("countries");
  const auto leftOut = AddCountries(Row(), {{"A.", "Alpha"}}, layer);
  EXPECT_EQ(leftOut, std::vector<std::string>{"D"});
  ASSERT_EQ(layer.ObjectCount(), 3);
  const auto shape = [&](int i) { return dynamic_cast<TGlobePolygon*>(layer.Objects(i)); };
  EXPECT_EQ(shape(0)->Title, "Alpha");
  EXPECT_EQ(shape(1)->Title, "B");
  EXPECT_EQ(shape(2)->Title, "C");
  EXPECT_NE(shape(0)->Brush->Color, shape(1)->Brush->Color);
  EXPECT_NE(shape(1)->Brush->Color, shape(2)->Brush->Color);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(shape(i)->Pen->Style, TPenStyle::psClear);  // outlines come from the borders
    EXPECT_EQ(shape(i)->Points.Count(), 4);
  }
}

TEST(Countries, ATitleOutsideAsciiIsRefused) {
  TGlobeEngine globe;
  TGlobeLayer& layer = globe.AddLayer("countries");
  Topology t = Row();
  t.Objects["countries"][1].Name = "Curaçao";
  EXPECT_THROW(AddCountries(t, {}, layer), std::runtime_error);
}

TEST(CoastsAndBorders, EachSharedArcIsOneBorderAndTheRestCoast) {
  TGlobeEngine globe;
  TGlobeLayer& layer = globe.AddLayer("borders");
  AddCoastsAndBorders(Row(), layer);
  int coasts = 0, borders = 0;
  for (int i = 0; i < layer.ObjectCount(); ++i) {
    const auto* line = dynamic_cast<const TGlobePolyLine*>(layer.Objects(i));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->Pen->Width, 1);
    if (line->Pen->Color == kBorder) {
      ++borders;
    } else {
      EXPECT_EQ(line->Pen->Color, kCoast);
      EXPECT_EQ(borders, 0) << "coasts are drawn first, borders over them";
      ++coasts;
    }
  }
  EXPECT_EQ(borders, 2);
  EXPECT_EQ(coasts, 4);  // D's arc is a single point: not drawn
}

TEST(Land, AContinentIsCutIntoPiecesWithoutHoles) {
  Topology t;
  t.Arcs = {{P(0, 0), P(100, 0), P(100, 60), P(0, 60), P(0, 0)},
            {P(45, 20), P(45, 30), P(55, 30), P(55, 20), P(45, 20)}};
  t.Objects["land"].push_back({"", "", {{{0}, {1}}}, {}});
  TGlobeEngine globe;
  TGlobeLayer& layer = globe.AddLayer("land");
  AddLand(t, layer);
  ASSERT_GT(layer.ObjectCount(), 1);
  double area = 0;
  int holding = 0, holdingHole = 0;
  for (int i = 0; i < layer.ObjectCount(); ++i) {
    auto* piece = dynamic_cast<TGlobePolygon*>(layer.Objects(i));
    const PointList points(piece->Points.Points(), piece->Points.Points() + piece->Points.Count());
    area += static_cast<double>(std::fabs(RingArea2(points)) / 2 / (double(D) * D));
    piece->CalcExtent();
    EXPECT_LE(piece->Extent.Right - piece->Extent.Left, 40 * D + 2);
    EXPECT_LE(piece->Extent.Bottom - piece->Extent.Top, 40 * D + 2);
    holding += piece->PtInObject(10 * D, 10 * D);
    holdingHole += piece->PtInObject(50 * D, 25 * D);
  }
  EXPECT_NEAR(area, 6000 - 100, 1e-6);
  EXPECT_EQ(holding, 1);
  EXPECT_EQ(holdingHole, 0);
}

TEST(Layers, TheSameInputsGiveTheSameBytes) {
  const auto bytes = [] {
    TGlobeEngine globe;
    TGlobeLayer& countries = globe.AddLayer("countries");
    AddCountries(Row(), {}, countries);
    TGlobeLayer& borders = globe.AddLayer("borders");
    AddCoastsAndBorders(Row(), borders);
    auto a = WriteLayerFile(countries), b = WriteLayerFile(borders);
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  EXPECT_EQ(bytes(), bytes());
}

}  // namespace
}  // namespace meridex::maps
