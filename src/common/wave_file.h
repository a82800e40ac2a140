#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "common/record_io.h"

namespace meridex {

// The format of a PCM wave file.
struct WaveFormat {
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  std::uint32_t dataBytes = 0;
};

// Checks that bytes hold a playable PCM wave file (RIFF/WAVE with a "fmt "
// and a "data" chunk inside the file). Throws AppError naming the file.
WaveFormat ReadWaveFormat(std::span<const std::uint8_t> bytes, const std::filesystem::path& file);

// A 16-bit mono PCM wave file holding the samples.
Bytes MakeWaveFile(int sampleRate, std::span<const std::int16_t> samples);

}  // namespace meridex
