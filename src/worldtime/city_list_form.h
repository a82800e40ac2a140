#pragma once

#include <QMainWindow>

#include "common/app_context.h"
#include "worldtime/city_table.h"

class QListWidget;

namespace meridex {

// The world clock: every location with its local time and weekday, and the
// Hot List of favourites.
class TCityListForm : public QMainWindow {
  Q_OBJECT
 public:
  TCityListForm(AppContext& ctx, CityTable& table, QWidget* parent = nullptr);

  void FormCreate();
  void RebuildLists();

  QListWidget* CityCheckBox;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  AppContext& ctx_;
  CityTable& table_;
};

}  // namespace meridex
