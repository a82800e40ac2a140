#pragma once

#include <QDialog>

#include "alarms/alarm_state.h"
#include "common/app_context.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace meridex {

class CityListAlarmView;
class StepGuide;

// The alarm settings window: the location, time, sound and message of the one
// alarm, which it sets, cancels and keeps in the preferences file.
class TAlarmForm : public QDialog {
  Q_OBJECT
 public:
  TAlarmForm(AppContext& ctx, AlarmState& alarm, CityListAlarmView& cityList,
             const CityTable& table, QWidget* parent = nullptr);

  // The guide of the first setting, which "Set Alarm" finishes.
  void setWizard(StepGuide* wizard) { wizard_ = wizard; }

  void FormCreate();        // restores the stored alarm
  void FormShow();          // every showing of the window
  void AlarmButtonClick();  // "Set Alarm"
  void AlarmCancelClick();  // "Cancel Alarm"
  void BitBtn2Click();      // "Cancel"
  void BitBtn1Click();      // "Help"
  void soundChosen();       // a sound radio button was chosen

  // Sets the buttons of this window and the city list's Alarm > Cancel from
  // the alarm state (the city list runs this whenever it is activated).
  void synchronise();
  // The city list's Alarm > Cancel.
  void clearFromList();

  QLabel* AlarmCityLabel;
  QLineEdit* AlarmTimeMask;
  QRadioButton* PhoneSelect;
  QRadioButton* RoosterSelect;
  QRadioButton* NoneSelect;
  QLineEdit* AlarmMessageEdit;
  QPushButton* AlarmButton;  // "Set Alarm"
  QPushButton* AlarmCancel;  // "Cancel Alarm"
  QPushButton* BitBtn2;      // "Cancel"
  QPushButton* BitBtn1;      // "Help"

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void reject() override;  // Esc is "Cancel"

 private:
  // Puts the alarm in force into the fields.
  void showAlarm();
  int chosenSound() const;
  void tickSound(int sound);
  // The designed size, grown to show every caption and the city whole.
  void fitToTexts();
  void setAlarmShown(bool set);
  void save();
  void closeWizard();

  AppContext& ctx_;
  AlarmState& alarm_;
  CityListAlarmView& cityList_;
  const CityTable& table_;
  StepGuide* wizard_ = nullptr;
  std::string storedTime_;  // the alarm time as typed when it was set ("09:00 AM")
};

}  // namespace meridex
