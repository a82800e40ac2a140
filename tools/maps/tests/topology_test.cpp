// Decoding TopoJSON arcs and joining them into rings.
#include "topology.h"

#include <gtest/gtest.h>

#include <sstream>

#include "map_layers.h"

namespace meridex::maps {
namespace {

TEST(DecodeArc, DeltasAddUpAndTheTransformGivesDegrees) {
  const TopoTransform t{0.5, 0.25, -180, -90};
  const PointList arc = DecodeArc({{360, 360}, {1, -4}, {359, 0}}, t);
  ASSERT_EQ(arc.size(), 3u);
  EXPECT_EQ(arc[0], (TLLPoint{0, 0}));
  EXPECT_EQ(arc[1], (TLLPoint{GU_DEGREE / 2, -GU_DEGREE}));
  EXPECT_EQ(arc[2], (TLLPoint{GU_180, -GU_DEGREE}));
  // Rounding past the edge of the map stays on it.
  EXPECT_EQ(DecodeArc({{721, 721}}, t)[0], (TLLPoint{GU_180, GU_90}));
}

TEST(TopologyJoin, ArcsJoinEndToStartAndNegativeReferencesRunBackwards) {
  Topology topology;
  topology.Arcs = {{{0, 0}, {1, 0}}, {{1, 0}, {1, 1}, {0, 1}}, {{0, 1}, {0, 0}}};
  EXPECT_EQ(topology.Join({0, 1, 2}), (PointList{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}));
  EXPECT_EQ(topology.Join({~2, ~1, ~0}), (PointList{{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0}}));
  EXPECT_THROW(topology.Join({3}), std::runtime_error);
  EXPECT_THROW(topology.Object("countries"), std::runtime_error);
}

TEST(NameTable, TabSeparatedNamesWithCommentsAndBadLinesNamed) {
  std::istringstream in("# comment\n\nW. Sahara\tWestern Sahara\r\nCuraçao\tCuracao\n");
  const NameTable names = ReadNameTable(in);
  EXPECT_EQ(names.size(), 2u);
  EXPECT_EQ(names.at("W. Sahara"), "Western Sahara");
  EXPECT_EQ(names.at("Curaçao"), "Curacao");
  std::istringstream bad("A\tB\nno tab here\n");
  try {
    ReadNameTable(bad);
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos);
  }
}

}  // namespace
}  // namespace meridex::maps
