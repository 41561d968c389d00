// The key press to the first datagram: F1 pressed in the main window (the
// program put together, a 10,000-contact log) until the first datagram of
// its message is in the socket of the keyer, a UDP socket of this benchmark
// on 127.0.0.1 standing for cwdaemon.  Each iteration times that; the
// message is then stopped with Escape and its datagrams read, untimed.
// Budget: 5 ms.
//
//   build/test/bench/keyer_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QKeyEvent>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <string>

#include "bench/support/OffscreenApplication.h"
#include "bench/support/RunningProgram.h"
#include "cluster/ui/CwKeyer.h"
#include "core/ui/Main.h"

namespace brivant::bench {
namespace {

// Longest wait for a datagram.
constexpr int PatienceMs = 2'000;

void press(QWidget* field, Qt::Key key) {
  QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(field, &down);
  QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
  QCoreApplication::sendEvent(field, &up);
}

// Reads every datagram that comes within a few milliseconds.
int drain(QUdpSocket& keyer) {
  int read = 0;
  while (keyer.waitForReadyRead(5))
    while (keyer.hasPendingDatagrams()) {
      keyer.receiveDatagram();
      ++read;
    }
  return read;
}

void BM_KeyPressToFirstDatagram(benchmark::State& state) {
  offscreenApplication();
  QUdpSocket keyer;
  if (!keyer.bind(QHostAddress::LocalHost, 0)) {
    state.SkipWithError("no UDP port for the keyer");
    return;
  }
  RunningProgram program;
  (void)program.store.save("ZIV", "Setup ", "Manipulateur", "1");
  (void)program.store.save("ZIV", "Setup ", "Manipulateur Hote", "127.0.0.1");
  (void)program.store.save("ZIV", "Setup ", "Manipulateur Port", std::to_string(keyer.localPort()));
  if (!program.start()) {
    state.SkipWithError("the program did not start");
    return;
  }
  Main& window = program.composition->main();
  CwKeyer& cw = program.composition->cwKeyer();
  QWidget* field = window.Mode_A;  // where the entry waits at start-up

  long long datagrams = 0;
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    press(field, Qt::Key_F1);
    if (!keyer.hasPendingDatagrams() && !keyer.waitForReadyRead(PatienceMs)) {
      state.SkipWithError("no datagram came");
      break;
    }
    state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    if (!cw.sending()) {
      state.SkipWithError("the message is not being sent");
      break;
    }
    press(field, Qt::Key_Escape);
    datagrams += drain(keyer);
  }
  // Speed, reply request, text and the abort of each message.
  state.counters["datagrams_per_press"] =
      benchmark::Counter(static_cast<double>(datagrams), benchmark::Counter::kAvgIterations);
}

BENCHMARK(BM_KeyPressToFirstDatagram)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(200);

}  // namespace
}  // namespace brivant::bench
