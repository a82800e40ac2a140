#include "app/program.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <optional>

#include "app/logo_form.h"
#include "app/user_files.h"
#include "common/report.h"
#include "common/user_preferences.h"
#include "common/window_style.h"

namespace meridex {

namespace {

constexpr const char* kStartUp = "the start of Meridex";
// How long the splash may take to reach the screen before the work goes on
// without it (a window manager that maps it late, or none at all).
constexpr int kSplashPaintWaitMs = 500;

// Waits `ms` with the event loop running, so that what is shown stays painted.
void WaitShowing(qint64 ms) {
  if (ms <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(ms), &loop, &QEventLoop::quit);
  loop.exec();
}

// Runs `work` under the splash: the splash is on the screen before the work
// starts and stays until it is done and `atLeast` has passed.
bool UnderSplash(std::chrono::milliseconds atLeast, const std::function<bool()>& work) {
  TLogoForm splash;
  QElapsedTimer shown;
  shown.start();
  splash.show();
  while (!splash.painted() && shown.elapsed() < kSplashPaintWaitMs) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  const bool done = work();
  WaitShowing(atLeast.count() - shown.elapsed());
  splash.hide();
  return done;
}

}  // namespace

int RunProgram(const std::filesystem::path& workDir, MeridexApp::Seams seams,
               const std::function<int(QWidget* mainWindow)>& runLoop,
               std::chrono::milliseconds splashAtLeast) {
  // A save that a crash interrupted is finished before anything is read.
  if (const std::string notice = RecoverUserFiles(workDir); !notice.empty()) {
    seams.dialogs.warning(notice);
  }
  // A failure before the event loop is reported and ends the program.
  UserPreferences stored;
  if (!RunReported(seams.dialogs, kStartUp, [&] { stored = ReadUserPreferences(workDir); })) {
    return 1;
  }

  std::optional<MeridexApp> meridex;
  QWidget* mainWindow = nullptr;
  const bool created = UnderSplash(splashAtLeast, [&] {
    return RunReported(seams.dialogs, kStartUp, [&] {
      meridex.emplace(workDir, seams);
      mainWindow = meridex->createWindows(stored.StartupView, stored.StayOnTop);
    });
  });
  if (!created) return 1;
  if (mainWindow == nullptr) return 0;
  Present(mainWindow);
  // The world view's map, whatever the start-up view, once the main window is
  // up: a layer that fails is told above it, not behind the splash.
  QTimer::singleShot(0, mainWindow, [&meridex] { meridex->loadWorldMap(); });
  return runLoop(mainWindow);
}

}  // namespace meridex
