#include "alarms/alarm_mess_form.h"

namespace meridex {

TAlarmMessForm::TAlarmMessForm(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  setObjectName("AlarmMessForm");
  setWindowTitle("Alarm Message");
  resize(305, 144);
}

}  // namespace meridex
