#include "app/window_placer.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "common/window_style.h"

namespace meridex {

namespace {

constexpr int kGap = 8;
// Window managers may shift a frame by a pixel or two; that is not the user
// moving it.
constexpr int kMoveTolerance = 2;

bool MovedFrom(QPoint at, const std::optional<QPoint>& placedAt) {
  return !placedAt || (at - *placedAt).manhattanLength() > kMoveTolerance;
}

QRect AvailableOn(const QScreen* screen) {
  return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace

QPoint CentredFramePosition(QSize frame, const QRect& available) {
  return {available.x() + (available.width() - frame.width()) / 2,
          available.y() + (available.height() - frame.height()) / 2};
}

QPoint ClampedFramePosition(QPoint position, QSize frame, const QRect& available) {
  const int x = std::max(available.x(),
                         std::min(position.x(), available.x() + available.width() - frame.width()));
  const int y = std::max(
      available.y(), std::min(position.y(), available.y() + available.height() - frame.height()));
  return {x, y};
}

QPoint BesideFramePosition(const QRect& anchor, QSize frame, const QRect& available,
                           const std::vector<QRect>& taken) {
  const int rightX = anchor.x() + anchor.width() + kGap;
  const int leftX = anchor.x() - kGap - frame.width();
  const int roomRight = available.x() + available.width() - rightX;
  const int roomLeft = anchor.x() - kGap - available.x();
  const bool right =
      roomRight >= frame.width() || (roomLeft < frame.width() && roomRight >= roomLeft);
  QRect r(QPoint(right ? rightX : leftX, anchor.y()), frame);
  // Each move goes down past one of the taken places, so this ends.
  for (bool moved = true; moved;) {
    moved = false;
    for (const QRect& t : taken) {
      if (r.intersects(t)) {
        r.moveTop(t.y() + t.height() + kGap);
        moved = true;
      }
    }
  }
  return ClampedFramePosition(r.topLeft(), frame, available);
}

WindowPlacer::WindowPlacer(QObject* parent) : QObject(parent) {}

void WindowPlacer::centre(QWidget& window) { add(window, Rule::Centred, nullptr, nullptr); }

void WindowPlacer::keepInPlace(QWidget& window, FirstPlace first) {
  add(window, Rule::KeptInPlace, first, nullptr);
}

void WindowPlacer::beside(QWidget& window, QWidget& anchor) {
  add(window, Rule::Beside, nullptr, &anchor);
}

void WindowPlacer::add(QWidget& window, Rule rule, FirstPlace first, QWidget* anchor) {
  windows_.push_back(Placed{&window, rule, first, anchor, std::nullopt, std::nullopt});
  window.installEventFilter(this);
}

WindowPlacer::Placed* WindowPlacer::find(const QObject* window) {
  for (Placed& p : windows_) {
    if (p.window == window) return &p;
  }
  return nullptr;
}

bool WindowPlacer::eventFilter(QObject* watched, QEvent* event) {
  // A window coming back from the task bar keeps its place; only the
  // program's own showing places it.
  if (event->spontaneous()) return false;
  if (event->type() == QEvent::Show) {
    if (Placed* p = find(watched)) place(*p);
  } else if (event->type() == QEvent::Hide) {
    if (Placed* p = find(watched); p && p->window) p->leftAt = p->window->pos();
  }
  return false;
}

QRect WindowPlacer::availableArea() const {
  return AvailableOn(main_ ? main_->screen() : QGuiApplication::primaryScreen());
}

std::vector<QRect> WindowPlacer::takenBeside(const Placed& p) const {
  std::vector<QRect> taken;
  for (const Placed& other : windows_) {
    if (&other == &p || other.rule != Rule::Beside || other.anchor != p.anchor) continue;
    if (other.window && other.window->isVisible()) taken.push_back(other.window->frameGeometry());
  }
  return taken;
}

std::optional<QPoint> WindowPlacer::target(const Placed& p, QSize frame,
                                           const QRect& available) const {
  const bool userMoved = p.leftAt && MovedFrom(*p.leftAt, p.placedAt);
  switch (p.rule) {
    case Rule::Centred:
      if (userMoved) return p.leftAt;
      return CentredFramePosition(frame, available);
    case Rule::KeptInPlace:
      if (p.leftAt) return p.leftAt;
      if (p.first) return p.first(frame, available);
      return std::nullopt;  // the window manager's choice
    case Rule::Beside: {
      const bool anchorShown = p.anchor && p.anchor->isVisible();
      const QRect anchor = anchorShown ? p.anchor->frameGeometry() : QRect();
      if (userMoved && !(anchorShown && QRect(*p.leftAt, frame).intersects(anchor))) {
        return p.leftAt;
      }
      if (anchorShown) {
        return BesideFramePosition(anchor, frame, AvailableOn(p.anchor->screen()), takenBeside(p));
      }
      if (p.leftAt) return p.leftAt;
      return CentredFramePosition(frame, available);
    }
  }
  return std::nullopt;
}

void WindowPlacer::place(Placed& p) {
  QWidget* w = p.window;
  if (w == nullptr) return;
  const QMargins m = FrameMarginsOf(*w);
  const QSize frame = w->size().grownBy(m);
  const std::optional<QPoint> at = target(p, frame, availableArea());
  if (!at) return;
  // A remembered place is kept on the screen it was on, unless that screen
  // is gone.
  const QScreen* screen = QGuiApplication::screenAt(QRect(*at, frame).center());
  const QRect area = screen ? screen->availableGeometry() : availableArea();
  const QPoint pos = ClampedFramePosition(*at, frame, area);
  // The client area is placed, not the frame: before a window's first
  // showing its own frame is unknown, and a frame position would be taken
  // for the client's, one title bar too high.
  w->setGeometry(QRect(pos + QPoint(m.left(), m.top()), w->size()));
  p.placedAt = pos;
}

}  // namespace meridex
