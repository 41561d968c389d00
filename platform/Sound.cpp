#include "platform/Sound.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <cstdint>
#include <fstream>
#include <string>

namespace brivant {

namespace {

std::uint32_t littleEndian32(const char* bytes) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

}  // namespace

std::optional<int> waveDurationMs(const std::filesystem::path& wave) {
  std::ifstream in(wave, std::ios::binary);
  char header[12];
  if (!in.read(header, sizeof header) || std::string(header, 4) != "RIFF" || std::string(header + 8, 4) != "WAVE")
    return std::nullopt;
  std::uint32_t byteRate = 0;
  char chunk[8];
  while (in.read(chunk, sizeof chunk)) {
    const std::string id(chunk, 4);
    const std::uint32_t size = littleEndian32(chunk + 4);
    if (id == "fmt ") {
      char format[16];
      if (size < sizeof format || !in.read(format, sizeof format)) return std::nullopt;
      byteRate = littleEndian32(format + 8);
      in.seekg(size - sizeof format + (size & 1), std::ios::cur);
    } else if (id == "data") {
      if (byteRate == 0) return std::nullopt;
      return static_cast<int>(static_cast<std::uint64_t>(size) * 1000 / byteRate);
    } else {
      in.seekg(size + (size & 1), std::ios::cur);  // chunks are padded to an even size
    }
  }
  return std::nullopt;
}

void SystemSound::play(const std::filesystem::path& wave) {
  const std::optional<int> duration = waveDurationMs(wave);
  if (!duration || QMediaDevices::audioOutputs().isEmpty()) return;

  QSoundEffect effect;
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  deadline.setTimerType(Qt::PreciseTimer);
  QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  bool started = false;
  QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
    if (effect.status() == QSoundEffect::Ready && !started) {
      started = true;
      effect.play();
    } else if (effect.status() == QSoundEffect::Error) {
      loop.quit();
    }
  });
  QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
    if (started && !effect.isPlaying()) loop.quit();
  });
  effect.setSource(QUrl::fromLocalFile(QString::fromStdString(wave.string())));
  if (effect.status() == QSoundEffect::Error) return;
  deadline.start(*duration + marginMs_);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  effect.stop();
}

}  // namespace brivant
