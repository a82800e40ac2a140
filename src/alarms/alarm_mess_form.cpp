#include "alarms/alarm_mess_form.h"

#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "common/qt_report.h"
#include "common/text.h"

namespace meridex {

namespace {

QLabel* Line(const QString& text, const char* colour, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignHCenter);
  QFont font = label->font();
  font.setPixelSize(16);
  label->setFont(font);
  if (colour) label->setStyleSheet(QString("color: %1;").arg(colour));
  return label;
}

}  // namespace

TAlarmMessForm::TAlarmMessForm(AppContext& ctx, const AlarmState& alarm, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), ctx_(ctx), alarm_(alarm) {
  setObjectName("AlarmMessForm");
  setWindowTitle("Alarm Message");
  setFixedSize(305, 144);
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(0);
  Label1 = Line("It is now ", nullptr, this);
  layout->addWidget(Label1);
  AlTimeLabel = Line("", "maroon", this);
  layout->addWidget(AlTimeLabel);
  layout->addWidget(Line("in ", nullptr, this));
  AlCityLabel = Line("", "maroon", this);
  layout->addWidget(AlCityLabel);
  AlMessLabel = Line("", "navy", this);
  layout->addWidget(AlMessLabel);
  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setDefault(true);
  layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
  ConnectReported(BitBtn1, ctx_.dialogs, [this] { BitBtn1Click(); });

  WavTimer = new QTimer(this);
  WavTimer->setInterval(7000);
  connect(WavTimer, &QTimer::timeout, this,
          Reported(ctx_.dialogs, "the replay of the alarm sound", [this] { WavTimerTimer(); }));
}

bool TAlarmMessForm::event(QEvent* e) {
  const bool handled = QDialog::event(e);
  // Showing counts as an activation; so does coming back to the window later.
  if (e->type() == QEvent::Show || (e->type() == QEvent::WindowActivate && deactivated_)) {
    deactivated_ = false;
    RunReported(ctx_.dialogs, "the alarm message", [this] { FormActivate(); });
  } else if (e->type() == QEvent::WindowDeactivate) {
    deactivated_ = true;
  }
  return handled;
}

void TAlarmMessForm::FormActivate() {
  Label1->setText(late_ ? "Late alarm: it was " : "It is now ");
  AlTimeLabel->setText(QString::fromStdString(alarm_.AlarmTimeText));
  AlCityLabel->setText(QString::fromStdString(TrimRight(alarm_.AlarmCity)));
  AlMessLabel->setText(QString::fromStdString(TrimRight(alarm_.AlarmMessage)));
  if (alarm_.AlarmSound <= kSoundNone) return;
  // A file that cannot be played is reported; the message stays, silent.
  RunReported(ctx_.dialogs, "the alarm sound", [this] {
    ctx_.sound.open(ctx_.workDir / AlarmSoundFile(alarm_.AlarmSound));
    ctx_.sound.play();
    WavTimer->start();
  });
}

void TAlarmMessForm::WavTimerTimer() {
  if (alarm_.AlarmSound > kSoundNone) ctx_.sound.play();
}

void TAlarmMessForm::stopSound() {
  WavTimer->stop();
  if (alarm_.AlarmSound > kSoundNone) ctx_.sound.stop();
}

void TAlarmMessForm::BitBtn1Click() {
  // Closed first: changing the style of a shown window shows it anew, which
  // would start the sound again.
  close();
  if (ctx_.prefs.StayOnTop == "a") {
    ctx_.shell.setAlarmMessageOnTop(false);
    ctx_.shell.setCityListOnTop(true);
  }
}

void TAlarmMessForm::hideEvent(QHideEvent* e) {
  RunReported(ctx_.dialogs, "the stopping of the alarm sound", [this] { stopSound(); });
  QDialog::hideEvent(e);
}

}  // namespace meridex
