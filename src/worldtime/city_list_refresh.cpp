// The city list's refresh, its two views and the Hot List check states.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>

#include "common/errors.h"
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
  lastRefresh_ = now;
  // A location whose rule fails keeps its offset; the rows are made all the
  // same, so that they always match the table one to one (a command on a row
  // acts on its entry), and the error is reported after.
  std::optional<ConversionError> ruleError;
  try {
    RefreshHourOffsets(table_, now);
  } catch (const ConversionError& e) {
    ruleError = e;
  }

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
  if (ruleError) throw *ruleError;
}

void TCityListForm::Timer1Timer() {
  copyChecksToFlags();
  // A refresh that fails fails again every minute: it is reported once.
  refreshFailure_.run(ctx_.dialogs, "the minute refresh of the city list",
                      [this] { RebuildLists(); });
  checksChanged_ = false;
  refreshedMinute_ = std::chrono::floor<std::chrono::minutes>(lastRefresh_);
  if (hooks_) hooks_->checkAlarm(lastRefresh_);
}

void TCityListForm::Timer1Wake() {
  armTimer1();
  const auto minute = std::chrono::floor<std::chrono::minutes>(ctx_.clock.utcNow());
  if (minute != refreshedMinute_) Timer1Timer();
}

void TCityListForm::armTimer1() {
  const auto next =
      std::chrono::floor<std::chrono::minutes>(ctx_.clock.utcNow()) + std::chrono::minutes{1};
  Timer1->wakeAt(next, Reported(ctx_.dialogs, "the minute refresh of the city list",
                                [this] { Timer1Wake(); }));
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
  copyChecksToFlags();
  saveFailure_.run(ctx_.dialogs, "the saving of the Hot List", [this] { files_.save(table_); });
}

void TCityListForm::saveAsked() {
  copyChecksToFlags();
  saveFailure_.runAsked(ctx_.dialogs, "the saving of the Hot List",
                        [this] { files_.save(table_); });
}

void TCityListForm::AllCityClick() { showAllCitiesView(); }

void TCityListForm::HotListClick() {
  copyChecksToFlags();
  if (checksChanged_) RebuildLists();
  showHotListView();
}

void TCityListForm::Save1Click() {
  allTop_ = CityCheckBox->verticalScrollBar()->value();
  saveAsked();
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
