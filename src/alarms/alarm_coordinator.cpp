#include "alarms/alarm_coordinator.h"

#include "alarms/alarm_form.h"
#include "alarms/alarm_mess_form.h"
#include "alarms/alarm_wiz.h"
#include "common/window_style.h"

namespace meridex {

AlarmCoordinator::AlarmCoordinator(AppContext& ctx, AlarmState& alarm, const CityTable& table,
                                   TAlarmForm& form, TAlarmWiz& wizard, TAlarmMessForm& message)
    : ctx_(ctx), alarm_(alarm), table_(table), form_(form), wizard_(wizard), message_(message) {
  form_.setWizard(&wizard_);
  wizard_.onContinue = [this] { Present(&form_); };
}

void AlarmCoordinator::listActivated() { form_.synchronise(); }

void AlarmCoordinator::checkAlarm(UtcTime refreshedAt) {
  const AlarmDue due = watch_.check(alarm_, table_, refreshedAt);
  if (due == AlarmDue::adNone) return;
  message_.setLate(due == AlarmDue::adLate);
  if (ctx_.shell.cityListOnTop()) {
    ctx_.shell.setCityListOnTop(false);
    ctx_.shell.setAlarmMessageOnTop(true);
  }
  Present(&message_);
}

void AlarmCoordinator::locationClicked() { wizard_.locationClicked(); }

void AlarmCoordinator::alarmSettings() {
  if (alarm_.AlarmSet == 1) {
    Present(&form_);
  } else {
    wizard_.start();
  }
}

void AlarmCoordinator::alarmCancel() { form_.clearFromList(); }

}  // namespace meridex
