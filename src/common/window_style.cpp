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

}  // namespace meridex

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace meridex {

void InstallFontSubstitutions() {
  QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  QFont::insertSubstitution("Arial", "Liberation Sans");
  QFont::insertSubstitution("Times New Roman", "Liberation Serif");
}

int ScreenPixelsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : 96;
}

}  // namespace meridex
