#pragma once

#include <string>
#include <vector>

#include "common/shell.h"

namespace meridex::test {

// Records navigation commands instead of showing windows.
class RecordingShell final : public Shell {
 public:
  void showAllCitiesList() override { calls.push_back("AllCitiesList"); }
  void showHotList() override { calls.push_back("HotList"); }
  void showUnitConversions() override { calls.push_back("UnitConversions"); }
  void showWorldView() override { calls.push_back("WorldView"); }
  void showCalculator() override { calls.push_back("Calculator"); }
  void showOptions() override { calls.push_back("Options"); }
  void showHelp(const std::string& page) override { calls.push_back("Help " + page); }
  void showAbout() override { calls.push_back("About"); }
  bool openWebPage(const std::string& url) override {
    calls.push_back("WebPage " + url);
    return webPagesOpen;
  }
  void terminate() override { calls.push_back("Terminate"); }
  void toolWindowClosing(ToolWindow) override { calls.push_back("Closing"); }
  void setCityListOnTop(bool onTop) override { listOnTop = onTop; }
  void setAlarmMessageOnTop(bool onTop) override { alarmOnTop = onTop; }
  bool cityListOnTop() const override { return listOnTop; }

  std::vector<std::string> calls;
  bool listOnTop = false;
  bool alarmOnTop = true;
  bool webPagesOpen = true;  // what openWebPage reports
};

}  // namespace meridex::test
