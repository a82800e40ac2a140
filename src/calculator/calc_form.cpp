#include "calculator/calc_form.h"

#include <QCloseEvent>

namespace meridex {

TCalc::TCalc(AppContext& ctx, CalcLink& link, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), link_(link) {
  setObjectName("Calc");
  setWindowTitle("Calculator");
  resize(230, 250);
}

void TCalc::closeEvent(QCloseEvent* event) {
  ctx_.shell.toolWindowClosing(ToolWindow::Calculator);
  event->accept();
}

}  // namespace meridex
