#pragma once

#include <QMainWindow>

#include "common/app_context.h"
#include "convert/calc_link.h"

namespace meridex {

// The unit conversion window.
class TConvertForm : public QMainWindow {
  Q_OBJECT
 public:
  TConvertForm(AppContext& ctx, CalcLink& link, QWidget* parent = nullptr);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  AppContext& ctx_;
  CalcLink& link_;
};

}  // namespace meridex
