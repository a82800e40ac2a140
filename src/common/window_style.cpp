#include "common/window_style.h"

#include <QWidget>

namespace meridex {

void SetStaysOnTop(QWidget& window, bool onTop) {
  if (StaysOnTop(window) == onTop) return;
  const bool wasVisible = window.isVisible();
  window.setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
  if (wasVisible) window.show();
}

bool StaysOnTop(const QWidget& window) {
  return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void Present(QWidget* window) {
  if (window == nullptr) return;
  // A minimised window is not in front however it is raised.
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace meridex
