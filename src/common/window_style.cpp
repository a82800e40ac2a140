#include "common/window_style.h"

#include <QApplication>
#include <QLayout>
#include <QWidget>
#include <QWindow>

namespace meridex {

namespace {

bool IsOrdinaryWindow(const QWidget& widget) {
  const Qt::WindowType type = widget.windowType();
  return widget.isWindow() && (type == Qt::Window || type == Qt::Dialog);
}

}  // namespace

void SetStaysOnTop(QWidget& window, bool onTop) {
  if (StaysOnTop(window) == onTop) return;
  const bool wasVisible = window.isVisible();
  window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (wasVisible) window.show();
}

bool StaysOnTop(const QWidget& window) {
  return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

bool AnyShownWindowStaysOnTop() {
  for (const QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && IsOrdinaryWindow(*w) && StaysOnTop(*w)) return true;
  }
  return false;
}

void FixSizeToFit(QWidget& window, QSize design) {
  QLayout* layout = window.layout();
  if (layout == nullptr) {
    window.setFixedSize(design);
    return;
  }
  layout->activate();
  QSize size = design.expandedTo(layout->totalMinimumSize());
  if (layout->hasHeightForWidth()) {
    size.setHeight(std::max(size.height(), layout->totalHeightForWidth(size.width())));
  }
  window.setFixedSize(size);
}

void Present(QWidget* window) {
  if (window == nullptr) return;
  // A minimised window is not in front however it is raised.
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
}

QMargins FrameMarginsOf(const QWidget& window) {
  if (const QWindow* own = window.windowHandle(); own && window.isVisible()) {
    if (const QMargins m = own->frameMargins(); !m.isNull()) return m;
  }
  for (const QWidget* other : QApplication::topLevelWidgets()) {
    if (other == &window || !other->isVisible() || !IsOrdinaryWindow(*other)) continue;
    if (const QWindow* handle = other->windowHandle()) {
      if (const QMargins m = handle->frameMargins(); !m.isNull()) return m;
    }
  }
  return {};
}

KeepAboveOnTop::KeepAboveOnTop(QWidget& anchor) : anchor_(&anchor) {
  qApp->installEventFilter(this);
}

bool KeepAboveOnTop::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Show || !watched->isWidgetType() || anchor_.isNull()) return false;
  auto* window = static_cast<QWidget*>(watched);
  if (window == anchor_ || !IsOrdinaryWindow(*window) || window->parentWidget() != nullptr) {
    return false;
  }
  // The show event comes before the window is mapped, so the window manager
  // learns the owner with the window.
  QWindow* handle = window->windowHandle();
  QWindow* anchorHandle = anchor_->windowHandle();
  if (handle == nullptr) return false;
  if (anchor_->isVisible() && StaysOnTop(*anchor_) && anchorHandle != nullptr) {
    handle->setTransientParent(anchorHandle);
  } else if (anchorHandle != nullptr && handle->transientParent() == anchorHandle) {
    handle->setTransientParent(nullptr);
  }
  return false;
}

}  // namespace meridex
