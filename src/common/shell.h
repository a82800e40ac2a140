#pragma once

#include <string>

namespace meridex {

// The four tool windows that share the View, Help and File menus and the
// close rules.
enum class ToolWindow { CityList, UnitConversion, WorldView, Calculator };

// The navigation, help and close rules every tool window follows. The windows
// call these from their menus; the application implements them once.
class Shell {
 public:
  virtual ~Shell() = default;

  // View menu.
  virtual void showAllCitiesList() = 0;  // letter "a", then show the city list
  virtual void showHotList() = 0;        // letter "c", then show the city list
  virtual void showUnitConversions() = 0;
  virtual void showWorldView() = 0;
  virtual void showCalculator() = 0;  // the calculator on its own, not linked
  virtual void showOptions() = 0;

  // Help menu and logo buttons. An empty page opens the help index.
  virtual void showHelp(const std::string& page = {}) = 0;
  virtual void showAbout() = 0;
  // Opens a web page (or a local page) in the user's browser; false when no
  // program could be started to show it.
  virtual bool openWebPage(const std::string& url) = 0;

  // Ends the program.
  virtual void terminate() = 0;

  // The close rules: called when the user closes a tool window, after the
  // window's own saving. The window hides itself afterwards; this may end the
  // program.
  virtual void toolWindowClosing(ToolWindow window) = 0;

  // The stay-on-top styles of the city list and the alarm message window,
  // which trade places while an alarm is shown.
  virtual void setCityListOnTop(bool onTop) = 0;
  virtual void setAlarmMessageOnTop(bool onTop) = 0;
  virtual bool cityListOnTop() const = 0;
};

}  // namespace meridex
