#pragma once
// Any radio hamlib knows: its list of models, and one radio driven through
// it, on a serial port or through its network model to a running rigctld.
// The calls block (a radio that does not answer takes hamlib's time-outs):
// RadioLink runs them away from the windows.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brivant {

// One model of hamlib's list.
struct HamlibModel {
  int id = 0;
  std::string maker;
  std::string name;
  bool network = false;   // reached over the network rather than a serial port
  bool needsPort = true;  // false for the models that reach no device (the simulated radio)
  int fastestBaud = 0;    // the highest speed its serial port takes, 0 when none
};

// hamlib's own numbers for its simulated radio and for its network model,
// which talks to a rigctld.
inline constexpr int HamlibDummyModel = 1;
inline constexpr int HamlibNetworkModel = 2;
inline constexpr int DefaultRigctldPort = 4532;

// Every model hamlib knows, sorted by maker then name.
const std::vector<HamlibModel>& hamlibModels();
// The model of a number, or nothing.
const HamlibModel* hamlibModelOf(int id);

// Where a radio is: its model and its serial port and speed, or, for the
// network model, "host:port" of a rigctld.
struct HamlibLink {
  int model = 0;
  std::string port;  // a device path or its system name ("ttyUSB0"); "host:port" over the network
  int baud = 0;      // 0: the model's own speed
  bool operator==(const HamlibLink&) const = default;
};

// The modes a radio is tuned to and reads back; the others come back as
// Other with hamlib's name for them.
enum class RigMode { Other, Lsb, Usb, Cw };

struct RigReading {
  long long hertz = 0;
  RigMode mode = RigMode::Other;
  std::string modeName;  // hamlib's name: "USB", "CW", "FM", ...
  bool operator==(const RigReading&) const = default;
};

// hamlib's network model switches the C library's numeric locale to "C"
// while it opens a link to rigctld and then back to the name it read before,
// which the switch itself has freed, and it does so from whatever thread
// opens the radio.  Called on the main thread before any radio is opened
// elsewhere, this keeps the process's numeric locale "C" for good (the
// program formats its numbers itself or through QLocale), so that hamlib's
// switches change nothing and free nothing.
void keepCNumericLocale();

// The highest frequency a reading may give: beyond it (or below zero, or
// not a number) the radio, or the bridge in front of it, is talking nonsense.
inline constexpr double HighestRigHertz = 300e9;

// One radio.  Not thread-safe: one thread at a time calls it.
class HamlibRig {
 public:
  // A radio silent for answerMs has not answered: hamlib waits no longer for
  // it (the model's own, shorter, wait is kept) and does not ask again.
  static constexpr int DefaultAnswerMs = 600;

  explicit HamlibRig(HamlibLink link, int answerMs = DefaultAnswerMs);
  ~HamlibRig();
  HamlibRig(const HamlibRig&) = delete;
  HamlibRig& operator=(const HamlibRig&) = delete;

  const HamlibLink& link() const { return link_; }

  // Opens the port and greets the radio; false (with lastError) when the
  // model is unknown, the port absent or the radio silent.
  bool open();
  bool isOpen() const { return open_; }
  void close();

  // The frequency and mode of the radio; nothing when it did not answer or
  // gave a frequency no radio has (see HighestRigHertz).
  std::optional<RigReading> read();
  // Tunes to the frequency and mode; false when the radio did not take it.
  bool tune(long long hertz, RigMode mode);

  // The radio's own keyer.  Done; Unavailable when the backend (or the
  // radio behind rigctld) has no such command; Failed when the radio did not
  // take it (lastError says why).
  enum class MorseResult { Done, Unavailable, Failed };
  // The speed in words per minute where the radio takes one, then the text.
  MorseResult sendMorse(const std::string& text, int wpm);
  // The text being keyed stops.
  MorseResult stopMorse();
  // Returns once the radio has keyed the text (it holds the caller as long).
  MorseResult waitMorse();
  // Whether the backend has these commands at all (a radio behind rigctld
  // may still answer that it has not).
  bool hasStopMorse() const;
  bool hasWaitMorse() const;

  const std::string& lastError() const { return lastError_; }

 private:
  bool fail(int code);
  MorseResult morseResult(int code);
  int boundWaits();

  struct Handle;
  HamlibLink link_;
  int answerMs_;
  std::unique_ptr<Handle> handle_;
  bool open_ = false;
  std::string lastError_;
};

}  // namespace brivant
