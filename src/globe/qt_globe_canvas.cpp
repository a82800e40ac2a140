#include "globe/qt_globe_canvas.h"

#include <QFontMetrics>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "common/font_families.h"

namespace meridex {

namespace {

QString Family(const std::string& name) {
  // A layer font without a face gets the sans-serif stand-in.
  const std::string_view family =
      StandInFamily(name.empty() ? std::string_view("Arial") : std::string_view(name));
  return QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
}

Qt::PenStyle ToQt(TPenStyle style) {
  switch (style) {
    case TPenStyle::psDash:
      return Qt::DashLine;
    case TPenStyle::psDot:
      return Qt::DotLine;
    case TPenStyle::psDashDot:
      return Qt::DashDotLine;
    case TPenStyle::psDashDotDot:
      return Qt::DashDotDotLine;
    case TPenStyle::psClear:
      return Qt::NoPen;
    default:
      return Qt::SolidLine;
  }
}

Qt::BrushStyle ToQt(TBrushStyle style) {
  switch (style) {
    case TBrushStyle::bsSolid:
      return Qt::SolidPattern;
    case TBrushStyle::bsClear:
      return Qt::NoBrush;
    case TBrushStyle::bsHorizontal:
      return Qt::HorPattern;
    case TBrushStyle::bsVertical:
      return Qt::VerPattern;
    case TBrushStyle::bsFDiagonal:
      return Qt::BDiagPattern;  // "\\\\" in one, "////" in the other naming
    case TBrushStyle::bsBDiagonal:
      return Qt::FDiagPattern;
    case TBrushStyle::bsCross:
      return Qt::CrossPattern;
    case TBrushStyle::bsDiagCross:
      return Qt::DiagCrossPattern;
  }
  return Qt::SolidPattern;
}

}  // namespace

QColor ToQColor(TColor color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

QFont CreateGlobeFont(const TLogFont& font) {
  QFont q(Family(font.Name));
  q.setStyleStrategy(QFont::NoAntialias);
  q.setWeight(font.Weight >= 700 ? QFont::Bold : QFont::Normal);
  q.setItalic(font.Italic);
  q.setUnderline(font.Underline);
  q.setStrikeOut(font.StrikeOut);
  if (font.Height < 0) {
    q.setPixelSize(-font.Height);  // character height
  } else {
    // A cell height: take the character height that gives that cell.
    q.setPixelSize(std::max(1, font.Height));
    const int cell = QFontMetrics(q).height();
    if (cell > 0) q.setPixelSize(std::max(1, font.Height * font.Height / cell));
  }
  return q;
}

TQtGlobeCanvas::TQtGlobeCanvas(QImage& image)
    : ownPainter_(std::in_place, &image),
      painter_(&*ownPainter_),
      clip_{0, 0, static_cast<int>(image.width() / image.devicePixelRatio()),
            static_cast<int>(image.height() / image.devicePixelRatio())} {
  Setup();
}

TQtGlobeCanvas::TQtGlobeCanvas(QPainter& painter, const TRect& clip)
    : painter_(&painter), clip_(clip) {
  Setup();
}

void TQtGlobeCanvas::Setup() {
  textColor_ = Qt::black;
  textPen_ = QPen(textColor_);
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setRenderHint(QPainter::TextAntialiasing, false);
  pen_ = QPen(Qt::black, 0);
  painter_->setPen(pen_);
  painter_->setBrush(Qt::white);
}

TQtGlobeCanvas::FontEntry::FontEntry(const TLogFont& from)
    : From(from), Font(CreateGlobeFont(from)), Metrics(Font) {}

const TQtGlobeCanvas::FontEntry& TQtGlobeCanvas::CurrentFont() {
  // Made when first needed: most pictures are drawn without any text.
  if (!current_) UseFont(TLogFont{"Arial", -12, 0, 400, false, false, false});
  return *current_;
}

void TQtGlobeCanvas::UseFont(const TLogFont& font) {
  if (current_ && current_->From == font) return;
  fontOnPainter_ = false;
  for (FontEntry& entry : fonts_) {
    if (entry.From == font) {
      current_ = &entry;
      return;
    }
  }
  // Labels of different kinds take turns with a few fonts: keep the last
  // ones made, so that a turn back costs no new font and metrics.
  constexpr std::size_t kKept = 8;
  if (fonts_.size() < kKept) {
    current_ = &fonts_.emplace_back(font);
  } else {
    fonts_[nextToReplace_] = FontEntry(font);
    current_ = &fonts_[nextToReplace_];
    nextToReplace_ = (nextToReplace_ + 1) % kKept;
  }
}

TQtGlobeCanvas::~TQtGlobeCanvas() {
  if (ownPainter_) ownPainter_->end();
}

void TQtGlobeCanvas::SetClipRect(const TRect& clip) {
  clip_ = clip;
  painter_->setClipRect(QRect(clip.Left, clip.Top, clip.Right - clip.Left, clip.Bottom - clip.Top));
}

void TQtGlobeCanvas::SetPen(const TPenSpec& pen) {
  // Objects share a few pens: setting the one in use again costs nothing.
  if (penSpec_ && *penSpec_ == pen) return;
  penSpec_ = pen;
  // Width 0 and 1 are both the thinnest line.
  pen_ = QPen(ToQColor(pen.Color), pen.Width <= 1 ? 0 : pen.Width, ToQt(pen.Style));
  painter_->setPen(pen_);
}

void TQtGlobeCanvas::SetPenColor(TColor color) {
  // Every city marker asks for its outline colour: the same again costs
  // nothing (the painter's pen is always pen_ between calls).
  if (penSpec_) {
    if (penSpec_->Color == color) return;
    penSpec_->Color = color;
  }
  pen_.setColor(ToQColor(color));
  painter_->setPen(pen_);
}

void TQtGlobeCanvas::SetBrush(const TBrushSpec& brush) {
  if (brushSpec_ && *brushSpec_ == brush) return;
  brushSpec_ = brush;
  painter_->setBrush(QBrush(ToQColor(brush.Color), ToQt(brush.Style)));
}

void TQtGlobeCanvas::SetFont(const TLogFont& font, TColor color) {
  textColor_ = ToQColor(color);
  textPen_ = QPen(textColor_);
  escapement_ = font.Escapement;
  UseFont(font);
}

const QPoint* TQtGlobeCanvas::ToQPoints(const TPoint* points, int count) {
  if (points_.size() < static_cast<std::size_t>(count))
    points_.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i)
    points_[static_cast<std::size_t>(i)] = QPoint(points[i].X, points[i].Y);
  return points_.data();
}

void TQtGlobeCanvas::Polygon(const TPoint* points, int count) {
  if (count < 2) return;
  painter_->drawPolygon(ToQPoints(points, count), count, Qt::OddEvenFill);
}

void TQtGlobeCanvas::Polyline(const TPoint* points, int count) {
  if (count < 2) return;
  painter_->drawPolyline(ToQPoints(points, count), count);
}

void TQtGlobeCanvas::SetPixel(int x, int y, TColor color) {
  painter_->fillRect(QRect(x, y, 1, 1), ToQColor(color));
}

void TQtGlobeCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  const int left = std::min(x1, x2), right = std::max(x1, x2);
  const int top = std::min(y1, y2), bottom = std::max(y1, y2);
  painter_->drawEllipse(QRect(left, top, right - left, bottom - top));
}

void TQtGlobeCanvas::TextOut(int x, int y, const std::string& text) {
  const QString q = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  const QFontMetrics& metrics = CurrentFont().Metrics;
  if (!fontOnPainter_) {
    painter_->setFont(CurrentFont().Font);
    fontOnPainter_ = true;
  }
  if (escapement_ == 0) {
    if (bkMode_ == TBkMode::Opaque)
      painter_->fillRect(QRect(x, y, metrics.horizontalAdvance(q), metrics.height()), Qt::white);
    painter_->setPen(textPen_);
    painter_->drawText(x, y + metrics.ascent(), q);
    painter_->setPen(pen_);
    return;
  }
  painter_->save();
  painter_->translate(x, y);
  painter_->rotate(-escapement_ / 10.0);  // counter-clockwise on screen
  if (bkMode_ == TBkMode::Opaque)
    painter_->fillRect(QRect(0, 0, metrics.horizontalAdvance(q), metrics.height()), Qt::white);
  painter_->setPen(textPen_);
  painter_->drawText(0, metrics.ascent(), q);
  painter_->restore();
}

TPoint TQtGlobeCanvas::TextExtent(const std::string& text) {
  const QString q = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  const QFontMetrics& metrics = CurrentFont().Metrics;
  return {metrics.horizontalAdvance(q), metrics.height()};
}

void TQtGlobeCanvas::FillRect(const TRect& rect) {
  painter_->fillRect(QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top),
                     painter_->brush());
}

TBkMode TQtGlobeCanvas::SetBkMode(TBkMode mode) {
  const TBkMode old = bkMode_;
  bkMode_ = mode;
  return old;
}

}  // namespace meridex
