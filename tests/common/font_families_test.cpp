#include "common/font_families.h"

#include <gtest/gtest.h>

#include "common/screen_density.h"

namespace meridex {
namespace {

TEST(FontFamilies, DesignedFamiliesResolveToTheirMetricCompatibleStandIns) {
  EXPECT_EQ(StandInFamily("MS Sans Serif"), "Liberation Sans");
  EXPECT_EQ(StandInFamily("Arial"), "Liberation Sans");
  EXPECT_EQ(StandInFamily("Times New Roman"), "Liberation Serif");
  EXPECT_EQ(StandInFamily("Courier New"), "Liberation Mono");
  // Names are matched exactly; anything else is asked for as it is.
  EXPECT_EQ(StandInFamily("arial"), "arial");
  EXPECT_EQ(StandInFamily("DejaVu Sans"), "DejaVu Sans");
  EXPECT_EQ(StandInFamily(""), "");
  EXPECT_EQ(FontStandIns().size(), 4u);
}

TEST(ScreenDensity, OnlyNinetySixPixelsPerInchIsTheStandardDensity) {
  EXPECT_TRUE(IsStandardDensity(96));
  for (int ppi : {72, 95, 97, 120, 144, 192}) EXPECT_FALSE(IsStandardDensity(ppi)) << ppi;
}

}  // namespace
}  // namespace meridex
