#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "common/app_context.h"
#include "common/calc_link.h"
#include "convert/conversion_engine.h"
#include "convert/convert_pages.h"

class QAction;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace meridex {

// The unit conversion window: five tabs of unit fields, one "Convert" button
// per tab, "Clear", and the hand-over of a value to the calculator. The
// arithmetic lives in ConversionEngine; this window records which field the
// user entered, passes the field texts through and shows the messages.
class TConvertForm : public QMainWindow {
  Q_OBJECT
 public:
  TConvertForm(AppContext& ctx, CalcLink& link, QWidget* parent = nullptr);
  ~TConvertForm() override;

  // The windows "Copy to Calculator" and the "Help " button show; both are
  // created after this one.
  void setCalculator(QWidget* calculator) { calculator_ = calculator; }
  void setUnitHelp(QWidget* unitHelp) { unitHelp_ = unitHelp; }

  // The edit field with index 1..46, nullptr for any other index.
  QLineEdit* field(int index) const;
  // Writes a text into field 1..46 (the calculator's result); any other
  // index names no field and writes nothing.
  void setFieldText(int index, const QString& text);

  int currentCategory() const { return CurrentCategory; }
  const ConversionEngine& engine() const { return engine_; }

  // Handlers, public so that the menus, buttons and tests share them.
  void ConvertClick(Category category);  // BitBtn1Click, BitBtn3Click .. BitBtn6Click
  void BitBtn11Click();                  // "Clear" and "Clear All"
  void Calculator1Click();               // "Copy to Calculator"
  void Calculator2Click();               // View "Calculator"
  void SpeedButton2Click();              // "Help "
  void FormActivate();

  QTabWidget* PageControl1 = nullptr;
  std::array<ConvertPage, kCategoryCount> Pages;
  QPushButton* BitBtn11 = nullptr;
  QToolButton* SpeedButton1 = nullptr;
  QToolButton* SpeedButton2 = nullptr;
  QAction* CopyToCalculator1 = nullptr;
  QAction* ClearAll1 = nullptr;
  QAction* UnitConversions1 = nullptr;

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormCreate();
  void BuildMenus();
  QWidget* BuildPanel3();
  void FocusMoved(QWidget* now);
  void FieldEnter(int index);
  void PropChange(int index);
  void PageControl1Change();
  int FieldIndexOf(const QWidget* widget) const;
  Category VisibleCategory() const;

  AppContext& ctx_;
  CalcLink& link_;
  ConversionEngine engine_;
  ConvertFieldArray fields_{};
  // Category whose tab sheet (for Volume: its "English" group) last received
  // the focus; 0 before any.
  int CurrentCategory = 0;
  // The widget of this window that last had the focus, so that the window
  // losing and regaining activation is not taken for entering a field.
  QPointer<QWidget> lastFocus_;
  QPointer<QWidget> calculator_;
  QPointer<QWidget> unitHelp_;
};

}  // namespace meridex
