#pragma once

#include <filesystem>

namespace meridex {

// Plays one wave file at a time. Playback is asynchronous: play() returns at
// once.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Opens the file for playing; throws AppError naming the file when it is
  // missing or cannot be played.
  virtual void open(const std::filesystem::path& file) = 0;
  // Plays the open file from its start; does nothing when nothing is open.
  virtual void play() = 0;
  // Stops playback; harmless when nothing plays or nothing is open.
  virtual void stop() = 0;
};

}  // namespace meridex
