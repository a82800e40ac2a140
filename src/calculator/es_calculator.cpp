#include "calculator/es_calculator.h"

#include <qdrawutil.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

namespace meridex {

namespace {

constexpr const char* kCaptions[kCalcButtonCount + 1] = {
    "",  "Back", "CE", "C", "+", "-",   "*",   "/", "0",    "1",  "2",  "3",  "4",  "5", "6",
    "7", "8",    "9",  "",  "=", "1/x", "+/-", "%", "Sqrt", "MC", "MR", "MS", "M+", "M-"};

enum class ButtonClass { bcEdit, bcOperator, bcNumber, bcFunction, bcMemory };

ButtonClass ClassOf(int code) {
  if (code <= cbClear) return ButtonClass::bcEdit;
  if (code <= cbDivide || code == cbEquals) return ButtonClass::bcOperator;
  if (code <= cbDecimal) return ButtonClass::bcNumber;
  if (code <= cbSqrt) return ButtonClass::bcFunction;
  return ButtonClass::bcMemory;
}

}  // namespace

TEsCalculator::TEsCalculator(QWidget* parent, std::function<void()> beep)
    : QWidget(parent), engine_(beep ? std::move(beep) : [] { QApplication::beep(); }) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the paint fills every pixel
  QFont font("MS Sans Serif");
  font.setPointSize(8);
  font.setBold(true);
  setFont(font);

  display_ = new QLabel(this);
  display_->setObjectName("TEsCalcPanel");
  display_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  display_->setLineWidth(2);
  display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  display_->setContentsMargins(0, 0, 3, 0);
  display_->setAutoFillBackground(true);

  colors_.OnChange = [this] { ApplyColors(); };
  resize(200, 140);
  ApplyLocale();
  engine_.ClearCalculator();
  RefreshDisplay();
  ApplyColors();
  Relayout();
}

QString TEsCalculator::Caption(int code) const {
  if (code == cbDecimal) return QString::fromStdString(engine_.DecimalSeparator());
  if (code < 1 || code > kCalcButtonCount) return {};
  return QString::fromLatin1(kCaptions[code]);
}

void TEsCalculator::setShowMemoryButtons(bool show) {
  showMemory_ = show;
  Relayout();
}

void TEsCalculator::setBorderStyle(TBorderStyle style) {
  border_ = style;
  // A single border is drawn as a sunken 3-D edge around the client area.
  const int edge = style == bsSingle ? 2 : 0;
  setContentsMargins(edge, edge, edge, edge);
  Relayout();
}

void TEsCalculator::ApplyLocale() {
  const QLocale locale;
  engine_.setDecimalSeparator(locale.decimalPoint().toStdString());
  engine_.setGroupSeparator(locale.groupSeparator().toStdString());
}

void TEsCalculator::Relayout() {
  ApplyLocale();
  const QRect area = contentsRect();
  layout_ = LayoutCalculator(area.width(), area.height(),
                             CalcDisplayHeight(QFontMetrics(font()).height()), showMemory_);
  const CalcRect& d = layout_.display;
  display_->setGeometry(area.x() + d.x, area.y() + d.y, d.width, d.height);
  update();
}

void TEsCalculator::ApplyColors() {
  QPalette displayPalette = display_->palette();
  displayPalette.setColor(QPalette::Window, colors_.color(ccDisplay));
  displayPalette.setColor(QPalette::WindowText, colors_.color(ccDisplayText));
  display_->setPalette(displayPalette);
  QPalette own = palette();
  own.setColor(QPalette::WindowText, colors_.color(ccDisplayText));
  setPalette(own);
  update();
}

void TEsCalculator::RefreshDisplay() { display_->setText(Text()); }

QString TEsCalculator::Text() const { return QString::fromStdString(engine_.DisplayText()); }

QRect TEsCalculator::ButtonRect(int code) const {
  const CalcRect& r = layout_.buttons[static_cast<std::size_t>(code)];
  const QPoint origin = contentsRect().topLeft();
  return QRect(origin.x() + r.x, origin.y() + r.y, r.width, r.height);
}

int TEsCalculator::ButtonAt(const QPoint& point) const {
  for (int code = 1; code <= kCalcButtonCount; ++code) {
    if (layout_.visible[static_cast<std::size_t>(code)] && ButtonRect(code).contains(point)) {
      return code;
    }
  }
  return 0;
}

void TEsCalculator::RepaintButton(int code) {
  if (code >= 1 && code <= kCalcButtonCount) update(ButtonRect(code));
}

QColor TEsCalculator::CaptionColor(int code) const {
  switch (ClassOf(code)) {
    case ButtonClass::bcEdit:
      return colors_.color(ccEditButtons);
    case ButtonClass::bcOperator:
      return colors_.color(ccOperatorButtons);
    case ButtonClass::bcNumber:
      return colors_.color(ccNumberButtons);
    case ButtonClass::bcFunction:
      return colors_.color(ccFunctionButtons);
    case ButtonClass::bcMemory:
      break;
  }
  const bool recallable = code != cbMemoryClear && code != cbMemoryRecall;
  return recallable || engine_.Memory() != 0 ? colors_.color(ccMemoryButtons)
                                             : colors_.color(ccDisabledMemoryButtons);
}

bool TEsCalculator::PressButton(int code) {
  if (pressed_ == 0 && code >= 1 && code <= kCalcButtonCount) {
    pressed_ = code;
    repaint(ButtonRect(code));  // drawn pressed at once, so that keys flash the button
  }
  const bool processed = engine_.Press(code);
  RefreshDisplay();
  const bool held = hasFocus() && (QGuiApplication::mouseButtons() & Qt::LeftButton);
  if (!held) {
    RepaintButton(pressed_);
    pressed_ = 0;
  }
  update();  // MC and MR follow the memory
  if (processed) emit ButtonPressed(code);
  return processed;
}

void TEsCalculator::SetText(const QString& text) {
  ApplyLocale();
  engine_.SetText(text.toStdString(), [this](int code) { return PressButton(code); });
  RefreshDisplay();
}

void TEsCalculator::CopyDisplay() { QGuiApplication::clipboard()->setText(Text()); }

void TEsCalculator::PasteClipboard() { PasteText(QGuiApplication::clipboard()->text()); }

void TEsCalculator::PasteText(const QString& text) {
  ApplyLocale();
  engine_.Paste(text.toStdString(), [this](int code) { return PressButton(code); });
  RefreshDisplay();
  update();
}

bool TEsCalculator::EnterNumber(const QString& text) {
  ApplyLocale();
  const bool entered = engine_.EnterNumber(text.toStdString());
  RefreshDisplay();
  update();
  return entered;
}

void TEsCalculator::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPalette& pal = palette();
  p.fillRect(rect(), pal.color(QPalette::Button));
  if (border_ == bsSingle) qDrawShadePanel(&p, rect(), pal, true, 2);
  const QBrush face = pal.brush(QPalette::Button);
  p.setFont(font());
  for (int code = 1; code <= kCalcButtonCount; ++code) {
    if (!layout_.visible[static_cast<std::size_t>(code)]) continue;
    const QRect r = ButtonRect(code);
    const bool sunken = code == pressed_;
    qDrawShadePanel(&p, r, pal, sunken, 1, &face);
    p.setPen(CaptionColor(code));
    p.drawText(sunken ? r.translated(1, 1) : r, Qt::AlignCenter | Qt::TextSingleLine,
               Caption(code));
  }
  if (hasFocus()) {
    p.setPen(QPen(pal.color(QPalette::ButtonText), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(ButtonRect(cbEquals).adjusted(3, 3, -4, -4));
  }
}

void TEsCalculator::resizeEvent(QResizeEvent*) { Relayout(); }

void TEsCalculator::changeEvent(QEvent* event) {
  if (display_ == nullptr) {  // still being built
    QWidget::changeEvent(event);
    return;
  }
  if (event->type() == QEvent::FontChange) {
    ApplyColors();
    Relayout();
  } else if (event->type() == QEvent::LocaleChange) {
    Relayout();
  }
  QWidget::changeEvent(event);
}

void TEsCalculator::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  const int code = ButtonAt(event->position().toPoint());
  if (code == 0) return;
  // MC and MR cannot be pressed while there is nothing in memory.
  if ((code == cbMemoryClear || code == cbMemoryRecall) && engine_.Memory() == 0) return;
  pressed_ = code;
  RepaintButton(code);
}

void TEsCalculator::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || pressed_ == 0) return;
  const int code = pressed_;
  if (ButtonRect(code).contains(event->position().toPoint())) PressButton(code);
  RepaintButton(code);
  pressed_ = 0;
}

void TEsCalculator::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
  const bool plain = !(modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
  int code = 0;
  if (ctrl) {
    switch (event->key()) {
      case Qt::Key_C:
        CopyDisplay();
        event->accept();
        return;
      case Qt::Key_V:
        PasteClipboard();
        event->accept();
        return;
      case Qt::Key_L:
        code = cbMemoryClear;
        break;
      case Qt::Key_R:
        code = cbMemoryRecall;
        break;
      case Qt::Key_M:
        code = cbMemoryStore;
        break;
      case Qt::Key_P:
        code = cbMemoryAdd;
        break;
      case Qt::Key_S:
        code = cbMemorySubtract;
        break;
      default:
        break;
    }
  } else if (event->key() == Qt::Key_Delete) {
    code = plain ? cbClearEntry : 0;
  } else if (event->key() == Qt::Key_F9) {
    code = plain ? cbChangeSign : 0;
  } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    code = cbEquals;
  } else if (event->key() == Qt::Key_Backspace) {
    code = cbBack;
  } else if (event->key() == Qt::Key_Escape) {
    code = cbClear;
  } else if (!modifiers.testFlag(Qt::AltModifier)) {
    // Alt with a character is a menu mnemonic, never a calculator key.
    code = engine_.ButtonForCharacter(event->text().toStdString());
  }
  if (code == 0) {
    QWidget::keyPressEvent(event);
    return;
  }
  PressButton(code);
  event->accept();
}

void TEsCalculator::focusInEvent(QFocusEvent*) { RepaintButton(cbEquals); }

void TEsCalculator::focusOutEvent(QFocusEvent*) { RepaintButton(cbEquals); }

}  // namespace meridex
