#include "convert/convert_form.h"

#include <QCloseEvent>

namespace meridex {

TConvertForm::TConvertForm(AppContext& ctx, CalcLink& link, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), link_(link) {
  setObjectName("ConvertForm");
  setWindowTitle("Unit Conversion");
  resize(442, 355);
}

void TConvertForm::closeEvent(QCloseEvent* event) {
  ctx_.shell.toolWindowClosing(ToolWindow::UnitConversion);
  event->accept();
}

}  // namespace meridex
