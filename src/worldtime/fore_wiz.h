#pragma once

#include "common/step_wizard.h"

namespace meridex {

// The time forecast wizard. It never takes the keyboard from the city list,
// where the time is typed.
class TForeWiz : public StepWizard {
  Q_OBJECT
 public:
  explicit TForeWiz(QWidget* parent = nullptr);
};

}  // namespace meridex
