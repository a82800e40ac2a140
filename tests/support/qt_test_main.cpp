// main() for window tests: one offscreen QApplication for the whole run, set
// up as the program sets up its desktop, and a watchdog that fails the
// running test when a modal window opens (windows must show their messages
// through the Dialogs seam).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

#include "common/desktop.h"

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Texts are measured in the program's own font families only, whatever
  // else the machine has installed.
  ::setenv("FONTCONFIG_FILE", MERIDEX_TEST_FONTS_CONF, 1);
  QApplication app(argc, argv);
  meridex::SetUpDesktop(app);
  // Window texts are compared as an English-locale user sees them, whatever
  // the machine's locale.
  QLocale::setDefault(QLocale::c());
  QApplication::setQuitOnLastWindowClosed(false);
  QTimer watchdog;
  QObject::connect(&watchdog, &QTimer::timeout, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      ADD_FAILURE() << "unexpected modal window: " << modal->windowTitle().toStdString();
      modal->close();
    }
  });
  watchdog.start(50);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
