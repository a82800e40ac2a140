// Synthesises the two alarm sounds: a telephone ring ("Alarm1.wav") and a
// rooster's call ("Alarm2.wav"). Pure arithmetic on a fixed sample rate, so
// every run writes the same bytes.
//
//   make_alarm_sounds <output directory>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <numbers>
#include <vector>

#include "common/record_io.h"
#include "common/wave_file.h"

namespace {

constexpr int kRate = 22050;
constexpr double kTau = 2 * std::numbers::pi;

using Samples = std::vector<double>;

// Smooth rise and fall so that no tone starts or stops with a click.
double Envelope(double t, double length, double attack, double release) {
  if (t < attack) return t / attack;
  if (t > length - release) return std::max(0.0, (length - t) / release);
  return 1.0;
}

void AddSilence(Samples& out, double seconds) {
  out.insert(out.end(), static_cast<std::size_t>(seconds * kRate), 0.0);
}

// One burst of a two-tone bell, warbling at 20 Hz like a telephone's ringer.
void AddRingBurst(Samples& out, double seconds) {
  const auto n = static_cast<std::size_t>(seconds * kRate);
  for (std::size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double warble = 0.6 + 0.4 * std::sin(kTau * 20 * t);
    const double tone = 0.5 * std::sin(kTau * 440 * t) + 0.5 * std::sin(kTau * 480 * t) +
                        0.15 * std::sin(kTau * 1320 * t);
    out.push_back(0.45 * warble * tone * Envelope(t, seconds, 0.02, 0.05));
  }
}

Samples PhoneRing() {
  Samples out;
  AddRingBurst(out, 0.45);
  AddSilence(out, 0.2);
  AddRingBurst(out, 0.45);
  AddSilence(out, 0.6);
  return out;
}

// One syllable of the call: a pitch glide with a little vibrato and the
// harmonics that make it sound like a voice rather than a whistle.
void AddSyllable(Samples& out, double seconds, double fromHz, double toHz, double loudness,
                 std::uint32_t& noise) {
  const auto n = static_cast<std::size_t>(seconds * kRate);
  double phase = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double progress = t / seconds;
    // The pitch bends up quickly and settles: an ease-out curve.
    const double bend = 1 - (1 - progress) * (1 - progress);
    const double hz = (fromHz + (toHz - fromHz) * bend) * (1 + 0.012 * std::sin(kTau * 7 * t));
    phase += kTau * hz / kRate;
    const double voice = 0.55 * std::sin(phase) + 0.3 * std::sin(2 * phase) +
                         0.18 * std::sin(3 * phase) + 0.08 * std::sin(5 * phase);
    noise = noise * 1664525u + 1013904223u;  // a fixed pseudo-random breath
    const double breath = (static_cast<double>(noise >> 8) / (1u << 24) - 0.5) * 0.06;
    out.push_back(loudness * (voice + breath) * Envelope(t, seconds, 0.015, 0.06));
  }
}

Samples RoosterCall() {
  Samples out;
  std::uint32_t noise = 12345;
  AddSilence(out, 0.05);
  AddSyllable(out, 0.16, 520, 700, 0.35, noise);  // cock
  AddSilence(out, 0.04);
  AddSyllable(out, 0.12, 640, 720, 0.3, noise);  // a
  AddSilence(out, 0.03);
  AddSyllable(out, 0.22, 700, 880, 0.38, noise);  // doodle
  AddSilence(out, 0.03);
  AddSyllable(out, 0.85, 900, 620, 0.42, noise);  // doo
  AddSilence(out, 0.4);
  return out;
}

std::vector<std::int16_t> ToPcm(const Samples& samples) {
  std::vector<std::int16_t> pcm;
  pcm.reserve(samples.size());
  for (double s : samples) {
    const double clipped = std::max(-1.0, std::min(1.0, s));
    pcm.push_back(static_cast<std::int16_t>(std::lround(clipped * 32000)));
  }
  return pcm;
}

void Write(const std::filesystem::path& file, const Samples& samples) {
  const std::vector<std::int16_t> pcm = ToPcm(samples);
  meridex::WriteFileAtomically(file, meridex::MakeWaveFile(kRate, pcm));
  std::printf("%s: %.2f s\n", file.c_str(), static_cast<double>(pcm.size()) / kRate);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
    return 2;
  }
  try {
    const std::filesystem::path dir = argv[1];
    Write(dir / "Alarm1.wav", PhoneRing());
    Write(dir / "Alarm2.wav", RoosterCall());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
