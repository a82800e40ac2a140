#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "alarms/alarm_state.h"
#include "common/app_context.h"

class QLabel;
class QPushButton;
class QTimer;

namespace meridex {

// The alarm going off: the time, the place and the message above all other
// windows, with the chosen sound repeated every 7 seconds until "OK".
class TAlarmMessForm : public QDialog {
  Q_OBJECT
 public:
  TAlarmMessForm(AppContext& ctx, const AlarmState& alarm, QWidget* parent = nullptr);
  ~TAlarmMessForm() override;

  // The alarm comes after its time (the machine slept or the clock was set
  // over it): the first line says so.
  void setLate(bool late) { late_ = late; }

  void FormActivate();
  void WavTimerTimer();
  void BitBtn1Click();  // "OK"

  // The window comes up filled and sized for its lines.
  void setVisible(bool visible) override;

  QLabel* Label1;
  QLabel* AlTimeLabel;
  QLabel* AlCityLabel;
  QLabel* AlMessLabel;
  QPushButton* BitBtn1;
  QTimer* WavTimer;

 protected:
  bool event(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;  // however the window goes, the sound stops

 private:
  class HeldDialogs;

  void fillLines();
  void fitToLines();
  void stopSound();
  // Shows the messages held back until the lines were on the screen.
  void reportHeld();

  AppContext& ctx_;
  const AlarmState& alarm_;
  bool deactivated_ = false;
  std::unique_ptr<HeldDialogs> held_;
  QTimer* reportTimer_;
  bool late_ = false;
};

}  // namespace meridex
