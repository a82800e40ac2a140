#include "convert/convert_form.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <cmath>

#include "common/icons.h"
#include "common/qt_report.h"
#include "common/screen_density.h"
#include "common/window_style.h"
#include "widgets/es_label.h"

namespace meridex {

namespace {

// The window's fields as the engine addresses them.
class FormFields final : public ConversionFields {
 public:
  explicit FormFields(const ConvertFieldArray& fields) : fields_(fields) {}
  std::string text(int field) const override {
    return fields_[static_cast<std::size_t>(field)]->text().toStdString();
  }
  void setText(int field, const std::string& text) override {
    fields_[static_cast<std::size_t>(field)]->setText(QString::fromStdString(text));
  }

 private:
  const ConvertFieldArray& fields_;
};

NumberSeparators LocaleSeparators() {
  const QLocale locale;
  return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

void SetFieldColour(QLineEdit* edit, const QColor& colour) {
  QPalette palette = edit->palette();
  palette.setColor(QPalette::Base, colour);
  edit->setPalette(palette);
}

constexpr Qt::WindowFlags kToolWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;

}  // namespace

TConvertForm::TConvertForm(AppContext& ctx, CalcLink& link, QWidget* parent)
    : QMainWindow(parent, kToolWindowFlags), ctx_(ctx), link_(link) {
  setObjectName("ConvertForm");
  setWindowTitle("Unit Conversion");
  QFont font("MS Sans Serif");
  font.setPointSize(8);
  setFont(font);
  // The larger design is for the larger density; beyond it the window grows
  // on with the texts.
  const int ppi = ctx_.pixelsPerInch();
  const double scale = AtDensity(442, 539, ppi) / 442.0;
  const auto at = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto* content = new QWidget(central);
  column->addWidget(content, 1);

  PageControl1 = new QTabWidget(content);
  PageControl1->setObjectName("PageControl1");
  // Clicking a tab takes the focus, so that leaving a page never moves the
  // focus into a field of the next one. (The tab widget itself must not take
  // click focus, or a click on a page's buttons would take it from the field.)
  PageControl1->tabBar()->setFocusPolicy(Qt::StrongFocus);
  PageControl1->setGeometry(at(13), at(7), at(404), at(266));
  Pages = BuildConvertPages(*PageControl1, fields_, scale);
  const std::array<const char*, kCategoryCount> buttonNames{"BitBtn1", "BitBtn3", "BitBtn4",
                                                            "BitBtn5", "BitBtn6"};
  for (int i = 0; i < kCategoryCount; ++i) {
    QPushButton* button = Pages[static_cast<std::size_t>(i)].convertButton;
    button->setObjectName(buttonNames[static_cast<std::size_t>(i)]);
    const auto category = static_cast<Category>(i + 1);
    ConnectReported(button, ctx_.dialogs, [this, category] { ConvertClick(category); });
  }
  connect(PageControl1, &QTabWidget::currentChanged, this,
          Reported(ctx_.dialogs, "the change of tab", [this] { PageControl1Change(); }));

  BitBtn11 = new QPushButton(style()->standardIcon(QStyle::SP_DialogResetButton), "Clear", content);
  BitBtn11->setObjectName("BitBtn11");
  BitBtn11->setFocusPolicy(Qt::NoFocus);
  BitBtn11->setGeometry(at(337), at(277), at(80), at(24));
  ConnectReported(BitBtn11, ctx_.dialogs, [this] { BitBtn11Click(); });

  column->addWidget(BuildPanel3());
  setCentralWidget(central);
  BuildMenus();

  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    RunReported(ctx_.dialogs, "the entering of a field", [this, now] { FocusMoved(now); });
  });
  FormCreate();
  FormActivate();
}

TConvertForm::~TConvertForm() {
  // Tearing the widgets down moves the focus; this window must not hear of it.
  disconnect(qApp, nullptr, this, nullptr);
}

void TConvertForm::FormCreate() {
  const int ppi = ctx_.pixelsPerInch();
  setFixedSize(AtDensity(442, 539, ppi), AtDensity(355, 423, ppi));
}

QWidget* TConvertForm::BuildPanel3() {
  auto* panel = new QFrame(this);
  panel->setObjectName("Panel3");
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setFixedHeight(33);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(4, 2, 8, 2);

  SpeedButton1 = new QToolButton(panel);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setAutoRaise(true);
  SpeedButton1->setIcon(LogoIcon());
  SpeedButton1->setIconSize(QSize(24, 24));
  SpeedButton1->setCursor(Qt::PointingHandCursor);
  SpeedButton1->setToolTip("About");
  SpeedButton1->setFocusPolicy(Qt::NoFocus);
  ConnectReported(SpeedButton1, ctx_.dialogs, [this] { ctx_.shell.showAbout(); });
  row->addWidget(SpeedButton1);

  // Engraved: grey letters sunk into the panel.
  auto* publisher = new TEsLabel("The Meridex team", panel);
  publisher->setObjectName("Publisher");
  publisher->setAppearance(TEsAppearance::apSunken);
  QFont font("Times New Roman");
  font.setPointSize(11);
  font.setBold(true);
  font.setItalic(true);
  publisher->setFont(font);
  row->addWidget(publisher);
  row->addStretch();

  SpeedButton2 = new QToolButton(panel);
  SpeedButton2->setObjectName("SpeedButton2");
  SpeedButton2->setText("Help ");
  SpeedButton2->setToolTip("Unit Conversion Help");
  SpeedButton2->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
  SpeedButton2->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  SpeedButton2->setFocusPolicy(Qt::NoFocus);
  ConnectReported(SpeedButton2, ctx_.dialogs, [this] { SpeedButton2Click(); });
  row->addWidget(SpeedButton2);
  return panel;
}

void TConvertForm::BuildMenus() {
  const auto add = [this](QMenu* menu, const char* caption, std::function<void()> handler) {
    return AddReportedAction(menu, caption, ctx_.dialogs, std::move(handler));
  };
  QMenu* file = menuBar()->addMenu("&File");
  add(file, "Exit Program", [this] { ctx_.shell.terminate(); });

  QMenu* edit = menuBar()->addMenu("&Edit");
  CopyToCalculator1 = add(edit, "Copy to Calculator", [this] { Calculator1Click(); });
  CopyToCalculator1->setShortcut(QKeySequence(Qt::Key_F1));
  CopyToCalculator1->setToolTip("Move number to the Calculator");
  CopyToCalculator1->setStatusTip("Move number to the Calculator");
  ClearAll1 = add(edit, "Clear All", [this] { BitBtn11Click(); });
  ClearAll1->setShortcut(QKeySequence(Qt::Key_F8));

  QMenu* view = menuBar()->addMenu("Vie&w");
  add(view, "All Cities List", [this] { ctx_.shell.showAllCitiesList(); });
  add(view, "Hot List", [this] { ctx_.shell.showHotList(); });
  UnitConversions1 = view->addAction("Unit Conversions");
  UnitConversions1->setCheckable(true);
  UnitConversions1->setChecked(true);
  UnitConversions1->setEnabled(false);
  add(view, "World Map View", [this] { ctx_.shell.showWorldView(); });
  add(view, "Calculator", [this] { Calculator2Click(); });
  view->addSeparator();
  add(view, "Options", [this] { ctx_.shell.showOptions(); });

  QMenu* help = menuBar()->addMenu("&Help");
  QAction* index = add(help, "&Index", [this] { ctx_.shell.showHelp(""); });
  index->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
  add(help, "About", [this] { ctx_.shell.showAbout(); });
}

QLineEdit* TConvertForm::field(int index) const {
  if (index < 1 || index > kFieldCount) return nullptr;
  return fields_[static_cast<std::size_t>(index)];
}

void TConvertForm::setFieldText(int index, const QString& text) {
  if (QLineEdit* edit = field(index)) edit->setText(text);
}

int TConvertForm::FieldIndexOf(const QWidget* widget) const {
  if (widget == nullptr) return 0;
  const int index = widget->property("field").toInt();
  return field(index) == widget ? index : 0;
}

Category TConvertForm::VisibleCategory() const {
  return static_cast<Category>(PageControl1->currentIndex() + 1);
}

void TConvertForm::FocusMoved(QWidget* now) {
  if (now == nullptr || now->window() != this) return;
  QWidget* before = lastFocus_.data();
  if (now == before) return;  // the window was activated again
  lastFocus_ = now;
  if (FieldIndexOf(before) != 0) PageControl1Change();

  // The containers whose entering sets CurrentCategory; the Volume tab counts
  // only from its "English" group.
  const std::array<QWidget*, kCategoryCount> containers{
      Pages[0].sheet, Pages[1].sheet, Pages[2].english, Pages[3].sheet, Pages[4].sheet};
  for (int i = 0; i < kCategoryCount; ++i) {
    QWidget* container = containers[static_cast<std::size_t>(i)];
    const bool wasInside = before != nullptr && container->isAncestorOf(before);
    if (container->isAncestorOf(now) && !wasInside) CurrentCategory = i + 1;
  }
  if (const int index = FieldIndexOf(now)) FieldEnter(index);
}

void TConvertForm::FieldEnter(int index) {
  FormFields fields(fields_);
  engine_.SelectSource(index, fields);
  link_.SelectedField = engine_.SelectedField();
  link_.SelectedUnitName = engine_.SelectedUnitName();
  PropChange(index);
}

void TConvertForm::PropChange(int index) { SetFieldColour(field(index), Qt::yellow); }

void TConvertForm::PageControl1Change() {
  for (int i = 1; i <= kFieldCount; ++i) SetFieldColour(field(i), Qt::white);
  // A tab change by keyboard may have moved the focus into the new page.
  if (const int index = FieldIndexOf(QApplication::focusWidget())) PropChange(index);
}

void TConvertForm::ConvertClick(Category category) {
  RunReported(ctx_.dialogs, CommandAction("Convert"), [&] {
    FormFields fields(fields_);
    if (engine_.Convert(category, fields) == ConvertOutcome::coNothingToCalculate) {
      const NothingToCalculateMessage message = NothingToCalculate(category);
      ctx_.dialogs.show(message.kind, message.text);
    }
  });
}

void TConvertForm::BitBtn11Click() {
  if (CurrentCategory == 0) return;
  for (int i = 1; i <= kFieldCount; ++i) {
    if (static_cast<int>(UnitOfField(i).category) == CurrentCategory) field(i)->clear();
  }
}

void TConvertForm::Calculator1Click() {
  link_.CalcLinkFlag = 1;
  std::optional<std::string> copied;
  const bool ok = RunReported(ctx_.dialogs, CommandAction("Copy to Calculator"), [&] {
    FormFields fields(fields_);
    copied = engine_.PrepareCopy(fields);
  });
  if (!ok) return;
  if (copied) {
    field(engine_.SelectedField())->selectAll();
    QGuiApplication::clipboard()->setText(QString::fromStdString(*copied));
  }
  Present(calculator_);
}

void TConvertForm::Calculator2Click() {
  link_.CalcLinkFlag = 0;
  ctx_.shell.showCalculator();
}

void TConvertForm::SpeedButton2Click() { Present(unitHelp_); }

void TConvertForm::FormActivate() { engine_.setSeparators(LocaleSeparators()); }

bool TConvertForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    RunReported(ctx_.dialogs, "the activation of the unit conversions", [this] { FormActivate(); });
  }
  return QMainWindow::event(event);
}

void TConvertForm::keyPressEvent(QKeyEvent* event) {
  // The visible tab's "Convert" is the default button.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    ConvertClick(VisibleCategory());
    event->accept();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void TConvertForm::closeEvent(QCloseEvent* event) {
  RunReported(ctx_.dialogs, "the closing of the unit conversions",
              [this] { ctx_.shell.toolWindowClosing(ToolWindow::UnitConversion); });
  event->accept();
}

}  // namespace meridex
