#pragma once
// hamlib's rigctld with its simulated radio (model 1) on a free port of
// 127.0.0.1, started by the test: a radio on the network that can be made to
// go silent (stop), to hang (pause) and to come back (start again on the same
// port, resume).  And a bridge in front of it that keeps what the program
// sends and answers some commands itself: the frequency with whatever text
// the test gives, as a broken bridge to a radio would, or the keyer as a
// radio without one.

#include <QHostAddress>
#include <QList>
#include <QMap>
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
// answers back, except the commands the test answers itself (by their first
// word, "f" or "\get_freq" for instance, with the text set); it keeps every
// line it was sent.  Runs on the test's event loop.
class RigctldBridge {
 public:
  explicit RigctldBridge(quint16 rigctldPort) : rigctldPort_(rigctldPort) {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* client = server_.nextPendingConnection()) relay(client);
    });
  }

  // The command (its first word) is answered with the text, a line end
  // added, instead of going to rigctld.
  void answer(const QByteArray& command, QByteArray text) { answers_[command] = std::move(text); }
  std::string address() const { return "127.0.0.1:" + std::to_string(server_.serverPort()); }
  quint16 port() const { return server_.serverPort(); }
  // How many times the bridge answered the command itself.
  int answered(const QByteArray& command) const { return answered_.value(command); }
  // Every line the program sent, without its line end.
  const QList<QByteArray>& lines() const { return lines_; }

 private:
  void relay(QTcpSocket* client) {
    auto* rigctld = new QTcpSocket(client);
    rigctld->connectToHost(QHostAddress::LocalHost, rigctldPort_);
    QObject::connect(rigctld, &QTcpSocket::readyRead, client, [client, rigctld] { client->write(rigctld->readAll()); });
    QObject::connect(client, &QTcpSocket::readyRead, client, [this, client, rigctld] {
      while (client->canReadLine()) {
        const QByteArray line = client->readLine();
        lines_.push_back(line.trimmed());
        const QByteArray command = line.trimmed().split(' ').value(0);
        if (const auto found = answers_.constFind(command); found != answers_.constEnd()) {
          ++answered_[command];
          client->write(found.value() + '\n');
        } else {
          rigctld->write(line);
        }
      }
    });
    QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
  }

  QTcpServer server_;
  quint16 rigctldPort_;
  QMap<QByteArray, QByteArray> answers_;
  QMap<QByteArray, int> answered_;
  QList<QByteArray> lines_;
};

// A bridge that answers the question for the frequency ("f", or
// "\get_freq") with the text set, as a broken bridge to a radio would.
class FrequencyBridge : public RigctldBridge {
 public:
  using RigctldBridge::RigctldBridge;
  void setFrequencyAnswer(const QByteArray& text) {
    answer("f", text);
    answer("\\get_freq", text);
  }
  int frequenciesAnswered() const { return answered("f") + answered("\\get_freq"); }
};

}  // namespace brivant::testing
