#include "platform/HttpPage.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>

#include "platform/Cp1252.h"
#include "platform/Diagnostics.h"

namespace brivant {

namespace {

// What the reply may hold before it is read: the rest waits in the network.
constexpr qint64 ReadBufferBytes = 64 * 1024;

QByteArray charsetOf(const QByteArray& contentType) {
  for (const QByteArray& part : contentType.split(';')) {
    const QByteArray trimmed = part.trimmed().toLower();
    if (trimmed.startsWith("charset=")) return trimmed.mid(8).replace('"', "").trimmed();
  }
  return {};
}

}  // namespace

QString pageText(const QByteArray& bytes, const QByteArray& contentType) {
  const QByteArray charset = charsetOf(contentType);
  if (charset == "utf-8" || charset == "utf8") return QString::fromUtf8(bytes);
  if (charset == "iso-8859-1" || charset == "latin1") return QString::fromLatin1(bytes);
  if (charset == "windows-1252" || charset == "cp1252") return Cp1252::toQString(bytes.toStdString());
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) return text;
  return Cp1252::toQString(bytes.toStdString());
}

HttpPage::HttpPage(QObject* parent, int timeoutMs)
    : QObject(parent), network_(new QNetworkAccessManager(this)), deadline_(new QTimer(this)) {
  deadline_->setSingleShot(true);
  deadline_->setTimerType(Qt::PreciseTimer);
  deadline_->setInterval(timeoutMs);
  connect(deadline_, &QTimer::timeout, this, [this] {
    if (reply_ == nullptr) return;
    timedOut_ = true;
    reply_->abort();  // finished() follows with an error
  });
}

HttpPage::~HttpPage() {
  if (reply_ != nullptr) {
    reply_->disconnect(this);
    reply_->abort();
  }
}

bool HttpPage::fetch(const QString& url) {
  if (busy()) return false;
  QNetworkRequest request{QUrl(url)};
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  body_.clear();
  tooLong_ = false;
  timedOut_ = false;
  url_ = url;
  started_.start();
  qCDebug(brivantCluster).noquote() << "page asked for:" << url;
  reply_ = network_->get(request);
  reply_->setReadBufferSize(ReadBufferBytes);
  // A page announced too long is refused before its body comes.
  connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
    bool known = false;
    const qint64 length = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
    if (known && length > MaxPageBytes) refuse();
  });
  connect(reply_, &QNetworkReply::readyRead, this, &HttpPage::take);
  connect(reply_, &QNetworkReply::finished, this, &HttpPage::done);
  deadline_->start();
  return true;
}

// The body is kept as it comes, one byte past the limit at most.
void HttpPage::take() {
  body_ += reply_->read(MaxPageBytes + 1 - body_.size());
  if (body_.size() > MaxPageBytes) refuse();
}

void HttpPage::refuse() {
  tooLong_ = true;
  body_.clear();
  reply_->abort();  // finished() follows with an error
}

void HttpPage::done() {
  deadline_->stop();
  QNetworkReply* reply = reply_;
  reply_ = nullptr;
  reply->disconnect(this);
  reply->deleteLater();
  QString text;
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (!tooLong_ && reply->error() == QNetworkReply::NoError && status == 200) {
    body_ += reply->read(MaxPageBytes + 1 - body_.size());
    tooLong_ = body_.size() > MaxPageBytes;
    if (!tooLong_) text = pageText(body_, reply->rawHeader("Content-Type"));
  }
  const QString took = QStringLiteral("in %1 ms").arg(started_.elapsed());
  if (!text.isEmpty())
    qCInfo(brivantCluster).noquote() << "page fetched:" << url_ << "status" << status << body_.size() << "bytes"
                                     << took;
  else if (tooLong_)
    qCWarning(brivantCluster).noquote() << "page refused:" << url_ << "longer than" << MaxPageBytes << "bytes" << took;
  else if (timedOut_)
    qCWarning(brivantCluster).noquote() << "page failed:" << url_ << "no answer" << took;
  else if (reply->error() != QNetworkReply::NoError && status == 0)
    qCWarning(brivantCluster).noquote() << "page failed:" << url_ << reply->errorString() << took;
  else
    qCWarning(brivantCluster).noquote() << "page failed:" << url_ << "status" << status << body_.size() << "bytes"
                                        << took;
  body_.clear();
  emit finished(text);
}

}  // namespace brivant
