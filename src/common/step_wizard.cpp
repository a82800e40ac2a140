#include "common/step_wizard.h"

#include <QGridLayout>
#include <QLabel>

namespace meridex {

StepWizard::StepWizard(const QString& title, QSize size, const QStringList& step1,
                       const QStringList& step2, Qt::WindowFlags flags, QWidget* parent)
    : QDialog(parent, flags), grid_(new QGridLayout(this)) {
  setWindowTitle(title);
  setFixedSize(size);
  QPalette page = palette();
  page.setColor(QPalette::Window, Qt::white);
  setPalette(page);
  setAutoFillBackground(true);
  QFont small = font();
  small.setPixelSize(11);
  setFont(small);
  grid_->setContentsMargins(6, 6, 6, 6);
  grid_->setHorizontalSpacing(4);
  Check1 = addStep(0, "Step 1.", step1);
  Check2 = addStep(1, "Step 2.", step2);
}

QLabel* StepWizard::addStep(int row, const QString& title, const QStringList& lines) {
  auto* check = new QLabel(QString::fromUtf8("\u2714"), this);
  QFont checkFont = check->font();
  checkFont.setBold(true);
  checkFont.setPixelSize(16);
  check->setFont(checkFont);
  check->setStyleSheet("color: red;");
  check->setFixedWidth(18);
  QSizePolicy keepPlace = check->sizePolicy();
  keepPlace.setRetainSizeWhenHidden(true);
  check->setSizePolicy(keepPlace);
  check->hide();
  auto* heading = new QLabel(title, this);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  grid_->addWidget(check, row, 0, Qt::AlignTop);
  grid_->addWidget(heading, row, 1, Qt::AlignTop);
  grid_->addWidget(new QLabel(lines.join('\n'), this), row, 2, Qt::AlignTop);
  return check;
}

void StepWizard::start() {
  Check1->hide();
  Check2->hide();
  show();
}

void StepWizard::stepDone(int step) { (step == 1 ? Check1 : Check2)->show(); }

void StepWizard::finish() {
  Check1->hide();
  Check2->hide();
  close();
}

}  // namespace meridex
