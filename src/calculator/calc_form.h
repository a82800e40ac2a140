#pragma once

#include <QMainWindow>
#include <QPointer>

#include "common/app_context.h"
#include "common/calc_link.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QWindow;

namespace meridex {

class TEsCalculator;

// The calculator window. Plain mode (CalcLinkFlag 0) is a free-standing
// calculator with the View and Help menus; linked mode (CalcLinkFlag 1) takes
// the value the conversion window copied, and "Update" hands the result back
// for that conversion field with resultForField. The mode is chosen on every
// activation.
class TCalc : public QMainWindow {
  Q_OBJECT
 public:
  TCalc(AppContext& ctx, CalcLink& link, QWidget* parent = nullptr);
  ~TCalc() override;

  // Handlers, public so that tests can drive them.
  void FormActivate();
  void BitBtn2Click();  // "Update"
  void EsCalculator1ButtonPressed(int code);

  TEsCalculator* EsCalculator1 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* MemLabel = nullptr;
  QFrame* Bevel1 = nullptr;
  QPushButton* BitBtn2 = nullptr;
  QLabel* Curfield = nullptr;
  QMenu* view1 = nullptr;
  QMenu* Help1 = nullptr;
  QAction* Calculator1 = nullptr;

 signals:
  // "Update": the result for conversion field `field` (SelectedField, 0 when
  // no field was entered), written in the general style with 15 digits.
  void resultForField(int field, const QString& text);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  // The menus, the "Update" group and the height of the current mode.
  void applyModeLayout();
  // Fixes the window's height with its frame at `outer`.
  void setOuterHeight(int outer);
  void FocusWindowChanged(QWindow* now);

  AppContext& ctx_;
  CalcLink& link_;
  // The window of this program that last had the focus: coming back from
  // another program is not an activation of the calculator.
  QPointer<QWindow> lastFocusWindow_;
};

}  // namespace meridex
