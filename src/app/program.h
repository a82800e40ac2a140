#pragma once

#include <filesystem>
#include <functional>

#include "app/meridex_app.h"

namespace meridex {

// The program's start-up: reads the preferences file (ending with an error
// box when it cannot), shows the splash while the main window is created,
// shows the main window, then runs the event loop until the program ends;
// the other windows are created as soon as the main window has been drawn.
// Returns the exit code. `runLoop` runs the event loop for the main window,
// which is shown before it starts.
int RunProgram(const std::filesystem::path& workDir, MeridexApp::Seams seams,
               const std::function<int(QWidget* mainWindow)>& runLoop);

}  // namespace meridex
