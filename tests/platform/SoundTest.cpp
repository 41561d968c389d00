#include "platform/Sound.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "tests/support/LocalServers.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

using testing::TempDir;
using testing::writeBytes;

std::string little(std::uint32_t value, int bytes) {
  std::string text;
  for (int i = 0; i < bytes; ++i) text += static_cast<char>((value >> (8 * i)) & 0xFF);
  return text;
}

// A RIFF/WAVE file of silence: rate samples per second, 16-bit mono, with an
// extra chunk before the data when asked.
std::string wave(std::uint32_t rate, std::uint32_t dataBytes, bool extraChunk = false) {
  std::string fmt = "fmt " + little(16, 4) + little(1, 2) + little(1, 2) + little(rate, 4) + little(rate * 2, 4) +
                    little(2, 2) + little(16, 2);
  std::string extra = extraChunk ? "LIST" + little(3, 4) + std::string("abc") + '\0' : "";
  std::string data = "data" + little(dataBytes, 4) + std::string(dataBytes, '\0');
  std::string body = "WAVE" + fmt + extra + data;
  return "RIFF" + little(static_cast<std::uint32_t>(body.size()), 4) + body;
}

TEST(WaveDuration, FromTheHeader) {
  TempDir folder;
  struct Case {
    const char* name;
    std::string bytes;
    std::optional<int> expected;
  };
  const Case cases[] = {
      {"second.wav", wave(8000, 16000), 1000}, {"listed.wav", wave(22050, 22050, true), 500},
      {"empty.wav", wave(8000, 0), 0},         {"text.wav", "not a wave file at all", std::nullopt},
      {"short.wav", "RIFF", std::nullopt},     {"nodata.wav", "RIFF" + little(4, 4) + "WAVE", std::nullopt},
  };
  for (const Case& c : cases) {
    writeBytes(folder / c.name, c.bytes);
    EXPECT_EQ(waveDurationMs(folder / c.name), c.expected) << c.name;
  }
  EXPECT_EQ(waveDurationMs(folder / "missing.wav"), std::nullopt);
  // The shipped chimes are real wave files of a short length.
  for (const char* chime : {"ringin.wav", "ringout.wav"}) {
    const std::optional<int> length = waveDurationMs(testing::shippedDataDir() / chime);
    ASSERT_TRUE(length.has_value()) << chime;
    EXPECT_GT(*length, 100) << chime;
    EXPECT_LT(*length, 3000) << chime;
  }
}

TEST(SystemSound, PlayingReturnsWithinTheSoundsLengthAndTheMargin) {
  testing::ensureCoreApplication();
  const auto chime = testing::shippedDataDir() / "ringout.wav";
  const std::optional<int> length = waveDurationMs(chime);
  ASSERT_TRUE(length.has_value()) << chime;
  SystemSound sound;
  // With a sound card the player may tell the end late; it is then stopped at
  // the length and the margin, which takes a moment more.
  const int bound = *length + sound.marginMs() + 100;
  for (int i = 0; i < 2; ++i) {
    QElapsedTimer clock;
    clock.start();
    sound.play(chime);
    EXPECT_LE(clock.elapsed(), bound) << "play " << i;
  }
  // A file that is no sound returns at once.
  TempDir folder;
  writeBytes(folder / "text.wav", "not a wave");
  QElapsedTimer clock;
  clock.start();
  sound.play(folder / "text.wav");
  sound.play(folder / "missing.wav");
  EXPECT_LT(clock.elapsed(), 100);
}

}  // namespace
}  // namespace brivant
