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
  prefs.StartupView = startupView;
  prefs.StayOnTop = stayOnTop;
  QWidget* mainWindow = nullptr;
  for (WindowId id : CreationOrder(startupView)) {
    QWidget* window = create(id);
    created_.push_back(id);
    if (mainWindow == nullptr) mainWindow = window;
  }
  if (mainWindow == nullptr) return nullptr;
  connectWindows();
  arrangeWindows(mainWindow);
  if ((startupView == "a" || startupView == "c") && prefs.StayOnTop == "a") {
    shell.setAlarmMessageOnTop(false);
    shell.setCityListOnTop(true);
  }
  return mainWindow;
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
      mapViewHelp = std::make_unique<TMapViewHelp>();
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
  alarmCoordinator = std::make_unique<AlarmCoordinator>(ctx, alarm, table, *alarmForm, *alarmWizard,
                                                        *alarmMessage);
  cityList->setHooks(alarmCoordinator.get());
  cityList->setWizards(foreWizard.get(), addWizard.get());
}

void MeridexApp::arrangeWindows(QWidget* mainWindow) {
  placer.setMainWindow(mainWindow);
  placer.keepInPlace(*cityList, CityListFirstPlace);
  for (QWidget* w : std::initializer_list<QWidget*>{convert.get(), calculator.get(), options.get(),
                                                    worldView.get(), alarmMessage.get(),
                                                    unitHelp.get(), about.get()}) {
    placer.centre(*w);
  }
  placer.keepInPlace(*mapViewHelp, CentredFramePosition);
  for (QWidget* w : std::initializer_list<QWidget*>{foreWizard.get(), addWizard.get(),
                                                    alarmWizard.get(), alarmForm.get()}) {
    placer.beside(*w, *cityList);
  }
  shell.setPlacer(&placer);
  aboveList = std::make_unique<KeepAboveOnTop>(*cityList);
}

}  // namespace meridex
