#pragma once

#include <array>

#include "calculator/calc_engine.h"

namespace meridex {

// A rectangle in pixels, right and bottom edges exclusive.
struct CalcRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool contains(int px, int py) const {
    return px >= x && px < x + width && py >= y && py < y + height;
  }
  bool operator==(const CalcRect&) const = default;
};

// Where the calculator control puts its display and its 28 buttons.
struct CalcLayout {
  CalcRect display;
  std::array<CalcRect, kCalcButtonCount + 1> buttons{};  // by button code; [0] unused
  std::array<bool, kCalcButtonCount + 1> visible{};
};

// Height of the display line: the font's text height plus the inner margin
// of a 3-D (8 border heights) or flat (6) display.
int CalcDisplayHeight(int textHeight, int borderHeight = 1, bool threeD = true);

// Lays out a control of width x height client pixels: a display line at the
// top, five rows of keypad buttons below it and, when shown, a column of
// memory buttons at the left.
CalcLayout LayoutCalculator(int width, int height, int displayHeight, bool showMemoryButtons);

}  // namespace meridex
