#include "alarms/alarm_form.h"

namespace meridex {

TAlarmForm::TAlarmForm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  setObjectName("AlarmForm");
  setWindowTitle("Set Alarm");
  resize(330, 251);
}

}  // namespace meridex
