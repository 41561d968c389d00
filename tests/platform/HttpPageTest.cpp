#include "platform/HttpPage.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <optional>

#include "tests/support/LocalServers.h"
#include "tests/support/LogCapture.h"

namespace brivant {
namespace {

using testing::LocalWebServer;

class HttpPageTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::ensureCoreApplication(); }

  // Fetches the url and waits for the answer.
  std::optional<QString> fetchNow(HttpPage& page, const QString& url, int waitMs = 5'000) {
    std::optional<QString> text;
    QObject::connect(&page, &HttpPage::finished, [&text](const QString& got) { text = got; });
    if (!page.fetch(url)) return std::nullopt;
    testing::waitUntil([&] { return text.has_value(); }, waitMs);
    return text;
  }

  LocalWebServer server;
};

TEST_F(HttpPageTest, AGoodPageGivesItsText) {
  server.setPage("/dxc/top_50_14_MHz.html", {200, "<TABLE>\nspots \xC3\xA9t\xC3\xA9\n", "text/html; charset=UTF-8"});
  HttpPage page;
  EXPECT_EQ(fetchNow(page, server.url("/dxc/top_50_14_MHz.html")), QString::fromUtf8("<TABLE>\nspots été\n"));
  EXPECT_EQ(server.requestedPaths(), QList<QByteArray>{"/dxc/top_50_14_MHz.html"});
}

TEST_F(HttpPageTest, FailuresGiveTheEmptyText) {
  struct Case {
    const char* what;
    LocalWebServer::Behaviour behaviour;
    int status;
  };
  for (const Case& c : {Case{"404", LocalWebServer::Behaviour::Answer, 404},
                        Case{"an empty page", LocalWebServer::Behaviour::Answer, 200},
                        Case{"closed without a byte", LocalWebServer::Behaviour::CloseAtOnce, 200}}) {
    SCOPED_TRACE(c.what);
    server.setBehaviour(c.behaviour);
    server.setPage("/page", {c.status, c.status == 200 ? "" : "<HTML>gone</HTML>"});
    HttpPage page;
    EXPECT_EQ(fetchNow(page, server.url("/page")), QString());
  }
}

TEST_F(HttpPageTest, APageIsTakenUpToOneMebibyte) {
  const QByteArray largest(HttpPage::MaxPageBytes, 'x');
  for (const qsizetype extra : {0, 1}) {
    server.setPage("/page", {200, largest + QByteArray(extra, 'x')});
    HttpPage page;
    EXPECT_EQ(fetchNow(page, server.url("/page"))->size(), extra == 0 ? HttpPage::MaxPageBytes : 0);
  }
}

TEST_F(HttpPageTest, NoServerGivesTheEmptyText) {
  HttpPage page;
  EXPECT_EQ(fetchNow(page, QStringLiteral("http://127.0.0.1:%1/page").arg(testing::closedPort())), QString());
}

TEST_F(HttpPageTest, ASilentServerIsGivenUpAfterTheTimeOut) {
  server.setBehaviour(LocalWebServer::Behaviour::NeverAnswer);
  HttpPage page(nullptr, 300);
  std::optional<QString> text;
  QObject::connect(&page, &HttpPage::finished, [&text](const QString& got) { text = got; });
  QElapsedTimer clock;
  clock.start();
  ASSERT_TRUE(page.fetch(server.url("/page")));
  // One fetch at a time.
  EXPECT_TRUE(page.busy());
  EXPECT_FALSE(page.fetch(server.url("/other")));
  ASSERT_TRUE(testing::waitUntil([&] { return text.has_value(); }, 5'000));
  EXPECT_EQ(*text, QString());
  EXPECT_GE(clock.elapsed(), 290);  // timers keep to the millisecond, not below it
  EXPECT_LT(clock.elapsed(), 3'000);
  EXPECT_FALSE(page.busy());
  EXPECT_EQ(server.requestedPaths(), QList<QByteArray>{"/page"});
}

// Every fetch leaves one line in the diagnostics: the page, then its status
// and size, or why it failed.
TEST_F(HttpPageTest, EachFetchIsLoggedWithItsOutcome) {
  const QByteArray tooLong(HttpPage::MaxPageBytes + 1, 'x');
  struct Case {
    const char* path;
    int status;
    QByteArray body;
    const char* logged;  // after the url
  };
  for (const Case& c : {Case{"/dxc/top_50_7_MHz.html", 200, "<table>\nspots\n", " status 200 14 bytes in \\d+ ms$"},
                        Case{"/gone", 404, "<HTML>gone</HTML>", " status 404 17 bytes in \\d+ ms$"},
                        Case{"/large", 200, tooLong, " longer than 1048576 bytes in \\d+ ms$"}}) {
    SCOPED_TRACE(c.path);
    server.setPage(c.path, {c.status, c.body});
    const QString url = server.url(c.path);
    testing::LogCapture log;
    HttpPage page;
    ASSERT_TRUE(fetchNow(page, url));
    const QString level = c.status == 200 && c.body.size() < 100 ? QStringLiteral("info page fetched: ")
                          : c.status == 200                      ? QStringLiteral("warning page refused: ")
                                                                 : QStringLiteral("warning page failed: ");
    EXPECT_EQ(
        log.matching(QStringLiteral("^brivant.cluster ") + level + QRegularExpression::escape(url) + c.logged).size(),
        1)
        << log.lines().join('\n').toStdString();
  }

  testing::LogCapture log;
  HttpPage page;
  const QString nowhere = QStringLiteral("http://127.0.0.1:%1/page").arg(testing::closedPort());
  ASSERT_TRUE(fetchNow(page, nowhere));
  EXPECT_EQ(log.matching(QStringLiteral("^brivant.cluster warning page failed: ") +
                         QRegularExpression::escape(nowhere) + QStringLiteral(" Connection refused in \\d+ ms$"))
                .size(),
            1)
      << log.lines().join('\n').toStdString();
}

TEST(PageText, TheCharsetDecidesTheDecoding) {
  struct Case {
    QByteArray bytes;
    QByteArray contentType;
    QString expected;
  };
  const Case cases[] = {
      {"caf\xC3\xA9", "text/html; charset=utf-8", QString::fromUtf8("café")},
      {"caf\xE9", "text/html; charset=\"ISO-8859-1\"", QString::fromUtf8("café")},
      {"\x80 caf\xE9", "text/html;charset=windows-1252", QString::fromUtf8("€ café")},
      // No charset: valid UTF-8 is read as UTF-8, anything else as Windows-1252.
      {"caf\xC3\xA9", "text/html", QString::fromUtf8("café")},
      {"caf\xE9 \x9C", "", QString::fromUtf8("café œ")},
  };
  for (const Case& c : cases) EXPECT_EQ(pageText(c.bytes, c.contentType), c.expected) << c.bytes.toStdString();
}

}  // namespace
}  // namespace brivant
