#pragma once

#include <filesystem>
#include <functional>
#include <memory>

#include "common/calc_link.h"
#include "common/dialogs.h"
#include "common/preference_state.h"
#include "common/shell.h"

class QWidget;

namespace meridex {

class THelpWindow;

// The windows the navigation and close rules act on.
struct ShellWindows {
  QWidget* cityList = nullptr;
  QWidget* unitConversion = nullptr;
  QWidget* worldView = nullptr;
  QWidget* calculator = nullptr;
  QWidget* options = nullptr;
  QWidget* about = nullptr;
  QWidget* alarmMessage = nullptr;
};

// The navigation, help and close rules of the four tool windows, written
// once for all of them.
class TAppShell final : public Shell {
 public:
  // `quit` ends the program; `helpDir` holds the help pages.
  TAppShell(PreferenceState& prefs, CalcLink& link, Dialogs& dialogs, std::filesystem::path helpDir,
            std::function<void()> quit);
  ~TAppShell() override;

  void setWindows(const ShellWindows& windows) { windows_ = windows; }

  void showAllCitiesList() override;
  void showHotList() override;
  void showUnitConversions() override;
  void showWorldView() override;
  void showCalculator() override;
  void showOptions() override;
  void showHelp(const std::string& page) override;
  void showAbout() override;
  bool openWebPage(const std::string& url) override;
  void terminate() override;
  void toolWindowClosing(ToolWindow window) override;
  void setCityListOnTop(bool onTop) override;
  void setAlarmMessageOnTop(bool onTop) override;
  bool cityListOnTop() const override;

  // The help window, once it has been opened.
  THelpWindow* helpWindow() const { return help_.get(); }

 private:
  QWidget* windowOf(ToolWindow window) const;

  PreferenceState& prefs_;
  CalcLink& link_;
  Dialogs& dialogs_;
  std::filesystem::path helpDir_;
  std::function<void()> quit_;
  ShellWindows windows_;
  std::unique_ptr<THelpWindow> help_;
};

}  // namespace meridex
