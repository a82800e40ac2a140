#include "worldtime/add_wiz.h"

namespace meridex {

TAddWiz::TAddWiz(QWidget* parent)
    : StepWizard(
          "MX Add Location Wizard", QSize(293, 158),
          {"Enter in new location name and ", "press the \"Next\" button"},
          {"Highlight a city that shares the", "same time attributes as the new ",
           "location and press the \"Finish\" button"},
          Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint,
          parent) {
  setObjectName("AddWiz");
  setAttribute(Qt::WA_ShowWithoutActivating);
}

}  // namespace meridex
