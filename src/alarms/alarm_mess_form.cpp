#include "alarms/alarm_mess_form.h"

#include <QHideEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "common/qt_report.h"
#include "common/screen_density.h"
#include "common/text.h"
#include "common/window_style.h"

namespace meridex {

namespace {

constexpr int kWidth = 305;
constexpr int kHeight = 144;
// Long enough for the window manager to map the window and the lines to be
// painted, should no paint be seen.
constexpr int kReportAtLatestMs = 1000;

QLabel* Line(const QString& text, const char* colour, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignHCenter);
  QFont font = label->font();
  font.setPointSize(12);  // 16 pixels at the standard density
  label->setFont(font);
  if (colour) label->setStyleSheet(QString("color: %1;").arg(colour));
  return label;
}

}  // namespace

// Holds the messages of the sound's start: the user must see the alarm's
// lines before any message about its sound.
class TAlarmMessForm::HeldDialogs final : public Dialogs {
 public:
  void show(DialogKind kind, const std::string& text) override { held.push_back({kind, text}); }
  struct Held {
    DialogKind kind;
    std::string text;
  };
  std::vector<Held> held;
};

TAlarmMessForm::TAlarmMessForm(AppContext& ctx, const AlarmState& alarm, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      ctx_(ctx),
      alarm_(alarm),
      held_(std::make_unique<HeldDialogs>()) {
  setObjectName("AlarmMessForm");
  setWindowTitle("Alarm Message");
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
  // A long place or message goes on over more lines; the window grows.
  AlCityLabel->setWordWrap(true);
  AlMessLabel->setWordWrap(true);
  layout->addSpacing(4);
  BitBtn1 = new QPushButton("OK", this);
  BitBtn1->setDefault(true);
  layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
  ConnectReported(BitBtn1, ctx_.dialogs, [this] { BitBtn1Click(); });
  fitToLines();

  WavTimer = new QTimer(this);
  WavTimer->setInterval(7000);
  connect(WavTimer, &QTimer::timeout, this,
          Reported(ctx_.dialogs, "the replay of the alarm sound", [this] { WavTimerTimer(); }));
  reportTimer_ = new QTimer(this);
  reportTimer_->setSingleShot(true);
  reportTimer_->setInterval(kReportAtLatestMs);
  connect(reportTimer_, &QTimer::timeout, this, [this] { reportHeld(); });
}

TAlarmMessForm::~TAlarmMessForm() = default;

void TAlarmMessForm::setVisible(bool visible) {
  if (visible && !isVisible()) {
    RunReported(ctx_.dialogs, "the alarm message", [this] {
      fillLines();
      fitToLines();
    });
  }
  QDialog::setVisible(visible);
}

bool TAlarmMessForm::event(QEvent* e) {
  const bool handled = QDialog::event(e);
  // Showing counts as an activation; so does coming back to the window later.
  if (e->type() == QEvent::Show || (e->type() == QEvent::WindowActivate && deactivated_)) {
    deactivated_ = false;
    RunReported(ctx_.dialogs, "the alarm message", [this] { FormActivate(); });
  } else if (e->type() == QEvent::WindowDeactivate) {
    deactivated_ = true;
  } else if (e->type() == QEvent::Paint && !held_->held.empty()) {
    // After this paint has reached the screen.
    QTimer::singleShot(0, this, [this] { reportHeld(); });
  }
  return handled;
}

void TAlarmMessForm::fillLines() {
  Label1->setText(late_ ? "Late alarm: it was " : "It is now ");
  AlTimeLabel->setText(QString::fromStdString(alarm_.AlarmTimeText));
  AlCityLabel->setText(QString::fromStdString(TrimRight(alarm_.AlarmCity)));
  AlMessLabel->setText(QString::fromStdString(TrimRight(alarm_.AlarmMessage)));
}

void TAlarmMessForm::fitToLines() {
  const int ppi = ctx_.pixelsPerInch();
  FixSizeToFit(*this, QSize(AtDensity(kWidth, ppi), AtDensity(kHeight, ppi)));
}

void TAlarmMessForm::FormActivate() {
  fillLines();
  fitToLines();
  if (alarm_.AlarmSound <= kSoundNone) return;
  // A file that cannot be played is reported once the lines are on the
  // screen; the message stays, silent.
  RunReported(*held_, "the alarm sound", [this] {
    ctx_.sound.open(ctx_.workDir / AlarmSoundFile(alarm_.AlarmSound));
    ctx_.sound.play();
    WavTimer->start();
  });
  if (!held_->held.empty()) {
    update();
    reportTimer_->start();
  }
}

void TAlarmMessForm::reportHeld() {
  reportTimer_->stop();
  std::vector<HeldDialogs::Held> messages;
  messages.swap(held_->held);
  for (const HeldDialogs::Held& m : messages) ctx_.dialogs.show(m.kind, m.text);
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
  // A message still held is not lost with the window.
  if (!e->spontaneous()) reportHeld();
  QDialog::hideEvent(e);
}

}  // namespace meridex
