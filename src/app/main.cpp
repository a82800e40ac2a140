// Meridex: world time and measures.
#include <QApplication>
#include <filesystem>

#include "app/program.h"
#include "common/desktop.h"
#include "common/qt_dialogs.h"
#include "common/qt_sound_player.h"

int main(int argc, char** argv) {
  using namespace meridex;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Meridex");
  QApplication::setQuitOnLastWindowClosed(false);
  InstallFontSubstitutions();

  SystemClock clock;
  QtDialogs dialogs;
  QtSoundPlayer sound;
  // All data files are looked up in the working directory.
  return RunProgram(
      std::filesystem::current_path(),
      MeridexApp::Seams{clock, dialogs, sound, ScreenPixelsPerInch, [] { QApplication::quit(); }},
      [] { return QApplication::exec(); });
}
