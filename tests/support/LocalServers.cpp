#include "tests/support/LocalServers.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

namespace brivant::testing {

void ensureCoreApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "brivant_tests";
  static char* argv[] = {name, nullptr};
  new QCoreApplication(argc, argv);  // lives as long as the test program
}

bool waitUntil(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(1);
  }
  return true;
}

LocalWebServer::LocalWebServer() : server_(new QTcpServer(this)) {
  server_->listen(QHostAddress::LocalHost, 0);
  connect(server_, &QTcpServer::newConnection, this, [this] {
    while (QTcpSocket* client = server_->nextPendingConnection()) {
      client->setParent(this);
      if (behaviour_ == Behaviour::CloseAtOnce) {
        client->disconnectFromHost();
        continue;
      }
      connect(client, &QTcpSocket::readyRead, this, [this, client] { answer(client); });
    }
  });
}

LocalWebServer::~LocalWebServer() = default;

quint16 LocalWebServer::port() const { return server_->serverPort(); }

QString LocalWebServer::hostAndPort() const { return QStringLiteral("127.0.0.1:%1").arg(port()); }

void LocalWebServer::answer(QTcpSocket* client) {
  // The request so far is kept on the socket until its blank line arrives.
  QByteArray request = client->property("request").toByteArray() + client->readAll();
  client->setProperty("request", request);
  if (!request.contains("\r\n\r\n") || client->property("answered").toBool()) return;
  client->setProperty("answered", true);
  const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
  const QByteArray path = words.size() >= 2 ? words[1] : QByteArray();
  requested_.append(path);
  if (behaviour_ == Behaviour::NeverAnswer) return;
  if (behaviour_ == Behaviour::Flood || behaviour_ == Behaviour::Drip) {
    pour(client);
    return;
  }
  const auto found = pages_.constFind(path);
  const Page page = found != pages_.constEnd() ? *found : Page{404, "<HTML>not found</HTML>", "text/html"};
  QByteArray reply = "HTTP/1.1 " + QByteArray::number(page.status) + (page.status == 200 ? " OK" : " Not Found") +
                     "\r\nContent-Type: " + page.contentType +
                     "\r\nContent-Length: " + QByteArray::number(page.body.size()) + "\r\nConnection: close\r\n\r\n" +
                     page.body;
  client->write(reply);
  client->disconnectFromHost();
}

void LocalWebServer::pour(QTcpSocket* client) {
  client->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n<table>\n");
  connect(client, &QTcpSocket::bytesWritten, this, [this](qint64 written) { sent_ += written; });
  if (behaviour_ == Behaviour::Drip) {
    auto* drip = new QTimer(client);
    connect(drip, &QTimer::timeout, client, [client] { client->write("x"); });
    drip->start(20);
    return;
  }
  // A quarter of a megabyte waits in the socket at any time.
  static const QByteArray chunk(256 * 1024, 'x');
  const auto more = [this, client] {
    if (client->state() != QAbstractSocket::ConnectedState) return;
    if (sent_ + client->bytesToWrite() >= FloodLimit) {
      client->disconnectFromHost();
      return;
    }
    if (client->bytesToWrite() < chunk.size()) client->write(chunk);
  };
  connect(client, &QTcpSocket::bytesWritten, this, more);
  more();
}

LocalTelnetNode::LocalTelnetNode(QByteArray prompt) : server_(new QTcpServer(this)), prompt_(std::move(prompt)) {
  server_->listen(QHostAddress::LocalHost, 0);
  connect(server_, &QTcpServer::newConnection, this, [this] {
    while (QTcpSocket* client = server_->nextPendingConnection()) {
      client->setParent(this);
      ++connections_;
      client_ = client;
      partial_.clear();
      connect(client, &QTcpSocket::readyRead, this, [this, client] {
        partial_ += client->readAll();
        qsizetype end;
        while ((end = partial_.indexOf('\n')) >= 0) {
          QByteArray line = partial_.left(end);
          partial_.remove(0, end + 1);
          if (line.endsWith('\r')) line.chop(1);
          received_.append(line);
        }
      });
      client->write("Hello, this is a test node\r\n" + prompt_);
    }
  });
}

LocalTelnetNode::~LocalTelnetNode() = default;

quint16 LocalTelnetNode::port() const { return server_->serverPort(); }

void LocalTelnetNode::send(const QByteArray& bytes) {
  if (client_ == nullptr) return;
  client_->write(bytes);
  client_->flush();
}

void LocalTelnetNode::drop() {
  if (client_ == nullptr) return;
  client_->disconnectFromHost();
  client_ = nullptr;
}

quint16 closedPort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  const quint16 port = probe.serverPort();
  probe.close();
  return port;
}

}  // namespace brivant::testing
