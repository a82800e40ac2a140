#include "worldview/world_form.h"

#include <QCloseEvent>

#include "common/window_style.h"

namespace meridex {

TWorldForm::TWorldForm(AppContext& ctx, const CityTable& table, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), table_(table) {
  setObjectName("WorldForm");
  setWindowTitle("World View");
  if (IsStandardDensity(ctx_.pixelsPerInch())) {
    resize(624, 483);
  } else {
    resize(701, 591);
  }
}

void TWorldForm::closeEvent(QCloseEvent* event) {
  ctx_.shell.toolWindowClosing(ToolWindow::WorldView);
  event->accept();
}

}  // namespace meridex
