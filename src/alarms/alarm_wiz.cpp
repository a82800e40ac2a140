#include "alarms/alarm_wiz.h"

namespace meridex {

TAlarmWiz::TAlarmWiz(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
  setObjectName("AlarmWiz");
  setWindowTitle("MX Alarm Wizard");
  resize(324, 129);
}

}  // namespace meridex
