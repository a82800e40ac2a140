#include "alarms/alarm_form.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "common/qt_report.h"
#include "common/screen_density.h"
#include "common/step_guide.h"
#include "common/time_text.h"
#include "common/user_preferences.h"
#include "common/window_style.h"
#include "worldtime/city_list_hooks.h"

namespace meridex {

namespace {

constexpr const char* kHelpText =
    "To use the \"Alarm\" feature follow these steps\n"
    "\n"
    "1. Highlight a location from the current list that you wish to set the Alarm for.\n"
    "2. Enter the time you wish to be alerted for the displayed city.\n"
    "    You can also change the type of sound to be alerted with and the\n"
    "    message to display.\n"
    "3. Click Set Alarm button.\n"
    "\n"
    "Meridex will now alert you the next time the set city reaches the time you set.";

QLabel* BigLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setPointSize(12);  // 16 pixels at the standard density
  label->setFont(font);
  return label;
}

}  // namespace

TAlarmForm::TAlarmForm(AppContext& ctx, AlarmState& alarm, CityListAlarmView& cityList,
                       const CityTable& table, QWidget* parent)
    : QDialog(parent), ctx_(ctx), alarm_(alarm), cityList_(cityList), table_(table) {
  setObjectName("AlarmForm");
  setWindowTitle("Set Alarm");

  auto* layout = new QGridLayout(this);
  layout->addWidget(BigLabel("City selected :", this), 0, 0);
  AlarmCityLabel = BigLabel("", this);
  AlarmCityLabel->setStyleSheet("color: maroon;");
  layout->addWidget(AlarmCityLabel, 0, 1);
  layout->addWidget(new QLabel("Alarm Time: (hh:mm:am-pm)", this), 1, 0);
  AlarmTimeMask = new QLineEdit(this);
  AlarmTimeMask->setInputMask("09:99 >AA;_");
  AlarmTimeMask->setText("12:00 AM");
  AlarmTimeMask->setMaximumWidth(80);
  layout->addWidget(AlarmTimeMask, 1, 1);

  auto* sound = new QGroupBox("Sound", this);
  PhoneSelect = new QRadioButton("Phone Ring", sound);
  RoosterSelect = new QRadioButton("Rooster Call", sound);
  NoneSelect = new QRadioButton("None (Message Only)", sound);
  auto* sounds = new QHBoxLayout(sound);
  for (QRadioButton* rb : {PhoneSelect, RoosterSelect, NoneSelect}) {
    sounds->addWidget(rb);
    ConnectReported(rb, ctx_.dialogs, [this] { soundChosen(); });
  }
  layout->addWidget(sound, 2, 0, 1, 2);

  layout->addWidget(new QLabel("Display Message:", this), 3, 0, 1, 2);
  AlarmMessageEdit = new QLineEdit("This is a test on the length of the message !", this);
  layout->addWidget(AlarmMessageEdit, 4, 0, 1, 2);

  AlarmButton = new QPushButton("Set Alarm", this);
  AlarmButton->setDefault(true);
  AlarmCancel = new QPushButton("Cancel Alarm", this);
  BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "Cancel", this);
  BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), "Help", this);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {AlarmButton, AlarmCancel, BitBtn2, BitBtn1}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  AlarmButton->setDefault(true);
  layout->addLayout(buttons, 5, 0, 1, 2);

  ConnectReported(AlarmButton, ctx_.dialogs, [this] { AlarmButtonClick(); });
  ConnectReported(AlarmCancel, ctx_.dialogs, [this] { AlarmCancelClick(); });
  ConnectReported(BitBtn2, ctx_.dialogs, [this] { BitBtn2Click(); });
  ConnectReported(BitBtn1, ctx_.dialogs, [this] { BitBtn1Click(); });

  RunReported(ctx_.dialogs, "the loading of the alarm", [this] { FormCreate(); });
  fitToTexts();
}

void TAlarmForm::fitToTexts() {
  const int ppi = ctx_.pixelsPerInch();
  FixSizeToFit(*this, QSize(AtDensity(330, ppi), AtDensity(251, ppi)));
}

void TAlarmForm::FormCreate() {
  const UserPreferences prefs = ReadUserPreferences(ctx_.workDir);
  const std::string notice = RestoreAlarm(prefs, alarm_);
  storedTime_ = prefs.AlarmTime;
  showAlarm();
  if (alarm_.AlarmSet == 1) cityList_.setAlarmPicVisible(true);
  synchronise();
  // Told once, here: the alarm is mended in memory, so nothing asks again.
  if (!notice.empty()) ctx_.dialogs.warning(notice);
}

void TAlarmForm::showAlarm() {
  AlarmCityLabel->setText(QString::fromStdString(alarm_.AlarmCity));
  AlarmTimeMask->setText(QString::fromStdString(storedTime_));
  AlarmMessageEdit->setText(QString::fromStdString(alarm_.AlarmMessage));
  tickSound(alarm_.AlarmSound);
}

void TAlarmForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  RunReported(ctx_.dialogs, "the showing of the alarm settings", [this] { FormShow(); });
}

void TAlarmForm::hideEvent(QHideEvent* event) {
  // However the window goes, what it shows next time is the alarm in force,
  // not what was typed and never set.
  if (alarm_.AlarmSet == 1) showAlarm();
  QDialog::hideEvent(event);
}

void TAlarmForm::FormShow() {
  BitBtn2->setFocus();
  // With an alarm set the fields show the alarm in force.
  if (alarm_.AlarmSet != 1) {
    const int index = cityList_.selectedTableIndex();
    if (index >= 0 && index < table_.Count) {
      AlarmCityLabel->setText(
          QString::fromStdString(table_.Entries[static_cast<std::size_t>(index)].Name));
    }
    AlarmButton->setEnabled(true);
    AlarmCancel->setEnabled(false);
  }
  fitToTexts();  // a longer name
}

void TAlarmForm::soundChosen() { alarm_.AlarmSound = chosenSound(); }

int TAlarmForm::chosenSound() const {
  if (PhoneSelect->isChecked()) return kSoundPhone;
  if (RoosterSelect->isChecked()) return kSoundRooster;
  return kSoundNone;
}

void TAlarmForm::tickSound(int sound) {
  if (sound == kSoundPhone) PhoneSelect->setChecked(true);
  if (sound == kSoundRooster) RoosterSelect->setChecked(true);
  if (sound == kSoundNone) NoneSelect->setChecked(true);
}

void TAlarmForm::setAlarmShown(bool set) {
  AlarmButton->setEnabled(!set);
  AlarmCancel->setEnabled(set);
  cityList_.setAlarmCancelEnabled(set);
  cityList_.setAlarmPicVisible(set);
}

void TAlarmForm::closeWizard() {
  if (wizard_) wizard_->finish();
}

void TAlarmForm::save() {
  WriteAlarmPreferences(ctx_.workDir,
                        AlarmPreferences{AlarmTimeMask->text().toStdString(), alarm_.AlarmCity,
                                         alarm_.AlarmMessage.substr(0, kAlarmMessageStoredLength),
                                         static_cast<std::uint8_t>(alarm_.AlarmSet),
                                         static_cast<std::uint8_t>(alarm_.AlarmSound)});
}

void TAlarmForm::AlarmButtonClick() {
  if (wizard_) wizard_->stepDone(2);
  const std::string city = AlarmCityLabel->text().toStdString();
  if (city.empty()) {
    ctx_.dialogs.warning("Choose the location for the alarm in the city list first.");
    return;
  }
  // Convert the time before anything changes, so a bad time leaves the
  // alarm as it was.
  const std::string timeText = FormatTime12(ParseTime12(AlarmTimeMask->text().toStdString()));
  alarm_.AlarmCity = city;
  alarm_.AlarmTimeText = timeText;
  alarm_.AlarmMessage = AlarmMessageEdit->text().toStdString();
  alarm_.AlarmSound = chosenSound();
  alarm_.AlarmSet = 1;
  storedTime_ = AlarmTimeMask->text().toStdString();
  setAlarmShown(true);
  save();
  ctx_.dialogs.plain("Alarm has been successfully set !");
  closeWizard();
  close();
}

void TAlarmForm::AlarmCancelClick() {
  closeWizard();
  alarm_.AlarmSet = 0;
  setAlarmShown(false);
  ctx_.dialogs.plain("Alarm have been canceled");
  save();
  close();
}

void TAlarmForm::BitBtn2Click() {
  closeWizard();
  close();
}

void TAlarmForm::reject() {
  RunReported(ctx_.dialogs, CommandAction("Cancel"), [this] { closeWizard(); });
  QDialog::reject();
}

void TAlarmForm::BitBtn1Click() { ctx_.dialogs.information(kHelpText); }

void TAlarmForm::synchronise() {
  // The alarm state changes only when an alarm is set or restored, never
  // from what the fields hold meanwhile: reading a half-typed time here, at
  // every activation of the city list, raised its error box in a loop.
  const bool set = alarm_.AlarmSet == 1;
  AlarmButton->setEnabled(!set);
  AlarmCancel->setEnabled(set);
  cityList_.setAlarmCancelEnabled(set);
}

void TAlarmForm::clearFromList() {
  alarm_.AlarmSet = 0;
  setAlarmShown(false);
  ctx_.dialogs.plain("Alarm settings have been cleared");
  WriteAlarmSet(ctx_.workDir, 0);
}

}  // namespace meridex
