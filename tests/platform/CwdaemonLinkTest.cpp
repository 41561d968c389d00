// Datagrams to a keyer on the network: received byte for byte by a UDP
// socket of the test, refused by a port where nothing listens, and answered
// by a real cwdaemon (Debian's package, started by the test with its null
// device and no sound) once it has keyed the text.

#include "platform/CwdaemonLink.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QUdpSocket>

#include "tests/support/Cwdaemon.h"
#include "tests/support/LocalServers.h"

namespace brivant {
namespace {

using testing::waitUntil;

class CwdaemonLinkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::ensureCoreApplication(); }

  void follow(CwdaemonLink& link) {
    QObject::connect(&link, &CwdaemonLink::datagramReceived,
                     [this](const QByteArray& datagram) { answers.push_back(datagram); });
    QObject::connect(&link, &CwdaemonLink::failed, [this](const QString& reason) { failures.push_back(reason); });
  }

  std::vector<QByteArray> answers;
  std::vector<QString> failures;
};

TEST_F(CwdaemonLinkTest, DatagramsArriveInOrderAndAnswersComeBack) {
  QUdpSocket keyer;
  ASSERT_TRUE(keyer.bind(QHostAddress::LocalHost, 0));
  std::vector<QByteArray> received;
  QHostAddress sender;
  quint16 senderPort = 0;
  QObject::connect(&keyer, &QUdpSocket::readyRead, [&] {
    while (keyer.hasPendingDatagrams()) {
      const QNetworkDatagram datagram = keyer.receiveDatagram();
      received.push_back(datagram.data());
      sender = datagram.senderAddress();
      senderPort = static_cast<quint16>(datagram.senderPort());
    }
  });

  CwdaemonLink link;
  follow(link);
  // A name: the datagrams given while it is looked up follow in order.
  link.aim(QStringLiteral("localhost"), keyer.localPort());
  EXPECT_EQ(link.address(), QStringLiteral("localhost:") + QString::number(keyer.localPort()));
  link.send("\033224");
  link.send("\033h1");
  link.send("CQ JNC F6ABC/P");
  ASSERT_TRUE(waitUntil([&] { return received.size() == 3; }));
  EXPECT_EQ(received, (std::vector<QByteArray>{"\033224", "\033h1", "CQ JNC F6ABC/P"}));
  // Over IPv4, where cwdaemon listens.
  EXPECT_EQ(sender.protocol(), QAbstractSocket::IPv4Protocol);

  keyer.writeDatagram("h1\r\n", sender, senderPort);
  ASSERT_TRUE(waitUntil([&] { return answers.size() == 1; }));
  EXPECT_EQ(answers[0], "h1\r\n");
  EXPECT_TRUE(failures.empty());
}

TEST_F(CwdaemonLinkTest, APortWhereNothingListensOrAnUnknownHostIsSaid) {
  quint16 closed = 0;
  {
    QUdpSocket probe;
    ASSERT_TRUE(probe.bind(QHostAddress::LocalHost, 0));
    closed = probe.localPort();
  }
  CwdaemonLink link;
  follow(link);
  link.aim(QStringLiteral("127.0.0.1"), closed);
  link.send("E");
  ASSERT_TRUE(waitUntil([&] { return !failures.empty(); }));
  // The link keeps working: the next datagram is refused again.
  const std::size_t said = failures.size();
  link.send("E");
  ASSERT_TRUE(waitUntil([&] { return failures.size() > said; }));

  failures.clear();
  link.aim(QStringLiteral("no-such-host.invalid"), 6789);
  link.send("E");
  ASSERT_TRUE(waitUntil([&] { return !failures.empty(); }, 15'000));
}

TEST_F(CwdaemonLinkTest, ARealCwdaemonRepliesWhenDoneAndBreaksOnAbort) {
  testing::CwdaemonProcess cwdaemon;
  if (testing::CwdaemonProcess::program().isEmpty()) GTEST_SKIP() << "cwdaemon (Debian package cwdaemon) is missing";
  ASSERT_TRUE(cwdaemon.start());
  CwdaemonLink link;
  follow(link);
  link.aim(QStringLiteral("localhost"), cwdaemon.port());
  // "TEST" at 60 wpm keys in 600 ms (30 dots of 20 ms): the reply comes
  // once it is keyed, not when it is taken.
  QElapsedTimer keyed;
  keyed.start();
  link.send("\033260");
  link.send("\033h7");
  link.send("TEST");
  ASSERT_TRUE(waitUntil([&] { return !answers.empty(); }));
  EXPECT_EQ(answers[0], "h7\r\n");
  EXPECT_GE(keyed.elapsed(), 400);

  // A long text stopped half way: its reply never comes, cwdaemon says
  // "break".
  answers.clear();
  link.send("\033h8");
  link.send("PARIS PARIS PARIS PARIS");
  waitUntil([] { return false; }, 300);
  link.send("\0334");
  ASSERT_TRUE(waitUntil([&] { return !answers.empty(); }));
  // Past the time the whole text would have taken.
  waitUntil([] { return false; }, 3'800);
  EXPECT_EQ(answers, std::vector<QByteArray>{"break\r\n"});
  EXPECT_TRUE(failures.empty());
}

}  // namespace
}  // namespace brivant
