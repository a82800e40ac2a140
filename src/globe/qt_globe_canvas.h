#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <optional>
#include <vector>

#include "globe/globe_canvas.h"

namespace meridex {

// The Qt font for an engine font: the face (or its installed
// metric-compatible stand-in), the pixel height, weight, italic,
// underline and strike-out. The escapement is applied when text is drawn.
QFont CreateGlobeFont(const TLogFont& font);

QColor ToQColor(TColor color);

// Draws with QPainter (no antialiasing: hairlines, hatches and labels stay
// crisp and pixel-exact): on a QImage, which must outlive the canvas, or through a painter
// that is already active (a widget's during its paint event). Coordinates
// are logical pixels: an image of a higher device pixel ratio is drawn on
// at its full resolution.
class TQtGlobeCanvas : public TGlobeCanvas {
 public:
  explicit TQtGlobeCanvas(QImage& image);
  // clip: the painter's device area to draw on, in logical pixels.
  TQtGlobeCanvas(QPainter& painter, const TRect& clip);
  ~TQtGlobeCanvas() override;
  TQtGlobeCanvas(const TQtGlobeCanvas&) = delete;
  TQtGlobeCanvas& operator=(const TQtGlobeCanvas&) = delete;

  // Limits drawing to clip (pixels, Right and Bottom exclusive).
  void SetClipRect(const TRect& clip);

  void SetPen(const TPenSpec& pen) override;
  void SetPenColor(TColor color) override;
  void SetBrush(const TBrushSpec& brush) override;
  void SetFont(const TLogFont& font, TColor color) override;
  void Polygon(const TPoint* points, int count) override;
  void Polyline(const TPoint* points, int count) override;
  void SetPixel(int x, int y, TColor color) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void TextOut(int x, int y, const std::string& text) override;
  TPoint TextExtent(const std::string& text) override;
  void FillRect(const TRect& rect) override;
  TBkMode SetBkMode(TBkMode mode) override;
  TRect ClipRect() const override { return clip_; }

  QPainter& Painter() { return *painter_; }

 private:
  const QPoint* ToQPoints(const TPoint* points, int count);
  struct FontEntry {
    explicit FontEntry(const TLogFont& from);
    TLogFont From;  // what the font was made from
    QFont Font;
    QFontMetrics Metrics;
  };
  const FontEntry& CurrentFont();
  void UseFont(const TLogFont& font);

  void Setup();

  std::optional<QPainter> ownPainter_;
  QPainter* painter_;
  TRect clip_;
  QPen pen_;
  std::optional<TPenSpec> penSpec_;  // what pen_ was made from; none at first
  std::optional<TBrushSpec> brushSpec_;
  std::vector<FontEntry> fonts_;  // the last few made; current_ is one of them
  FontEntry* current_ = nullptr;
  std::size_t nextToReplace_ = 0;
  bool fontOnPainter_ = false;
  QColor textColor_;
  QPen textPen_;  // of textColor_, made once per font change rather than per label
  int escapement_ = 0;
  TBkMode bkMode_ = TBkMode::Opaque;
  std::vector<QPoint> points_;
};

}  // namespace meridex
