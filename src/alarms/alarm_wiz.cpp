#include "alarms/alarm_wiz.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "common/qt_report.h"

namespace meridex {

TAlarmWiz::TAlarmWiz(AppContext& ctx, QWidget* parent)
    : StepWizard(
          "MX Alarm Wizard", QSize(324, 129),
          {"Click on the location that the alarm will be set for. ",
           "Then press the \"Continue\" button."},
          {"Set the time, alarm sound and message. ", "Then press the \"Set Alarm\" button."},
          Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint, parent),
      ctx_(ctx) {
  setObjectName("AlarmWiz");
  AlWizCon = new QPushButton("Continue >>", this);
  AlCan = new QPushButton("Cancel", this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(AlWizCon);
  buttons->addWidget(AlCan);
  grid()->addLayout(buttons, 2, 0, 1, 3);
  AlWizCon->setEnabled(false);
  ConnectReported(AlWizCon, ctx_.dialogs, [this] {
    AlWizCon->hide();
    AlCan->hide();
    if (onContinue) onContinue();
  });
  connect(AlCan, &QPushButton::clicked, this, &QDialog::close);
}

void TAlarmWiz::start() {
  AlWizCon->setEnabled(false);
  AlCan->setEnabled(true);
  AlWizCon->show();
  AlCan->show();
  StepWizard::start();
}

void TAlarmWiz::locationClicked() {
  stepDone(1);
  AlWizCon->setEnabled(true);
}

void TAlarmWiz::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // Moving away from the wizard takes back "Continue >>" until the next
  // click in the city list.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) AlWizCon->setEnabled(false);
}

}  // namespace meridex
