#pragma once

#include <string>

namespace meridex {

// Which window the program was started with; also the kind of the window
// whose closing ends the program.
enum class MainWindowKind { None = 0, CityList = 1, UnitConversion = 2, WorldView = 3 };

// The in-memory preference letters shared by all windows.
struct PreferenceState {
  // "a" All Cities List, "b" Unit Conversions, "c" Hot List, "d" World Map
  // View; "z" once a close has ended the program. Also tells the city list
  // which list to show when it is next activated.
  std::string StartupView = "a";
  // "a" keeps the city list window on top, "b" normal.
  std::string StayOnTop = "b";
  MainWindowKind MainWindow = MainWindowKind::None;
};

}  // namespace meridex
