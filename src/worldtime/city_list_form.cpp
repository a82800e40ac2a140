#include "worldtime/city_list_form.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/icons.h"
#include "common/qt_report.h"
#include "common/qt_wall_clock_timer.h"
#include "common/step_guide.h"
#include "common/user_preferences.h"
#include "common/window_style.h"
#include "widgets/es_label.h"
#include "worldtime/city_files.h"
#include "worldtime/city_row_delegate.h"
#include "worldtime/list_geometry.h"

namespace meridex {

namespace {

constexpr int kRowHeight = 13;

MainWindowKind MainWindowFor(const std::string& startupView) {
  if (startupView == "a" || startupView == "c") return MainWindowKind::CityList;
  if (startupView == "b") return MainWindowKind::UnitConversion;
  if (startupView == "d") return MainWindowKind::WorldView;
  return MainWindowKind::None;
}

QListWidget* MakeList(QWidget* parent, const QFont& font, const QColor& text) {
  auto* list = new QListWidget(parent);
  list->setFont(font);
  list->setUniformItemSizes(true);
  list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  list->setCursor(Qt::PointingHandCursor);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette palette = list->palette();
  palette.setColor(QPalette::Text, text);
  list->setPalette(palette);
  list->hide();
  return list;
}

QFont PixelFont(const char* family, int pixels, bool bold = false) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

}  // namespace

TCityListForm::TCityListForm(AppContext& ctx, CityTable& table, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ctx_(ctx),
      table_(table),
      files_(ctx.workDir) {
  setObjectName("CityListForm");
  setWindowTitle("All Cities List");
  setFont(PixelFont("MS Sans Serif", 11));
  resize(208, 331);
  buildMenus();
  buildPanels();
  RunReported(ctx_.dialogs, "the loading of the city list", [this] { FormCreate(); });
}

TCityListForm::~TCityListForm() = default;

void TCityListForm::buildMenus() {
  auto add = [this](QMenu* menu, const char* caption, std::function<void()> handler) {
    return AddReportedAction(menu, caption, ctx_.dialogs, std::move(handler));
  };

  File1 = menuBar()->addMenu("&File");
  Save1 = add(File1, "&Save Hot List", [this] { Save1Click(); });
  ExitProgram1 = add(File1, "Exit Program", [this] { ExitProgram1Click(); });

  CEdit = menuBar()->addMenu("&Edit");
  AddLocation1 = add(CEdit, "Add Location", [this] { AddLocation1Click(); });
  CEdit->addSeparator();
  DeleteLocation1 = add(CEdit, "Delete Location", [this] { DeleteLocation1Click(); });

  View1 = menuBar()->addMenu("V&iew");
  AllCity = add(View1, "All Cities List", [this] { AllCityClick(); });
  HotList = add(View1, "Hot List", [this] { HotListClick(); });
  UnitConversions1 = add(View1, "Unit Conversions", [this] { ctx_.shell.showUnitConversions(); });
  MapView1 = add(View1, "Map View", [this] { ctx_.shell.showWorldView(); });
  Calculator1 = add(View1, "Calculator", [this] { ctx_.shell.showCalculator(); });
  View1->addSeparator();
  TimeForecast1 = add(View1, "Time Forecast", [this] { TimeForecast1Click(); });
  View1->addSeparator();
  Options1 = add(View1, "Options", [this] { ctx_.shell.showOptions(); });
  N1 = View1->addSeparator();
  OnTop1 = add(View1, "Stay On Top", [this] { OnTop1Click(); });
  for (QAction* a : {AllCity, HotList, TimeForecast1, OnTop1}) a->setCheckable(true);
  N1->setVisible(false);
  OnTop1->setVisible(false);

  Alarm1 = menuBar()->addMenu("&Alarm");
  Set1 = add(Alarm1, "Settings", [this] {
    if (hooks_) hooks_->alarmSettings();
  });
  Off1 = add(Alarm1, "Cancel", [this] {
    if (hooks_) hooks_->alarmCancel();
  });
  Off1->setEnabled(false);

  Help1 = menuBar()->addMenu("&Help");
  Index1 = add(Help1, "&Index", [this] { ctx_.shell.showHelp(""); });
  Index1->setShortcut(QKeySequence("Ctrl+I"));
  About1 = add(Help1, "About", [this] { ctx_.shell.showAbout(); });

  // Ctrl+A and Ctrl+H open their menus; Ctrl+I belongs to the help index.
  auto* openAlarm = new QAction("Alarm", this);
  openAlarm->setShortcut(QKeySequence("Ctrl+A"));
  ConnectReported(openAlarm, ctx_.dialogs,
                  [this] { menuBar()->setActiveAction(Alarm1->menuAction()); });
  auto* openHelp = new QAction("Help", this);
  openHelp->setShortcut(QKeySequence("Ctrl+H"));
  ConnectReported(openHelp, ctx_.dialogs,
                  [this] { menuBar()->setActiveAction(Help1->menuAction()); });
  addAction(openAlarm);
  addAction(openHelp);
}

void TCityListForm::buildPanels() {
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  auto* body = new QHBoxLayout;
  body->setContentsMargins(0, 0, 0, 0);
  body->setSpacing(0);
  body->addSpacing(9);  // the left margin panel
  CityCheckBox =
      MakeList(central, PixelFont("MS Sans Serif", 11), palette().color(QPalette::ButtonText));
  CityCheckBox->setItemDelegate(new CityRowDelegate(kRowHeight, CityCheckBox));
  CityHotList = MakeList(central, PixelFont("MS Sans Serif", 12), QColor(0, 128, 128));
  CityHotList->setItemDelegate(new FixedRowDelegate(kRowHeight, CityHotList));
  ForeCastList = MakeList(central, PixelFont("MS Sans Serif", 12), QColor(128, 0, 128));
  ForeCastList->setItemDelegate(new FixedRowDelegate(kRowHeight, ForeCastList));
  body->addWidget(CityCheckBox);
  body->addWidget(CityHotList);
  body->addWidget(ForeCastList);
  body->addStretch();
  column->addLayout(body, 1);
  buildForecastPanel(*column);
  buildNewCityPanel(*column);

  auto* panel3 = new QWidget(central);
  panel3->setObjectName("Panel3");
  panel3->setFixedHeight(33);
  Label2 = new QLabel(panel3);
  Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label2->setStyleSheet("color: red;");
  SpeedButton1 = new QToolButton(panel3);
  SpeedButton1->setAutoRaise(true);
  SpeedButton1->setIcon(LogoIcon());
  SpeedButton1->setIconSize(QSize(16, 16));
  SpeedButton1->setToolTip("About Meridex");
  ConnectReported(SpeedButton1, ctx_.dialogs, [this] { ctx_.shell.showAbout(); });
  // Raised in the default scheme, with dark blue letters.
  auto* caption = new TEsLabel("Meridex", panel3);
  caption->setFont(PixelFont("Times New Roman", 13, true));
  caption->setFontColor(QColor(31, 79, 143));
  AlarmPic = new QLabel(panel3);
  AlarmPic->setPixmap(BellPixmap());
  AlarmPic->setFixedSize(17, 17);
  AlarmPic->setToolTip("Alarm is set");
  AlarmPic->hide();
  auto* strip = new QGridLayout(panel3);
  strip->setContentsMargins(2, 0, 4, 1);
  strip->setSpacing(0);
  strip->addWidget(Label2, 0, 0, 1, 3);
  strip->addWidget(SpeedButton1, 1, 0, Qt::AlignLeft | Qt::AlignBottom);
  strip->addWidget(caption, 1, 1, Qt::AlignCenter);
  strip->addWidget(AlarmPic, 1, 2, Qt::AlignRight | Qt::AlignBottom);
  column->addWidget(panel3);
  setCentralWidget(central);

  connect(CityCheckBox, &QListWidget::itemChanged, this, [this] {
    if (!rebuilding_) checksChanged_ = true;
  });
  // Moving the selection with the keys is a click too; a rebuild's is not.
  const std::string choice = "the choice of a location";
  connect(CityCheckBox, &QListWidget::currentRowChanged, this,
          Reported(ctx_.dialogs, choice, [this] {
            if (!rebuilding_) CityCheckBoxClick();
          }));
  connect(CityCheckBox, &QListWidget::itemClicked, this,
          Reported(ctx_.dialogs, choice, [this] { CityCheckBoxClick(); }));
  connect(CityCheckBox, &QListWidget::itemDoubleClicked, this,
          Reported(ctx_.dialogs, "the city information", [this] { CityCheckBoxDblClick(); }));
  // Enter on a row opens the city information as a double click does.
  CityCheckBox->installEventFilter(this);
  connect(CityHotList, &QListWidget::currentRowChanged, this,
          Reported(ctx_.dialogs, choice, [this] {
            if (!rebuilding_) CityHotListClick();
          }));
  connect(CityHotList, &QListWidget::itemClicked, this,
          Reported(ctx_.dialogs, choice, [this] { CityHotListClick(); }));

  // Kept to the wall clock, so that every minute gets its refresh and its
  // alarm check even across a sleep of the machine or a change of its clock.
  Timer1 = MakeWallClockTimer(ctx_.clock);
  armTimer1();
}

void TCityListForm::FormCreate() {
  const UserPreferences prefs = ReadUserPreferences(ctx_.workDir);
  ctx_.prefs.StartupView = prefs.StartupView;
  ctx_.prefs.StayOnTop = prefs.StayOnTop;
  // Which window is the main one follows from the start-up view alone, so it
  // is set even when the city files below fail to load.
  ctx_.prefs.MainWindow = MainWindowFor(prefs.StartupView);
  allTop_ = allSelected_ = hotTop_ = hotSelected_ = 0;
  checksChanged_ = false;

  if (const std::string notice = LoadCityTable(ctx_.workDir, table_); !notice.empty()) {
    ctx_.dialogs.warning(notice);
  }
  files_.tableLoaded();
  if (const std::string notice = LoadHotListFlags(ctx_.workDir, table_); !notice.empty()) {
    ctx_.dialogs.warning(notice);
  }
  // A location whose rule fails is reported, once; the lists are made all
  // the same and the window goes on being set up.
  refreshFailure_.run(ctx_.dialogs, "the loading of the city list", [this] { RebuildLists(); });
  fitListWidth();
  if (ctx_.prefs.MainWindow == MainWindowKind::CityList) {
    N1->setVisible(true);
    OnTop1->setVisible(true);
  }
  if (ctx_.prefs.StartupView == "a") showAllCitiesView();
  if (ctx_.prefs.StartupView == "c") showHotListView();
  if (ctx_.prefs.StayOnTop == "a") {
    OnTop1->setChecked(true);
    SetStaysOnTop(*this, true);
  }
}

bool TCityListForm::event(QEvent* e) {
  const bool handled = QMainWindow::event(e);
  if (e->type() == QEvent::WindowActivate || e->type() == QEvent::Show) {
    RunReported(ctx_.dialogs, "the activation of the city list", [this] { FormActivate(); });
  } else if (e->type() == QEvent::WindowDeactivate) {
    RunReported(ctx_.dialogs, "the saving of the Hot List", [this] { saveCheckStates(); });
  }
  return handled;
}

bool TCityListForm::eventFilter(QObject* watched, QEvent* e) {
  if (watched == CityCheckBox && e->type() == QEvent::KeyPress) {
    const auto* key = static_cast<const QKeyEvent*>(e);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      RunReported(ctx_.dialogs, "the city information", [this] { CityCheckBoxDblClick(); });
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, e);
}

void TCityListForm::FormActivate() {
  if (hooks_) hooks_->listActivated();
  const bool mainWindow = ctx_.prefs.MainWindow == MainWindowKind::CityList;
  N1->setVisible(mainWindow);
  OnTop1->setVisible(mainWindow);
  if (ctx_.prefs.StayOnTop == "a") OnTop1->setChecked(true);
  if (ctx_.prefs.StayOnTop == "b") OnTop1->setChecked(false);
  if (ctx_.prefs.StartupView == "a") showAllCitiesView();
  if (ctx_.prefs.StartupView == "c") showHotListView();
}

void TCityListForm::closeEvent(QCloseEvent* e) {
  RunReported(ctx_.dialogs, "the saving of the Hot List", [this] { saveCheckStates(); });
  RunReported(ctx_.dialogs, "the closing of the city list",
              [this] { ctx_.shell.toolWindowClosing(ToolWindow::CityList); });
  e->accept();
}

void TCityListForm::ExitProgram1Click() {
  saveCheckStates();
  ctx_.shell.terminate();
}

void TCityListForm::OnTop1Click() {
  // The action has already toggled its check mark: that is the new state.
  const bool onTop = OnTop1->isChecked();
  SetStaysOnTop(*this, onTop);
  ctx_.shell.setAlarmMessageOnTop(!onTop);
  ctx_.prefs.StayOnTop = onTop ? "a" : "b";
}

void TCityListForm::CityCheckBoxClick() {
  selectedTableIndex_ = CityCheckBox->currentRow();
  Set1->setEnabled(true);
  if (foreWiz_) foreWiz_->stepDone(2);
  if (hooks_) hooks_->locationClicked();
  if (addWiz_) addWiz_->stepDone(2);
}

void TCityListForm::CityHotListClick() {
  selectedTableIndex_ = table_.hotListRowToIndex(CityHotList->currentRow());
  TimeForecast1->setEnabled(true);
  Set1->setEnabled(true);
  if (foreWiz_) foreWiz_->stepDone(2);
  if (hooks_) hooks_->locationClicked();
}

void TCityListForm::lockMenus(bool locked) {
  About1->setEnabled(!locked);
  CEdit->menuAction()->setEnabled(!locked);
  View1->menuAction()->setEnabled(!locked);
  Alarm1->menuAction()->setEnabled(!locked);
}

void TCityListForm::setAlarmCancelEnabled(bool enabled) { Off1->setEnabled(enabled); }

void TCityListForm::setAlarmPicVisible(bool visible) { AlarmPic->setVisible(visible); }

bool TCityListForm::alarmPicVisible() const { return !AlarmPic->isHidden(); }

void TCityListForm::fitListWidth() {
  int widest = 0;
  for (int i = 0; i < CityCheckBox->count(); ++i) {
    widest = std::max(widest,
                      CityCheckBox->fontMetrics().horizontalAdvance(CityCheckBox->item(i)->text()));
  }
  const int scrollBar = CityCheckBox->verticalScrollBar()->sizeHint().width();
  const int width = std::max(178, widest + 24 + scrollBar + 4);
  CityCheckBox->setFixedWidth(width);
  CityHotList->setFixedWidth(width);
}

void TCityListForm::setWindowHeight(int height) {
  viewHeight_ = height;
  applyWindowHeight();
}

void TCityListForm::applyWindowHeight() {
  // An open input panel adds its height to the view's, however often the
  // view is set while it is open, so the list never loses rows to it.
  int height = viewHeight_;
  for (const QWidget* panel : {ForeCastPanel, NewCityPanel}) {
    if (!panel->isHidden()) height += kPanelHeight;
  }
  setFixedSize(CityCheckBox->width() + 30, height);
}

}  // namespace meridex
