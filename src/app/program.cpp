#include "app/program.h"

#include <QApplication>
#include <optional>

#include "app/logo_form.h"
#include "app/user_files.h"
#include "common/report.h"
#include "common/user_preferences.h"
#include "common/window_style.h"

namespace meridex {

namespace {

constexpr const char* kStartUp = "the start of Meridex";

}  // namespace

int RunProgram(const std::filesystem::path& workDir, MeridexApp::Seams seams,
               const std::function<int()>& runLoop) {
  // A save that a crash interrupted is finished before anything is read.
  if (const std::string notice = RecoverUserFiles(workDir); !notice.empty()) {
    seams.dialogs.warning(notice);
  }
  // A failure before the event loop is reported and ends the program.
  UserPreferences stored;
  if (!RunReported(seams.dialogs, kStartUp, [&] { stored = ReadUserPreferences(workDir); })) {
    return 1;
  }

  TLogoForm splash;
  splash.show();
  QApplication::processEvents();

  std::optional<MeridexApp> meridex;
  QWidget* mainWindow = nullptr;
  const bool created = RunReported(seams.dialogs, kStartUp, [&] {
    meridex.emplace(workDir, seams);
    mainWindow = meridex->createWindows(stored.StartupView, stored.StayOnTop);
  });
  splash.hide();
  if (!created) return 1;
  if (mainWindow == nullptr) return 0;
  Present(mainWindow);
  return runLoop();
}

}  // namespace meridex
