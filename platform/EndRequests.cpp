#include "platform/EndRequests.h"

#include <sys/socket.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

namespace brivant {

namespace {

constexpr std::array<int, 3> Watched{SIGTERM, SIGHUP, SIGINT};

// The pair the handler writes to and the event loop reads from; -1 when
// nothing is watched.  A handler may only do async-signal-safe work: one
// write of one byte.
int writeEnd = -1;
int readEnd = -1;

extern "C" void onEndSignal(int signalNumber) {
  const int savedErrno = errno;
  const char number = static_cast<char>(signalNumber);
  (void)!::write(writeEnd, &number, 1);
  errno = savedErrno;
}

bool installHandlers() {
  struct sigaction action {};
  action.sa_handler = onEndSignal;
  sigemptyset(&action.sa_mask);
  // Once handled, the next one of the same signal takes the default again.
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  for (int number : Watched)
    if (::sigaction(number, &action, nullptr) != 0) return false;
  return true;
}

// The signals back to their default, then the pair closed.
void stopWatching() {
  for (int number : Watched) (void)std::signal(number, SIG_DFL);
  ::close(writeEnd);
  ::close(readEnd);
  writeEnd = readEnd = -1;
}

}  // namespace

EndRequests::EndRequests(QObject* parent) : QObject(parent) {
  if (writeEnd != -1) return;
  int pair[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pair) != 0) return;
  writeEnd = pair[0];
  readEnd = pair[1];
  if (!installHandlers()) {
    stopWatching();
    return;
  }
  notifier_ = new QSocketNotifier(readEnd, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &EndRequests::readRequest);
}

EndRequests::~EndRequests() {
  if (notifier_ == nullptr) return;
  // The notifier stops watching before its socket is closed.
  notifier_->setEnabled(false);
  stopWatching();
}

void EndRequests::readRequest() {
  char number = 0;
  while (::read(readEnd, &number, 1) == 1) emit requested(static_cast<unsigned char>(number));
}

}  // namespace brivant
