#pragma once
// The two short alert sounds shipped beside the program ("ringin.wav",
// "ringout.wav"), synthesised so the project owns them.

#include <string>
#include <vector>

namespace brivant::tools {

struct ChimeNote {
  double frequency = 0;  // Hz
  double start = 0;      // seconds from the beginning
  double length = 0;     // seconds
};

struct Chime {
  int sampleRate = 22050;
  double duration = 0;  // seconds; notes are cut at the end
  double peak = 0.6;    // of full scale
  std::vector<ChimeNote> notes;
};

// Two bell-like notes, low then high: the alert of a new spot.
Chime risingChime();
// High then low: no answer from the spot server.
Chime fallingChime();

// A RIFF/WAVE file, 16-bit mono PCM, each note with a soft attack and decay.
std::string renderWave(const Chime& chime);

}  // namespace brivant::tools
