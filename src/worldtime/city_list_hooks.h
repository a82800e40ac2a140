#pragma once

#include "common/clock.h"

namespace meridex {

// What the city list asks of the alarm at its moments; the application hands
// the list an implementation once all windows exist.
class CityListHooks {
 public:
  virtual ~CityListHooks() = default;
  virtual void listActivated() = 0;  // bring the alarm settings into the form the check uses
  // After every minute refresh, with the instant the times were computed for.
  virtual void checkAlarm(UtcTime refreshedAt) = 0;
  virtual void locationClicked() = 0;  // a location was clicked in either list
  virtual void alarmSettings() = 0;    // Alarm > Settings
  virtual void alarmCancel() = 0;      // Alarm > Cancel
  virtual bool alarmIsSet() const = 0;
};

// The city list as the alarm windows see it: the location last clicked, and
// the two signs of a set alarm, which the list shows on its own controls.
class CityListAlarmView {
 public:
  virtual ~CityListAlarmView() = default;
  // The table index of the location last clicked in either list (-1 when a
  // Hot List click found no row).
  virtual int selectedTableIndex() const = 0;
  // Alarm > Cancel, enabled only while an alarm is set.
  virtual void setAlarmCancelEnabled(bool enabled) = 0;
  // The bell beside the caption.
  virtual void setAlarmPicVisible(bool visible) = 0;
};

}  // namespace meridex
