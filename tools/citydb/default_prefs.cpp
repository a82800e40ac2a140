// Writes the preferences record the program is installed with: the All
// Cities List at start-up, the city list not kept on top, and no alarm, with
// the alarm window's own starting time and message so that the first visit
// to it shows its usual texts.
//
//   citydb_default_prefs --out data

#include <filesystem>
#include <iostream>
#include <string>

#include "common/record_io.h"
#include "common/user_preferences.h"

int main(int argc, char** argv) {
  if (argc != 3 || std::string(argv[1]) != "--out") {
    std::cerr << "usage: citydb_default_prefs --out DIR\n";
    return 2;
  }
  meridex::UserPreferences prefs;
  prefs.StartupView = "a";
  prefs.StayOnTop = "b";
  prefs.AlarmTime = "12:00 AM";
  prefs.AlarmCity = "";
  prefs.AlarmMessage = "This is a test on the length of the message !";
  prefs.AlarmSet = 0;
  prefs.AlarmSound = 0;
  try {
    meridex::WriteFileAtomically(std::filesystem::path(argv[2]) / meridex::kPreferencesFile,
                                 meridex::EncodeUserPreferences(prefs));
  } catch (const std::exception& e) {
    std::cerr << "citydb_default_prefs: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
