// Meridex: world time and measures.
#include <QApplication>
#include <exception>
#include <filesystem>

#include "app/logo_form.h"
#include "app/meridex_app.h"
#include "app/user_preferences.h"
#include "common/qt_dialogs.h"
#include "common/qt_sound_player.h"
#include "common/window_style.h"

int main(int argc, char** argv) {
  using namespace meridex;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Meridex");
  QApplication::setQuitOnLastWindowClosed(false);
  InstallFontSubstitutions();

  // All data files are looked up in the working directory.
  const std::filesystem::path workDir = std::filesystem::current_path();
  QtDialogs dialogs;
  UserPreferences stored;
  try {
    stored = ReadUserPreferences(workDir);
  } catch (const std::exception& e) {
    dialogs.error(e.what());
    return 1;
  }

  TLogoForm splash;
  splash.show();
  QApplication::processEvents();

  SystemClock clock;
  QtSoundPlayer sound;
  MeridexApp meridex(workDir, MeridexApp::Seams{clock, dialogs, sound, ScreenPixelsPerInch,
                                                [] { QApplication::quit(); }});
  QWidget* mainWindow = meridex.createWindows(stored.StartupView, stored.StayOnTop);
  splash.hide();
  if (mainWindow == nullptr) return 0;
  Present(mainWindow);
  return QApplication::exec();
}
