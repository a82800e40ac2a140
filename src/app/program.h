#pragma once

#include <chrono>
#include <filesystem>
#include <functional>

#include "app/meridex_app.h"

namespace meridex {

// The program's start-up: reads the preferences file (ending with an error
// box when it cannot), shows the splash while the windows are created, then
// runs the event loop until the program ends. Returns the exit code.
// `runLoop` runs the event loop for the main window, which is shown before it
// starts. The splash stays up until the windows are created and for at least
// `splashAtLeast`, long enough to be seen; the world view's map is loaded as
// soon as the loop runs.
inline constexpr std::chrono::milliseconds kSplashAtLeast{1000};
int RunProgram(const std::filesystem::path& workDir, MeridexApp::Seams seams,
               const std::function<int(QWidget* mainWindow)>& runLoop,
               std::chrono::milliseconds splashAtLeast = kSplashAtLeast);

}  // namespace meridex
