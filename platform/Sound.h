#pragma once
// Plays a wave file and returns when it has finished, behind an interface so
// that tests can record what would have been heard.

#include <filesystem>
#include <optional>

namespace brivant {

class Sound {
 public:
  virtual ~Sound() = default;
  // Plays the file and returns once it has been heard; a file that cannot be
  // played is silently skipped.
  virtual void play(const std::filesystem::path& wave) = 0;
};

// The sound card through Qt Multimedia.  The wait is bounded by the sound's
// length plus a margin, and without an audio device nothing is played and
// nothing waited for.  Window input is held back while a sound plays, so that
// no click starts anything half way.
class SystemSound final : public Sound {
 public:
  static constexpr int DefaultMarginMs = 500;
  explicit SystemSound(int marginMs = DefaultMarginMs) : marginMs_(marginMs) {}
  void play(const std::filesystem::path& wave) override;
  int marginMs() const { return marginMs_; }

 private:
  int marginMs_;
};

// The playing time of a RIFF/WAVE file in milliseconds, from its header (the
// data chunk's size over the byte rate); nothing when it is not one.
std::optional<int> waveDurationMs(const std::filesystem::path& wave);

}  // namespace brivant
