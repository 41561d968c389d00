// The two shipped sounds and the generator that makes them.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/TestFiles.h"
#include "tools/WaveChime.h"

namespace {

using brivant::testing::readBytes;
using brivant::testing::shippedDataDir;

std::uint32_t little(const std::string& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

struct Wave {
  std::uint32_t sampleRate = 0;
  std::vector<int> samples;
  double seconds() const { return static_cast<double>(samples.size()) / sampleRate; }
};

// Checks the RIFF layout and returns the samples (16-bit mono PCM only).
Wave parseWave(const std::string& bytes) {
  Wave wave;
  EXPECT_GE(bytes.size(), 44u);
  if (bytes.size() < 44) return wave;
  EXPECT_EQ(bytes.substr(0, 4), "RIFF");
  EXPECT_EQ(little(bytes, 4, 4), bytes.size() - 8);
  EXPECT_EQ(bytes.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(little(bytes, 16, 4), 16u);
  EXPECT_EQ(little(bytes, 20, 2), 1u) << "PCM";
  EXPECT_EQ(little(bytes, 22, 2), 1u) << "mono";
  wave.sampleRate = little(bytes, 24, 4);
  EXPECT_EQ(little(bytes, 28, 4), wave.sampleRate * 2) << "bytes per second";
  EXPECT_EQ(little(bytes, 32, 2), 2u) << "bytes per frame";
  EXPECT_EQ(little(bytes, 34, 2), 16u) << "bits per sample";
  EXPECT_EQ(bytes.substr(36, 4), "data");
  const std::uint32_t dataBytes = little(bytes, 40, 4);
  EXPECT_EQ(dataBytes, bytes.size() - 44);
  for (std::size_t at = 44; at + 1 < bytes.size(); at += 2)
    wave.samples.push_back(static_cast<std::int16_t>(little(bytes, at, 2)));
  return wave;
}

// Upward zero crossings per second over [from, to): the pitch of the note
// sounding there (the overtones never add crossings of their own).
double pitch(const Wave& wave, double from, double to) {
  const auto begin = static_cast<std::size_t>(from * wave.sampleRate);
  const auto end = static_cast<std::size_t>(to * wave.sampleRate);
  int crossings = 0;
  for (std::size_t i = begin + 1; i < end; ++i)
    if (wave.samples[i - 1] < 0 && wave.samples[i] >= 0) ++crossings;
  return crossings / (to - from);
}

int peak(const Wave& wave) {
  int loudest = 0;
  for (int s : wave.samples) loudest = std::max(loudest, std::abs(s));
  return loudest;
}

TEST(Chimes, ShippedSoundsAreShortValidPcmAndDiffer) {
  const std::string in = readBytes(shippedDataDir() / "ringin.wav");
  const std::string out = readBytes(shippedDataDir() / "ringout.wav");
  EXPECT_NE(in, out);
  for (const std::string* bytes : {&in, &out}) {
    const Wave wave = parseWave(*bytes);
    ASSERT_GT(wave.sampleRate, 0u);
    EXPECT_GT(wave.seconds(), 0.2);
    EXPECT_LT(wave.seconds(), 1.0);
    EXPECT_GT(peak(wave), 8000) << "audible";
    EXPECT_LT(peak(wave), 32767) << "not clipped";
    // Soft attack and decay: silent at both ends.
    EXPECT_LT(std::abs(wave.samples.front()), 50);
    EXPECT_LT(std::abs(wave.samples.back()), 50);
  }
}

TEST(Chimes, RingoutRisesAndRinginFalls) {
  const Wave rising = parseWave(readBytes(shippedDataDir() / "ringout.wav"));
  const Wave falling = parseWave(readBytes(shippedDataDir() / "ringin.wav"));
  ASSERT_GT(rising.seconds(), 0.45);
  ASSERT_GT(falling.seconds(), 0.45);
  // First note alone before 0.16 s, second alone after 0.30 s.
  EXPECT_NEAR(pitch(rising, 0.02, 0.15), 523.25, 20);
  EXPECT_NEAR(pitch(rising, 0.31, 0.44), 783.99, 20);
  EXPECT_NEAR(pitch(falling, 0.02, 0.15), 783.99, 20);
  EXPECT_NEAR(pitch(falling, 0.31, 0.44), 523.25, 20);
}

TEST(Chimes, GeneratorFollowsTheNotesItIsGiven) {
  brivant::tools::Chime chime;
  chime.sampleRate = 8000;
  chime.duration = 0.25;
  chime.notes = {{1000.0, 0.0, 0.25}};
  const Wave wave = parseWave(brivant::tools::renderWave(chime));
  EXPECT_EQ(wave.sampleRate, 8000u);
  EXPECT_EQ(wave.samples.size(), 2000u);
  EXPECT_NEAR(pitch(wave, 0.02, 0.2), 1000.0, 20);
  EXPECT_NEAR(peak(wave), 0.6 * 32767, 2);
}

}  // namespace
