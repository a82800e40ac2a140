#include "worldview/world_form.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <filesystem>

#include "common/qt_report.h"
#include "common/screen_density.h"
#include "common/window_style.h"
#include "globe/globe.h"
#include "globe/globe_layer.h"
#include "globe/globe_object.h"
#include "worldview/city_filter.h"
#include "worldview/world_texts.h"

namespace meridex {

namespace {

constexpr const char* kProfileFile = "tglobe.prf";
// The closest zoom, in pixels per GlobeUnit: a little under a kilometre a pixel.
constexpr long double kClosestZoom = 2.1e-5L;
constexpr int kRotateStep = 5;  // degrees per press of a rotate button
// The selected shape is hatched without an outline. Its colour is "none",
// which has no colour of its own: the hatch is drawn in black.
constexpr TPenSpec kSelectedPen{0x000000, TPenStyle::psClear, 1};
constexpr TBrushSpec kSelectedBrush{0x000000, TBrushStyle::bsDiagCross};

QFont PixelFont(const char* family, int pixels) {
  QFont font(family);
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

TWorldForm::TWorldForm(AppContext& ctx, const CityTable& table, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), table_(table) {
  setObjectName("WorldForm");
  setWindowTitle("World View");
  setFont(PixelFont("MS Sans Serif", 11));
  if (IsStandardDensity(ctx_.pixelsPerInch())) {
    resize(624, 483);
  } else {
    resize(701, 591);
  }
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());

  auto* panel3 = new QWidget(this);
  panel3->setObjectName("Panel3");
  auto* row = new QHBoxLayout(panel3);
  row->setContentsMargins(0, 0, 0, 0);
  Splitter1 = new QSplitter(Qt::Horizontal, panel3);
  Splitter1->setObjectName("Splitter1");
  Splitter1->setHandleWidth(5);
  Splitter1->setChildrenCollapsible(false);
  BuildGlobe();
  Splitter1->addWidget(Globe);
  Splitter1->addWidget(BuildScrollBox());
  Splitter1->setStretchFactor(0, 1);
  Splitter1->setStretchFactor(1, 0);
  // The globe takes all the width the panel leaves, not just its own hint.
  Splitter1->setSizes({width(), ScrollBox1->width()});
  row->addWidget(Splitter1);
  setCentralWidget(panel3);
  BuildMenus();

  const auto onClick = [this](QToolButton* button, std::function<void()> handler) {
    ConnectReported(button, ctx_.dialogs, std::move(handler));
  };
  onClick(btnZoomIn, [this] { Globe->SetScale(Globe->Scale() * 2); });
  onClick(btnZoomOut, [this] { Globe->SetScale(Globe->Scale() * 0.5L); });
  onClick(SpinButton1Up, [this] { Globe->SetScale(Globe->Scale() * 1.1L); });
  onClick(SpinButton1Down, [this] { Globe->SetScale(Globe->Scale() * (1 / 1.1L)); });
  onClick(btnZoomExtents, [this] { Globe->ZoomToRect({}); });
  onClick(SpeedButton3,
          [this] { Globe->SetYRotationInDegs(Globe->YRotationInDegs() - kRotateStep); });
  onClick(SpeedButton4,
          [this] { Globe->SetYRotationInDegs(Globe->YRotationInDegs() + kRotateStep); });
  onClick(SpeedButton5,
          [this] { Globe->SetXRotationInDegs(Globe->XRotationInDegs() - kRotateStep); });
  onClick(SpeedButton6,
          [this] { Globe->SetXRotationInDegs(Globe->XRotationInDegs() + kRotateStep); });
  onClick(SpeedButton1, [this] { ctx_.shell.showAbout(); });
  onClick(SpeedButton2, [this] { Present(mapViewHelp_); });

  Timer2 = new QTimer(this);
  Timer2->setObjectName("Timer2");
  Timer2->setInterval(600);
  connect(Timer2, &QTimer::timeout, this,
          Reported(ctx_.dialogs, "the world view's clock", [this] { Timer2Timer(); }));
  ShowSystemTime();
  UpdateSun();
}

TWorldForm::~TWorldForm() {
  // The globe's layers go before the window that reports through them.
  if (Globe) Globe->OnSelected = nullptr;
}

void TWorldForm::BuildGlobe() {
  Globe = new TGlobe(ctx_.dialogs, Splitter1);
  Globe->setObjectName("Globe");
  Globe->SetColor(0x000000);
  Globe->SetGlobeColor(0xFFFF00);  // aqua
  Globe->Font = TLogFont{"Arial", -16};
  Globe->FontColor = 0xFFFFFF;
  Globe->SelectedPen = kSelectedPen;
  Globe->SelectedBrush = kSelectedBrush;
  Globe->SetLongitudeStep(15);
  Globe->SetLatitudeStep(15);
  Globe->MouseSelectButton = TGlobeMouseButton::mzbLeft;
  Globe->MouseRotateButton = TGlobeMouseButton::mzbLeft;
  Globe->SetXRotationInDegs(30);
  Globe->SetYRotationInDegs(-90);
  Globe->SetZRotationInDegs(0);
  Globe->SetClock(ctx_.clock);
  Globe->setMinimumWidth(100);
  const auto reported = [this](const char* action, std::function<void()> handler) {
    return [this, action, handler = std::move(handler)] {
      RunReported(ctx_.dialogs, action, handler);
    };
  };
  Globe->OnRender = reported("the drawing of the globe", [this] { GlobeRender(); });
  Globe->OnSelected = reported("the choice of a place", [this] { GlobeSelected(); });
  Globe->OnZoomed = reported("the zoom", [this] { GlobeZoomed(); });
  Globe->OnDblClick = reported("the double-click", [this] { GlobeDblClick(); });
  Globe->OnMouseMove = [this](TShiftState, int x, int y) {
    RunReported(ctx_.dialogs, "the pointer's position", [&] { GlobeMouseMove(x, y); });
  };
}

void TWorldForm::BuildMenus() {
  const auto add = [this](QMenu* menu, const char* caption, std::function<void()> handler) {
    return AddReportedAction(menu, caption, ctx_.dialogs, std::move(handler));
  };
  QMenu* file = menuBar()->addMenu("&File");
  add(file, "Exit Program", [this] { ctx_.shell.terminate(); });

  QMenu* view = menuBar()->addMenu("&View");
  add(view, "All Cities List", [this] { ctx_.shell.showAllCitiesList(); });
  add(view, "Hot List", [this] { ctx_.shell.showHotList(); });
  add(view, "Unit Conversions", [this] { ctx_.shell.showUnitConversions(); });
  WorldMapView1 = view->addAction("World Map View");
  WorldMapView1->setCheckable(true);
  WorldMapView1->setChecked(true);
  WorldMapView1->setEnabled(false);
  add(view, "Calculator", [this] { ctx_.shell.showCalculator(); });
  view->addSeparator();
  auto* projections = new QActionGroup(this);
  const auto projection = [&](const char* caption, TGlobeProjection p) {
    QAction* action = add(view, caption, [this, p] { ProjectionClick(p); });
    action->setCheckable(true);
    projections->addAction(action);
    return action;
  };
  Spherical1 = projection("Globe", TGlobeProjection::gpSpherical);
  Mercator1 = projection("Mercator", TGlobeProjection::gpMercator);
  Cartesian1 = projection("Cartesian", TGlobeProjection::gpCartesian);
  Spherical1->setChecked(true);
  view->addSeparator();
  NightSide1 = add(view, "Night Side", [this] { Globe->Redraw(); });
  NightSide1->setCheckable(true);
  NightSide1->setChecked(true);
  NightSide1->setStatusTip("Shade the part of the earth where the sun is down");
  view->addSeparator();
  add(view, "Options", [this] { ctx_.shell.showOptions(); });

  QMenu* help = menuBar()->addMenu("&Help");
  add(help, "Index", [this] { ctx_.shell.showHelp(""); });
  add(help, "World View Help", [this] { ctx_.shell.showHelp("worldview.html"); });
  add(help, "About", [this] { ctx_.shell.showAbout(); });
}

// --- the map

void TWorldForm::LoadMap() {
  if (mapLoaded_) return;
  mapLoaded_ = true;
  const std::filesystem::path profile = ctx_.workDir / kProfileFile;
  Globe->SetProfileName(profile.string());
  layers_ = FindWorldMapLayers(*Globe);
  BuildCityList();
  // Its icon takes a while to load, and the field is of no use before the
  // list is there: the first window does not wait for it.
  CityFilter->setClearButtonEnabled(true);
  const std::string message =
      MissingLayersMessage(profile.string(), std::filesystem::exists(profile), layers_);
  // Told once, after the window has come up rather than while it does.
  if (!message.empty())
    QTimer::singleShot(0, this, [this, message] { ctx_.dialogs.warning(message); });
}

void TWorldForm::BuildCityList() {
  CityListBox->clear();
  if (layers_.cities < 0) return;
  const TGlobeLayer& cities = Globe->GetLayer(layers_.cities);
  // Alphabetical as a reader expects, accents aside, whatever the machine's
  // locale: "Zug" before "Zürich".
  std::vector<std::pair<std::string, QString>> titles;
  for (int i = 0; i < cities.ObjectCount(); ++i) {
    const QString title = QString::fromLatin1(cities.Objects(i)->Title.c_str());
    titles.emplace_back(FoldForMatch(title.toStdString()), title);
  }
  std::sort(titles.begin(), titles.end());
  for (const auto& [key, title] : titles) CityListBox->addItem(title);
}

TGlobeObject* TWorldForm::FindCity(const std::string& title) const {
  // The list is a list of cities: a city that shares its name with a
  // country (Singapore, Monaco, ...) is found as the city. Anything else
  // is sought in every layer.
  if (layers_.cities >= 0) {
    if (TGlobeObject* city = Globe->GetLayer(layers_.cities).FindObject(title)) return city;
  }
  return Globe->FindGlobeObject(title);
}

// --- handlers

void TWorldForm::CityListBoxClick() {
  const QListWidgetItem* item = CityListBox->currentItem();
  if (item == nullptr) return;
  TGlobeObject* found = FindCity(item->text().toLatin1().toStdString());
  Globe->SetSelectedObject(found);
  Globe->CenterOnObject(found);
  UpdateDisplay();
}

void TWorldForm::GlobeSelected() {
  if (doubleClicked_ == 1) Globe->SetSelectedObject(nullptr);
  if (const TGlobeObject* selected = Globe->SelectedObject()) {
    selectedCity_ = selected->Title;
    SelectListItem(selectedCity_);
  }
  UpdateDisplay();
  doubleClicked_ = 0;
}

void TWorldForm::SelectListItem(const std::string& title) {
  const QString text = QString::fromLatin1(title.c_str());
  for (int i = 0; i < CityListBox->count(); ++i) {
    QListWidgetItem* item = CityListBox->item(i);
    if (item->text() != text) continue;
    // A city chosen on the globe is shown in the list, whatever the filter.
    if (item->isHidden()) CityFilter->clear();
    syncingList_ = true;
    CityListBox->setCurrentItem(item);
    CityListBox->scrollToItem(item);
    syncingList_ = false;
    return;
  }
}

void TWorldForm::GlobeDblClick() {
  if (TGlobeObject* selected = Globe->SelectedObject()) Globe->CenterOnObject(selected);
  doubleClicked_ = 1;
  // The flag is for the selection this double-click itself changes (its
  // press comes right after it); a later click is a click of its own.
  QTimer::singleShot(0, this, [this] { doubleClicked_ = 0; });
}

void TWorldForm::UpdateDisplay() {
  ShowCityDetails();
  ShowSystemTime();
}

void TWorldForm::Timer2Timer() {
  ShowSystemTime();
  UpdateDisplay();
  if (UpdateSun() && NightSide1->isChecked()) Globe->Redraw();
}

void TWorldForm::FormActivate() {
  doubleClicked_ = 0;
  if (!Timer2->isActive()) Timer2->start();
}

void TWorldForm::GlobeMouseMove(int x, int y) {
  TLLPoint position;
  Globe->XYToLL(x, y, position);
  std::vector<TLayerHit> hits;
  for (int i = Globe->LayerCount() - 1; i >= 0; --i) {
    if (const TGlobeObject* object = Globe->GetLayer(i).ObjectAtXY(x, y))
      hits.push_back({i, object->Title});
  }
  setWindowTitle(QString::fromLatin1(PointerCaption(position, hits, layers_.shapes).c_str()));
}

void TWorldForm::GlobeZoomed() {
  if (Globe->Scale() > kClosestZoom) Globe->SetScale(kClosestZoom);
}

void TWorldForm::ProjectionClick(TGlobeProjection projection) {
  Spherical1->setChecked(projection == TGlobeProjection::gpSpherical);
  Mercator1->setChecked(projection == TGlobeProjection::gpMercator);
  Cartesian1->setChecked(projection == TGlobeProjection::gpCartesian);
  Globe->SetProjection(projection);
}

void TWorldForm::CityFilterChanged() {
  const std::string typed = CityFilter->text().toStdString();
  for (int i = 0; i < CityListBox->count(); ++i) {
    QListWidgetItem* item = CityListBox->item(i);
    item->setHidden(!FilterMatches(item->text().toStdString(), typed));
  }
}

void TWorldForm::CityFilterReturn() {
  for (int i = 0; i < CityListBox->count(); ++i) {
    QListWidgetItem* item = CityListBox->item(i);
    if (item->isHidden()) continue;
    syncingList_ = true;
    CityListBox->setCurrentItem(item);
    syncingList_ = false;
    CityListBoxClick();
    return;
  }
}

// --- events

bool TWorldForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate)
    RunReported(ctx_.dialogs, "the activation of the world view", [this] { FormActivate(); });
  return QMainWindow::event(event);
}

void TWorldForm::paintEvent(QPaintEvent* event) {
  QMainWindow::paintEvent(event);
  // A window shown before the program has loaded its map loads it once it
  // has been drawn, so that it comes up without waiting for the map.
  if (!mapLoaded_) QTimer::singleShot(0, this, [this] { LoadMapReported(); });
}

void TWorldForm::LoadMapReported() {
  RunReported(ctx_.dialogs, "the loading of the world map", [this] { LoadMap(); });
}

void TWorldForm::closeEvent(QCloseEvent* event) {
  RunReported(ctx_.dialogs, "the closing of the world view",
              [this] { ctx_.shell.toolWindowClosing(ToolWindow::WorldView); });
  event->accept();
}

}  // namespace meridex
