#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "alarms/alarm_state.h"
#include "app/app_shell.h"
#include "app/creation_order.h"
#include "app/window_placer.h"
#include "common/app_context.h"
#include "common/calc_link.h"
#include "worldtime/city_table.h"

class QWidget;

namespace meridex {

class AlarmCoordinator;
class KeepAboveOnTop;
class TAboutBox;
class TAddWiz;
class TAlarmForm;
class TAlarmMessForm;
class TAlarmWiz;
class TCalc;
class TCityListForm;
class TConvertForm;
class TForeWiz;
class TMapViewHelp;
class TOptionForm;
class TUnitHelp;
class TWorldForm;

// The program: the shared state, the navigation rules and the thirteen
// windows, created in the order the start-up view selects.
class MeridexApp {
 public:
  struct Seams {
    Clock& clock;
    Dialogs& dialogs;
    SoundPlayer& sound;
    std::function<int()> pixelsPerInch;
    std::function<void()> quit;
    // The program's home page (a file URL into the installed documentation),
    // or empty when it is not installed.
    std::string homePage = {};
  };

  MeridexApp(std::filesystem::path workDir, Seams seams);
  ~MeridexApp();

  // Creates every window in the order `startupView` selects and applies the
  // stay-on-top preference; returns the main window (the first created), or
  // nullptr when the letter selects none.
  QWidget* createWindows(const std::string& startupView, const std::string& stayOnTop);
  // The same in two steps, so that the main window can be shown before the
  // others are made: the main window alone (nullptr when the letter selects
  // none), then the other twelve in their order with their connections.
  QWidget* createMainWindow(const std::string& startupView, const std::string& stayOnTop);
  void createOtherWindows();
  // Loads the world view's map (once; what fails is reported).
  void loadWorldMap();

  const std::vector<WindowId>& creationLog() const { return created_; }

  PreferenceState prefs;
  CalcLink calcLink;
  CityTable table;
  AlarmState alarm;
  TAppShell shell;
  AppContext ctx;

  std::unique_ptr<TCityListForm> cityList;
  std::unique_ptr<TAboutBox> about;
  std::unique_ptr<TCalc> calculator;
  std::unique_ptr<TConvertForm> convert;
  std::unique_ptr<TOptionForm> options;
  std::unique_ptr<TWorldForm> worldView;
  std::unique_ptr<TAlarmForm> alarmForm;
  std::unique_ptr<TAlarmMessForm> alarmMessage;
  std::unique_ptr<TUnitHelp> unitHelp;
  std::unique_ptr<TMapViewHelp> mapViewHelp;
  std::unique_ptr<TAlarmWiz> alarmWizard;
  std::unique_ptr<TAddWiz> addWizard;
  std::unique_ptr<TForeWiz> foreWizard;
  std::unique_ptr<AlarmCoordinator> alarmCoordinator;
  // Where the windows come up, and the windows kept above the city list
  // while it stays on top; both outlive no window.
  WindowPlacer placer;
  std::unique_ptr<KeepAboveOnTop> aboveList;

 private:
  QWidget* create(WindowId id);
  void connectWindows();
  // Where the window comes up when the program shows it.
  void arrange(WindowId id);
  QWidget* windowOf(WindowId id) const;

  std::vector<WindowId> order_;  // of the start-up view
  std::string homePage_;
  std::vector<WindowId> created_;
};

}  // namespace meridex
