#include "common/desktop.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <cmath>

#include "common/font_families.h"
#include "common/screen_density.h"

namespace meridex {

namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void InstallFontSubstitutions() {
  for (const FontStandIn& s : FontStandIns()) {
    QFont::insertSubstitution(ToQString(s.family), ToQString(s.standIn));
  }
}

int ScreenPixelsPerInch() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY()))
                : kStandardPixelsPerInch;
}

}  // namespace meridex
