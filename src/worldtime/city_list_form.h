#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "common/app_context.h"
#include "common/clock.h"
#include "common/report.h"
#include "common/time_text.h"
#include "worldtime/city_list_files.h"
#include "worldtime/city_list_hooks.h"
#include "worldtime/city_table.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace meridex {

class StepGuide;

// The world clock: every location with its local time and weekday (the All
// Cities List, with check boxes that put locations into the Hot List), and
// the Hot List. It owns the refresh of the table's computed fields; it does
// not own the table, which the world view reads too.
class TCityListForm : public QMainWindow, public CityListAlarmView {
  Q_OBJECT
 public:
  TCityListForm(AppContext& ctx, CityTable& table, QWidget* parent = nullptr);
  ~TCityListForm() override;

  void setHooks(CityListHooks* hooks) { hooks_ = hooks; }
  // The guides of the time forecast and of adding a location.
  void setWizards(StepGuide* forecast, StepGuide* add) {
    foreWiz_ = forecast;
    addWiz_ = add;
  }

  // Handlers, callable from tests as the events would call them.
  void FormCreate();
  void FormActivate();
  // The minute refresh: every time and both lists, then the alarm check.
  void Timer1Timer();
  // Timer1 woke: at the start of a minute, on resuming from a sleep or when
  // the wall clock was set. Refreshes when the minute is not the one last
  // refreshed, and asks to be woken at the start of the next minute.
  void Timer1Wake();
  void AllCityClick();
  void HotListClick();
  void Save1Click();
  void ExitProgram1Click();
  void OnTop1Click();
  void CityCheckBoxClick();
  void CityHotListClick();
  void CityCheckBoxDblClick();  // city information

  // The time forecast.
  void TimeForecast1Click();
  void Button2Click();        // "Next >>"
  void ForeCancelBtnClick();  // "Cancel"
  void ForeCastOKBtnClick();  // "Finish"
  void SpeedButton2Click();   // help

  // The user's own locations.
  void AddLocation1Click();
  void NCNameKeyPress();
  void Button1Click();       // "Next >>"
  void NCCancelBtnClick();   // "Cancel"
  void NCOKBtnClick();       // "Finish"
  void SpeedButton3Click();  // help
  void DeleteLocation1Click();

  // Recomputes every location's time and refills both lists.
  void RebuildLists();
  // Copies the check boxes into the Hot List flags and writes the files that
  // are due (CityListFiles). A failure is shown once until a save succeeds
  // again; saveAsked, for the user's own commands, always shows it.
  void saveCheckStates();
  void saveAsked();
  void showAllCitiesView();
  void showHotListView();

  int selectedTableIndex() const override { return selectedTableIndex_; }
  void setAlarmCancelEnabled(bool enabled) override;
  void setAlarmPicVisible(bool visible) override;
  bool alarmPicVisible() const;
  // 0 All Cities List, 1 Hot List.
  int listView() const { return listView_; }

  // Controls, named as the user knows them.
  QListWidget* CityCheckBox;
  QListWidget* CityHotList;
  QListWidget* ForeCastList;
  QLabel* FTStartPanel;
  QWidget* ForeCastPanel;
  QLineEdit* ForeCastMask;
  QPushButton* Button2;
  QPushButton* ForeCancelBtn;
  QPushButton* ForeCastOKBtn;
  QToolButton* SpeedButton2;
  QWidget* NewCityPanel;
  QLineEdit* NCName;
  QPushButton* Button1;
  QPushButton* NCCancelBtn;
  QPushButton* NCOKBtn;
  QToolButton* SpeedButton3;
  QLabel* Label2;
  QLabel* AlarmPic;
  QToolButton* SpeedButton1;
  // Wakes the refresh at the start of every minute of the wall clock.
  std::unique_ptr<WallClockTimer> Timer1;
  QMenu* File1;
  QMenu* CEdit;
  QMenu* View1;
  QMenu* Alarm1;
  QMenu* Help1;
  QAction* Save1;
  QAction* ExitProgram1;
  QAction* AddLocation1;
  QAction* DeleteLocation1;
  QAction* AllCity;
  QAction* HotList;
  QAction* UnitConversions1;
  QAction* MapView1;
  QAction* Calculator1;
  QAction* TimeForecast1;
  QAction* Options1;
  QAction* N1;
  QAction* OnTop1;
  QAction* Set1;
  QAction* Off1;
  QAction* Index1;
  QAction* About1;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void buildPanels();
  void buildForecastPanel(QVBoxLayout& column);
  void buildNewCityPanel(QVBoxLayout& column);
  // Disables or enables "About", "&Edit", "V&iew" and "&Alarm" while a
  // panel takes input.
  void lockMenus(bool locked);
  void showForecast(TimeOfDay entered);
  void copyChecksToFlags();
  bool refuseUnloaded();
  void armTimer1();
  void rememberListPositions();
  void fitListWidth();
  // Sets the height of the view shown; an open input panel adds its own.
  void setWindowHeight(int height);
  void applyWindowHeight();

  AppContext& ctx_;
  CityTable& table_;
  CityListHooks* hooks_ = nullptr;
  StepGuide* foreWiz_ = nullptr;
  StepGuide* addWiz_ = nullptr;
  CityListFiles files_;
  RepeatedFailure saveFailure_;             // the saves that come with moving between windows
  RepeatedFailure refreshFailure_;          // the minute refresh
  UtcTime lastRefresh_{};                   // the instant the lists were last computed for
  std::optional<UtcTime> refreshedMinute_;  // the minute of the last Timer1Timer
  bool rebuilding_ = false;                 // list changes come from a rebuild, not from the user
  bool checksChanged_ = false;
  int listView_ = 0;
  int viewHeight_ = 0;  // the window's height without the input panels
  int selectedTableIndex_ = 0;
  int allTop_ = 0, allSelected_ = 0, hotTop_ = 0, hotSelected_ = 0;
};

}  // namespace meridex
