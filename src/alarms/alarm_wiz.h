#pragma once

#include <QDialog>

#include "common/app_context.h"

namespace meridex {

class TAlarmWiz : public QDialog {
  Q_OBJECT
 public:
  explicit TAlarmWiz(AppContext& ctx, QWidget* parent = nullptr);

 private:
  AppContext& ctx_;
};

}  // namespace meridex
