#include "app/meridex_app.h"

#include "alarms/alarm_coordinator.h"
#include "alarms/alarm_form.h"
#include "alarms/alarm_mess_form.h"
#include "alarms/alarm_wiz.h"
#include "app/about_box.h"
#include "app/option_form.h"
#include "calculator/calc_form.h"
#include "common/window_style.h"
#include "convert/convert_form.h"
#include "convert/unit_help.h"
#include "worldtime/add_wiz.h"
#include "worldtime/city_list_form.h"
#include "worldtime/fore_wiz.h"
#include "worldview/map_view_help.h"
#include "worldview/world_form.h"

namespace meridex {

MeridexApp::MeridexApp(std::filesystem::path workDir, Seams seams)
    : shell(prefs, calcLink, seams.dialogs, workDir / "help", std::move(seams.quit)),
      ctx{seams.clock,
          seams.dialogs,
          seams.sound,
          shell,
          prefs,
          std::move(workDir),
          std::move(seams.pixelsPerInch)},
      homePage_(std::move(seams.homePage)) {}

MeridexApp::~MeridexApp() = default;

QWidget* MeridexApp::createWindows(const std::string& startupView, const std::string& stayOnTop) {
  QWidget* mainWindow = createMainWindow(startupView, stayOnTop);
  if (mainWindow != nullptr) createOtherWindows();
  return mainWindow;
}

QWidget* MeridexApp::createMainWindow(const std::string& startupView,
                                      const std::string& stayOnTop) {
  prefs.StartupView = startupView;
  prefs.StayOnTop = stayOnTop;
  order_ = CreationOrder(startupView);
  if (order_.empty()) return nullptr;
  QWidget* mainWindow = create(order_.front());
  created_.push_back(order_.front());
  return mainWindow;
}

void MeridexApp::createOtherWindows() {
  for (std::size_t i = 1; i < order_.size(); ++i) {
    create(order_[i]);
    created_.push_back(order_[i]);
  }
  connectWindows();
  const WindowId first = order_.front();
  if (first == WindowId::CityList && prefs.StayOnTop == "a") {
    shell.setAlarmMessageOnTop(false);
    shell.setCityListOnTop(true);
  }
}

void MeridexApp::loadWorldMap() {
  if (worldView) worldView->LoadMapReported();
}

QWidget* MeridexApp::create(WindowId id) {
  switch (id) {
    case WindowId::CityList:
      cityList = std::make_unique<TCityListForm>(ctx, table);
      return cityList.get();
    case WindowId::AboutBox:
      about = std::make_unique<TAboutBox>(ctx, homePage_);
      return about.get();
    case WindowId::Calculator:
      calculator = std::make_unique<TCalc>(ctx, calcLink);
      return calculator.get();
    case WindowId::UnitConversion:
      convert = std::make_unique<TConvertForm>(ctx, calcLink);
      return convert.get();
    case WindowId::Options:
      options = std::make_unique<TOptionForm>(ctx);
      return options.get();
    case WindowId::WorldView:
      worldView = std::make_unique<TWorldForm>(ctx, table);
      return worldView.get();
    case WindowId::AlarmSettings:
      alarmForm = std::make_unique<TAlarmForm>(ctx, alarm, *cityList, table);
      return alarmForm.get();
    case WindowId::AlarmMessage:
      alarmMessage = std::make_unique<TAlarmMessForm>(ctx, alarm);
      return alarmMessage.get();
    case WindowId::UnitHelp:
      unitHelp = std::make_unique<TUnitHelp>(ctx);
      return unitHelp.get();
    case WindowId::MapViewHelp:
      mapViewHelp = std::make_unique<TMapViewHelp>(ctx);
      return mapViewHelp.get();
    case WindowId::AlarmWizard:
      alarmWizard = std::make_unique<TAlarmWiz>(ctx);
      return alarmWizard.get();
    case WindowId::AddWizard:
      addWizard = std::make_unique<TAddWiz>();
      return addWizard.get();
    case WindowId::ForecastWizard:
      foreWizard = std::make_unique<TForeWiz>();
      return foreWizard.get();
  }
  return nullptr;
}

void MeridexApp::connectWindows() {
  shell.setWindows(ShellWindows{cityList.get(), convert.get(), worldView.get(), calculator.get(),
                                options.get(), about.get(), alarmMessage.get()});
  QObject::connect(calculator.get(), &TCalc::resultForField, convert.get(),
                   &TConvertForm::setFieldText);
  convert->setCalculator(calculator.get());
  convert->setUnitHelp(unitHelp.get());
  worldView->setMapViewHelp(mapViewHelp.get());
  alarmCoordinator = std::make_unique<AlarmCoordinator>(ctx, alarm, table, *alarmForm, *alarmWizard,
                                                        *alarmMessage);
  cityList->setHooks(alarmCoordinator.get());
  cityList->setWizards(foreWizard.get(), addWizard.get());
}

}  // namespace meridex
