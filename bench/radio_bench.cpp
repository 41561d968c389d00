// The main window's event loop while a radio is read back through hamlib, on
// a 10,000-contact log: the longest time one turn of the loop keeps the
// window busy around a reading (the reading handled, the window painted).
// Between two readings the radio stays still (an ordinary reading), moves
// 1 kHz (the readout changes) or changes band and mode (14 025 kHz CW and
// 7 050 kHz LSB in turn: the entry follows it, its grid, Frame3, reports and
// stored choices).  Each iteration tunes the radio, which is then read back
// at once, and its time is its longest turn.  The budget is in
// bench/budgets.txt; bash scripts/bench.sh radio runs it.
//
// hamlib's simulated radio is read in-process (model 1) and behind a rigctld
// started here (Debian libhamlib-utils).

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

#include "app/Composition.h"
#include "bench/support/OffscreenApplication.h"
#include "bench/support/RunningProgram.h"
#include "cluster/HamlibSettings.h"
#include "cluster/ui/RadioControl.h"
#include "core/ui/Main.h"
#include "tests/support/Rigctld.h"

namespace brivant::bench {
namespace {

// The window painted after the reading is handled.
constexpr int SettleMs = 50;
// The period of the timer that measures the turns.
constexpr int TickMs = 1;
// Longest wait for the radio, in the set-up and for one reading.
constexpr int PatienceMs = 5'000;

// The turns of the event loop: a timer fires every millisecond, so the time
// between two of its firings, less that millisecond, is what the loop did
// in between (a reading handled, the window painted).
class TurnClock {
 public:
  TurnClock() {
    tick_.setInterval(TickMs);
    tick_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick_, &QTimer::timeout, [this] {
      const qint64 now = clock_.nsecsElapsed();
      if (last_ >= 0) longestNs_ = std::max(longestNs_, now - last_ - TickMs * 1'000'000);
      last_ = now;
      ++turns_;
    });
    clock_.start();
  }

  // Starts a new measure.
  void start() {
    last_ = -1;
    longestNs_ = 0;
    tick_.start();
  }
  void stop() { tick_.stop(); }
  double longestSeconds() const { return static_cast<double>(longestNs_) / 1e9; }
  long long turns() const { return turns_; }

 private:
  QTimer tick_;
  QElapsedTimer clock_;
  qint64 last_ = -1;
  qint64 longestNs_ = 0;
  long long turns_ = 0;
};

// Runs the event loop until done() holds, then SettleMs more; false when
// done() did not come within PatienceMs.
template <class Done>
bool runUntil(Done done) {
  QElapsedTimer waited;
  waited.start();
  while (!done()) {
    if (waited.elapsed() > PatienceMs) return false;
    QEventLoop loop;
    QTimer::singleShot(5, &loop, &QEventLoop::quit);
    loop.exec();
  }
  QEventLoop loop;
  QTimer::singleShot(SettleMs, &loop, &QEventLoop::quit);
  loop.exec();
  return true;
}

// What the radio does between two readings.
enum Motion : int {
  Still,       // nothing: an ordinary reading, the readout unchanged
  Dial,        // 1 kHz up on the same band: the readout changes
  BandChange,  // 14 025 kHz CW and 7 050 kHz LSB in turn: the entry follows
};

struct Step {
  long long hertz;
  RigMode mode;
  const char* band;  // as Bande_A then shows it
};

Step stepOf(Motion motion, std::size_t n) {
  switch (motion) {
    case Still:
      return {14'025'000, RigMode::Cw, "14 Mhz"};
    case Dial:
      return {14'025'000 + static_cast<long long>(n % 50) * 1'000, RigMode::Cw, "14 Mhz"};
    case BandChange:
      break;
  }
  return n % 2 == 0 ? Step{7'050'000, RigMode::Lsb, "7.0 Mhz"} : Step{14'025'000, RigMode::Cw, "14 Mhz"};
}

void readBack(benchmark::State& state, const HamlibChoice& choice) {
  const auto motion = static_cast<Motion>(state.range(0));
  offscreenApplication();
  RunningProgram program;
  if (!program.start()) {
    state.SkipWithError("the program did not start");
    return;
  }
  Main& window = program.composition->main();
  RadioControl& radio = program.composition->radioControl();
  int readings = 0;
  QObject::connect(&radio.link(), &RadioLink::readingReceived, [&readings] { ++readings; });
  const auto readBackAfter = [&](const Step& step) {
    const int before = readings;
    return radio.link().tune(step.hertz, step.mode) && runUntil([&] { return readings > before; });
  };
  // The radio answering, the entry on its first band.
  if (!radio.use(choice) || !runUntil([&] { return radio.link().state() == RadioLink::State::Answering; }) ||
      !readBackAfter(stepOf(Still, 0))) {
    state.SkipWithError("the radio did not answer");
    return;
  }

  const int boxes = program.dialogs.shown;
  std::size_t n = 0;
  double longest = 0;
  TurnClock turns;
  for (auto _ : state) {
    const Step step = stepOf(motion, n++);
    turns.start();
    const bool readBack = readBackAfter(step);
    turns.stop();
    if (!readBack) {
      state.SkipWithError("the radio was not read back");
      break;
    }
    if (window.Bande_A->currentText() != QLatin1String(step.band)) {
      state.SkipWithError("the entry did not follow the radio");
      break;
    }
    state.SetIterationTime(turns.longestSeconds());
    longest = std::max(longest, turns.longestSeconds());
  }
  state.counters["longest_ms"] = longest * 1e3;
  state.counters["boxes"] = program.dialogs.shown - boxes;
  radio.stop();
}

void BM_ReadBackSimulatedRadio(benchmark::State& state) {
  HamlibChoice choice;
  choice.model = HamlibDummyModel;
  readBack(state, choice);
}

void BM_ReadBackRadioBehindRigctld(benchmark::State& state) {
  offscreenApplication();
  testing::Rigctld rigctld;
  if (testing::Rigctld::program().isEmpty() || !rigctld.start()) {
    state.SkipWithError("rigctld (Debian libhamlib-utils) could not be started");
    return;
  }
  HamlibChoice choice;
  choice.rigctld = true;
  choice.host = "127.0.0.1";
  choice.tcpPort = rigctld.port();
  readBack(state, choice);
}

void motions(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgName("motion")->Arg(Still)->Arg(Dial)->Arg(BandChange);
  benchmark->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(40);
}
BENCHMARK(BM_ReadBackSimulatedRadio)->Apply(motions);
BENCHMARK(BM_ReadBackRadioBehindRigctld)->Apply(motions);

}  // namespace
}  // namespace brivant::bench
