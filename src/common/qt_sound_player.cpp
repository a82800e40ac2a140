#include "common/qt_sound_player.h"

#include <QUrl>

#include "common/wave_file.h"

namespace meridex {

void QtSoundPlayer::open(const std::filesystem::path& file) {
  isOpen_ = false;
  effect_.stop();
  // Check the file here so that a missing or broken file is reported at once
  // rather than failing silently inside the audio back end.
  ReadWaveFormat(ReadWholeFile(file), file);
  effect_.setSource(QUrl::fromLocalFile(QString::fromStdString(std::filesystem::absolute(file))));
  isOpen_ = true;
}

void QtSoundPlayer::play() {
  if (!isOpen_) return;
  effect_.stop();
  effect_.play();
}

void QtSoundPlayer::stop() { effect_.stop(); }

}  // namespace meridex
