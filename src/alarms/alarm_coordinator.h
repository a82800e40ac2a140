#pragma once

#include "alarms/alarm_state.h"
#include "common/app_context.h"
#include "worldtime/city_list_hooks.h"
#include "worldtime/city_table.h"

namespace meridex {

class TAlarmForm;
class TAlarmMessForm;
class TAlarmWiz;

// Joins the alarm windows to the city list: the Alarm menu, the step ticks of
// the wizard, the synchronisation on activation and the check after every
// refresh (AlarmWatch), which brings up the message on time or late.
class AlarmCoordinator final : public CityListHooks {
 public:
  AlarmCoordinator(AppContext& ctx, AlarmState& alarm, const CityTable& table, TAlarmForm& form,
                   TAlarmWiz& wizard, TAlarmMessForm& message);

  void listActivated() override;
  void checkAlarm(UtcTime refreshedAt) override;
  void locationClicked() override;
  void alarmSettings() override;
  void alarmCancel() override;
  bool alarmIsSet() const override { return alarm_.AlarmSet == 1; }

 private:
  AppContext& ctx_;
  AlarmState& alarm_;
  const CityTable& table_;
  TAlarmForm& form_;
  TAlarmWiz& wizard_;
  TAlarmMessForm& message_;
  AlarmWatch watch_;
};

}  // namespace meridex
