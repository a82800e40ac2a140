#pragma once

#include "common/step_wizard.h"

namespace meridex {

// The add-location wizard. It never takes the keyboard from the city list,
// where the name is typed.
class TAddWiz : public StepWizard {
  Q_OBJECT
 public:
  explicit TAddWiz(QWidget* parent = nullptr);
};

}  // namespace meridex
