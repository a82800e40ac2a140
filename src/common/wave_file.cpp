#include "common/wave_file.h"

#include <cstring>
#include <string>

#include "common/errors.h"

namespace meridex {

namespace {

std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) {
  return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
         std::uint32_t{b[at + 3]} << 24;
}
std::uint16_t Le16(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
bool Tag(std::span<const std::uint8_t> b, std::size_t at, const char* tag) {
  return at + 4 <= b.size() && std::memcmp(b.data() + at, tag, 4) == 0;
}
void Put32(Bytes& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Put16(Bytes& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutTag(Bytes& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

WaveFormat ReadWaveFormat(std::span<const std::uint8_t> bytes, const std::filesystem::path& file) {
  const auto bad = [&](const std::string& why) {
    return AppError("Cannot play " + QuotedName(file) + ": " + why);
  };
  if (!Tag(bytes, 0, "RIFF") || !Tag(bytes, 8, "WAVE")) throw bad("it is not a wave file");
  WaveFormat format;
  bool haveFormat = false;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::uint32_t size = Le32(bytes, at + 4);
    const std::size_t body = at + 8;
    if (size > bytes.size() - body) throw bad("a chunk runs past the end of the file");
    if (Tag(bytes, at, "fmt ")) {
      if (size < 16) throw bad("its format chunk is too short");
      if (Le16(bytes, body) != 1) throw bad("only PCM sound is supported");
      format.channels = Le16(bytes, body + 2);
      format.sampleRate = static_cast<int>(Le32(bytes, body + 4));
      format.bitsPerSample = Le16(bytes, body + 14);
      haveFormat = true;
    } else if (Tag(bytes, at, "data")) {
      if (!haveFormat) throw bad("the sound data comes before its format");
      format.dataBytes = size;
      if (format.channels < 1 || format.sampleRate < 1 ||
          (format.bitsPerSample != 8 && format.bitsPerSample != 16)) {
        throw bad("its sound format is not supported");
      }
      return format;
    }
    at = body + size + (size & 1);
  }
  throw bad("it holds no sound data");
}

Bytes MakeWaveFile(int sampleRate, std::span<const std::int16_t> samples) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  Bytes out;
  out.reserve(44 + dataBytes);
  PutTag(out, "RIFF");
  Put32(out, 36 + dataBytes);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, static_cast<std::uint32_t>(sampleRate));
  Put32(out, static_cast<std::uint32_t>(sampleRate) * 2);
  Put16(out, 2);   // bytes per frame
  Put16(out, 16);  // bits per sample
  PutTag(out, "data");
  Put32(out, dataBytes);
  for (std::int16_t s : samples) Put16(out, static_cast<std::uint16_t>(s));
  return out;
}

}  // namespace meridex
