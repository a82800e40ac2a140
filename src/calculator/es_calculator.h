#pragma once

#include <QWidget>
#include <functional>

#include "calculator/calc_colors.h"
#include "calculator/calc_engine.h"
#include "calculator/calc_layout.h"

class QLabel;

namespace meridex {

// The calculator control: draws its display line and 28 buttons, maps mouse
// clicks and keys to buttons, copies and pastes through the clipboard, and
// reports every processed press with ButtonPressed. The arithmetic is
// TCalcEngine's.
class TEsCalculator : public QWidget {
  Q_OBJECT
 public:
  enum TBorderStyle { bsNone, bsSingle };

  // `beep` sounds errors; the system beep when not given.
  explicit TEsCalculator(QWidget* parent = nullptr, std::function<void()> beep = {});

  TCalcEngine& engine() { return engine_; }
  const TCalcEngine& engine() const { return engine_; }
  TEsCalcColors& Colors() { return colors_; }
  const CalcLayout& Layout() const { return layout_; }
  int PressedButton() const { return pressed_; }
  QLabel* DisplayPanel() const { return display_; }
  // The caption of a button (the decimal key shows the locale's separator)
  // and the colour it is drawn in.
  QString Caption(int code) const;
  QColor CaptionColor(int code) const;

  bool ShowMemoryButtons() const { return showMemory_; }
  void setShowMemoryButtons(bool show);
  TBorderStyle BorderStyle() const { return border_; }
  void setBorderStyle(TBorderStyle style);
  QString Version() const { return QStringLiteral("v1.03"); }
  void setVersion(const QString&) {}  // read-only

  // Presses a button as a click or a key does: it flashes, the engine runs it
  // and ButtonPressed follows unless the press was refused. Returns false for
  // a refused press.
  bool PressButton(int code);
  // The display text, trailing blank included.
  QString Text() const;
  // Clears, then types every character of `text`.
  void SetText(const QString& text);
  // Ctrl+C and Ctrl+V.
  void CopyDisplay();
  void PasteClipboard();
  // Clears, then types the accepted characters of `text` (nothing for an
  // empty text).
  void PasteText(const QString& text);
  // Takes `text` as the entry when it is one number in the locale's format.
  bool EnterNumber(const QString& text);

 signals:
  void ButtonPressed(int code);  // the control's OnButtonPressed

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Relayout();
  void ApplyColors();
  void ApplyLocale();
  void RefreshDisplay();
  void RepaintButton(int code);
  QRect ButtonRect(int code) const;
  int ButtonAt(const QPoint& point) const;

  TCalcEngine engine_;
  TEsCalcColors colors_;
  CalcLayout layout_;
  QLabel* display_ = nullptr;
  int pressed_ = 0;
  bool showMemory_ = true;
  TBorderStyle border_ = bsNone;
};

}  // namespace meridex
