#include "platform/Diagnostics.h"

#include <QDateTime>
#include <QString>
#include <cstring>
#include <fstream>
#include <mutex>
#include <optional>
#include <system_error>

namespace brivant {

// Debug messages are off unless QT_LOGGING_RULES turns them on.
Q_LOGGING_CATEGORY(brivantFiles, "brivant.files", QtInfoMsg)
Q_LOGGING_CATEGORY(brivantStartup, "brivant.startup", QtInfoMsg)
Q_LOGGING_CATEGORY(brivantRadio, "brivant.radio", QtInfoMsg)
Q_LOGGING_CATEGORY(brivantCluster, "brivant.cluster", QtInfoMsg)
Q_LOGGING_CATEGORY(brivantImport, "brivant.import", QtInfoMsg)

namespace Diagnostics {

namespace fs = std::filesystem;

namespace {

struct Sink {
  std::mutex mutex;
  std::optional<fs::path> folder;
  QtMessageHandler previous = nullptr;
};

Sink& sink() {
  static Sink instance;
  return instance;
}

// The program's own categories; other messages (Qt's, a test's) stay on
// standard error only.
bool isOurs(const char* category) {
  if (category == nullptr) return false;
  for (const auto ours : {brivantFiles, brivantStartup, brivantRadio, brivantCluster, brivantImport})
    if (std::strcmp(category, ours().categoryName()) == 0) return true;
  return false;
}

const char* levelOf(QtMsgType type) {
  switch (type) {
    case QtDebugMsg:
      return "debug";
    case QtInfoMsg:
      return "info";
    case QtWarningMsg:
      return "warning";
    case QtCriticalMsg:
      return "critical";
    case QtFatalMsg:
      return "fatal";
  }
  return "message";
}

// Appends one line, first moving a full log aside as the older copy.  Every
// failure is swallowed: the log must never be the cause of a new error.
void append(const fs::path& folder, const std::string& line) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  const fs::path file = logFile(folder);
  const std::uintmax_t size = fs::file_size(file, ec);
  if (!ec && size + line.size() > RotationBytes) fs::rename(file, olderLogFile(folder), ec);
  std::ofstream out(file, std::ios::binary | std::ios::app);
  out << line;
}

void handler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  Sink& s = sink();
  QtMessageHandler previous = nullptr;
  {
    const std::lock_guard lock(s.mutex);
    previous = s.previous;
    if (s.folder && isOurs(context.category)) {
      const QString line = QDateTime::currentDateTime().toString(Qt::ISODate) + QLatin1Char(' ') +
                           QLatin1String(levelOf(type)) + QLatin1Char(' ') + message + QLatin1Char('\n');
      append(*s.folder, line.toStdString());
    }
  }
  if (previous != nullptr) previous(type, context, message);
}

QString text(std::string_view bytes) { return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())); }

}  // namespace

fs::path logFile(const fs::path& folder) { return folder / "brivant.log"; }
fs::path olderLogFile(const fs::path& folder) { return folder / "brivant.log.1"; }

void install(const fs::path& folder) {
  Sink& s = sink();
  const std::lock_guard lock(s.mutex);
  const bool installed = s.folder.has_value();
  s.folder = folder;
  if (!installed) s.previous = qInstallMessageHandler(handler);
}

void uninstall() {
  Sink& s = sink();
  const std::lock_guard lock(s.mutex);
  if (!s.folder) return;
  qInstallMessageHandler(s.previous);
  s.folder.reset();
  s.previous = nullptr;
}

void fileError(const FileError& error, std::string_view context) {
  QString message = QStringLiteral("Erreur N° %1, file \"%2\"").arg(error.number).arg(text(error.path));
  if (!error.detail.empty()) message += QStringLiteral(": ") + text(error.detail);
  if (!context.empty()) message += QStringLiteral(" (") + text(context) + QLatin1Char(')');
  qCWarning(brivantFiles).noquote() << message;
}

void deviceError(std::string_view what) { qCWarning(brivantFiles).noquote() << text(what); }

void startupStep(std::string_view what) { qCInfo(brivantStartup).noquote() << text(what); }

}  // namespace Diagnostics
}  // namespace brivant
