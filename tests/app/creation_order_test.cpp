#include "app/creation_order.h"

#include <gtest/gtest.h>

namespace meridex {
namespace {

using enum WindowId;

TEST(CreationOrder, FollowsTheStartupView) {
  const std::vector<WindowId> tail{AlarmSettings, AlarmMessage, UnitHelp,      MapViewHelp,
                                   AlarmWizard,   AddWizard,    ForecastWizard};
  auto with = [&](std::vector<WindowId> head) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
  };
  const auto listFirst = with({CityList, AboutBox, Calculator, UnitConversion, Options, WorldView});
  EXPECT_EQ(CreationOrder("a"), listFirst);
  EXPECT_EQ(CreationOrder("c"), listFirst);
  EXPECT_EQ(CreationOrder("b"),
            with({UnitConversion, CityList, AboutBox, Calculator, Options, WorldView}));
  EXPECT_EQ(CreationOrder("d"),
            with({WorldView, CityList, AboutBox, Calculator, UnitConversion, Options}));
  for (const char* other : {"", "z", "A", "e", "ab"}) EXPECT_TRUE(CreationOrder(other).empty());
  EXPECT_EQ(CreationOrder("d").size(), 13u);
}

}  // namespace
}  // namespace meridex
