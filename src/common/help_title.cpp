#include "common/help_title.h"

#include <QFont>
#include <QLabel>
#include <QPalette>

namespace meridex {

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
