#pragma once

#include "common/app_context.h"
#include "support/fake_clock.h"
#include "support/recording_dialogs.h"
#include "support/recording_shell.h"
#include "support/recording_sound_player.h"
#include "support/temp_dir.h"

namespace meridex::test {

// Everything a window needs, with recording fakes and a fresh working
// directory. `ppi` is the screen density the windows see.
struct TestContext {
  FakeClock clock;
  RecordingDialogs dialogs;
  RecordingSoundPlayer sound;
  RecordingShell shell;
  PreferenceState prefs;
  TempDir dir;
  int ppi = 96;
  AppContext ctx{clock, dialogs, sound, shell, prefs, dir.path(), [this] { return ppi; }};
};

}  // namespace meridex::test
