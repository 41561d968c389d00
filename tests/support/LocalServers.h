#pragma once
// Real network endpoints on 127.0.0.1 for tests: a small web server that
// answers from a table of pages (or misbehaves on request) and a telnet
// cluster node that asks for a login and sends what the test gives it.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpSocket>
#include <functional>

class QTcpServer;

namespace brivant::testing {

// A QCoreApplication for the tests that have no window (created once).
void ensureCoreApplication();

// Runs the event loop until done() holds or timeoutMs passed; true when it held.
bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5'000);

class LocalWebServer : public QObject {
 public:
  struct Page {
    int status = 200;
    QByteArray body;
    QByteArray contentType = "text/html";
  };
  enum class Behaviour {
    Answer,       // the page of the path, else 404
    NeverAnswer,  // reads the request and keeps silent
    CloseAtOnce,  // closes the connection without a byte
    Flood,        // a 200 without a length and an endless body, as fast as it is taken
    Drip,         // a 200 without a length and an endless body, one byte every 20 ms
  };
  // A flood stops there, so that a client that keeps everything cannot take
  // the machine's memory with it.
  static constexpr qint64 FloodLimit = 64LL << 20;

  LocalWebServer();
  ~LocalWebServer() override;

  void setPage(const QByteArray& path, Page page) { pages_[path] = std::move(page); }
  void setBehaviour(Behaviour behaviour) { behaviour_ = behaviour; }
  quint16 port() const;
  // "127.0.0.1:port", what the spot server setting holds.
  QString hostAndPort() const;
  QString url(const QByteArray& path) const { return QStringLiteral("http://") + hostAndPort() + QString(path); }
  const QList<QByteArray>& requestedPaths() const { return requested_; }
  // The bytes of answers the clients have taken so far (flood and drip).
  qint64 bytesSent() const { return sent_; }

 private:
  void answer(QTcpSocket* client);
  void pour(QTcpSocket* client);

  QTcpServer* server_;
  QMap<QByteArray, Page> pages_;
  Behaviour behaviour_ = Behaviour::Answer;
  QList<QByteArray> requested_;
  qint64 sent_ = 0;
};

class LocalTelnetNode : public QObject {
 public:
  explicit LocalTelnetNode(QByteArray prompt = "login: ");
  ~LocalTelnetNode() override;

  quint16 port() const;
  int connections() const { return connections_; }
  // The lines the clients sent, in order (the first of each connection is its login).
  const QList<QByteArray>& received() const { return received_; }
  bool hasClient() const { return client_ != nullptr; }
  // Sends bytes to the client connected last, at once.
  void send(const QByteArray& bytes);
  // Closes the connection of the client connected last.
  void drop();

 private:
  QTcpServer* server_;
  QByteArray prompt_;
  QPointer<QTcpSocket> client_;
  QByteArray partial_;
  QList<QByteArray> received_;
  int connections_ = 0;
};

// A port on 127.0.0.1 where nothing listens (connections are refused).
quint16 closedPort();

}  // namespace brivant::testing
