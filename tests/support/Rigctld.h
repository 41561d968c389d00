#pragma once
// hamlib's rigctld with its simulated radio (model 1) on a free port of
// 127.0.0.1, started by the test: a radio on the network that can be made to
// go silent (stop) and to come back (start again on the same port).

#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <csignal>
#include <string>

#include <sys/prctl.h>

namespace brivant::testing {

class Rigctld {
 public:
  Rigctld() {
    QTcpServer probe;
    if (probe.listen(QHostAddress::LocalHost, 0)) port_ = probe.serverPort();
  }
  ~Rigctld() { stop(); }
  Rigctld(const Rigctld&) = delete;
  Rigctld& operator=(const Rigctld&) = delete;

  static QString program() { return QStandardPaths::findExecutable(QStringLiteral("rigctld")); }

  // Starts it and waits until it takes connections; false when it does not.
  bool start() {
    if (program().isEmpty() || port_ == 0) return false;
    process_.setProgram(program());
    process_.setArguments({"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port_)});
    // A test that aborts leaves no rigctld behind: it ends with the test.
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process_.start();
    if (!process_.waitForStarted(5'000)) return false;
    for (int i = 0; i < 200; ++i) {
      QTcpSocket probe;
      probe.connectToHost(QHostAddress::LocalHost, port_);
      if (probe.waitForConnected(50)) return true;
      QThread::msleep(25);
    }
    return false;
  }
  // Kills it: the radio stops answering.
  void stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(5'000);
  }

  quint16 port() const { return port_; }
  // What the network model of hamlib is given.
  std::string address() const { return "127.0.0.1:" + std::to_string(port_); }

 private:
  QProcess process_;
  quint16 port_ = 0;
};

}  // namespace brivant::testing
