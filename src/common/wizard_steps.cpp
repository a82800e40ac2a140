#include "common/wizard_steps.h"

#include <QGridLayout>
#include <QLabel>
#include <QWidget>

namespace meridex {

void MakeWizardPage(QWidget& window) {
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, Qt::white);
  window.setPalette(palette);
  window.setAutoFillBackground(true);
}

QLabel* AddWizardStep(QGridLayout& grid, int row, const QString& title, const QStringList& lines) {
  QWidget* page = grid.parentWidget();
  auto* check = new QLabel(QString::fromUtf8("\u2714"), page);
  QFont checkFont = check->font();
  checkFont.setBold(true);
  checkFont.setPixelSize(16);
  check->setFont(checkFont);
  check->setStyleSheet("color: red;");
  check->setFixedWidth(18);
  check->hide();
  auto* heading = new QLabel(title, page);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  auto* text = new QLabel(lines.join('\n'), page);
  grid.addWidget(check, row, 0, Qt::AlignTop);
  grid.addWidget(heading, row, 1, Qt::AlignTop);
  grid.addWidget(text, row, 2, Qt::AlignTop);
  return check;
}

}  // namespace meridex
