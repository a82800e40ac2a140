#pragma once

#include <QDialog>

#include "common/app_context.h"

namespace meridex {

class TAlarmMessForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAlarmMessForm(AppContext& ctx, QWidget* parent = nullptr);

 private:
  AppContext& ctx_;
};

}  // namespace meridex
