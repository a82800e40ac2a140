#pragma once

#include <QSoundEffect>

#include "common/sound_player.h"

namespace meridex {

// Wave playback through Qt Multimedia.
class QtSoundPlayer final : public SoundPlayer {
 public:
  void open(const std::filesystem::path& file) override;
  void play() override;
  void stop() override;

 private:
  QSoundEffect effect_;
  bool isOpen_ = false;
};

}  // namespace meridex
