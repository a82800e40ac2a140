// The city list's refresh, its two views and the Hot List check states.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>

#include "common/time_text.h"
#include "worldtime/city_files.h"
#include "worldtime/city_list_form.h"
#include "worldtime/city_row_delegate.h"
#include "worldtime/list_geometry.h"
#include "worldtime/local_time.h"

namespace meridex {

namespace {

// Shows the hourglass for as long as it lives.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

void RestorePosition(QListWidget* list, int top, int selected) {
  if (selected >= 0 && selected < list->count()) list->setCurrentRow(selected);
  list->verticalScrollBar()->setValue(top);
}

}  // namespace

void TCityListForm::rememberListPositions() {
  if (CityCheckBox->count() > 0) {
    allTop_ = CityCheckBox->verticalScrollBar()->value();
    if (CityCheckBox->currentRow() >= 0) allSelected_ = CityCheckBox->currentRow();
  }
  if (CityHotList->count() > 0) {
    hotTop_ = CityHotList->verticalScrollBar()->value();
    hotSelected_ = CityHotList->currentRow();
  }
}

void TCityListForm::RebuildLists() {
  BusyCursor busy;
  rememberListPositions();
  const UtcTime now = ctx_.clock.utcNow();
  // A rule error stops here, before the lists change, so they keep their rows.
  RefreshHourOffsets(table_, now);
  enableTimer();

  rebuilding_ = true;
  CityCheckBox->clear();
  CityHotList->clear();
  for (int i = 0; i < table_.Count; ++i) {
    CityEntry& entry = table_.Entries[static_cast<std::size_t>(i)];
    ComputeLocalTime(entry, now);
    const QString row = QString::fromStdString(ListRowText(entry, table_.ReferenceWeekDay));
    auto* item = new QListWidgetItem(row);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setData(kOriginRole, entry.Origin);
    item->setCheckState(table_.inHotList(i) ? Qt::Checked : Qt::Unchecked);
    CityCheckBox->addItem(item);
    if (table_.inHotList(i)) CityHotList->addItem(row);
  }
  Label2->setText(
      QString::fromStdString("Local Time " + FormatTime12(TimeOfDayOf(ctx_.clock.localNow()))));
  RestorePosition(CityCheckBox, allTop_, allSelected_);
  RestorePosition(CityHotList, hotTop_, hotSelected_);
  rebuilding_ = false;
}

void TCityListForm::Timer1Timer() {
  copyChecksToFlags();
  RebuildLists();
  checksChanged_ = false;
  if (hooks_) hooks_->checkAlarm();
}

void TCityListForm::copyChecksToFlags() {
  // The rows are the table's entries in order; anything else (a failed load)
  // has no check states to copy.
  if (CityCheckBox->count() != table_.Count) return;
  for (int i = 0; i < table_.Count; ++i) {
    table_.HotListFlags[static_cast<std::size_t>(i)] =
        CityCheckBox->item(i)->checkState() == Qt::Checked ? '1' : '0';
  }
}

void TCityListForm::saveCheckStates() {
  // Without the database the table is empty, and writing its flags would
  // wipe the user's Hot List.
  if (!loaded_) return;
  copyChecksToFlags();
  SaveHotListFlags(ctx_.workDir, table_);
}

void TCityListForm::enableTimer() {
  // Restarting a running timer would move its ticks and could skip a minute.
  if (!Timer1->isActive()) Timer1->start();
}

void TCityListForm::AllCityClick() {
  enableTimer();
  showAllCitiesView();
}

void TCityListForm::HotListClick() {
  enableTimer();
  copyChecksToFlags();
  if (checksChanged_) RebuildLists();
  showHotListView();
}

void TCityListForm::Save1Click() {
  allTop_ = CityCheckBox->verticalScrollBar()->value();
  saveCheckStates();
  RebuildLists();
}

void TCityListForm::showAllCitiesView() {
  ctx_.prefs.StartupView = "a";
  listView_ = 0;
  if (hooks_ && hooks_->alarmIsSet()) Set1->setEnabled(true);
  TimeForecast1->setEnabled(true);
  TimeForecast1->setChecked(false);
  Alarm1->menuAction()->setVisible(true);
  CEdit->menuAction()->setVisible(true);
  HotList->setEnabled(true);
  HotList->setChecked(false);
  AllCity->setChecked(true);
  AllCity->setEnabled(false);
  setWindowTitle("All Cities List");
  setWindowHeight(AllCitiesHeight(ctx_.pixelsPerInch()));
  CityHotList->hide();
  ForeCastList->hide();
  FTStartPanel->hide();
  CityCheckBox->show();
}

void TCityListForm::showHotListView() {
  ctx_.prefs.StartupView = "c";
  listView_ = 1;
  TimeForecast1->setEnabled(true);
  TimeForecast1->setChecked(false);
  CEdit->menuAction()->setVisible(false);
  Alarm1->menuAction()->setVisible(true);
  HotList->setChecked(true);
  HotList->setEnabled(false);
  AllCity->setEnabled(true);
  AllCity->setChecked(false);
  setWindowTitle("Hot List");
  setWindowHeight(HotListHeight(CityHotList->count(), ctx_.pixelsPerInch()));
  CityCheckBox->hide();
  ForeCastList->hide();
  FTStartPanel->hide();
  CityHotList->show();
}

}  // namespace meridex
