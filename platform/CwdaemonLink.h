#pragma once
// Datagrams to a Morse keyer on the network (cwdaemon) and its answers.
// Nothing here waits: the host name is looked up in the background (the
// datagrams given meanwhile follow, in order, once it is known), a datagram
// is handed to the system at once, and the answers come as signals.  The
// socket is connected to the keyer, so that a port where nothing listens is
// said (the system's "port unreachable") rather than silently ignored.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <vector>

class QHostAddress;
class QUdpSocket;

namespace brivant {

class CwdaemonLink final : public QObject {
  Q_OBJECT

 public:
  explicit CwdaemonLink(QObject* parent = nullptr);
  ~CwdaemonLink() override;

  // The keyer at host:port; a name is looked up in the background, its
  // IPv4 address taken first (cwdaemon listens on IPv4).
  void aim(const QString& host, quint16 port);
  // Sends one datagram, or keeps it until the keyer's address is known.
  void send(const QByteArray& datagram);
  // "host:port" as aimed.
  QString address() const;

 signals:
  // A datagram the keyer sent.
  void datagramReceived(const QByteArray& datagram);
  // The keyer cannot be reached: its name is unknown, nothing listens on its
  // port, the network refuses.
  void failed(const QString& reason);

 private:
  void addressFound(const QHostAddress& address);
  void connectSocket();
  void readAnswers();

  QUdpSocket* socket_ = nullptr;
  QString host_;
  quint16 port_ = 0;
  QString address_;  // the address found for host_, empty until then
  int lookupId_ = -1;
  // Given while the name was looked up.
  std::vector<QByteArray> waiting_;
};

}  // namespace brivant
