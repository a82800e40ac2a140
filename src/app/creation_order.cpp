#include "app/creation_order.h"

namespace meridex {

std::vector<WindowId> CreationOrder(std::string_view startupView) {
  using enum WindowId;
  // The windows after the first few are created in the same order whatever
  // the start-up view.
  const std::vector<WindowId> tail{AlarmSettings, AlarmMessage, UnitHelp,      MapViewHelp,
                                   AlarmWizard,   AddWizard,    ForecastWizard};
  std::vector<WindowId> order;
  if (startupView == "a" || startupView == "c") {
    order = {CityList, AboutBox, Calculator, UnitConversion, Options, WorldView};
  } else if (startupView == "b") {
    order = {UnitConversion, CityList, AboutBox, Calculator, Options, WorldView};
  } else if (startupView == "d") {
    order = {WorldView, CityList, AboutBox, Calculator, UnitConversion, Options};
  } else {
    return {};
  }
  order.insert(order.end(), tail.begin(), tail.end());
  return order;
}

}  // namespace meridex
