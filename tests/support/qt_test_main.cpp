// main() for window tests: one offscreen QApplication for the whole run, and a
// watchdog that fails the running test when a modal window opens (windows
// must show their messages through the Dialogs seam).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
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
