#include "common/wave_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/errors.h"

namespace meridex {
namespace {

TEST(WaveFile, WrittenFilesReadBackWithTheirFormat) {
  const std::vector<std::int16_t> samples{0, 1000, -1000, 32767, -32768};
  const Bytes file = MakeWaveFile(22050, samples);
  ASSERT_EQ(file.size(), 44u + 10u);
  const WaveFormat format = ReadWaveFormat(file, "Alarm1.wav");
  EXPECT_EQ(format.channels, 1);
  EXPECT_EQ(format.sampleRate, 22050);
  EXPECT_EQ(format.bitsPerSample, 16);
  EXPECT_EQ(format.dataBytes, 10u);
  EXPECT_EQ(file[44 + 6], 0xFF);  // 32767 little-endian
  EXPECT_EQ(file[44 + 7], 0x7F);
}

TEST(WaveFile, BrokenFilesAreRefusedWithTheFileName) {
  Bytes file = MakeWaveFile(8000, std::vector<std::int16_t>(100, 0));
  const auto message = [](const Bytes& bytes) {
    try {
      ReadWaveFormat(bytes, "Alarm2.wav");
    } catch (const AppError& e) {
      return std::string(e.what());
    }
    return std::string("accepted");
  };
  EXPECT_EQ(message(Bytes{'R', 'I', 'F', 'F'}),
            "Cannot play \"Alarm2.wav\": it is not a wave file");
  Bytes truncated(file.begin(), file.begin() + 60);
  EXPECT_EQ(message(truncated),
            "Cannot play \"Alarm2.wav\": a chunk runs past the end of the file");
  Bytes noData(file.begin(), file.begin() + 36);
  EXPECT_EQ(message(noData), "Cannot play \"Alarm2.wav\": it holds no sound data");
  Bytes compressed = file;
  compressed[20] = 2;
  EXPECT_EQ(message(compressed), "Cannot play \"Alarm2.wav\": only PCM sound is supported");
}

}  // namespace
}  // namespace meridex
