#include "widgets/es_paint_plan.h"

#include <algorithm>
#include <cstdint>

namespace meridex {

namespace {

// num / den rounded to nearest, halves to even; den > 0.
long long RoundRatio(long long num, long long den) {
  long long q = num / den;
  long long r = num % den;
  if (r < 0) {
    r += den;
    --q;
  }
  const long long twice = 2 * r;
  if (twice > den || (twice == den && (q & 1) != 0)) ++q;
  return q;
}

std::uint8_t Channel(int from, int to, long long num, long long den) {
  const long long value = from + RoundRatio(num * (to - from), den);
  return static_cast<std::uint8_t>(std::clamp<long long>(value, 0, 255));
}

// The colour `num / den` of the way from `from` to `to`.
EsColor Blend(EsColor from, EsColor to, long long num, long long den) {
  return {Channel(from.r, to.r, num, den), Channel(from.g, to.g, num, den),
          Channel(from.b, to.b, num, den)};
}

struct Shift {
  int minOff = 0;
  int maxOff = 0;
  int align = 0;
  // The offset of a copy drawn `step` away from the text.
  EsStep at(EsStep step) const { return {step.dx - minOff - align, step.dy - minOff}; }
};

// The smallest and largest coordinate of the two shade offsets, and 0.
Shift OffsetRange(const TEsCustomSettings::Values& v) {
  const EsStep h = ShadeStep(v.HighlightDirection);
  const EsStep s = ShadeStep(v.ShadowDirection);
  const int hd = v.HighlightDepth;
  const int sd = v.ShadowDepth;
  const int offsets[] = {h.dx * hd, s.dx * sd, h.dy * hd, s.dy * sd, 0};
  Shift shift;
  shift.minOff = *std::min_element(std::begin(offsets), std::end(offsets));
  shift.maxOff = *std::max_element(std::begin(offsets), std::end(offsets));
  return shift;
}

// Copies going up or left are moved back into the rectangle; centred and
// right-aligned text moves left so that text and copies together keep the
// alignment.
Shift ShiftOf(const EsPaintInput& in) {
  Shift shift = OffsetRange(in.settings);
  const int spread = shift.maxOff - shift.minOff;
  switch (in.alignment) {
    case TEsAlignment::taLeftJustify:
      shift.align = 0;
      break;
    case TEsAlignment::taCenter:
      shift.align = spread / 2;
      break;
    case TEsAlignment::taRightJustify:
      shift.align = spread;
      break;
  }
  return shift;
}

// The copies of one shade, farthest first. Plain, or a depth of 0 or 1, is a
// single copy at the full depth; extruded and graduated runs have one copy
// per pixel of depth, the graduated one fading from `color` at the far end
// to the text colour next to the text.
std::vector<EsCopy> ShadeCopies(int depth, TEsShadeStyle style, EsColor color,
                                TEsShadeDirection direction, EsColor text, const Shift& shift) {
  const EsStep step = ShadeStep(direction);
  const bool run = style != TEsShadeStyle::ssPlain && depth > 1;
  const bool fade = run && style == TEsShadeStyle::ssGraduated;
  const int first = run ? 1 : depth;
  std::vector<EsCopy> copies;
  for (int m = depth; m >= first; --m) {
    const EsColor shade = fade ? Blend(color, text, depth - m, depth - 1) : color;
    copies.push_back({shift.at({m * step.dx, m * step.dy}), shade});
  }
  return copies;
}

std::vector<EsBand> GradientBands(const EsPaintInput& in, const Shift& shift) {
  const bool horizontal = in.settings.GraduateStyle == TEsGraduateStyle::gsHorizontal;
  const int length = (horizontal ? in.text.width : in.text.height) - 1;
  if (length < 0) return {};
  int origin = -shift.minOff;  // where the text begins along the gradient
  if (horizontal) {
    switch (in.alignment) {
      case TEsAlignment::taLeftJustify:
        break;
      case TEsAlignment::taCenter:
        origin = (in.width - in.text.width) / 2 - shift.minOff - shift.align;
        break;
      case TEsAlignment::taRightJustify:
        origin = in.width - shift.maxOff - in.text.width;
        break;
    }
  }
  std::vector<EsBand> bands;
  for (int i = 0; i < kEsGradientBands; ++i) {
    const int from = origin + static_cast<int>(RoundRatio(static_cast<long long>(i) * length, 15));
    const int to =
        origin + static_cast<int>(RoundRatio(static_cast<long long>(i + 1) * length, 15));
    EsBand band;
    band.color = Blend(in.settings.GraduateFromColor, in.fontColor, i, 15);
    if (horizontal) {
      band.left = from;
      band.right = to;
      band.bottom = in.height;
    } else {
      band.top = from;
      band.bottom = to;
      band.right = in.width;
    }
    bands.push_back(band);
  }
  return bands;
}

}  // namespace

int EsReliefSpread(const TEsCustomSettings::Values& settings) {
  const Shift range = OffsetRange(settings);
  return range.maxOff - range.minOff;
}

EsPaintPlan PlanEsPaint(const EsPaintInput& in) {
  const Shift shift = ShiftOf(in);
  const TEsCustomSettings::Values& s = in.settings;
  EsPaintPlan plan;
  plan.shadows = ShadeCopies(s.ShadowDepth, s.ShadowStyle, s.ShadowColor, s.ShadowDirection,
                             in.fontColor, shift);
  plan.highlights = ShadeCopies(s.HighlightDepth, s.HighlightStyle, s.HighlightColor,
                                s.HighlightDirection, in.fontColor, shift);
  plan.text = {shift.at({0, 0}), in.fontColor};
  plan.gradient = s.GraduateStyle;
  if (s.GraduateStyle != TEsGraduateStyle::gsNone) plan.bands = GradientBands(in, shift);
  return plan;
}

}  // namespace meridex
