#pragma once

#include <QMainWindow>

#include "common/app_context.h"
#include "convert/calc_link.h"

namespace meridex {

class TConvertForm;

// The calculator window.
class TCalc : public QMainWindow {
  Q_OBJECT
 public:
  TCalc(AppContext& ctx, CalcLink& link, QWidget* parent = nullptr);

  // The conversion window the linked mode writes its result into; it may be
  // created after the calculator.
  void setConvertForm(TConvertForm* convert) { convert_ = convert; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  AppContext& ctx_;
  CalcLink& link_;
  TConvertForm* convert_ = nullptr;
};

}  // namespace meridex
