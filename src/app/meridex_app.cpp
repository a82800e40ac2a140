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

namespace {

// The city list comes up in the upper left of the screen whichever window the
// program starts with, clear of the windows that come up centred.
QPoint CityListFirstPlace(QSize, const QRect& available) {
  return available.topLeft() + QPoint(available.width() / 8, available.height() / 8);
}

}  // namespace

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
  // The main window is shown before the others exist: its place is set now.
  placer.setMainWindow(mainWindow);
  arrange(order_.front());
  return mainWindow;
}

void MeridexApp::createOtherWindows() {
  for (std::size_t i = 1; i < order_.size(); ++i) {
    create(order_[i]);
    created_.push_back(order_[i]);
  }
  connectWindows();
  for (std::size_t i = 1; i < order_.size(); ++i) arrange(order_[i]);
  shell.setPlacer(&placer);
  aboveList = std::make_unique<KeepAboveOnTop>(*cityList);
  if (order_.front() == WindowId::CityList && prefs.StayOnTop == "a") {
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
      // The alarm windows and the guides work on the city list's rows and
      // belong to it: they stay above it.
      alarmForm = std::make_unique<TAlarmForm>(ctx, alarm, *cityList, table, cityList.get());
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
      alarmWizard = std::make_unique<TAlarmWiz>(ctx, cityList.get());
      return alarmWizard.get();
    case WindowId::AddWizard:
      addWizard = std::make_unique<TAddWiz>(cityList.get());
      return addWizard.get();
    case WindowId::ForecastWizard:
      foreWizard = std::make_unique<TForeWiz>(cityList.get());
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

void MeridexApp::arrange(WindowId id) {
  switch (id) {
    case WindowId::CityList:
      placer.keepInPlace(*cityList, CityListFirstPlace);
      return;
    case WindowId::UnitConversion:
    case WindowId::Calculator:
    case WindowId::Options:
    case WindowId::WorldView:
    case WindowId::AlarmMessage:
    case WindowId::UnitHelp:
    case WindowId::AboutBox:
      placer.centre(*windowOf(id));
      return;
    case WindowId::MapViewHelp:
      placer.keepInPlace(*mapViewHelp, CentredFramePosition);
      return;
    // The guides and the alarm settings work on the city list's rows.
    case WindowId::ForecastWizard:
    case WindowId::AddWizard:
    case WindowId::AlarmWizard:
    case WindowId::AlarmSettings:
      placer.beside(*windowOf(id), *cityList);
      return;
  }
}

QWidget* MeridexApp::windowOf(WindowId id) const {
  switch (id) {
    case WindowId::CityList:
      return cityList.get();
    case WindowId::AboutBox:
      return about.get();
    case WindowId::Calculator:
      return calculator.get();
    case WindowId::UnitConversion:
      return convert.get();
    case WindowId::Options:
      return options.get();
    case WindowId::WorldView:
      return worldView.get();
    case WindowId::AlarmSettings:
      return alarmForm.get();
    case WindowId::AlarmMessage:
      return alarmMessage.get();
    case WindowId::UnitHelp:
      return unitHelp.get();
    case WindowId::MapViewHelp:
      return mapViewHelp.get();
    case WindowId::AlarmWizard:
      return alarmWizard.get();
    case WindowId::AddWizard:
      return addWizard.get();
    case WindowId::ForecastWizard:
      return foreWizard.get();
  }
  return nullptr;
}

}  // namespace meridex
