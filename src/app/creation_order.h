#pragma once

#include <string_view>
#include <vector>

namespace meridex {

// The thirteen windows created at start-up.
enum class WindowId {
  CityList,
  AboutBox,
  Calculator,
  UnitConversion,
  Options,
  WorldView,
  AlarmSettings,
  AlarmMessage,
  UnitHelp,
  MapViewHelp,
  AlarmWizard,
  AddWizard,
  ForecastWizard,
};

// The windows in the order the start-up view letter creates them; the first
// is the main window. Empty for a letter other than "a" to "d".
std::vector<WindowId> CreationOrder(std::string_view startupView);

}  // namespace meridex
