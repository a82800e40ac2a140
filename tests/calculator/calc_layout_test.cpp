#include "calculator/calc_layout.h"

#include <gtest/gtest.h>

namespace meridex {
namespace {

TEST(CalcLayout, DisplayHeightAddsTheInnerMargin) {
  EXPECT_EQ(CalcDisplayHeight(13), 21);
  EXPECT_EQ(CalcDisplayHeight(13, 1, false), 19);
  EXPECT_EQ(CalcDisplayHeight(16, 2), 32);
}

// The calculator window's control: 209 x 161 with a 21-pixel display; being
// wider than 200 it uses gap 4 and margin 6. Buttons are 29 wide (175 div 6)
// with 7 pixels between the memory column and the keypad, and 21 high
// (106 div 5) from y = 34.
TEST(CalcLayout, PlacesTheWindowsControl) {
  const CalcLayout layout = LayoutCalculator(209, 161, 21, true);
  EXPECT_EQ(layout.display, (CalcRect{6, 6, 197, 21}));
  EXPECT_EQ(layout.buttons[cbBack], (CalcRect{75, 34, 40, 21}));
  EXPECT_EQ(layout.buttons[cbClearEntry], (CalcRect{119, 34, 40, 21}));
  EXPECT_EQ(layout.buttons[cbClear], (CalcRect{163, 34, 40, 21}));
  EXPECT_EQ(layout.buttons[cbDigit0 + 7], (CalcRect{42, 59, 29, 21}));
  EXPECT_EQ(layout.buttons[cbSqrt], (CalcRect{174, 59, 29, 21}));
  EXPECT_EQ(layout.buttons[cbMultiply], (CalcRect{141, 84, 29, 21}));
  EXPECT_EQ(layout.buttons[cbReciprocal], (CalcRect{174, 109, 29, 21}));
  EXPECT_EQ(layout.buttons[cbDigit0], (CalcRect{42, 134, 29, 21}));
  EXPECT_EQ(layout.buttons[cbChangeSign], (CalcRect{75, 134, 29, 21}));
  EXPECT_EQ(layout.buttons[cbDecimal], (CalcRect{108, 134, 29, 21}));
  EXPECT_EQ(layout.buttons[cbEquals], (CalcRect{174, 134, 29, 21}));
  EXPECT_EQ(layout.buttons[cbMemoryClear], (CalcRect{6, 34, 29, 21}));
  EXPECT_EQ(layout.buttons[cbMemorySubtract], (CalcRect{6, 134, 29, 21}));
  for (int code = 1; code <= kCalcButtonCount; ++code) EXPECT_TRUE(layout.visible[code]) << code;
}

TEST(CalcLayout, NarrowControlUsesSmallerGaps) {
  // 200 x 140 (the control's default size) is not wider than 200: gap 2,
  // margin 4; buttons (200 - 12 - 8) div 6 = 30 wide, extra 200 - 8 - 180 - 8 = 4.
  const CalcLayout layout = LayoutCalculator(200, 140, 21, true);
  EXPECT_EQ(layout.display, (CalcRect{4, 4, 192, 21}));
  // Rows (140 - 12 - 21 - 8) div 5 = 19 high from y = 140 - 4 - 95 - 8 = 33.
  EXPECT_EQ(layout.buttons[cbMemoryClear], (CalcRect{4, 33, 30, 19}));
  EXPECT_EQ(layout.buttons[cbDigit0 + 7], (CalcRect{38, 54, 30, 19}));
  EXPECT_EQ(layout.buttons[cbEquals], (CalcRect{166, 117, 30, 19}));
}

TEST(CalcLayout, WithoutMemoryButtonsTheKeypadWidens) {
  // b = (209 - 12 - 16) div 5 = 36; (209 - 12 - 16) div 6 = 30 >= 4 widens the
  // margin to 8; rows (161 - 24 - 21 - 16) div 5 = 20 high from 161 - 8 - 100 - 16 = 37.
  const CalcLayout layout = LayoutCalculator(209, 161, 21, false);
  EXPECT_EQ(layout.display, (CalcRect{8, 8, 196, 21}));
  EXPECT_EQ(layout.buttons[cbDigit0 + 7], (CalcRect{8, 61, 36, 20}));
  EXPECT_EQ(layout.buttons[cbBack], (CalcRect{48, 37, 49, 20}));
  EXPECT_EQ(layout.buttons[cbEquals], (CalcRect{168, 133, 36, 20}));
  for (int code = cbMemoryClear; code <= cbMemorySubtract; ++code) {
    EXPECT_FALSE(layout.visible[code]) << code;
  }
  EXPECT_TRUE(layout.visible[cbDivide]);
}

TEST(CalcRect, ExcludesTheRightAndBottomEdges) {
  const CalcRect r{10, 20, 5, 4};
  EXPECT_TRUE(r.contains(10, 20));
  EXPECT_TRUE(r.contains(14, 23));
  EXPECT_FALSE(r.contains(15, 23));
  EXPECT_FALSE(r.contains(14, 24));
  EXPECT_FALSE(r.contains(9, 20));
}

}  // namespace
}  // namespace meridex
