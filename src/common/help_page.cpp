#include "common/help_page.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace meridex {

void StyleHelpPage(QWidget& window) {
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, Qt::black);
  window.setPalette(palette);
  window.setAutoFillBackground(true);
}

void StyleHelpTitle(QLabel& title, const QFont& font) {
  QFont titleFont = font;
  titleFont.setBold(true);
  titleFont.setUnderline(true);
  title.setFont(titleFont);
  title.setAlignment(Qt::AlignHCenter);
  QPalette palette = title.palette();
  palette.setColor(QPalette::WindowText, Qt::blue);
  title.setPalette(palette);
}

}  // namespace meridex
