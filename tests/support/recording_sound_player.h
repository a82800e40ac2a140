#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "common/errors.h"
#include "common/record_io.h"
#include "common/sound_player.h"

namespace meridex::test {

// Records what would be played. Files named in `missing` fail to open.
class RecordingSoundPlayer final : public SoundPlayer {
 public:
  void open(const std::filesystem::path& file) override {
    calls.push_back("open " + file.filename().string());
    if (missing.count(file.filename().string())) {
      isOpen = false;
      throw AppError("Cannot play " + QuotedName(file) + ": No such file or directory");
    }
    isOpen = true;
  }
  void play() override {
    calls.push_back("play");
    if (isOpen) ++plays;
  }
  void stop() override { calls.push_back("stop"); }

  std::vector<std::string> calls;
  std::set<std::string> missing;
  bool isOpen = false;
  int plays = 0;
};

}  // namespace meridex::test
