// The right-hand side of the world view: the city list with its filter, the
// selected city's place and time, the machine's date and time, and the zoom
// and rotation panel.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <initializer_list>

#include "common/icons.h"
#include "common/qt_report.h"
#include "common/screen_density.h"
#include "widgets/es_label.h"
#include "worldview/world_form.h"

namespace meridex {

namespace {

constexpr int kPanelWidth = 200;  // at the standard density

QFont PixelFont(const char* family, int pixels, bool bold = false) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void SetTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

// A value label: maroon 12-pixel letters.
QLabel* Value(const char* name, const char* text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setFont(PixelFont("MS Sans Serif", 12));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  SetTextColour(label, QColor(128, 0, 0));
  return label;
}

// The grid of a details box: a caption column and a value column.
QGridLayout* DetailsGrid(QGroupBox* group) {
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(6, 0, 4, 2);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(1);
  grid->setColumnStretch(1, 1);
  return grid;
}

struct ValueRow {
  const char* caption;
  const char* name;
  QLabel** label;
};

// Rows of a caption and a value label reading "N/A", from `row` down.
void AddValueRows(QGridLayout* grid, QGroupBox* group, int row,
                  std::initializer_list<ValueRow> rows) {
  for (const ValueRow& r : rows) {
    grid->addWidget(new QLabel(r.caption, group), row, 0);
    *r.label = Value(r.name, "N/A", group);
    grid->addWidget(*r.label, row++, 1);
  }
}

// The whole earth: a disc with its equator and a meridian.
QIcon WorldIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 0, 128), 1.2));
  painter.setBrush(QColor(0, 255, 255));
  painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
  painter.drawEllipse(QRectF(5, 1.5, 6, 13));
  painter.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
  return QIcon(pixmap);
}

QToolButton* Button(const char* name, const QString& hint, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAccessibleName(hint);
  button->setAutoRaise(true);
  button->setFocusPolicy(Qt::TabFocus);
  button->setFixedSize(20, 19);
  return button;
}

QToolButton* ArrowButton(const char* name, const QString& hint, Qt::ArrowType arrow,
                         QWidget* parent) {
  QToolButton* button = Button(name, hint, parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);  // held down, it keeps turning or zooming
  return button;
}

}  // namespace

QWidget* TWorldForm::BuildScrollBox() {
  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setObjectName("ScrollBox1");
  ScrollBox1->setWidgetResizable(true);
  ScrollBox1->setFrameShape(QFrame::NoFrame);
  ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const bool standard = IsStandardDensity(ctx_.pixelsPerInch());
  ScrollBox1->setFixedWidth(standard ? kPanelWidth : kPanelWidth * 701 / 624);

  auto* content = new QWidget(ScrollBox1);
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(3, 1, 3, 1);
  column->setSpacing(2);
  column->addWidget(BuildSelectedCity(content), 1);
  column->addWidget(BuildPosition(content));
  column->addWidget(BuildDateTime(content));
  column->addWidget(BuildSystemTime(content));
  column->addWidget(BuildZoomPanel(content));
  ScrollBox1->setWidget(content);
  return ScrollBox1;
}

QWidget* TWorldForm::BuildSelectedCity(QWidget* parent) {
  auto* group = new QGroupBox("Selected City", parent);
  auto* column = new QVBoxLayout(group);
  column->setContentsMargins(4, 0, 4, 2);
  column->setSpacing(2);
  CityFilter = new QLineEdit(group);
  CityFilter->setObjectName("CityFilter");
  CityFilter->setPlaceholderText("Find a city");
  CityFilter->setToolTip("Type part of a city's name; Enter selects the first city listed");
  CityFilter->setAccessibleName("Find a city");
  column->addWidget(CityFilter);
  CityListBox = new QListWidget(group);
  CityListBox->setObjectName("CityListBox");
  CityListBox->setSelectionMode(QAbstractItemView::SingleSelection);
  CityListBox->setUniformItemSizes(true);
  CityListBox->setMinimumHeight(64);
  CityListBox->setAccessibleName("Selected City");
  column->addWidget(CityListBox, 1);

  connect(CityFilter, &QLineEdit::textChanged, this,
          Reported(ctx_.dialogs, "the city filter", [this] { CityFilterChanged(); }));
  connect(CityFilter, &QLineEdit::returnPressed, this,
          Reported(ctx_.dialogs, "the choice of a city", [this] { CityFilterReturn(); }));
  // Moving through the list with the keys chooses too; setting the
  // selection from the globe does not.
  connect(CityListBox, &QListWidget::currentItemChanged, this,
          Reported(ctx_.dialogs, "the choice of a city", [this] {
            if (!syncingList_) CityListBoxClick();
          }));
  connect(CityListBox, &QListWidget::itemClicked, this,
          Reported(ctx_.dialogs, "the choice of a city", [this] { CityListBoxClick(); }));
  return group;
}

QWidget* TWorldForm::BuildPosition(QWidget* parent) {
  auto* group = new QGroupBox("Selected - Global Position", parent);
  QGridLayout* grid = DetailsGrid(group);
  grid->addWidget(new QLabel("Lat:", group), 0, 0);
  grid->addWidget(new QLabel("Long:", group), 0, 1);
  CityLat = Value("CityLat", "00.00", group);
  CityLon = Value("CityLon", "00.00", group);
  grid->addWidget(CityLat, 1, 0);
  grid->addWidget(CityLon, 1, 1);
  AddValueRows(grid, group, 2,
               {{"City:", "MapCity", &MapCity},
                {"State:", "CityState", &CityState},
                {"Country:", "CityCountry", &CityCountry}});
  return group;
}

QWidget* TWorldForm::BuildDateTime(QWidget* parent) {
  auto* group = new QGroupBox("Selected - Date/Time Info", parent);
  QGridLayout* grid = DetailsGrid(group);
  AddValueRows(grid, group, 0,
               {{"Date:", "CityDte", &CityDte},
                {"Day of Week:", "CityDow", &CityDow},
                {"Time:", "CityTime", &CityTime},
                {"Sun:", "CitySun", &CitySun}});
  CitySun->setToolTip("Whether the sun is up at the selected city");
  return group;
}

QWidget* TWorldForm::BuildSystemTime(QWidget* parent) {
  auto* group = new QGroupBox("Local System Date/Time", parent);
  auto* row = new QHBoxLayout(group);
  row->setContentsMargins(6, 0, 4, 2);
  SysDate = new QLabel(group);
  SysDate->setObjectName("SysDate");
  SysTime = new QLabel(group);
  SysTime->setObjectName("SysTime");
  for (QLabel* label : {SysDate, SysTime}) {
    label->setFont(PixelFont("MS Sans Serif", 12, true));
    SetTextColour(label, QColor(0, 0, 128));
    row->addWidget(label);
  }
  row->addStretch();
  return group;
}

QWidget* TWorldForm::BuildZoomPanel(QWidget* parent) {
  pnlZoom = new QFrame(parent);
  pnlZoom->setObjectName("pnlZoom");
  static_cast<QFrame*>(pnlZoom)->setFrameStyle(QFrame::Panel | QFrame::Raised);
  pnlZoom->setFixedHeight(96);
  auto* grid = new QGridLayout(pnlZoom);
  grid->setContentsMargins(3, 1, 3, 1);
  grid->setSpacing(0);

  ZoomCaption = new TEsLabel("Zoom and Rotation", pnlZoom);
  ZoomCaption->setObjectName("ZoomCaption");
  ZoomCaption->setFont(PixelFont("Times New Roman", 13, true));
  ZoomCaption->setFontColor(QColor(0, 0, 128));
  ZoomCaption->setAlignment(TEsAlignment::taCenter);
  grid->addWidget(ZoomCaption, 0, 0, 1, 7);

  btnZoomIn = Button("btnZoomIn", "Zoom In", pnlZoom);
  btnZoomIn->setText("+");
  btnZoomOut = Button("btnZoomOut", "Zoom Out", pnlZoom);
  btnZoomOut->setText(QString::fromUtf8("\u2212"));
  btnZoomExtents = Button("btnZoomExtents", "Fit to window", pnlZoom);
  btnZoomExtents->setIcon(WorldIcon());
  SpinButton1Up = ArrowButton("SpinButton1Up", "Zoom In a Little", Qt::UpArrow, pnlZoom);
  SpinButton1Down = ArrowButton("SpinButton1Down", "Zoom Out a Little", Qt::DownArrow, pnlZoom);
  SpeedButton5 = ArrowButton("SpeedButton5", "Rotate Up", Qt::UpArrow, pnlZoom);
  SpeedButton3 = ArrowButton("SpeedButton3", "Rotate Left", Qt::LeftArrow, pnlZoom);
  SpeedButton4 = ArrowButton("SpeedButton4", "Rotate Right", Qt::RightArrow, pnlZoom);
  SpeedButton6 = ArrowButton("SpeedButton6", "Rotate Down", Qt::DownArrow, pnlZoom);
  SpeedButton1 = Button("SpeedButton1", "About", pnlZoom);
  SpeedButton1->setIcon(LogoIcon());
  SpeedButton1->setIconSize(QSize(24, 24));
  SpeedButton1->setFixedSize(30, 30);
  SpeedButton2 = Button("SpeedButton2", "Map Control Help", pnlZoom);
  SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));

  // Zoom on the left, the rotation cross in the middle, logo and help right.
  grid->addWidget(btnZoomIn, 1, 0);
  grid->addWidget(btnZoomOut, 2, 0);
  grid->addWidget(SpinButton1Up, 1, 1);
  grid->addWidget(SpinButton1Down, 2, 1);
  grid->addWidget(btnZoomExtents, 3, 0, 1, 2, Qt::AlignCenter);
  grid->addWidget(SpeedButton5, 1, 3);
  grid->addWidget(SpeedButton3, 2, 2);
  grid->addWidget(SpeedButton4, 2, 4);
  grid->addWidget(SpeedButton6, 3, 3);
  grid->addWidget(SpeedButton1, 1, 6, 2, 1, Qt::AlignCenter);
  grid->addWidget(SpeedButton2, 3, 6, Qt::AlignCenter);
  grid->setColumnStretch(5, 1);

  EsLabel6 = new TEsLabel("Drag to turn the globe", pnlZoom);
  EsLabel6->setObjectName("EsLabel6");
  EsLabel6->setAppearance(TEsAppearance::apSunken);
  EsLabel6->setFont(PixelFont("Times New Roman", 11, false));
  EsLabel6->setAlignment(TEsAlignment::taCenter);
  grid->addWidget(EsLabel6, 4, 0, 1, 7);
  return pnlZoom;
}

}  // namespace meridex
