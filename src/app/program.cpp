#include "app/program.h"

#include <QApplication>
#include <exception>

#include "app/logo_form.h"
#include "app/user_preferences.h"

namespace meridex {

int RunProgram(const std::filesystem::path& workDir, MeridexApp::Seams seams,
               const std::function<int(QWidget* mainWindow)>& runLoop) {
  UserPreferences stored;
  try {
    stored = ReadUserPreferences(workDir);
  } catch (const std::exception& e) {
    seams.dialogs.error(e.what());
    return 1;
  }

  TLogoForm splash;
  splash.show();
  QApplication::processEvents();

  MeridexApp meridex(workDir, seams);
  QWidget* mainWindow = meridex.createWindows(stored.StartupView, stored.StayOnTop);
  splash.hide();
  if (mainWindow == nullptr) return 0;
  Present(mainWindow);
  return runLoop(mainWindow);
}

}  // namespace meridex
