#include "worldtime/fore_wiz.h"

namespace meridex {

TForeWiz::TForeWiz(QWidget* parent) : QDialog(parent) {
  setObjectName("ForeWiz");
  setWindowTitle("MX Time Forecast Wizard");
  resize(293, 158);
}

}  // namespace meridex
