#include "convert/unit_help.h"

namespace meridex {

TUnitHelp::TUnitHelp(AppContext&, QWidget* parent) : QDialog(parent) {
  setObjectName("UnitHelp");
  setWindowTitle("Unit Conversion Help");
}

}  // namespace meridex
