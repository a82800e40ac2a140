// The city list's own locations (add and delete) and the city information.
#include <QAction>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "common/qt_report.h"
#include "common/step_guide.h"
#include "common/text.h"
#include "worldtime/city_files.h"
#include "worldtime/city_info.h"
#include "worldtime/city_list_form.h"
#include "worldtime/custom_locations.h"
#include "worldtime/input_panel.h"
#include "worldtime/list_geometry.h"

namespace meridex {

namespace {

constexpr const char* kAddLocationHelp =
    "To use the \"Add Location\" function follow these steps\n"
    "\n"
    "1. Type in the name of the new location to be added\n"
    "2. Press the \"Next\" button\n"
    "3. Highlight a location from the \"All Cities List\" that shares the same time attributes as\n"
    "    the new location to be added\n"
    "4. Click the \"Finish\" button\n"
    "\n"
    "Your new location will then be added to your list.\n"
    "Personalized locations will be colored uniquely to show it is a location you customized";

}  // namespace

void TCityListForm::buildNewCityPanel(QVBoxLayout& column) {
  const InputPanel p = MakeInputPanel(this, "Enter new location name", "Add Location Help");
  NewCityPanel = p.panel;
  NCName = p.edit;
  SpeedButton3 = p.help;
  Button1 = p.next;
  NCCancelBtn = p.cancel;
  NCOKBtn = p.finish;
  Button1->setEnabled(false);
  NCName->setMaxLength(64);
  column.addWidget(NewCityPanel);

  connect(NCName, &QLineEdit::textEdited, this,
          Reported(ctx_.dialogs, "the typing of the location name", [this] { NCNameKeyPress(); }));
  ConnectReported(Button1, ctx_.dialogs, [this] { Button1Click(); });
  ConnectReported(NCCancelBtn, ctx_.dialogs, [this] { NCCancelBtnClick(); });
  ConnectReported(NCOKBtn, ctx_.dialogs, [this] { NCOKBtnClick(); });
  ConnectReported(SpeedButton3, ctx_.dialogs, [this] { SpeedButton3Click(); });
}

bool TCityListForm::refuseUnloaded() {
  // Writing the files from a table that did not load would drop what it
  // lacks.
  if (files_.loaded()) return false;
  ctx_.dialogs.warning(
      "The city lists did not load completely, so your own locations cannot be changed: "
      "\"custlst.dat\" and \"chklst.dat\" stay as they are.");
  return true;
}

void TCityListForm::AddLocation1Click() {
  if (addWiz_) addWiz_->start();
  lockMenus(true);
  NewCityPanel->show();
  applyWindowHeight();
  NCName->clear();
  NCName->setFocus();
}

void TCityListForm::NCNameKeyPress() { Button1->setEnabled(true); }

void TCityListForm::Button1Click() {
  if (addWiz_) addWiz_->stepDone(1);
  NCOKBtn->setEnabled(true);
  Button1->setEnabled(false);
}

void TCityListForm::NCCancelBtnClick() {
  lockMenus(false);
  NewCityPanel->hide();
  applyWindowHeight();
  if (addWiz_) addWiz_->finish();
}

void TCityListForm::NCOKBtnClick() {
  if (refuseUnloaded()) return;
  const int source = CityCheckBox->currentRow();
  if (source < 0 || source >= table_.Count) {
    ctx_.dialogs.warning(
        "Highlight the location in the All Cities List that shares the new "
        "location's time, then press \"Finish\".");
    return;
  }
  // Ticks made since the last refresh move with their rows.
  copyChecksToFlags();
  // Refused names and a full table leave the panel open for a correction.
  const int added = AddCustomLocation(table_, NCName->text().toStdString(),
                                      table_.Entries[static_cast<std::size_t>(source)]);
  files_.customListChanged();
  lockMenus(false);
  NewCityPanel->hide();
  applyWindowHeight();
  // The rows follow the table at once, and the save comes before the
  // confirmation: that box takes the focus from the list, whose save on
  // losing it must find the failure already told. A save that fails leaves
  // the change due for the next one.
  RebuildLists();
  saveAsked();
  showAllCitiesView();
  ctx_.dialogs.plain(table_.Entries[static_cast<std::size_t>(added)].Name +
                     " was added to your Custom List");
  if (addWiz_) addWiz_->finish();
  NCOKBtn->setEnabled(false);
}

void TCityListForm::SpeedButton3Click() { ctx_.dialogs.information(kAddLocationHelp); }

void TCityListForm::DeleteLocation1Click() {
  const int row = CityCheckBox->currentRow();
  if (row < 0 || row >= table_.Count || CityCheckBox->count() != table_.Count ||
      table_.Entries[static_cast<std::size_t>(row)].Origin != kOriginCustom) {
    ctx_.dialogs.warning("You can only delete highlighted custom locations");
    return;
  }
  if (refuseUnloaded()) return;
  copyChecksToFlags();
  const std::string name = table_.Entries[static_cast<std::size_t>(row)].Name;
  table_.remove(row);
  files_.customListChanged();
  saveAsked();
  RebuildLists();
  ctx_.dialogs.plain(name + " has been deleted from your records");
}

void TCityListForm::CityCheckBoxDblClick() {
  const int row = CityCheckBox->currentRow();
  if (row < 0 || row >= table_.Count) return;
  const CityEntry& entry = table_.Entries[static_cast<std::size_t>(row)];
  const auto today = std::chrono::floor<std::chrono::days>(ctx_.clock.localNow());
  const std::chrono::year_month_day date{
      LocationDate(entry.WeekDay, std::chrono::sys_days{today.time_since_epoch()})};
  const QDate shown(int{date.year()}, static_cast<int>(unsigned{date.month()}),
                    static_cast<int>(unsigned{date.day()}));
  const QString dateText = QLocale().toString(shown, QLocale::ShortFormat);
  ctx_.dialogs.information(CityInfoText(entry, dateText.toStdString()));
}

}  // namespace meridex
