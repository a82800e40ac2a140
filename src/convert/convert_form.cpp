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
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <cmath>

#include "common/icons.h"
#include "common/report.h"
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

void Present(QWidget* window) {
  if (window == nullptr) return;
  window->show();
  window->raise();
  window->activateWindow();
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
  const double scale = IsStandardDensity(ctx_.pixelsPerInch()) ? 1.0 : 539.0 / 442.0;
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
    connect(button, &QPushButton::clicked, this, [this, category] { ConvertClick(category); });
  }
  connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });

  BitBtn11 = new QPushButton(style()->standardIcon(QStyle::SP_DialogResetButton), "Clear", content);
  BitBtn11->setObjectName("BitBtn11");
  BitBtn11->setFocusPolicy(Qt::NoFocus);
  BitBtn11->setGeometry(at(337), at(277), at(80), at(24));
  connect(BitBtn11, &QPushButton::clicked, this, [this] { BitBtn11Click(); });

  column->addWidget(BuildPanel3());
  setCentralWidget(central);
  BuildMenus();

  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* now) { FocusMoved(now); });
  FormCreate();
  FormActivate();
}

TConvertForm::~TConvertForm() {
  // Tearing the widgets down moves the focus; this window must not hear of it.
  disconnect(qApp, nullptr, this, nullptr);
}

void TConvertForm::FormCreate() {
  setFixedSize(IsStandardDensity(ctx_.pixelsPerInch()) ? QSize(442, 355) : QSize(539, 423));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
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
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { ctx_.shell.showAbout(); });
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
  connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
  row->addWidget(SpeedButton2);
  return panel;
}

void TConvertForm::BuildMenus() {
  QMenu* file = menuBar()->addMenu("File");
  file->addAction("Exit Program", this, [this] { ctx_.shell.terminate(); });

  QMenu* edit = menuBar()->addMenu("&Edit");
  CopyToCalculator1 = edit->addAction("Copy to Calculator", this, [this] { Calculator1Click(); });
  CopyToCalculator1->setShortcut(QKeySequence(Qt::Key_F1));
  CopyToCalculator1->setToolTip("Move number to the Calculator");
  CopyToCalculator1->setStatusTip("Move number to the Calculator");
  ClearAll1 = edit->addAction("Clear All", this, [this] { BitBtn11Click(); });
  ClearAll1->setShortcut(QKeySequence(Qt::Key_F8));

  QMenu* view = menuBar()->addMenu("Vie&w");
  view->addAction("All Cities List", this, [this] { ctx_.shell.showAllCitiesList(); });
  view->addAction("Hot List", this, [this] { ctx_.shell.showHotList(); });
  UnitConversions1 = view->addAction("Unit Conversions");
  UnitConversions1->setCheckable(true);
  UnitConversions1->setChecked(true);
  UnitConversions1->setEnabled(false);
  view->addAction("World Map View", this, [this] { ctx_.shell.showWorldView(); });
  view->addAction("Calculator", this, [this] { Calculator2Click(); });
  view->addSeparator();
  view->addAction("Options", this, [this] { ctx_.shell.showOptions(); });

  QMenu* help = menuBar()->addMenu("&Help");
  QAction* index = help->addAction("&Index", this, [this] { ctx_.shell.showHelp(""); });
  index->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
  help->addAction("About", this, [this] { ctx_.shell.showAbout(); });
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
  RunReported(ctx_.dialogs, [&] {
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
  const bool ok = RunReported(ctx_.dialogs, [&] {
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
  if (event->type() == QEvent::WindowActivate) FormActivate();
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
  ctx_.shell.toolWindowClosing(ToolWindow::UnitConversion);
  event->accept();
}

}  // namespace meridex
