#pragma once
// Fetches one web page's text over plain HTTP, in the background, in a
// bounded time and a bounded size; any failure gives the empty text.

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace brivant {

class HttpPage final : public QObject {
  Q_OBJECT

 public:
  static constexpr int DefaultTimeoutMs = 15'000;
  // A page longer than this is not what was asked for (a spot page is tens
  // of kB): the fetch stops there and fails.
  static constexpr qsizetype MaxPageBytes = 1 << 20;

  // timeoutMs bounds the whole fetch, from the request to the last byte.
  explicit HttpPage(QObject* parent = nullptr, int timeoutMs = DefaultTimeoutMs);
  ~HttpPage() override;

  // Starts fetching the page at url; false (and nothing started) while a
  // fetch is running.  finished() follows, once, from the event loop.
  bool fetch(const QString& url);
  bool busy() const { return reply_ != nullptr; }

 signals:
  // The page's text; empty on any error, an answer other than 200 (after
  // redirections), an empty page, a page over MaxPageBytes or the time-out.
  void finished(const QString& text);

 private:
  void take();
  void refuse();
  void done();

  QNetworkAccessManager* network_;
  QNetworkReply* reply_ = nullptr;
  QTimer* deadline_;
  QByteArray body_;
  bool tooLong_ = false;
  bool timedOut_ = false;
  // For the diagnostics: the page asked for and since when.
  QString url_;
  QElapsedTimer started_;
};

// The text of a page's bytes: the charset the server named when it is UTF-8,
// ISO-8859-1 or Windows-1252; without one, UTF-8 when the bytes are valid
// UTF-8 and Windows-1252 otherwise.
QString pageText(const QByteArray& bytes, const QByteArray& contentType);

}  // namespace brivant
