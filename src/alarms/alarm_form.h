#pragma once

#include <QDialog>

#include "common/app_context.h"

namespace meridex {

class TAlarmForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAlarmForm(AppContext& ctx, QWidget* parent = nullptr);

 private:
  AppContext& ctx_;
};

}  // namespace meridex
