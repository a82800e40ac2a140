#include "calculator/calc_form.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QWindow>

#include "calculator/es_calculator.h"
#include "common/number_format.h"
#include "common/qt_report.h"
#include "common/screen_density.h"
#include "common/window_style.h"

namespace meridex {

namespace {

constexpr int kWidth = 230;
constexpr int kPlainHeight = 250;
constexpr int kLinkedHeight = 292;

QString General15(long double value) {
  return QString::fromStdString(FormatGeneral15(value, QLocale().decimalPoint().toStdString()));
}

}  // namespace

TCalc::TCalc(AppContext& ctx, CalcLink& link, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      ctx_(ctx),
      link_(link) {
  setObjectName("Calc");
  setWindowTitle("Calculator");
  QFont font("MS Sans Serif");
  font.setPointSize(8);
  setFont(font);

  // Laid out for the standard density; the texts grow with the density, and
  // so does the room for them.
  const int ppi = ctx_.pixelsPerInch();
  const auto at = [ppi](int x, int y, int w, int h) {
    return QRect(AtDensity(x, ppi), AtDensity(y, ppi), AtDensity(w, ppi), AtDensity(h, ppi));
  };

  auto* central = new QWidget(this);
  EsCalculator1 = new TEsCalculator(central);
  EsCalculator1->setObjectName("EsCalculator1");
  EsCalculator1->setGeometry(at(8, 16, 209, 161));
  // The default scheme's colours, except maroon operators.
  TEsCalcColors colors;
  colors.setColor(ccOperatorButtons, QColor(128, 0, 0));
  EsCalculator1->Colors().Assign(colors);
  connect(EsCalculator1, &TEsCalculator::ButtonPressed, this, [this](int code) {
    RunReported(ctx_.dialogs, "the calculator's memory display",
                [this, code] { EsCalculator1ButtonPressed(code); });
  });

  Label1 = new QLabel("Contents of Memory :", central);
  Label1->setGeometry(at(7, 184, 105, 13));  // ends where the memory begins
  MemLabel = new QLabel(central);
  MemLabel->setObjectName("MemLabel");
  MemLabel->setGeometry(at(112, 184, 65, 13));
  QFont memFont("Arial");
  memFont.setPointSize(8);
  memFont.setBold(true);
  MemLabel->setFont(memFont);
  MemLabel->setAutoFillBackground(true);
  QPalette memPalette = MemLabel->palette();
  memPalette.setColor(QPalette::Window, memPalette.color(QPalette::HighlightedText));
  MemLabel->setPalette(memPalette);

  Bevel1 = new QFrame(central);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setGeometry(at(64, 208, 97, 49));
  BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), "Update", central);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setGeometry(at(80, 215, 65, 25));
  ConnectReported(BitBtn2, ctx_.dialogs, [this] { BitBtn2Click(); });
  Curfield = new QLabel(central);
  Curfield->setObjectName("Curfield");
  Curfield->setGeometry(at(72, 240, 81, 13));
  Curfield->setAlignment(Qt::AlignCenter);
  QPalette curPalette = Curfield->palette();
  curPalette.setColor(QPalette::WindowText, Qt::blue);
  Curfield->setPalette(curPalette);

  setCentralWidget(central);
  BuildMenus();
  setOuterHeight(kPlainHeight);
  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
    RunReported(ctx_.dialogs, "the activation of the calculator",
                [this, now] { FocusWindowChanged(now); });
  });
}

TCalc::~TCalc() {
  // Tearing the window down moves the focus; this window must not hear of it.
  disconnect(qGuiApp, nullptr, this, nullptr);
}

void TCalc::BuildMenus() {
  const auto add = [this](QMenu* menu, const char* caption, std::function<void()> handler) {
    return AddReportedAction(menu, caption, ctx_.dialogs, std::move(handler));
  };
  view1 = menuBar()->addMenu("&View");
  add(view1, "All Cities List", [this] { ctx_.shell.showAllCitiesList(); });
  add(view1, "Hot List", [this] { ctx_.shell.showHotList(); });
  add(view1, "Unit Conversions", [this] { ctx_.shell.showUnitConversions(); });
  add(view1, "World Map View", [this] { ctx_.shell.showWorldView(); });
  Calculator1 = view1->addAction("Calculator");
  Calculator1->setCheckable(true);
  view1->addSeparator();
  add(view1, "Options", [this] { ctx_.shell.showOptions(); });

  Help1 = menuBar()->addMenu("&Help");
  QAction* index = add(Help1, "&Index", [this] { ctx_.shell.showHelp(""); });
  index->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
  add(Help1, "About", [this] { ctx_.shell.showAbout(); });
}

void TCalc::FocusWindowChanged(QWindow* now) {
  if (now == nullptr) return;  // another program has the focus
  QWindow* previous = lastFocusWindow_.data();
  lastFocusWindow_ = now;
  if (now == windowHandle() && previous != now) FormActivate();
}

void TCalc::FormActivate() {
  applyModeLayout();
  if (link_.CalcLinkFlag == 0) return;
  // The conversion window's value arrives exactly, whatever its form (grouping
  // separators, an exponent, a sign); other clipboard texts are typed key by
  // key as a paste does.
  const QString clipboard = QGuiApplication::clipboard()->text();
  if (!EsCalculator1->EnterNumber(clipboard)) EsCalculator1->PasteText(clipboard);
  EsCalculator1->PressButton(cbEquals);
  Curfield->setText(QString::fromStdString(link_.SelectedUnitName));
}

void TCalc::applyModeLayout() {
  const bool linked = link_.CalcLinkFlag != 0;
  menuBar()->setVisible(!linked);
  view1->menuAction()->setVisible(!linked);
  Help1->menuAction()->setVisible(!linked);
  Bevel1->setVisible(linked);
  BitBtn2->setVisible(linked);
  Curfield->setVisible(linked);
  if (!linked) {
    Calculator1->setChecked(true);
    Calculator1->setEnabled(false);
  }
  setOuterHeight(linked ? kLinkedHeight : kPlainHeight);
}

void TCalc::showEvent(QShowEvent* event) {
  // The window comes up in the layout of its mode; the activation that
  // follows only fills it in.
  RunReported(ctx_.dialogs, "the showing of the calculator", [this] { applyModeLayout(); });
  QMainWindow::showEvent(event);
}

void TCalc::setOuterHeight(int outer) {
  // The heights are the window's with its frame; the client area is what
  // the frame leaves.
  const QMargins frame = FrameMarginsOf(*this);
  const int ppi = ctx_.pixelsPerInch();
  setFixedSize(AtDensity(kWidth, ppi), AtDensity(outer, ppi) - frame.top() - frame.bottom());
}

void TCalc::EsCalculator1ButtonPressed(int) {
  MemLabel->setText(General15(EsCalculator1->engine().Memory()));
}

void TCalc::BitBtn2Click() {
  EsCalculator1->PressButton(cbEquals);
  emit resultForField(link_.SelectedField, General15(EsCalculator1->engine().Accumulator()));
  close();
}

void TCalc::closeEvent(QCloseEvent* event) {
  RunReported(ctx_.dialogs, "the closing of the calculator",
              [this] { ctx_.shell.toolWindowClosing(ToolWindow::Calculator); });
  event->accept();
}

}  // namespace meridex
