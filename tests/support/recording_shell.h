#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "common/shell.h"

namespace meridex::test {

// Records navigation commands instead of showing windows.
class RecordingShell final : public Shell {
 public:
  void showAllCitiesList() override { call("AllCitiesList"); }
  void showHotList() override { call("HotList"); }
  void showUnitConversions() override { call("UnitConversions"); }
  void showWorldView() override { call("WorldView"); }
  void showCalculator() override { call("Calculator"); }
  void showOptions() override { call("Options"); }
  void showHelp(const std::string& page) override { call("Help " + page); }
  void showAbout() override { call("About"); }
  bool openWebPage(const std::string& url) override {
    call("WebPage " + url);
    return webPagesOpen;
  }
  void terminate() override { call("Terminate"); }
  void toolWindowClosing(ToolWindow) override { call("Closing"); }
  void setCityListOnTop(bool onTop) override { listOnTop = onTop; }
  void setAlarmMessageOnTop(bool onTop) override { alarmOnTop = onTop; }
  bool cityListOnTop() const override { return listOnTop; }

  std::vector<std::string> calls;
  bool listOnTop = false;
  bool alarmOnTop = true;
  bool webPagesOpen = true;  // what openWebPage reports
  // While set, every command fails with an internal error once recorded.
  bool failing = false;

 private:
  void call(std::string name) {
    calls.push_back(std::move(name));
    if (failing) throw std::logic_error("internal failure in " + calls.back());
  }
};

}  // namespace meridex::test
