#pragma once
// Catches the diagnostic messages of the program's categories ("brivant.*")
// while it lives, as "category level text" lines, and passes every message on
// to the handler that was there before.

#include <QMessageLogContext>
#include <QRegularExpression>
#include <QStringList>
#include <mutex>

namespace brivant::testing {

class LogCapture {
 public:
  LogCapture() {
    instance() = this;
    previous_ = qInstallMessageHandler(&LogCapture::handle);
  }
  ~LogCapture() {
    qInstallMessageHandler(previous_);
    instance() = nullptr;
  }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  // The lines caught so far whose text matches pattern, in their order.
  QStringList matching(const QString& pattern) const {
    const std::lock_guard lock(mutex_);
    return lines_.filter(QRegularExpression(pattern));
  }
  QStringList lines() const {
    const std::lock_guard lock(mutex_);
    return lines_;
  }

 private:
  static LogCapture*& instance() {
    static LogCapture* current = nullptr;
    return current;
  }

  static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    LogCapture* self = instance();
    if (self == nullptr) return;
    if (context.category != nullptr && QLatin1String(context.category).startsWith(QLatin1String("brivant."))) {
      static const char* const levels[] = {"debug", "warning", "critical", "fatal", "info"};
      const std::lock_guard lock(self->mutex_);
      self->lines_
          << QStringLiteral("%1 %2 %3").arg(QLatin1String(context.category), QLatin1String(levels[type]), message);
    }
    if (self->previous_ != nullptr) self->previous_(type, context, message);
  }

  mutable std::mutex mutex_;
  QStringList lines_;
  QtMessageHandler previous_ = nullptr;
};

}  // namespace brivant::testing
