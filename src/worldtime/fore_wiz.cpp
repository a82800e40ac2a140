#include "worldtime/fore_wiz.h"

namespace meridex {

TForeWiz::TForeWiz(QWidget* parent)
    : StepWizard(
          "MX Time Forecast Wizard", QSize(293, 158),
          {"Enter the time you wish to check", "Then press the \"Next\" button."},
          {"Highlight a location from the current ", "list that you wish to forecast from",
           "Then press the \"Finish\" button"},
          Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint,
          parent) {
  setObjectName("ForeWiz");
  setAttribute(Qt::WA_ShowWithoutActivating);
}

}  // namespace meridex
