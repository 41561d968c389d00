#pragma once
// A connection to a telnet DX cluster node: it logs in with the station's
// callsign, hands over every line the node sends, and reconnects after a lost
// connection with a growing delay.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QTcpSocket;
class QTimer;

namespace brivant {

class ClusterFeed final : public QObject {
  Q_OBJECT

 public:
  enum class State {
    Stopped,     // not started, or stopped
    Connecting,  // looking up the host and connecting
    Connected,   // connected, the login not yet asked for
    LoggedIn,    // the callsign was sent at the node's prompt
    Waiting,     // connection lost or refused; a new try comes after retryDelayMs()
  };
  Q_ENUM(State)

  struct Timing {
    int firstRetryMs = 2'000;  // the delay before the first new try
    int maxRetryMs = 120'000;  // the delay doubles after each failed try up to this
    int connectMs = 15'000;    // a connection not made within this is a failed try
    int stableMs = 60'000;     // a connection that lasted this long resets the delay
  };

  explicit ClusterFeed(QObject* parent = nullptr);
  ClusterFeed(QObject* parent, Timing timing);
  ~ClusterFeed() override;

  // Connects to host:port and answers the login prompt with login.  A feed
  // already running is stopped first.
  void start(const QString& host, quint16 port, const QByteArray& login);
  void stop();

  // Sends a command line (a line end is added) once the node has the
  // login; false, and nothing sent, before that or with no connection.
  bool sendLine(const QByteArray& line);

  State state() const { return state_; }
  // The delay of the coming (or, while waiting, current) new try.
  int retryDelayMs() const { return retryDelayMs_; }
  const QString& host() const { return host_; }
  quint16 port() const { return port_; }

 signals:
  // One line the node sent, without its line end and without telnet option
  // negotiation bytes.
  void lineReceived(const QByteArray& line);
  void stateChanged(brivant::ClusterFeed::State state);

 private:
  void connectNow();
  // host:port, for the diagnostics.
  QString nodeName() const;
  void setState(State state);
  void readAvailable();
  void connectionLost();
  void takeLines();
  // Removes the telnet commands (IAC ...) from the received bytes.
  QByteArray withoutTelnetCommands(const QByteArray& bytes);

  Timing timing_;
  QTcpSocket* socket_ = nullptr;
  QTimer* retryTimer_;
  QTimer* connectTimer_;
  QElapsedTimer connectedFor_;
  State state_ = State::Stopped;
  QString host_;
  quint16 port_ = 0;
  QByteArray login_;
  QByteArray pending_;  // received, not yet a whole line
  QByteArray telnetCommand_;
  int retryDelayMs_;
  bool loginSent_ = false;
};

// True when a line, or the start of one still waiting for its end, asks for
// the callsign: it ends in ":" once trailing blanks are removed.
bool asksForLogin(const QByteArray& text);

}  // namespace brivant
