#include "widgets/es_label.h"

#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>

namespace meridex {

QColor ToQColor(EsColor color) { return QColor(color.r, color.g, color.b); }

EsColor ToEsColor(const QColor& color) {
  const QColor rgb = color.toRgb();
  return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
          static_cast<std::uint8_t>(rgb.blue())};
}

TEsCustomLabel::TEsCustomLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent), look_([this] { update(); }) {
  QFont face("Times New Roman");
  face.setPointSize(20);
  setFont(face);
  resize(150, 35);
}

void TEsCustomLabel::setAlignment(TEsAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  update();
}

void TEsCustomLabel::setWordWrap(bool wrap) {
  if (wrap == wordWrap_) return;
  wordWrap_ = wrap;
  updateGeometry();
  update();
}

void TEsCustomLabel::setShowAccelChar(bool show) {
  if (show == showAccelChar_) return;
  showAccelChar_ = show;
  update();
}

void TEsCustomLabel::setTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  update();
}

QColor TEsCustomLabel::Color() const { return color_.value_or(palette().color(QPalette::Window)); }

void TEsCustomLabel::setColor(const QColor& color) {
  color_ = color;
  update();
}

void TEsCustomLabel::setParentColor(bool parentColor) {
  if (parentColor == ParentColor()) return;
  color_ = parentColor ? std::nullopt : std::optional<QColor>(Color());
  update();
}

int TEsCustomLabel::TextFlags() const {
  int flags = Qt::TextExpandTabs | Qt::AlignTop;
  if (wordWrap_) flags |= Qt::TextWordWrap;
  flags |= showAccelChar_ ? Qt::TextShowMnemonic : 0;
  switch (alignment_) {
    case TEsAlignment::taLeftJustify:
      flags |= Qt::AlignLeft;
      break;
    case TEsAlignment::taCenter:
      flags |= Qt::AlignHCenter;
      break;
    case TEsAlignment::taRightJustify:
      flags |= Qt::AlignRight;
      break;
  }
  return flags;
}

EsPaintPlan TEsCustomLabel::Plan() const {
  EsPaintInput input;
  input.settings = look_.CustomSettings().values();
  input.fontColor = look_.FontColor();
  input.alignment = alignment_;
  input.width = width();
  input.height = height();
  if (input.settings.GraduateStyle != TEsGraduateStyle::gsNone) {
    // The extent of the whole caption as laid out, so that every line of a
    // wrapped caption lies within the bands.
    const QRect block = QFontMetrics(font()).boundingRect(rect(), TextFlags(), text());
    input.text = {block.width(), block.height()};
  }
  return PlanEsPaint(input);
}

QSize TEsCustomLabel::sizeHint() const {
  const QRect block = QFontMetrics(font()).boundingRect(QRect(0, 0, 10000, 10000),
                                                        TextFlags() & ~Qt::TextWordWrap, text());
  const int spread = EsReliefSpread(look_.CustomSettings().values());
  return block.size() + QSize(spread, spread);
}

QSize TEsCustomLabel::minimumSizeHint() const { return sizeHint(); }

void TEsCustomLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!transparent_) painter.fillRect(rect(), Color());
  const EsPaintPlan plan = Plan();
  const int flags = TextFlags();
  const QString caption = text();
  const auto draw = [&](const EsCopy& copy) {
    painter.setPen(ToQColor(copy.color));
    painter.drawText(rect().translated(copy.offset.dx, copy.offset.dy), flags, caption);
  };
  for (const EsCopy& copy : plan.shadows) draw(copy);
  for (const EsCopy& copy : plan.highlights) draw(copy);
  if (plan.bands.empty()) {
    draw(plan.text);
  } else {
    PaintGradientText(painter, plan);
  }
}

// The letters are drawn in the key colour on a layer of their own, each band
// of the layer is recoloured (keeping the letters' coverage, so smoothed
// edges blend with what lies beneath), and the layer goes onto the label.
// The first and last band reach to the label's edges, so a letter that
// overhangs the measured extent keeps the nearest band's colour and no pixel
// of the key colour is ever left.
void TEsCustomLabel::PaintGradientText(QPainter& painter, const EsPaintPlan& plan) const {
  const qreal ratio = devicePixelRatioF();
  QImage layer(size() * ratio, QImage::Format_ARGB32_Premultiplied);
  layer.setDevicePixelRatio(ratio);
  layer.fill(Qt::transparent);
  QPainter letters(&layer);
  letters.setFont(font());
  letters.setPen(ToQColor(kEsKeyColor));
  letters.drawText(rect().translated(plan.text.offset.dx, plan.text.offset.dy), TextFlags(),
                   text());
  letters.setCompositionMode(QPainter::CompositionMode_SourceIn);
  const int last = static_cast<int>(plan.bands.size()) - 1;
  const int far = 2 * (width() + height()) + 1;  // beyond any edge
  for (int i = 0; i <= last; ++i) {
    const EsBand& band = plan.bands[static_cast<std::size_t>(i)];
    QRect area(QPoint(band.left, band.top), QPoint(band.right - 1, band.bottom - 1));
    if (plan.gradient == TEsGraduateStyle::gsHorizontal) {
      if (i == 0) area.setLeft(-far);
      if (i == last) area.setRight(far);
    } else {
      if (i == 0) area.setTop(-far);
      if (i == last) area.setBottom(far);
    }
    letters.fillRect(area, ToQColor(band.color));
  }
  letters.end();
  painter.drawImage(QPoint(0, 0), layer);
}

void TEsCustomLabel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) updateGeometry();
  QLabel::changeEvent(event);
}

}  // namespace meridex
