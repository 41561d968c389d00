#pragma once
// Debian's cwdaemon, the Morse keyer of a serial or parallel port, started
// by the test on a free UDP port of its own with its "null" device (no port
// keyed) and no sound: it keys nothing, but takes its requests and answers
// them as it does with a radio behind it.  It ends with the test that
// started it, even one that aborts.  And a UDP socket of the test in its
// place, to see the program's datagrams byte for byte.

#include <QElapsedTimer>
#include <QHostAddress>
#include <QNetworkDatagram>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QUdpSocket>
#include <algorithm>
#include <csignal>
#include <vector>

#include <sys/prctl.h>

namespace brivant::testing {

class CwdaemonProcess {
 public:
  CwdaemonProcess() {
    QUdpSocket probe;
    if (probe.bind(QHostAddress::LocalHost, 0)) port_ = probe.localPort();
  }
  ~CwdaemonProcess() { stop(); }
  CwdaemonProcess(const CwdaemonProcess&) = delete;
  CwdaemonProcess& operator=(const CwdaemonProcess&) = delete;

  // cwdaemon is installed in sbin, which a user's PATH may lack.
  static QString program() {
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("cwdaemon"));
    if (!onPath.isEmpty()) return onPath;
    return QStandardPaths::findExecutable(QStringLiteral("cwdaemon"),
                                          {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin")});
  }

  // Starts it in the foreground and waits until it answers a request of its
  // own; false when it does not.
  bool start() {
    if (program().isEmpty() || port_ == 0) return false;
    process_.setProgram(program());
    process_.setArguments({"--nofork", "--cwdevice", "null", "--system", "n", "--port", QString::number(port_)});
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(QProcess::nullDevice());
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process_.start();
    if (!process_.waitForStarted(5'000)) return false;
    // Until it listens, the request is refused: asked again every 200 ms.
    for (int i = 0; i < 25; ++i) {
      QUdpSocket client;
      client.connectToHost(QHostAddress::LocalHost, port_);
      client.write("\033260");
      client.write("\033hready");
      client.write("E");
      QElapsedTimer waited;
      waited.start();
      while (waited.elapsed() < 200 && client.waitForReadyRead(static_cast<int>(200 - waited.elapsed())))
        if (client.receiveDatagram(64).data() == "hready\r\n") return true;
      QThread::msleep(static_cast<unsigned long>(std::max<qint64>(0, 200 - waited.elapsed())));
    }
    return false;
  }
  void stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(5'000);
  }

  quint16 port() const { return port_; }

 private:
  QProcess process_;
  quint16 port_ = 0;
};

// A UDP socket on 127.0.0.1 in cwdaemon's place: it keeps every datagram
// and answers the "reply when done" of a message when told to.
class FakeCwdaemon {
 public:
  FakeCwdaemon() {
    socket_.bind(QHostAddress::LocalHost, 0);
    QObject::connect(&socket_, &QUdpSocket::readyRead, [this] {
      while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket_.receiveDatagram();
        received.push_back(datagram.data());
        sender_ = datagram.senderAddress();
        senderPort_ = static_cast<quint16>(datagram.senderPort());
      }
    });
  }
  quint16 port() const { return socket_.localPort(); }
  void reply(const QByteArray& answer) { socket_.writeDatagram(answer, sender_, senderPort_); }
  std::vector<QByteArray> received;

 private:
  QUdpSocket socket_;
  QHostAddress sender_;
  quint16 senderPort_ = 0;
};

}  // namespace brivant::testing
