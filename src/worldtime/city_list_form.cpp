#include "worldtime/city_list_form.h"

#include <QCloseEvent>
#include <QListWidget>

#include "app/user_preferences.h"
#include "common/report.h"
#include "worldtime/city_files.h"
#include "worldtime/local_time.h"

namespace meridex {

namespace {

MainWindowKind MainWindowFor(const std::string& startupView) {
  if (startupView == "a" || startupView == "c") return MainWindowKind::CityList;
  if (startupView == "b") return MainWindowKind::UnitConversion;
  if (startupView == "d") return MainWindowKind::WorldView;
  return MainWindowKind::None;
}

}  // namespace

TCityListForm::TCityListForm(AppContext& ctx, CityTable& table, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), table_(table) {
  setObjectName("CityListForm");
  setWindowTitle("All Cities List");
  resize(208, 331);
  CityCheckBox = new QListWidget(this);
  setCentralWidget(CityCheckBox);
  RunReported(ctx_.dialogs, [this] { FormCreate(); });
}

void TCityListForm::FormCreate() {
  const UserPreferences prefs = ReadUserPreferences(ctx_.workDir);
  ctx_.prefs.StartupView = prefs.StartupView;
  ctx_.prefs.StayOnTop = prefs.StayOnTop;
  ctx_.prefs.MainWindow = MainWindowFor(prefs.StartupView);
  if (const std::string notice = LoadCityTable(ctx_.workDir, table_); !notice.empty()) {
    ctx_.dialogs.warning(notice);
  }
  if (const std::string notice = LoadHotListFlags(ctx_.workDir, table_); !notice.empty()) {
    ctx_.dialogs.warning(notice);
  }
  RebuildLists();
}

void TCityListForm::RebuildLists() {
  const UtcTime now = ctx_.clock.utcNow();
  RefreshHourOffsets(table_, now);
  CityCheckBox->clear();
  for (int i = 0; i < table_.Count; ++i) {
    CityEntry& e = table_.Entries[static_cast<std::size_t>(i)];
    ComputeLocalTime(e, now);
    CityCheckBox->addItem(QString::fromStdString("  " + e.LocalTimeText + "  " +
                                                 DayAbbreviation(e.WeekDay) + "    " + e.Name));
  }
}

void TCityListForm::closeEvent(QCloseEvent* event) {
  ctx_.shell.toolWindowClosing(ToolWindow::CityList);
  event->accept();
}

}  // namespace meridex
