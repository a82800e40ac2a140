#pragma once

#include <filesystem>
#include <functional>

#include "common/clock.h"
#include "common/dialogs.h"
#include "common/preference_state.h"
#include "common/shell.h"
#include "common/sound_player.h"

namespace meridex {

// What every window is given at construction: the seams, the shared
// preference letters, the navigation rules and the working directory in which
// all data files live.
struct AppContext {
  Clock& clock;
  Dialogs& dialogs;
  SoundPlayer& sound;
  Shell& shell;
  PreferenceState& prefs;
  std::filesystem::path workDir;
  // The screen's logical pixels per inch (window sizes differ at 96).
  std::function<int()> pixelsPerInch;
};

}  // namespace meridex
