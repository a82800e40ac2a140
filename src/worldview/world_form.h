#pragma once

#include <QMainWindow>
#include <QPointer>
#include <chrono>
#include <optional>
#include <string>

#include "common/app_context.h"
#include "globe/globe_engine.h"
#include "worldtime/city_table.h"
#include "worldview/night_side.h"
#include "worldview/world_map.h"

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QScrollArea;
class QSplitter;
class QTimer;
class QToolButton;

namespace meridex {

class TEsLabel;
class TGlobe;

// The world view: the globe with the program's cities, a list of them with
// a filter, the selected city's place, date and local time, the machine's
// date and time, and the zoom and rotation buttons. The city texts come from
// the city table, which the city list keeps current; the pointer caption,
// the scale bar, the city details, the night side and the filter are worked
// out by the toolkit-free helpers beside this file.
//
// The map is loaded by LoadMap, which the program calls once its first
// window is up, whatever window that is; a world view drawn before then
// loads it right after it has been drawn. Creating the window does not load
// it, so that nothing waits for the map before a window is on the screen.
class TWorldForm : public QMainWindow {
  Q_OBJECT
 public:
  TWorldForm(AppContext& ctx, const CityTable& table, QWidget* parent = nullptr);
  ~TWorldForm() override;

  // The map view help window, created after this one.
  void setMapViewHelp(QWidget* help) { mapViewHelp_ = help; }

  // Loads the globe's profile and builds the city list, once; a map that is
  // missing layers is reported once. LoadMapReported reports what it raises.
  void LoadMap();
  void LoadMapReported();
  bool MapLoaded() const { return mapLoaded_; }
  const TWorldMapLayers& MapLayers() const { return layers_; }
  const std::string& SelectedCity() const { return selectedCity_; }
  int DoubleClicked() const { return doubleClicked_; }
  // The sub-solar point the night side is drawn for.
  const SubSolarPoint& Sun() const { return night_.Sun(); }

  // Handlers, public so that menus, buttons, the globe and tests share them.
  void CityListBoxClick();
  void GlobeSelected();
  void GlobeDblClick();
  void UpdateDisplay();
  void Timer2Timer();
  void GlobeMouseMove(int x, int y);
  void GlobeRender();
  void GlobeZoomed();
  void ProjectionClick(TGlobeProjection projection);
  void FormActivate();
  void CityFilterChanged();
  void CityFilterReturn();

  TGlobe* Globe = nullptr;
  QSplitter* Splitter1 = nullptr;
  QScrollArea* ScrollBox1 = nullptr;
  QLineEdit* CityFilter = nullptr;
  QListWidget* CityListBox = nullptr;
  QLabel *CityLat = nullptr, *CityLon = nullptr, *MapCity = nullptr, *CityState = nullptr,
         *CityCountry = nullptr;
  QLabel *CityDte = nullptr, *CityDow = nullptr, *CityTime = nullptr, *CitySun = nullptr;
  QLabel *SysDate = nullptr, *SysTime = nullptr;
  QWidget* pnlZoom = nullptr;
  TEsLabel* ZoomCaption = nullptr;
  TEsLabel* EsLabel6 = nullptr;
  QToolButton *btnZoomIn = nullptr, *btnZoomOut = nullptr, *btnZoomExtents = nullptr;
  QToolButton *SpinButton1Up = nullptr, *SpinButton1Down = nullptr;
  QToolButton *SpeedButton3 = nullptr, *SpeedButton4 = nullptr, *SpeedButton5 = nullptr,
              *SpeedButton6 = nullptr;
  QToolButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr;
  QAction *Spherical1 = nullptr, *Mercator1 = nullptr, *Cartesian1 = nullptr;
  QAction* NightSide1 = nullptr;
  QAction* WorldMapView1 = nullptr;
  QTimer* Timer2 = nullptr;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildGlobe();
  void BuildMenus();
  QWidget* BuildScrollBox();
  QWidget* BuildSelectedCity(QWidget* parent);
  QWidget* BuildPosition(QWidget* parent);
  QWidget* BuildDateTime(QWidget* parent);
  QWidget* BuildSystemTime(QWidget* parent);
  QWidget* BuildZoomPanel(QWidget* parent);
  void BuildCityList();
  void ShowCityDetails();
  void ShowSystemTime();
  void SelectListItem(const std::string& title);
  TGlobeObject* FindCity(const std::string& title) const;
  // Recomputes the sub-solar point when the minute has changed; true then.
  bool UpdateSun();
  void DrawNightSide();
  void DrawSelectedCityMark();
  void DrawScaleBar();
  std::chrono::sys_days Today() const;

  AppContext& ctx_;
  const CityTable& table_;
  QPointer<QWidget> mapViewHelp_;
  bool mapLoaded_ = false;
  TWorldMapLayers layers_;
  std::string selectedCity_;
  int doubleClicked_ = 0;
  bool syncingList_ = false;  // the list's selection is being set, not clicked
  TNightSide night_;
  std::optional<std::chrono::sys_time<std::chrono::minutes>> sunMinute_;
};

}  // namespace meridex
