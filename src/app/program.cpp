#include "app/program.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "app/logo_form.h"
#include "common/report.h"
#include "common/user_preferences.h"
#include "common/window_style.h"

namespace meridex {

namespace {

constexpr const char* kStartUp = "the start of Meridex";

// Runs work once, right after the window has first been drawn, or after a
// quarter of a second when it is not drawn at all (started minimised).
class AfterFirstPaint final : public QObject {
 public:
  AfterFirstPaint(QWidget& window, std::function<void()> work)
      : QObject(&window), work_(std::move(work)) {
    window.installEventFilter(this);
    QTimer::singleShot(250, this, [this] { Run(); });
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    // After the paint, not inside it.
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, this, [this] { Run(); });
    return false;
  }

 private:
  void Run() {
    if (!work_) return;
    auto work = std::move(work_);
    work_ = nullptr;
    work();
  }

  std::function<void()> work_;
};

// What the first window does not need is done once it has been drawn, in
// two steps with the event loop running between them: the other twelve
// windows in their order, then the world view's map, whatever the start-up
// view, so that the world view is ready when the user first opens it.
void FinishStartUpOnceDrawn(QWidget& mainWindow, MeridexApp& meridex,
                            const MeridexApp::Seams& seams) {
  new AfterFirstPaint(mainWindow, [&mainWindow, &meridex, &seams] {
    if (!RunReported(seams.dialogs, kStartUp, [&] { meridex.createOtherWindows(); })) {
      seams.quit();
      return;
    }
    QTimer::singleShot(0, &mainWindow, [&meridex] { meridex.loadWorldMap(); });
  });
}

}  // namespace

int RunProgram(const std::filesystem::path& workDir, MeridexApp::Seams seams,
               const std::function<int(QWidget* mainWindow)>& runLoop) {
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
    mainWindow = meridex->createMainWindow(stored.StartupView, stored.StayOnTop);
  });
  if (!created || mainWindow == nullptr) {
    splash.hide();
    return created ? 0 : 1;
  }
  Present(mainWindow);
  splash.hide();
  FinishStartUpOnceDrawn(*mainWindow, *meridex, seams);
  return runLoop(mainWindow);
}

}  // namespace meridex
