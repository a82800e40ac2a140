#pragma once

#include <vector>

#include "widgets/es_settings.h"

namespace meridex {

enum class TEsAlignment { taLeftJustify, taRightJustify, taCenter };

// One copy of the caption: drawn in the label's rectangle moved by `offset`.
struct EsCopy {
  EsStep offset;
  EsColor color;
  friend constexpr bool operator==(const EsCopy&, const EsCopy&) = default;
};

// A strip of the gradient fill; right and bottom are exclusive. Within it the
// letters take `color`.
struct EsBand {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  EsColor color;
  friend constexpr bool operator==(const EsBand&, const EsBand&) = default;
};

// The size of the caption as the label lays it out in its font, in pixels.
struct EsTextExtent {
  int width = 0;
  int height = 0;
};

inline constexpr int kEsGradientBands = 16;

// Everything the label draws, in order: the shadow copies, the highlight
// copies, then the text, whose letters are either plain in text.color or,
// when `bands` is not empty, coloured band by band.
struct EsPaintPlan {
  std::vector<EsCopy> shadows;
  std::vector<EsCopy> highlights;
  EsCopy text;
  TEsGraduateStyle gradient = TEsGraduateStyle::gsNone;  // the direction of the bands
  std::vector<EsBand> bands;
};

struct EsPaintInput {
  TEsCustomSettings::Values settings;
  EsColor fontColor;
  TEsAlignment alignment = TEsAlignment::taLeftJustify;
  int width = 0;  // the label's client rectangle
  int height = 0;
  EsTextExtent text;  // needed only for a gradient fill
};

// Works out the copies and bands of a label from its settings. All
// arithmetic is integer: the colour steps and band limits are exact ratios
// rounded to nearest with halves to even.
EsPaintPlan PlanEsPaint(const EsPaintInput& input);

// How many pixels the copies reach beyond the text, at most, in either
// direction: the room a label needs around its caption.
int EsReliefSpread(const TEsCustomSettings::Values& settings);

}  // namespace meridex
