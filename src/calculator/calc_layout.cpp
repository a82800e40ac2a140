#include "calculator/calc_layout.h"

namespace meridex {

namespace {

// The keypad rows 1 to 4, columns 0 to 4.
constexpr int kKeypad[4][5] = {
    {cbDigit0 + 7, cbDigit0 + 8, cbDigit0 + 9, cbDivide, cbSqrt},
    {cbDigit0 + 4, cbDigit0 + 5, cbDigit0 + 6, cbMultiply, cbPercent},
    {cbDigit0 + 1, cbDigit0 + 2, cbDigit0 + 3, cbSubtract, cbReciprocal},
    {cbDigit0, cbChangeSign, cbDecimal, cbAdd, cbEquals},
};
constexpr int kMemoryColumn[5] = {cbMemoryClear, cbMemoryRecall, cbMemoryStore, cbMemoryAdd,
                                  cbMemorySubtract};

}  // namespace

int CalcDisplayHeight(int textHeight, int borderHeight, bool threeD) {
  return textHeight + borderHeight * (threeD ? 8 : 6);
}

CalcLayout LayoutCalculator(int width, int height, int displayHeight, bool showMemoryButtons) {
  const bool wide = width > 200;
  const int gap = wide ? 4 : 2;
  int margin = wide ? 6 : 4;
  int button = 0;
  int extra = 0;  // space between the memory column and the keypad
  if (showMemoryButtons) {
    button = (width - 3 * margin - 4 * gap) / 6;
    extra = width - 2 * margin - 6 * button - 4 * gap;
  } else {
    button = (width - 2 * margin - 4 * gap) / 5;
    const int spare = (width - 2 * margin - 4 * gap) / 6;
    if (spare >= 4) {
      margin += 2;
    } else if (spare >= 2) {
      margin += 1;
    }
  }
  const int rowHeight = (height - 3 * margin - displayHeight - 4 * gap) / 5;
  const int top = height - margin - 5 * rowHeight - 4 * gap;
  const int left = showMemoryButtons ? margin + button + extra : margin;

  CalcLayout layout;
  const int keypadWidth = showMemoryButtons ? 6 * button + extra + 4 * gap : 5 * button + 4 * gap;
  layout.display = {margin, margin, keypadWidth, displayHeight};
  const auto rowY = [&](int row) { return top + row * (rowHeight + gap); };
  const auto columnX = [&](int column) { return left + column * (button + gap); };

  const int editWidth = (4 * button + gap) / 3;
  const int editButtons[3] = {cbBack, cbClearEntry, cbClear};
  for (int i = 0; i < 3; ++i) {
    layout.buttons[editButtons[i]] = {columnX(1) + i * (editWidth + gap), rowY(0), editWidth,
                                      rowHeight};
  }
  for (int row = 1; row <= 4; ++row) {
    for (int column = 0; column < 5; ++column) {
      layout.buttons[kKeypad[row - 1][column]] = {columnX(column), rowY(row), button, rowHeight};
    }
  }
  for (int row = 0; row < 5; ++row) {
    layout.buttons[kMemoryColumn[row]] = {margin, rowY(row), button, rowHeight};
  }
  for (int code = 1; code <= kCalcButtonCount; ++code) {
    layout.visible[code] = showMemoryButtons || code < cbMemoryClear;
  }
  return layout;
}

}  // namespace meridex
