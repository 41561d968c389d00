#include "platform/RadioLink.h"

#include <QThread>
#include <QTimer>

#include "platform/Diagnostics.h"

namespace brivant {

// Lives on the link's thread and makes every hamlib call there.  Each start
// carries a generation number, so that what an earlier radio reports after a
// new start is dropped.
class RadioLink::Worker final : public QObject {
 public:
  Worker(RadioLink* owner, Timing timing) : owner_(owner), timing_(timing) {}

  // Called on the worker's thread once it runs.
  void setUp() {
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    QObject::connect(timer_, &QTimer::timeout, this, [this] { turn(); });
  }

  void begin(int generation, const HamlibLink& link) {
    end();
    generation_ = generation;
    rig_ = std::make_unique<HamlibRig>(link);
    turn();
  }

  void end() {
    if (timer_ != nullptr) timer_->stop();
    rig_.reset();
  }

  void tune(int generation, long long hertz, RigMode mode) {
    if (generation != generation_ || rig_ == nullptr || !rig_->isOpen()) return;
    if (!rig_->tune(hertz, mode)) {
      goSilent();
      return;
    }
    // The new frequency shows at once rather than at the next turn.
    timer_->stop();
    turn();
  }

 private:
  // One turn: (re)connect when needed, read, and come back after pollMs.
  void turn() {
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
    send(State::Answering, std::move(reading));
    timer_->start(timing_.pollMs);
  }

  // The radio is let go and tried again, from the start, next turn: a
  // rigctld that came back or a cable put back in answers a new connection.
  void goSilent() {
    std::string error = rig_->lastError();
    rig_->close();
    send(State::Silent, std::nullopt, std::move(error));
    timer_->start(timing_.pollMs);
  }

  void send(State state, std::optional<RigReading> reading, std::string error = {}) {
    QMetaObject::invokeMethod(
        owner_,
        [owner = owner_, generation = generation_, state, reading = std::move(reading), error = std::move(error)] {
          owner->report(generation, state, reading, error);
        },
        Qt::QueuedConnection);
  }

  RadioLink* owner_;
  Timing timing_;
  QTimer* timer_ = nullptr;
  std::unique_ptr<HamlibRig> rig_;
  int generation_ = 0;
};

RadioLink::RadioLink(QObject* parent) : RadioLink(parent, Timing{}) {}

RadioLink::RadioLink(QObject* parent, Timing timing)
    : QObject(parent), timing_(timing), thread_(new QThread(this)), worker_(new Worker(this, timing)) {
  qRegisterMetaType<RigReading>();
  keepCNumericLocale();
  thread_->setObjectName(QStringLiteral("RadioLink"));
  worker_->moveToThread(thread_);
  thread_->start();
  QMetaObject::invokeMethod(
      worker_, [worker = worker_] { worker->setUp(); }, Qt::QueuedConnection);
}

RadioLink::~RadioLink() {
  // The worker goes on its own thread, after any call to the radio under way.
  QMetaObject::invokeMethod(
      worker_, [worker = worker_] { delete worker; }, Qt::BlockingQueuedConnection);
  thread_->quit();
  thread_->wait();
}

void RadioLink::start(const HamlibLink& link) {
  link_ = link;
  running_ = true;
  lastReading_.reset();
  lastError_.clear();
  const int generation = ++generation_;
  setState(State::Connecting);
  QMetaObject::invokeMethod(
      worker_, [worker = worker_, generation, link] { worker->begin(generation, link); }, Qt::QueuedConnection);
}

void RadioLink::stop() {
  running_ = false;
  ++generation_;
  lastReading_.reset();
  QMetaObject::invokeMethod(
      worker_, [worker = worker_] { worker->end(); }, Qt::QueuedConnection);
  setState(State::Off);
}

bool RadioLink::tune(long long hertz, RigMode mode) {
  if (!running_ || state_ != State::Answering) return false;
  QMetaObject::invokeMethod(
      worker_, [worker = worker_, generation = generation_, hertz, mode] { worker->tune(generation, hertz, mode); },
      Qt::QueuedConnection);
  return true;
}

void RadioLink::setState(State state) {
  if (state == state_) return;
  state_ = state;
  emit stateChanged(state);
}

void RadioLink::report(int generation, State state, std::optional<RigReading> reading, std::string error) {
  if (generation != generation_ || !running_) return;
  if (state == State::Silent) {
    // Once per silence, not at every try.
    if (state_ != State::Silent) Diagnostics::deviceError("the radio does not answer: " + error);
    lastError_ = std::move(error);
    lastReading_.reset();
  }
  setState(state);
  if (reading) {
    lastReading_ = *reading;
    emit readingReceived(*reading);
  }
}

}  // namespace brivant
