#pragma once

#include <QDialog>

#include "common/app_context.h"

namespace meridex {

// The unit conversion help window.
class TUnitHelp : public QDialog {
  Q_OBJECT
 public:
  explicit TUnitHelp(AppContext& ctx, QWidget* parent = nullptr);
};

}  // namespace meridex
