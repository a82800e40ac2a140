// Meridex: world time and measures.
#include <QApplication>
#include <filesystem>

#include "app/program.h"
#include "common/desktop.h"
#include "common/qt_dialogs.h"
#include "common/qt_sound_player.h"

#include <chrono>
#include <cstdio>
static auto T0 = std::chrono::steady_clock::now();
void Stamp(const char* what) { std::fprintf(stderr, "%7.1f %s\n", std::chrono::duration<double,std::milli>(std::chrono::steady_clock::now()-T0).count(), what); }
int main(int argc, char** argv) {
  using namespace meridex;
  Stamp("main");
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
