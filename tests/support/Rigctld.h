#pragma once
// hamlib's rigctld with its simulated radio (model 1) on a free port of
// 127.0.0.1, started by the test: a radio on the network that can be made to
// go silent (stop), to hang (pause) and to come back (start again on the same
// port, resume).  And a bridge in front of it that answers the frequency
// with whatever text the test gives, as a broken bridge to a radio would.

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
  // Kills it: the radio stops answering.  A paused one too.
  void stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(5'000);
  }
  // Stops it without closing anything: connections stay open and nothing
  // answers on them, as a radio that hangs.
  void pause() { sendSignal(SIGSTOP); }
  void resume() { sendSignal(SIGCONT); }

  quint16 port() const { return port_; }
  qint64 pid() const { return process_.processId(); }
  // What the network model of hamlib is given.
  std::string address() const { return "127.0.0.1:" + std::to_string(port_); }

 private:
  void sendSignal(int number) {
    if (process_.state() != QProcess::NotRunning) ::kill(static_cast<pid_t>(process_.processId()), number);
  }

  QProcess process_;
  quint16 port_ = 0;
};

// Speaks rigctld's protocol by passing every line to a real rigctld and its
// answers back, except the question for the frequency ("f", or
// "\get_freq"), which it answers itself with the text set.  Runs on the
// test's event loop.
class FrequencyBridge {
 public:
  explicit FrequencyBridge(quint16 rigctldPort) : rigctldPort_(rigctldPort) {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* client = server_.nextPendingConnection()) relay(client);
    });
  }

  void setFrequencyAnswer(QByteArray text) { answer_ = std::move(text); }
  std::string address() const { return "127.0.0.1:" + std::to_string(server_.serverPort()); }
  int frequenciesAnswered() const { return answered_; }

 private:
  void relay(QTcpSocket* client) {
    auto* rigctld = new QTcpSocket(client);
    rigctld->connectToHost(QHostAddress::LocalHost, rigctldPort_);
    QObject::connect(rigctld, &QTcpSocket::readyRead, client, [client, rigctld] { client->write(rigctld->readAll()); });
    QObject::connect(client, &QTcpSocket::readyRead, client, [this, client, rigctld] {
      while (client->canReadLine()) {
        const QByteArray line = client->readLine();
        const QByteArray command = line.trimmed().split(' ').value(0);
        if (command == "f" || command == "\\get_freq") {
          ++answered_;
          client->write(answer_ + '\n');
        } else {
          rigctld->write(line);
        }
      }
    });
    QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
  }

  QTcpServer server_;
  quint16 rigctldPort_;
  QByteArray answer_;
  int answered_ = 0;
};

}  // namespace brivant::testing
