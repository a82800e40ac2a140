// The city list's time forecast: what time it is everywhere when one
// location reaches a chosen time of day.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/qt_report.h"
#include "common/step_guide.h"
#include "worldtime/city_list_form.h"
#include "worldtime/forecast.h"
#include "worldtime/input_panel.h"
#include "worldtime/list_geometry.h"
#include "worldtime/local_time.h"

namespace meridex {

namespace {

constexpr const char* kForecastHelp =
    "To use the \"Forecast Time\" function follow these steps\n"
    "\n"
    "1. Enter the time you wish to check\n"
    "2. Press the \"Next\" Button\n"
    "3. Highlight a location from the current list that you wish to forecast from\n"
    "4. Click the \"Finish\" button\n"
    "\n"
    "The times displayed next to all the city names is the forecasted time from \n"
    "the city and time you selected and displayed at the bottom of the window";

}  // namespace

void TCityListForm::buildForecastPanel(QVBoxLayout& column) {
  FTStartPanel = new QLabel(this);
  QFont bold = FTStartPanel->font();
  bold.setBold(true);
  bold.setPixelSize(12);
  FTStartPanel->setFont(bold);
  FTStartPanel->setContentsMargins(9, 2, 2, 2);
  FTStartPanel->hide();
  column.addWidget(FTStartPanel);

  const InputPanel p = MakeInputPanel(this, "Enter time to forecast from:", "Forecast Time Help");
  ForeCastPanel = p.panel;
  ForeCastMask = p.edit;
  SpeedButton2 = p.help;
  Button2 = p.next;
  ForeCancelBtn = p.cancel;
  ForeCastOKBtn = p.finish;
  ForeCastMask->setInputMask("09:99 >AA;_");
  ForeCastMask->setText("12:00 AM");
  ForeCastMask->setMaximumWidth(90);
  column.addWidget(ForeCastPanel);

  ConnectReported(Button2, ctx_.dialogs, [this] { Button2Click(); });
  ConnectReported(ForeCancelBtn, ctx_.dialogs, [this] { ForeCancelBtnClick(); });
  ConnectReported(ForeCastOKBtn, ctx_.dialogs, [this] { ForeCastOKBtnClick(); });
  ConnectReported(SpeedButton2, ctx_.dialogs, [this] { SpeedButton2Click(); });
}

void TCityListForm::TimeForecast1Click() {
  lockMenus(true);
  if (foreWiz_) foreWiz_->start();
  ForeCastPanel->show();
  applyWindowHeight();
  ForeCancelBtn->setFocus();
  ForeCastMask->setText("12:00 AM");
}

void TCityListForm::Button2Click() {
  if (foreWiz_) foreWiz_->stepDone(1);
  Button2->setEnabled(false);
  ForeCastOKBtn->setEnabled(true);
}

void TCityListForm::ForeCancelBtnClick() {
  lockMenus(false);
  if (foreWiz_) foreWiz_->finish();
  ForeCastPanel->hide();
  applyWindowHeight();
}

void TCityListForm::ForeCastOKBtnClick() {
  lockMenus(false);
  if (foreWiz_) foreWiz_->finish();
  Button2->setEnabled(true);
  ForeCastPanel->hide();
  applyWindowHeight();
  const TimeOfDay entered = ParseTime12(ForeCastMask->text().toStdString());
  showForecast(entered);
  ForeCastOKBtn->setEnabled(false);
}

void TCityListForm::showForecast(TimeOfDay entered) {
  int source = CityCheckBox->currentRow();
  int height = ForecastAllHeight(ctx_.pixelsPerInch());
  if (listView_ == 1) {
    if (CityHotList->currentRow() >= 0)
      source = table_.hotListRowToIndex(CityHotList->currentRow());
    height = ForecastHotListHeight(CityHotList->count());
  }
  if (source < 0 || source >= table_.Count) {
    ctx_.dialogs.warning(
        "Highlight the location to forecast from in the list, then choose "
        "Time Forecast again.");
    return;
  }
  ForeCastList->clear();
  ForeCastList->setFixedWidth(CityCheckBox->width());
  setWindowHeight(height);

  RefreshHourOffsets(table_, ctx_.clock.utcNow());
  const CityEntry& from = table_.Entries[static_cast<std::size_t>(source)];
  const TimeOfDay utc = ForecastUtcTime(entered, from.HourOffset, from.MinuteOffset);

  CEdit->menuAction()->setVisible(false);
  Alarm1->menuAction()->setVisible(false);
  HotList->setEnabled(true);
  HotList->setChecked(false);
  AllCity->setEnabled(true);
  AllCity->setChecked(false);
  TimeForecast1->setEnabled(false);
  TimeForecast1->setChecked(true);
  FTStartPanel->setText("-> " + ForeCastMask->text() + " " + QString::fromStdString(from.Name));
  FTStartPanel->show();
  setWindowTitle("Forecast Time ");
  CityCheckBox->hide();
  CityHotList->hide();
  ForeCastList->show();

  // Daylight saving is decided for today's date at each location and the
  // forecast's hour; the next refresh goes back to the clock.
  RefreshHourOffsets(table_, ctx_.clock.utcNow(), utc);
  for (int i = 0; i < table_.Count; ++i) {
    if (listView_ == 1 && !table_.inHotList(i)) continue;
    ForeCastList->addItem(
        QString::fromStdString(ForecastRowText(table_.Entries[static_cast<std::size_t>(i)], utc)));
  }
}

void TCityListForm::SpeedButton2Click() { ctx_.dialogs.information(kForecastHelp); }

}  // namespace meridex
