#include "worldtime/add_wiz.h"

namespace meridex {

TAddWiz::TAddWiz(QWidget* parent) : QDialog(parent) {
  setObjectName("AddWiz");
  setWindowTitle("MX Add Location Wizard");
  resize(293, 158);
}

}  // namespace meridex
