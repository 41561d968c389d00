#pragma once
// The system asking the program to end: SIGTERM (a shutdown, a logout, kill),
// SIGHUP (the terminal it was started from closed) and SIGINT (Ctrl+C there).
// Left to their default, these end the process on the spot: no safety copy,
// no settings written, the folder's lock left behind.  Once watched, each
// arrives as the requested() signal in the event loop instead, where the
// program can end the way Quitter ends it.  The same signal a second time
// ends the process at once, as the default would: a closing that hangs can
// still be ended.

#include <QObject>

class QSocketNotifier;

namespace brivant {

class EndRequests final : public QObject {
  Q_OBJECT

 public:
  // Watches the three signals for as long as the object lives.  One object
  // at a time: watching() is false for a second one, and when the system
  // refuses.
  explicit EndRequests(QObject* parent = nullptr);
  ~EndRequests() override;

  bool watching() const { return notifier_ != nullptr; }

 signals:
  // The signal number received (SIGTERM, SIGHUP or SIGINT).
  void requested(int signalNumber);

 private:
  void readRequest();

  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace brivant
