#include "platform/CwdaemonLink.h"

#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkDatagram>
#include <QUdpSocket>

namespace brivant {

namespace {

// An answer of cwdaemon is a few bytes; nothing longer is kept.
constexpr qint64 LongestAnswer = 512;

}  // namespace

CwdaemonLink::CwdaemonLink(QObject* parent) : QObject(parent) {}

CwdaemonLink::~CwdaemonLink() {
  if (lookupId_ >= 0) QHostInfo::abortHostLookup(lookupId_);
}

QString CwdaemonLink::address() const { return host_ + QLatin1Char(':') + QString::number(port_); }

void CwdaemonLink::aim(const QString& host, quint16 port) {
  if (lookupId_ >= 0) QHostInfo::abortHostLookup(lookupId_);
  lookupId_ = -1;
  host_ = host;
  port_ = port;
  address_.clear();
  waiting_.clear();
  if (socket_ != nullptr) {
    socket_->disconnect(this);
    socket_->abort();
    socket_->deleteLater();
    socket_ = nullptr;
  }
  if (QHostAddress literal; literal.setAddress(host)) {
    addressFound(literal);
    return;
  }
  // "localhost" is the loopback whatever the resolver holds (RFC 6761): a
  // machine without "localhost" in /etc/hosts would otherwise ask the DNS.
  if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) {
    addressFound(QHostAddress(QHostAddress::LocalHost));
    return;
  }
  lookupId_ = QHostInfo::lookupHost(host, this, [this](const QHostInfo& info) {
    lookupId_ = -1;
    const QList<QHostAddress> addresses = info.addresses();
    if (info.error() != QHostInfo::NoError || addresses.isEmpty()) {
      waiting_.clear();
      emit failed(info.errorString());
      return;
    }
    QHostAddress chosen = addresses.front();
    for (const QHostAddress& address : addresses) {
      if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        chosen = address;
        break;
      }
    }
    addressFound(chosen);
  });
}

void CwdaemonLink::addressFound(const QHostAddress& address) {
  address_ = address.toString();
  connectSocket();
  std::vector<QByteArray> waiting = std::move(waiting_);
  waiting_.clear();
  for (const QByteArray& datagram : waiting) send(datagram);
}

void CwdaemonLink::connectSocket() {
  socket_ = new QUdpSocket(this);
  connect(socket_, &QUdpSocket::readyRead, this, &CwdaemonLink::readAnswers);
  connect(socket_, &QUdpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
    if (error == QAbstractSocket::TemporaryError) return;  // nothing to read after all
    const QString reason = socket_->errorString();
    // A refused datagram (nothing listens there) leaves the socket as it
    // was; anything that closed it gets a new one for the next datagram.
    if (socket_->state() != QAbstractSocket::ConnectedState) {
      socket_->disconnect(this);
      socket_->deleteLater();
      socket_ = nullptr;
    }
    emit failed(reason);
  });
  // UDP: connected at once, no packet sent.
  socket_->connectToHost(QHostAddress(address_), port_);
}

void CwdaemonLink::send(const QByteArray& datagram) {
  if (address_.isEmpty()) {
    // A name that could not be found is looked up again: the network may
    // be back.
    if (lookupId_ < 0 && !host_.isEmpty()) aim(host_, port_);
    if (lookupId_ >= 0) {
      waiting_.push_back(datagram);
      return;
    }
  }
  if (socket_ == nullptr) connectSocket();
  // A failure says itself through errorOccurred, which may let the socket go.
  (void)socket_->write(datagram);
}

void CwdaemonLink::readAnswers() {
  // Read before asking whether a datagram waits: the question would take
  // the system's report of a refused datagram (nothing listens on the port)
  // away with it, where the read says it (errorOccurred).
  for (;;) {
    QUdpSocket* socket = socket_;
    if (socket == nullptr) return;
    const QNetworkDatagram datagram = socket->receiveDatagram(LongestAnswer);
    if (datagram.isValid()) emit datagramReceived(datagram.data());
    if (socket_ != socket || !socket->hasPendingDatagrams()) return;
  }
}

}  // namespace brivant
