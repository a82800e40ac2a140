#include "globe/globe.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWheelEvent>
#include <cmath>
#include <optional>

#include "globe/qt_globe_canvas.h"

namespace meridex {

namespace {

std::optional<TMouseButton> ToEngine(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return TMouseButton::mbLeft;
    case Qt::RightButton:
      return TMouseButton::mbRight;
    case Qt::MiddleButton:
      return TMouseButton::mbMiddle;
    default:
      return std::nullopt;
  }
}

TShiftState ToEngine(Qt::KeyboardModifiers modifiers) {
  return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier),
          modifiers.testFlag(Qt::AltModifier)};
}

std::optional<TGlobeKey> ToGlobeKey(int key) {
  switch (key) {
    case Qt::Key_Left:
      return TGlobeKey::Left;
    case Qt::Key_Right:
      return TGlobeKey::Right;
    case Qt::Key_Up:
      return TGlobeKey::Up;
    case Qt::Key_Down:
      return TGlobeKey::Down;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      return TGlobeKey::ZoomIn;
    case Qt::Key_Minus:
      return TGlobeKey::ZoomOut;
    case Qt::Key_Home:
      return TGlobeKey::Home;
    default:
      return std::nullopt;
  }
}

const char* ProjectionName(TGlobeProjection projection) {
  switch (projection) {
    case TGlobeProjection::gpCartesian:
      return "Cartesian map";
    case TGlobeProjection::gpMercator:
      return "Mercator map";
    case TGlobeProjection::gpSpherical:
      break;
  }
  return "Globe";
}

}  // namespace

TGlobe::TGlobe(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      dialogs_(dialogs),
      horizontal_(new QScrollBar(Qt::Horizontal, this)),
      vertical_(new QScrollBar(Qt::Vertical, this)) {
  SetWindow(this);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the picture covers the client area
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);  // OnMouseMove without a button held, as the world view needs
  setAccessibleName(tr("Globe"));
  SetPixelsPerInch(logicalDpiY());
  for (auto [bar, kind] : {std::pair{horizontal_, TScrollBarKind::Horizontal},
                           std::pair{vertical_, TScrollBarKind::Vertical}}) {
    connect(bar, &QScrollBar::actionTriggered, this,
            [this, kind = kind](int action) { ScrollAction(kind, action); });
    // The thumb does not scroll: it goes back where the view is.
    connect(bar, &QScrollBar::sliderReleased, this, [this] { UpdateScrollBars(); });
  }
  resize(kCreationSize, kCreationSize);
  LayoutScrollBars();
}

TGlobe::~TGlobe() {
  // The layers are destroyed by the engine, after this window is gone.
  SetWindow(nullptr);
}

QSize TGlobe::sizeHint() const { return {kCreationSize, kCreationSize}; }

QRect TGlobe::ClientRect() const {
  // Shown with the control, not shown yet: a window sizes its controls
  // before it is shown, and the first size fits the earth.
  const int w = width() - (vertical_->isVisibleTo(this) ? vertical_->width() : 0);
  const int h = height() - (horizontal_->isVisibleTo(this) ? horizontal_->height() : 0);
  return {0, 0, std::max(0, w), std::max(0, h)};
}

void TGlobe::SetBackground(const QImage& image) {
  background_ = image;
  Invalidate();
}

void TGlobe::SetScrollBars(TScrollStyle style) {
  if (style == scrollBars_) return;
  scrollBars_ = style;
  LayoutScrollBars();
  // Before its first resize event the widget has no size of its own yet.
  if (sized_) {
    Resize(ClientRect().width(), ClientRect().height());
    MatchPicture();
  }
}

QPainter* TGlobe::RenderPainter() const {
  return pictureCanvas_ ? &pictureCanvas_->Painter() : nullptr;
}

void TGlobe::LayoutScrollBars() {
  const bool h = scrollBars_ == TScrollStyle::ssHorizontal || scrollBars_ == TScrollStyle::ssBoth;
  const bool v = scrollBars_ == TScrollStyle::ssVertical || scrollBars_ == TScrollStyle::ssBoth;
  const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  horizontal_->setVisible(h);
  vertical_->setVisible(v);
  horizontal_->setGeometry(0, height() - extent, width() - (v ? extent : 0), extent);
  vertical_->setGeometry(width() - extent, 0, extent, height() - (h ? extent : 0));
}

void TGlobe::UpdateScrollBars() {
  const TPoint position = ScrollPosition();
  const TRect& view = ViewRect();
  const auto set = [](QScrollBar* bar, TPoint range, int value, int page) {
    const QSignalBlocker quiet(bar);
    bar->setRange(range.X, range.Y);
    bar->setPageStep(std::max(1, page));
    bar->setSingleStep(std::max(1, page / 20));
    bar->setValue(value);
  };
  set(horizontal_, HorzScrollRange(), position.X, view.Right - view.Left);
  set(vertical_, VertScrollRange(), position.Y, view.Bottom - view.Top);
}

void TGlobe::ScrollAction(TScrollBarKind bar, int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      Scroll(bar, TScrollCode::LineUp);
      break;
    case QAbstractSlider::SliderSingleStepAdd:
      Scroll(bar, TScrollCode::LineDown);
      break;
    case QAbstractSlider::SliderPageStepSub:
      Scroll(bar, TScrollCode::PageUp);
      break;
    case QAbstractSlider::SliderPageStepAdd:
      Scroll(bar, TScrollCode::PageDown);
      break;
    default:
      break;  // the thumb and the ends do not scroll
  }
}

void TGlobe::MatchPicture() {
  const QRect client = ClientRect();
  const qreal ratio = devicePixelRatioF();
  const QSize size(static_cast<int>(std::ceil(client.width() * ratio)),
                   static_cast<int>(std::ceil(client.height() * ratio)));
  if (picture_.size() == size && picture_.devicePixelRatio() == ratio) return;
  picture_ = QImage(size, QImage::Format_RGB32);
  picture_.setDevicePixelRatio(ratio);
  Redraw();
}

void TGlobe::DescribeForAccessibility() {
  const QString description = tr(ProjectionName(Projection()));
  if (accessibleDescription() != description) setAccessibleDescription(description);
}

// --- events

void TGlobe::resizeEvent(QResizeEvent*) {
  sized_ = true;
  LayoutScrollBars();
  Resize(ClientRect().width(), ClientRect().height());
  MatchPicture();
}

void TGlobe::paintEvent(QPaintEvent*) {
  MatchPicture();  // the screen's pixel ratio may have changed
  SetPixelsPerInch(logicalDpiY());
  const QRect client = ClientRect();
  const TRect clip{0, 0, client.width(), client.height()};
  QPainter painter(this);
  painter.setClipRect(client);
  windowPainter_ = &painter;
  std::string failure;
  {
    TQtGlobeCanvas screen(painter, clip);
    TQtGlobeCanvas picture(picture_);
    picture.SetClipRect(clip);
    pictureCanvas_ = &picture;
    try {
      Paint(picture, screen);
    } catch (const std::exception& e) {
      failure = e.what();
    }
    pictureCanvas_ = nullptr;
  }
  if (hasFocus()) {
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(client.adjusted(0, 0, -1, -1));
    painter.restore();
  }
  windowPainter_ = nullptr;
  if (scrollBars_ != TScrollStyle::ssNone) UpdateScrollBars();
  DescribeForAccessibility();
  if (!failure.empty()) {
    // Not from inside the paint: the message box would paint over it.
    QTimer::singleShot(0, this, [this, failure] { dialogs_.error(failure); });
  }
}

void TGlobe::mousePressEvent(QMouseEvent* event) {
  const auto button = ToEngine(event->button());
  if (!button) return QWidget::mousePressEvent(event);
  const QPoint p = event->position().toPoint();
  pressedInside_ = *button == TMouseButton::mbLeft;
  MouseDown(*button, ToEngine(event->modifiers()), p.x(), p.y());
}

void TGlobe::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  MouseMove(ToEngine(event->modifiers()), p.x(), p.y());
}

void TGlobe::mouseReleaseEvent(QMouseEvent* event) {
  const auto button = ToEngine(event->button());
  if (!button) return QWidget::mouseReleaseEvent(event);
  const QPoint p = event->position().toPoint();
  MouseUp(*button, ToEngine(event->modifiers()), p.x(), p.y());
  const bool click = pressedInside_ && *button == TMouseButton::mbLeft && ClientRect().contains(p);
  pressedInside_ = false;
  if (click && OnClick) OnClick();
}

void TGlobe::mouseDoubleClickEvent(QMouseEvent* event) {
  const auto button = ToEngine(event->button());
  if (!button) return QWidget::mouseDoubleClickEvent(event);
  // The double-click comes first, then the press it also is.
  if (*button == TMouseButton::mbLeft && OnDblClick) OnDblClick();
  const QPoint p = event->position().toPoint();
  MouseDown(*button, ToEngine(event->modifiers()), p.x(), p.y());
}

void TGlobe::wheelEvent(QWheelEvent* event) {
  const QPoint p = event->position().toPoint();
  const int delta =
      event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
  MouseWheel(delta, p.x(), p.y());
  event->accept();
}

void TGlobe::keyPressEvent(QKeyEvent* event) {
  const auto key = ToGlobeKey(event->key());
  if (key && KeyCommand(*key)) return;
  QWidget::keyPressEvent(event);
}

void TGlobe::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update(ClientRect());
}

void TGlobe::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update(ClientRect());
}

// --- TGlobeWindow

void TGlobe::Invalidate() { update(ClientRect()); }

void TGlobe::CopyToScreen() {
  if (!windowPainter_) {
    update(ClientRect());
    return;
  }
  windowPainter_->drawImage(QPoint(0, 0), picture_);
  if (ZoomBandActive()) DrawZoomBand(*windowPainter_);
}

void TGlobe::DrawZoomBand(QPainter& painter) const {
  const TRect& band = ZoomBand();
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(
      QRect(QPoint(band.Left, band.Top), QPoint(band.Right, band.Bottom)).normalized());
  painter.restore();
}

void TGlobe::ShowBusy(bool busy) {
  if (busy)
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QGuiApplication::restoreOverrideCursor();
}

void TGlobe::ShowMessage(const std::string& text) { dialogs_.plain(text); }

bool TGlobe::TileBackground(TGlobeCanvas&, const TRect& clip) {
  if (background_.isNull() || !pictureCanvas_) return false;
  QPainter& painter = pictureCanvas_->Painter();
  const int w = std::max(1, background_.width()), h = std::max(1, background_.height());
  for (int x = 0; x <= clip.Right / w * w; x += w)
    for (int y = 0; y <= clip.Bottom / h * h; y += h) painter.drawImage(QPoint(x, y), background_);
  return true;
}

}  // namespace meridex
