// Writes the two alert sounds.
//   make_chimes <ringin.wav> <ringout.wav>

#include "tools/ToolFiles.h"
#include "tools/WaveChime.h"

int main(int argc, char** argv) {
  using namespace brivant::tools;
  return runGenerator(argc, argv, 2, "<ringin.wav> <ringout.wav>", [](char** args) {
    // No answer from the spot server: a falling chime; a spot alert: rising.
    writeWholeFile(args[0], renderWave(fallingChime()));
    writeWholeFile(args[1], renderWave(risingChime()));
  });
}
