#include "platform/RadioLink.h"

#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/Diagnostics.h"

namespace brivant {

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<int> runningThreads{0};

}  // namespace

// What the link asks of its thread.
struct RadioLink::Command {
  enum class Kind { Begin, End, Tune, SendMorse, StopMorse } kind;
  int generation = 0;
  HamlibLink link{};    // Begin
  long long hertz = 0;  // Tune
  RigMode mode = RigMode::Other;
  int morseId = 0;  // SendMorse, StopMorse
  std::string text{};
  int wpm = 0;
};

// All the link and its thread share; the thread keeps it after the link is
// gone.  `owner` is cleared, under the mutex, by the link's end: the thread
// posts to the link only under the mutex and while it is set.
struct RadioLink::Channel {
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<Command> commands;
  RadioLink* owner = nullptr;
  bool quit = false;   // the link is gone: let the radio go and end
  bool ended = false;  // the thread let the radio go and is ending
};

// Runs on the link's thread and makes every hamlib call there.  Each start
// carries a generation number, so that what an earlier radio reports after a
// new start is dropped.
class RadioLink::Worker {
 public:
  Worker(std::shared_ptr<Channel> channel, Timing timing) : channel_(std::move(channel)), timing_(timing) {}

  void run() {
    std::unique_lock lock(channel_->mutex);
    while (!channel_->quit) {
      if (!channel_->commands.empty()) {
        Command command = std::move(channel_->commands.front());
        channel_->commands.pop_front();
        lock.unlock();
        obey(command);
        lock.lock();
      } else if (nextTurn_ && Clock::now() >= *nextTurn_) {
        lock.unlock();
        turn();
        lock.lock();
      } else if (nextTurn_) {
        channel_->changed.wait_until(lock, *nextTurn_);
      } else {
        channel_->changed.wait(lock);
      }
    }
    lock.unlock();
    rig_.reset();
    lock.lock();
    channel_->ended = true;
    channel_->changed.notify_all();
  }

 private:
  void obey(const Command& command) {
    switch (command.kind) {
      case Command::Kind::Begin:
        nextTurn_.reset();
        rig_.reset();
        generation_ = command.generation;
        rig_ = std::make_unique<HamlibRig>(command.link, timing_.answerMs);
        turn();
        break;
      case Command::Kind::End:
        nextTurn_.reset();
        rig_.reset();
        break;
      case Command::Kind::Tune:
        if (command.generation != generation_ || rig_ == nullptr || !rig_->isOpen()) return;
        if (!rig_->tune(command.hertz, command.mode)) {
          goSilent();
          return;
        }
        // The new frequency shows at once rather than at the next turn.
        turn();
        break;
      case Command::Kind::SendMorse:
        sendMorse(command);
        break;
      case Command::Kind::StopMorse:
        stopMorse(command);
        break;
    }
  }

  bool keyerReady(const Command& command) {
    if (command.generation == generation_ && rig_ != nullptr && rig_->isOpen()) return true;
    postMorse({command.morseId, MorseReport::Kind::Failed, false, "the radio is not answering"});
    return false;
  }

  // The report of a keyer command: done, or as hamlib said (its reason kept).
  void reportMorse(const Command& command, HamlibRig::MorseResult result, MorseReport::Kind done,
                   MorseReport::Kind unavailable, bool endReported = false) {
    switch (result) {
      case HamlibRig::MorseResult::Done:
        postMorse({command.morseId, done, endReported, {}});
        break;
      case HamlibRig::MorseResult::Unavailable:
        postMorse({command.morseId, unavailable, false, rig_->lastError()});
        break;
      case HamlibRig::MorseResult::Failed:
        postMorse({command.morseId, MorseReport::Kind::Failed, false, rig_->lastError()});
        break;
    }
  }

  // The radio's own keyer.  rig_wait_morse holds this thread until the text
  // is keyed, so that a stop could only follow the end: the end is waited
  // for only when the radio cannot be stopped anyway.
  void sendMorse(const Command& command) {
    if (!keyerReady(command)) return;
    const HamlibRig::MorseResult sent = rig_->sendMorse(command.text, command.wpm);
    const bool waits = sent == HamlibRig::MorseResult::Done && rig_->hasWaitMorse() && !rig_->hasStopMorse();
    reportMorse(command, sent, MorseReport::Kind::Started, MorseReport::Kind::NoKeyer, waits);
    if (waits) reportMorse(command, rig_->waitMorse(), MorseReport::Kind::Ended, MorseReport::Kind::Ended);
  }

  void stopMorse(const Command& command) {
    if (!keyerReady(command)) return;
    reportMorse(command, rig_->stopMorse(), MorseReport::Kind::Stopped, MorseReport::Kind::CannotStop);
  }

  // One turn: (re)connect when needed, read, and come back after pollMs.
  void turn() {
    nextTurn_.reset();
    if (rig_ == nullptr) return;
    if (!rig_->isOpen() && !rig_->open()) {
      goSilent();
      return;
    }
    std::optional<RigReading> reading = rig_->read();
    if (!reading) {
      goSilent();
      return;
    }
    post(State::Answering, std::move(reading));
    comeBackLater();
  }

  // Said at once; then the radio is let go (which may wait on it again) and
  // tried again, from the start, next turn: a rigctld that came back or a
  // cable put back in answers a new connection.
  void goSilent() {
    post(State::Silent, std::nullopt, rig_->lastError());
    rig_->close();
    comeBackLater();
  }

  void comeBackLater() { nextTurn_ = Clock::now() + std::chrono::milliseconds(timing_.pollMs); }

  // Hands a call to the link, on its thread, with the generation of the
  // radio it is about; nothing once the link is gone.
  template <class Call>
  void postToOwner(Call call) {
    std::lock_guard lock(channel_->mutex);
    if (channel_->owner == nullptr) return;
    QMetaObject::invokeMethod(
        channel_->owner,
        [owner = channel_->owner, generation = generation_, call = std::move(call)] { call(*owner, generation); },
        Qt::QueuedConnection);
  }

  void post(State state, std::optional<RigReading> reading, std::string error = {}) {
    postToOwner([state, reading = std::move(reading), error = std::move(error)](RadioLink& owner, int generation) {
      owner.report(generation, state, reading, error);
    });
  }

  void postMorse(MorseReport report) {
    postToOwner(
        [report = std::move(report)](RadioLink& owner, int generation) { owner.reportMorse(generation, report); });
  }

  std::shared_ptr<Channel> channel_;
  Timing timing_;
  std::unique_ptr<HamlibRig> rig_;
  std::optional<Clock::time_point> nextTurn_;
  int generation_ = 0;
};

RadioLink::RadioLink(QObject* parent) : RadioLink(parent, Timing{}) {}

RadioLink::RadioLink(QObject* parent, Timing timing)
    : QObject(parent), timing_(timing), channel_(std::make_shared<Channel>()) {
  qRegisterMetaType<RigReading>();
  qRegisterMetaType<MorseReport>();
  keepCNumericLocale();
  channel_->owner = this;
  ++runningThreads;
  thread_ = std::thread([channel = channel_, timing] {
    Worker(channel, timing).run();
    --runningThreads;
  });
}

RadioLink::~RadioLink() {
  bool ended = false;
  {
    std::unique_lock lock(channel_->mutex);
    channel_->owner = nullptr;
    channel_->quit = true;
    channel_->changed.notify_all();
    ended = channel_->changed.wait_for(lock, std::chrono::milliseconds(timing_.teardownMs),
                                       [this] { return channel_->ended; });
  }
  if (ended) {
    thread_.join();
    return;
  }
  // The radio holds the thread in a call: it ends on its own when the call
  // returns, and the program does not wait for it.
  Diagnostics::deviceError("the radio did not let go within " + std::to_string(timing_.teardownMs) +
                           " ms; its thread is left to end on its own");
  thread_.detach();
}

int RadioLink::threadsRunning() { return runningThreads.load(); }

void RadioLink::send(Command command) {
  std::lock_guard lock(channel_->mutex);
  channel_->commands.push_back(std::move(command));
  channel_->changed.notify_all();
}

void RadioLink::start(const HamlibLink& link) {
  link_ = link;
  running_ = true;
  lastReading_.reset();
  lastError_.clear();
  const int generation = ++generation_;
  setState(State::Connecting);
  send({Command::Kind::Begin, generation, link});
}

void RadioLink::stop() {
  running_ = false;
  ++generation_;
  lastReading_.reset();
  send({Command::Kind::End, generation_, {}});
  setState(State::Off);
}

bool RadioLink::tune(long long hertz, RigMode mode) {
  if (!running_ || state_ != State::Answering) return false;
  send({Command::Kind::Tune, generation_, {}, hertz, mode});
  return true;
}

bool RadioLink::sendMorse(int id, std::string text, int wpm) {
  if (!running_ || state_ != State::Answering) return false;
  Command command{Command::Kind::SendMorse, generation_};
  command.morseId = id;
  command.text = std::move(text);
  command.wpm = wpm;
  send(std::move(command));
  return true;
}

void RadioLink::stopMorse(int id) {
  if (!running_) return;
  Command command{Command::Kind::StopMorse, generation_};
  command.morseId = id;
  send(std::move(command));
}

void RadioLink::reportMorse(int generation, const MorseReport& report) {
  if (generation != generation_ || !running_) return;
  emit morseReported(report);
}

void RadioLink::setState(State state) {
  if (state == state_) return;
  state_ = state;
  emit stateChanged(state);
}

namespace {

// The radio as the diagnostics name it: hamlib's model number and where it is.
QString radioName(const HamlibLink& link) {
  QString name = QStringLiteral("radio (hamlib model %1").arg(link.model);
  if (!link.port.empty()) name += QStringLiteral(", ") + QString::fromStdString(link.port);
  return name + QLatin1Char(')');
}

}  // namespace

void RadioLink::report(int generation, State state, std::optional<RigReading> reading, std::string error) {
  if (generation != generation_ || !running_) return;
  if (state == State::Silent) {
    // Once per silence, not at every try.
    if (state_ != State::Silent)
      qCWarning(brivantRadio).noquote() << radioName(link_) << "does not answer:" << QString::fromStdString(error);
    lastError_ = std::move(error);
    lastReading_.reset();
  }
  if (state == State::Answering && state_ == State::Connecting)
    qCInfo(brivantRadio).noquote() << radioName(link_) << "linked";
  else if (state == State::Answering && state_ == State::Silent)
    qCInfo(brivantRadio).noquote() << radioName(link_) << "answers again";
  if (reading)
    qCDebug(brivantRadio).noquote() << radioName(link_) << "reads" << reading->hertz << "Hz"
                                    << QString::fromStdString(reading->modeName);
  setState(state);
  if (reading) {
    lastReading_ = *reading;
    emit readingReceived(*reading);
  }
}

}  // namespace brivant
