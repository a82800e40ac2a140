#include "worldview/map_view_help.h"

namespace meridex {

TMapViewHelp::TMapViewHelp(QWidget* parent) : QDialog(parent) {
  setObjectName("MapViewHelp");
  setWindowTitle("Map View Help");
  resize(451, 369);
}

}  // namespace meridex
