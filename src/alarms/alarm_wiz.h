#pragma once

#include <functional>

#include "common/app_context.h"
#include "common/step_wizard.h"

class QLabel;
class QPushButton;

namespace meridex {

// The alarm wizard: guides the first setting of an alarm in two steps. The
// city list ticks step 1 when a location is clicked; "Continue >>" opens the
// alarm settings window.
class TAlarmWiz : public StepWizard {
  Q_OBJECT
 public:
  explicit TAlarmWiz(AppContext& ctx, QWidget* parent = nullptr);

  // Opens the wizard on its first step, with "Continue >>" waiting for a
  // click in the city list.
  void start() override;
  // A location was clicked in the city list.
  void locationClicked();

  QLabel*& AlCheck1 = Check1;
  QLabel*& AlCheck2 = Check2;
  QPushButton* AlWizCon;  // "Continue >>"
  QPushButton* AlCan;     // "Cancel"
  std::function<void()> onContinue;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  AppContext& ctx_;
};

}  // namespace meridex
