#pragma once

#include <QMainWindow>

#include "common/app_context.h"
#include "worldtime/city_table.h"

namespace meridex {

// The world view window.
class TWorldForm : public QMainWindow {
  Q_OBJECT
 public:
  TWorldForm(AppContext& ctx, const CityTable& table, QWidget* parent = nullptr);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  AppContext& ctx_;
  const CityTable& table_;
};

}  // namespace meridex
