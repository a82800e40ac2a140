#pragma once

#include "common/user_preferences.h"

namespace meridex::test {

// The preferences record as the program is installed: the All Cities List,
// not kept on top, no alarm, and the alarm window's default time and message.
inline UserPreferences InstalledPreferences() {
  UserPreferences p;
  p.StartupView = "a";
  p.StayOnTop = "b";
  p.AlarmTime = "12:00 AM";
  p.AlarmMessage = "This is a test on the length of the message !";
  return p;
}

}  // namespace meridex::test
