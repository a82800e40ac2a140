#pragma once

#include <cstdint>
#include <string>

#include "globe/globe_types.h"

namespace meridex {

// A colour as stored in layer files: red in the low byte, then green, blue.
using TColor = std::uint32_t;

enum class TPenStyle : std::uint8_t {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame,
};

enum class TBrushStyle : std::uint8_t {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross,
};

// Font style bits.
inline constexpr std::uint8_t FS_BOLD = 1;
inline constexpr std::uint8_t FS_ITALIC = 2;
inline constexpr std::uint8_t FS_UNDERLINE = 4;
inline constexpr std::uint8_t FS_STRIKEOUT = 8;

struct TPenSpec {
  TColor Color = 0;
  TPenStyle Style = TPenStyle::psSolid;
  int Width = 1;
  friend bool operator==(const TPenSpec&, const TPenSpec&) = default;
};

struct TBrushSpec {
  TColor Color = 0xFFFFFF;
  TBrushStyle Style = TBrushStyle::bsSolid;
  friend bool operator==(const TBrushSpec&, const TBrushSpec&) = default;
};

// A font as the engine describes it. Height follows the usual logical-font
// rule: negative = character height in pixels (without internal leading),
// positive = cell height. Escapement is in tenths of a degree,
// counter-clockwise; text turns about its top-left reference point.
struct TLogFont {
  std::string Name;
  int Height = -1;
  int Escapement = 0;
  int Weight = 400;  // 700 = bold
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  friend bool operator==(const TLogFont&, const TLogFont&) = default;
};

// The logical font for a globe font: a pixel height of 0 is taken as 1, the
// character height is minus the pixel height, Angle (tenths of a degree) is
// the escapement, and the style bits give weight, italic, underline and
// strike-out.
TLogFont GlobeLogFont(const std::string& name, int pixelHeight, std::uint8_t style, int angle);

enum class TBkMode { Transparent, Opaque };

// The surface globe objects draw on. It knows nothing of projections: all
// coordinates are pixels. Texts are bytes in Latin-1.
class TGlobeCanvas {
 public:
  virtual ~TGlobeCanvas() = default;

  virtual void SetPen(const TPenSpec& pen) = 0;
  virtual void SetPenColor(TColor color) = 0;
  virtual void SetBrush(const TBrushSpec& brush) = 0;
  // Selects the font; color becomes the text colour.
  virtual void SetFont(const TLogFont& font, TColor color) = 0;

  // Outlined with the pen and filled with the brush (even-odd rule).
  virtual void Polygon(const TPoint* points, int count) = 0;
  virtual void Polyline(const TPoint* points, int count) = 0;
  virtual void SetPixel(int x, int y, TColor color) = 0;
  // The ellipse inside the rectangle (x1, y1)-(x2, y2), right and bottom
  // exclusive, corners in any order; outlined with the pen, filled with the brush.
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  // Draws text with its (unrotated) top-left corner at (x, y).
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  // Width and height of text in the current font, in pixels.
  virtual TPoint TextExtent(const std::string& text) = 0;
  // Fills rect (Right and Bottom exclusive) with the brush, without an outline.
  virtual void FillRect(const TRect& rect) = 0;
  // Returns the previous mode.
  virtual TBkMode SetBkMode(TBkMode mode) = 0;
  // Pixels, Right and Bottom exclusive.
  virtual TRect ClipRect() const = 0;
};

// A canvas that draws nothing (text measures 0 x 0): where a globe draws
// when it has nothing to show its drawing on.
class TNullCanvas : public TGlobeCanvas {
 public:
  explicit TNullCanvas(TRect clip = {0, 0, 0, 0}) : clip_(clip) {}
  void SetClip(const TRect& clip) { clip_ = clip; }

  void SetPen(const TPenSpec&) override {}
  void SetPenColor(TColor) override {}
  void SetBrush(const TBrushSpec&) override {}
  void SetFont(const TLogFont&, TColor) override {}
  void Polygon(const TPoint*, int) override {}
  void Polyline(const TPoint*, int) override {}
  void SetPixel(int, int, TColor) override {}
  void Ellipse(int, int, int, int) override {}
  void TextOut(int, int, const std::string&) override {}
  TPoint TextExtent(const std::string&) override { return {0, 0}; }
  void FillRect(const TRect&) override {}
  TBkMode SetBkMode(TBkMode mode) override { return mode; }
  TRect ClipRect() const override { return clip_; }

 private:
  TRect clip_;
};

}  // namespace meridex
