#include "platform/ClusterFeed.h"

#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

#include "platform/Diagnostics.h"

namespace brivant {

namespace {

constexpr unsigned char Iac = 255;
constexpr unsigned char SubnegotiationBegin = 250;
constexpr unsigned char SubnegotiationEnd = 240;
constexpr unsigned char Will = 251;
constexpr unsigned char Dont = 254;
// A node that never ends its line is not allowed to fill the memory.
constexpr qsizetype LongestLine = 64 * 1024;

}  // namespace

bool asksForLogin(const QByteArray& text) {
  qsizetype end = text.size();
  while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\r' || text[end - 1] == '\t')) --end;
  return end > 0 && text[end - 1] == ':';
}

ClusterFeed::ClusterFeed(QObject* parent) : ClusterFeed(parent, Timing{}) {}

ClusterFeed::ClusterFeed(QObject* parent, Timing timing)
    : QObject(parent),
      timing_(timing),
      retryTimer_(new QTimer(this)),
      connectTimer_(new QTimer(this)),
      retryDelayMs_(timing.firstRetryMs) {
  retryTimer_->setSingleShot(true);
  connectTimer_->setSingleShot(true);
  connect(retryTimer_, &QTimer::timeout, this, [this] {
    retryDelayMs_ = std::min(retryDelayMs_ * 2, timing_.maxRetryMs);
    qCInfo(brivantCluster).noquote() << "telnet node" << nodeName() << "tried again";
    connectNow();
  });
  connect(connectTimer_, &QTimer::timeout, this, &ClusterFeed::connectionLost);
}

ClusterFeed::~ClusterFeed() { stop(); }

void ClusterFeed::start(const QString& host, quint16 port, const QByteArray& login) {
  stop();
  host_ = host;
  port_ = port;
  login_ = login;
  connectNow();
}

void ClusterFeed::stop() {
  retryTimer_->stop();
  connectTimer_->stop();
  if (socket_ != nullptr) {
    socket_->disconnect(this);
    socket_->abort();
    socket_->deleteLater();
    socket_ = nullptr;
  }
  retryDelayMs_ = timing_.firstRetryMs;
  setState(State::Stopped);
}

bool ClusterFeed::sendLine(const QByteArray& line) {
  if (state_ != State::LoggedIn || socket_ == nullptr || line.contains('\n') || line.contains('\r')) return false;
  return socket_->write(line + "\r\n") == line.size() + 2;
}

void ClusterFeed::setState(State state) {
  if (state == state_) return;
  state_ = state;
  emit stateChanged(state);
}

void ClusterFeed::connectNow() {
  pending_.clear();
  telnetCommand_.clear();
  loginSent_ = false;
  connectedFor_.invalidate();
  socket_ = new QTcpSocket(this);
  connect(socket_, &QTcpSocket::connected, this, [this] {
    connectTimer_->stop();
    connectedFor_.start();
    qCInfo(brivantCluster).noquote() << "telnet node" << nodeName() << "connected";
    setState(State::Connected);
  });
  connect(socket_, &QTcpSocket::readyRead, this, &ClusterFeed::readAvailable);
  connect(socket_, &QTcpSocket::disconnected, this, &ClusterFeed::connectionLost);
  connect(socket_, &QTcpSocket::errorOccurred, this, &ClusterFeed::connectionLost);
  setState(State::Connecting);
  connectTimer_->start(timing_.connectMs);
  socket_->connectToHost(host_, port_);
}

void ClusterFeed::connectionLost() {
  if (socket_ == nullptr) return;  // already handled (error and disconnection both report it)
  // The connection's time ran out when its timer is over and it was never made.
  const bool timedOut = !connectTimer_->isActive() && !connectedFor_.isValid();
  const QString why =
      timedOut ? QStringLiteral("no connection within %1 ms").arg(timing_.connectMs) : socket_->errorString();
  connectTimer_->stop();
  socket_->disconnect(this);
  socket_->abort();
  socket_->deleteLater();
  socket_ = nullptr;
  if (connectedFor_.isValid() && connectedFor_.elapsed() >= timing_.stableMs) retryDelayMs_ = timing_.firstRetryMs;
  qCWarning(brivantCluster).noquote() << "telnet node" << nodeName() << (connectedFor_.isValid() ? "lost:" : "refused:")
                                      << why << QStringLiteral("(next try in %1 s)").arg(retryDelayMs_ / 1000.0);
  setState(State::Waiting);
  retryTimer_->start(retryDelayMs_);
}

QString ClusterFeed::nodeName() const { return host_ + QLatin1Char(':') + QString::number(port_); }

void ClusterFeed::readAvailable() {
  if (socket_ == nullptr) return;
  pending_ += withoutTelnetCommands(socket_->readAll());
  takeLines();
}

void ClusterFeed::takeLines() {
  qsizetype end;
  while ((end = pending_.indexOf('\n')) >= 0) {
    QByteArray line = pending_.left(end);
    pending_.remove(0, end + 1);
    while (line.endsWith('\r')) line.chop(1);
    if (!loginSent_ && asksForLogin(line)) {
      socket_->write(login_ + "\r\n");
      loginSent_ = true;
      setState(State::LoggedIn);
    }
    emit lineReceived(line);
    if (socket_ == nullptr) return;  // stopped by a receiver
  }
  // A prompt waits on its line for the answer.
  if (!loginSent_ && asksForLogin(pending_)) {
    socket_->write(login_ + "\r\n");
    loginSent_ = true;
    pending_.clear();
    setState(State::LoggedIn);
  }
  if (pending_.size() > LongestLine) pending_.clear();
}

QByteArray ClusterFeed::withoutTelnetCommands(const QByteArray& bytes) {
  QByteArray text;
  text.reserve(bytes.size());
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (telnetCommand_.isEmpty()) {
      if (byte == Iac)
        telnetCommand_.append(c);
      else
        text.append(c);
      continue;
    }
    telnetCommand_.append(c);
    const auto command = static_cast<unsigned char>(telnetCommand_[1]);
    if (telnetCommand_.size() == 2) {
      if (command == Iac) {
        text.append(c);  // an escaped 255 byte
        telnetCommand_.clear();
      } else if (command != SubnegotiationBegin && (command < Will || command > Dont)) {
        telnetCommand_.clear();  // a two-byte command
      }
    } else if (command != SubnegotiationBegin) {
      telnetCommand_.clear();  // WILL, WONT, DO or DONT and its option
    } else if ((static_cast<unsigned char>(telnetCommand_[telnetCommand_.size() - 2]) == Iac &&
                byte == SubnegotiationEnd) ||
               telnetCommand_.size() > LongestLine) {
      telnetCommand_.clear();
    }
  }
  return text;
}

}  // namespace brivant
