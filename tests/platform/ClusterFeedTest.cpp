#include "platform/ClusterFeed.h"

#include <gtest/gtest.h>

#include <QTcpServer>

#include "tests/support/LocalServers.h"
#include "tests/support/LogCapture.h"

namespace brivant {
namespace {

using testing::LocalTelnetNode;
using testing::waitUntil;
using State = ClusterFeed::State;

class ClusterFeedTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::ensureCoreApplication(); }

  // Quick retries so that a test does not wait for seconds.
  static ClusterFeed::Timing quick() {
    ClusterFeed::Timing timing;
    timing.firstRetryMs = 40;
    timing.maxRetryMs = 200;
    timing.connectMs = 2'000;
    return timing;
  }

  void follow(ClusterFeed& feed) {
    QObject::connect(&feed, &ClusterFeed::lineReceived, [this](const QByteArray& line) { lines.append(line); });
    QObject::connect(&feed, &ClusterFeed::stateChanged, [this](State state) { states.append(state); });
  }

  QList<QByteArray> lines;
  QList<State> states;
};

TEST_F(ClusterFeedTest, LogsInReadsSplitLinesAndReconnects) {
  testing::LogCapture log;
  LocalTelnetNode node;
  ClusterFeed feed(nullptr, quick());
  follow(feed);
  feed.start(QStringLiteral("127.0.0.1"), node.port(), "F6ABC/P");
  ASSERT_TRUE(waitUntil([&] { return !node.received().isEmpty(); }));
  EXPECT_EQ(node.received(), QList<QByteArray>{"F6ABC/P"});
  EXPECT_EQ(feed.state(), State::LoggedIn);

  // Two spot lines cut across three packets, CR LF and bare LF ends.
  node.send("DX de F5XYZ:     14025.0  DL1A");
  waitUntil([] { return false; }, 50);  // the first piece arrives alone
  node.send("BC       CQ                             0905Z\r\nDX de G4");
  waitUntil([&] { return lines.size() >= 2; });
  node.send("ABC:    7012.0  F5AAA        TNX                            0906Z JN18\n");
  ASSERT_TRUE(waitUntil([&] { return lines.size() >= 3; }));
  EXPECT_EQ(lines,
            (QList<QByteArray>{"Hello, this is a test node",
                               "DX de F5XYZ:     14025.0  DL1ABC       CQ                             0905Z",
                               "DX de G4ABC:    7012.0  F5AAA        TNX                            0906Z JN18"}));

  // The node goes away: the feed waits, then connects and logs in again.
  node.drop();
  ASSERT_TRUE(waitUntil([&] { return states.contains(State::Waiting); }));
  ASSERT_TRUE(waitUntil([&] { return node.received().size() == 2; }));
  EXPECT_EQ(node.connections(), 2);
  EXPECT_EQ(node.received()[1], "F6ABC/P");
  EXPECT_EQ(feed.state(), State::LoggedIn);
  EXPECT_EQ(states.mid(0, 6), (QList<State>{State::Connecting, State::Connected, State::LoggedIn, State::Waiting,
                                            State::Connecting, State::Connected}));
  // The diagnostics tell the same story.
  const QString where = QStringLiteral("127.0.0.1:%1").arg(node.port());
  EXPECT_EQ(log.matching(QStringLiteral("^brivant.cluster ")),
            (QStringList{"brivant.cluster info telnet node " + where + " connected",
                         "brivant.cluster warning telnet node " + where +
                             " lost: The remote host closed the connection (next try in 0.04 s)",
                         "brivant.cluster info telnet node " + where + " tried again",
                         "brivant.cluster info telnet node " + where + " connected"}));

  feed.stop();
  EXPECT_EQ(feed.state(), State::Stopped);
}

TEST_F(ClusterFeedTest, TheDelayGrowsWhileNoNodeAnswers) {
  ClusterFeed feed(nullptr, quick());
  follow(feed);
  feed.start(QStringLiteral("127.0.0.1"), testing::closedPort(), "F6ABC");
  QList<int> delays;
  QObject::connect(&feed, &ClusterFeed::stateChanged, [&](State state) {
    if (state == State::Waiting) delays.append(feed.retryDelayMs());
  });
  ASSERT_TRUE(waitUntil([&] { return delays.size() >= 5; }));
  EXPECT_EQ(delays.mid(0, 5), (QList<int>{40, 80, 160, 200, 200}));
  feed.stop();
  EXPECT_EQ(feed.retryDelayMs(), 40);
  // Stopped means stopped: no new try comes.
  const qsizetype seen = states.size();
  waitUntil([] { return false; }, 300);
  EXPECT_EQ(states.size(), seen);
}

TEST_F(ClusterFeedTest, TelnetNegotiationIsRemoved) {
  LocalTelnetNode node("\xFF\xFB\x01\xFF\xFD\x03Please enter your call:");
  ClusterFeed feed(nullptr, quick());
  follow(feed);
  feed.start(QStringLiteral("127.0.0.1"), node.port(), "F6ABC");
  ASSERT_TRUE(waitUntil([&] { return !node.received().isEmpty(); }));
  EXPECT_EQ(node.received()[0], "F6ABC");
  // A subnegotiation split across packets, and an escaped 255 byte kept.
  node.send("DX de F5\xFF\xFA\x18\x01\xFF");
  waitUntil([] { return false; }, 50);
  node.send("\xF0XYZ:  a\xFF\xFF\x62\r\n");
  ASSERT_TRUE(waitUntil([&] { return lines.size() >= 2; }));
  EXPECT_EQ(lines[1], QByteArray("DX de F5XYZ:  a\xFF\x62"));
}

TEST(AsksForLogin, APromptEndsInAColon) {
  struct Case {
    QByteArray text;
    bool asks;
  };
  const Case cases[] = {{"login: ", true},
                        {"Please enter your call:", true},
                        {"login:\r", true},
                        {"Welcome to the node", false},
                        {"DX de F5XYZ:     14025.0  DL1ABC  CQ  0905Z", false},
                        {"", false},
                        {"   ", false}};
  for (const Case& c : cases) EXPECT_EQ(asksForLogin(c.text), c.asks) << c.text.toStdString();
}

}  // namespace
}  // namespace brivant
