#pragma once
// A radio through hamlib kept away from the windows: connecting, reading its
// frequency and mode every second and tuning it all happen on a thread of
// the link's own, so a radio that is slow or silent never holds an event
// loop.  What the radio says comes back as signals on the owner's thread; a
// radio that stops answering is said silent within pollMs + answerMs and is
// tried again at every turn until it answers.
//
// A hamlib call cannot be interrupted, and one to a radio that hangs (a
// rigctld stopped, a host gone from the network) may take long.  So the link
// never waits long for its thread: when the link goes, the thread is given
// teardownMs to let the radio go, and past that it is left to end on its own
// once its call returns.  It holds nothing of the link (they share only a
// small channel), posts nothing to a link that is gone, and does not keep the
// process alive.

#include <QObject>
#include <memory>
#include <optional>
#include <thread>

#include "platform/HamlibRig.h"

namespace brivant {

// What became of a message given to the radio's own keyer.
struct MorseReport {
  enum class Kind {
    Started,     // the radio took the text
    Ended,       // the radio says it has keyed it (rig_wait_morse)
    Stopped,     // the radio stopped it
    NoKeyer,     // hamlib has no keyer command for this radio
    CannotStop,  // hamlib cannot stop this radio's message
    Failed,      // the radio did not take the command (error says why)
  };
  int id = 0;
  Kind kind = Kind::Failed;
  // Started: an Ended report follows.  Otherwise the end of the message is
  // not known (hamlib cannot wait for it, or waiting would keep a stop from
  // reaching the radio).
  bool endReported = false;
  std::string error;
};

class RadioLink final : public QObject {
  Q_OBJECT

 public:
  enum class State {
    Off,         // no radio chosen
    Connecting,  // the first try is under way
    Answering,   // the last reading came back
    Silent,      // the radio did not answer; it is tried again
  };
  Q_ENUM(State)

  struct Timing {
    int pollMs = 1'000;  // a reading every this many milliseconds
    // A radio silent this long has not answered (hamlib's wait, see HamlibRig).
    int answerMs = HamlibRig::DefaultAnswerMs;
    // How long the link's end may wait for the radio to be let go.
    int teardownMs = 300;
  };

  // Made on the main thread: it keeps the process's numeric locale "C" for
  // hamlib (keepCNumericLocale).
  explicit RadioLink(QObject* parent = nullptr);
  RadioLink(QObject* parent, Timing timing);
  ~RadioLink() override;

  // Connects to the radio and starts the readings; a radio already linked
  // is let go first.  Returns at once.
  void start(const HamlibLink& link);
  // Lets the radio go; the readings stop.  Returns at once.
  void stop();

  bool running() const { return running_; }
  const HamlibLink& link() const { return link_; }
  State state() const { return state_; }
  // The links' threads still running, those left behind to end on their own
  // included (for the tests).
  static int threadsRunning();

  // The last reading of the radio now linked, while it answers.
  const std::optional<RigReading>& lastReading() const { return lastReading_; }
  // What hamlib last said went wrong (for the diagnostics).
  const std::string& lastError() const { return lastError_; }

  // Tunes the radio, after any reading under way, and reads it back at once.
  // False, and nothing sent, when the radio is not answering.
  bool tune(long long hertz, RigMode mode);

  // The radio's own keyer: the text at wpm words per minute, after any
  // reading under way; id comes back in the reports.  False, and nothing
  // sent, when the radio is not answering.
  bool sendMorse(int id, std::string text, int wpm);
  // The message of that id stops.
  void stopMorse(int id);

 signals:
  // Every reading of the radio, on the owner's thread.
  void readingReceived(const brivant::RigReading& reading);
  void stateChanged(brivant::RadioLink::State state);
  // What became of a message given to sendMorse or stopMorse.
  void morseReported(const brivant::MorseReport& report);

 private:
  struct Channel;
  struct Command;
  class Worker;
  void setState(State state);
  void send(Command command);
  // What the worker reports, for the link it was started with.
  void report(int generation, State state, std::optional<RigReading> reading, std::string error);
  void reportMorse(int generation, const MorseReport& report);

  Timing timing_;
  std::shared_ptr<Channel> channel_;
  std::thread thread_;
  HamlibLink link_;
  bool running_ = false;
  int generation_ = 0;
  State state_ = State::Off;
  std::optional<RigReading> lastReading_;
  std::string lastError_;
};

}  // namespace brivant

Q_DECLARE_METATYPE(brivant::RigReading)
Q_DECLARE_METATYPE(brivant::MorseReport)
