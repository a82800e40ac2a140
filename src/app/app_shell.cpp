#include "app/app_shell.h"

#include <QDesktopServices>
#include <QUrl>
#include <QWidget>

#include "app/help_window.h"
#include "common/window_style.h"

namespace meridex {

TAppShell::TAppShell(PreferenceState& prefs, CalcLink& link, Dialogs& dialogs,
                     std::filesystem::path helpDir, std::function<void()> quit)
    : prefs_(prefs),
      link_(link),
      dialogs_(dialogs),
      helpDir_(std::move(helpDir)),
      quit_(std::move(quit)) {}

TAppShell::~TAppShell() = default;

void TAppShell::showAllCitiesList() {
  prefs_.StartupView = "a";
  Present(windows_.cityList);
}

void TAppShell::showHotList() {
  prefs_.StartupView = "c";
  Present(windows_.cityList);
}

void TAppShell::showUnitConversions() { Present(windows_.unitConversion); }

void TAppShell::showWorldView() { Present(windows_.worldView); }

void TAppShell::showCalculator() {
  link_.CalcLinkFlag = 0;
  Present(windows_.calculator);
}

void TAppShell::showOptions() { Present(windows_.options); }

void TAppShell::showHelp(const std::string& page) {
  if (!help_) help_ = std::make_unique<THelpWindow>(dialogs_, helpDir_);
  help_->showPage(page);
  Present(help_.get());
}

void TAppShell::showAbout() { Present(windows_.about); }

bool TAppShell::openWebPage(const std::string& url) {
  return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

void TAppShell::terminate() { quit_(); }

QWidget* TAppShell::windowOf(ToolWindow window) const {
  switch (window) {
    case ToolWindow::CityList:
      return windows_.cityList;
    case ToolWindow::UnitConversion:
      return windows_.unitConversion;
    case ToolWindow::WorldView:
      return windows_.worldView;
    case ToolWindow::Calculator:
      return windows_.calculator;
  }
  return nullptr;
}

void TAppShell::toolWindowClosing(ToolWindow closing) {
  bool anotherVisible = false;
  for (ToolWindow other : {ToolWindow::CityList, ToolWindow::UnitConversion, ToolWindow::WorldView,
                           ToolWindow::Calculator}) {
    QWidget* w = windowOf(other);
    if (other != closing && w != nullptr && w->isVisible()) anotherVisible = true;
  }
  const bool isMain =
      (closing == ToolWindow::CityList && prefs_.MainWindow == MainWindowKind::CityList) ||
      (closing == ToolWindow::UnitConversion &&
       prefs_.MainWindow == MainWindowKind::UnitConversion) ||
      (closing == ToolWindow::WorldView && prefs_.MainWindow == MainWindowKind::WorldView);
  if (anotherVisible) return;  // the window is only hidden
  // The main window closing alone ends the program; so does the last of the
  // others.
  if (!isMain) prefs_.StartupView = "z";
  terminate();
}

void TAppShell::setCityListOnTop(bool onTop) {
  if (windows_.cityList) SetStaysOnTop(*windows_.cityList, onTop);
}

void TAppShell::setAlarmMessageOnTop(bool onTop) {
  if (windows_.alarmMessage) SetStaysOnTop(*windows_.alarmMessage, onTop);
}

bool TAppShell::cityListOnTop() const {
  return windows_.cityList != nullptr && StaysOnTop(*windows_.cityList);
}

}  // namespace meridex
