#include "tools/WaveChime.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace brivant::tools {

namespace {

constexpr double lowNote = 523.25;   // C5
constexpr double highNote = 783.99;  // G5

Chime twoNotes(double first, double second) {
  Chime chime;
  chime.duration = 0.46;
  chime.notes = {{first, 0.0, 0.30}, {second, 0.16, 0.30}};
  return chime;
}

// Raised-cosine ramps at both ends keep the sound free of clicks; the
// exponential decay in between gives the struck-bell feel.
double envelope(double t, double length) {
  constexpr double attack = 0.012, release = 0.025;
  if (t < 0 || t >= length) return 0;
  double level = std::exp(-4.0 * t / length);
  if (t < attack) level *= 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack);
  if (length - t < release) level *= 0.5 - 0.5 * std::cos(std::numbers::pi * (length - t) / release);
  return level;
}

// Overtones kept weak enough that the waveform crosses zero only with the
// fundamental, which the tests use to tell the pitches apart.
double tone(double frequency, double t) {
  const double phase = 2 * std::numbers::pi * frequency * t;
  return std::sin(phase) + 0.35 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase);
}

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

Chime risingChime() { return twoNotes(lowNote, highNote); }
Chime fallingChime() { return twoNotes(highNote, lowNote); }

std::string renderWave(const Chime& chime) {
  const auto frames = static_cast<std::size_t>(std::lround(chime.duration * chime.sampleRate));
  std::vector<double> mix(frames, 0.0);
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / chime.sampleRate;
    for (const ChimeNote& note : chime.notes)
      mix[i] += envelope(t - note.start, note.length) * tone(note.frequency, t - note.start);
  }
  double loudest = 0;
  for (double sample : mix) loudest = std::max(loudest, std::abs(sample));
  const double scale = loudest > 0 ? chime.peak * 32767.0 / loudest : 0.0;

  const auto dataBytes = static_cast<std::uint32_t>(frames * 2);
  std::string out;
  out += "RIFF";
  putLittleEndian(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  putLittleEndian(out, 16, 4);  // fmt chunk size
  putLittleEndian(out, 1, 2);   // PCM
  putLittleEndian(out, 1, 2);   // mono
  putLittleEndian(out, static_cast<std::uint32_t>(chime.sampleRate), 4);
  putLittleEndian(out, static_cast<std::uint32_t>(chime.sampleRate * 2), 4);  // bytes per second
  putLittleEndian(out, 2, 2);                                                 // bytes per frame
  putLittleEndian(out, 16, 2);                                                // bits per sample
  out += "data";
  putLittleEndian(out, dataBytes, 4);
  for (double sample : mix) {
    const auto value = static_cast<std::int16_t>(std::clamp(std::lround(sample * scale), -32767L, 32767L));
    putLittleEndian(out, static_cast<std::uint16_t>(value), 2);
  }
  return out;
}

}  // namespace brivant::tools
