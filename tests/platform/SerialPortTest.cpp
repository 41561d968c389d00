#include "platform/SerialPort.h"

#include <gtest/gtest.h>

#include "tests/support/LocalServers.h"
#include "tests/support/PseudoTerminal.h"

namespace brivant {
namespace {

using testing::hexBytes;
using testing::PseudoTerminal;

TEST(SerialSettings, TheSettingsString) {
  struct Case {
    const char* text;
    std::optional<SerialSettings> expected;
  };
  const Case cases[] = {
      {"4800,n,8,1", SerialSettings{4800, 'n', 8, 1}},
      {"38400,N,8,2", SerialSettings{38400, 'n', 8, 2}},
      {"0", std::nullopt},
      {"9600,n,8", std::nullopt},
      {"9600,x,8,1", std::nullopt},
      {"9600,n,9,1", std::nullopt},
      {"9600,n,8,3", std::nullopt},
      {"9600,n,8,1,", std::nullopt},
  };
  for (const Case& c : cases) {
    const std::optional<SerialSettings> got = parseSerialSettings(c.text);
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.text;
    if (!got) continue;
    EXPECT_EQ(got->baud, c.expected->baud) << c.text;
    EXPECT_EQ(got->parity, c.expected->parity) << c.text;
    EXPECT_EQ(got->dataBits, c.expected->dataBits) << c.text;
    EXPECT_EQ(got->stopBits, c.expected->stopBits) << c.text;
  }
}

class SerialPortTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::ensureCoreApplication(); }
  PseudoTerminal pty;
};

TEST_F(SerialPortTest, WritesBlocksToTheOpenPort) {
  ASSERT_TRUE(pty.ok());
  SerialPort port;
  port.setPortName(pty.slaveName());
  ASSERT_TRUE(port.setSettings("9600,n,8,1"));
  EXPECT_FALSE(port.writeBlock(std::string("\x01\x02", 2)));  // closed: nothing written
  ASSERT_TRUE(port.open());
  EXPECT_TRUE(port.isOpen());

  // The terminal now runs at the chosen speed, eight bits, no parity.
  termios settings{};
  ASSERT_EQ(tcgetattr(pty.slave(), &settings), 0);
  EXPECT_EQ(cfgetospeed(&settings), static_cast<speed_t>(B9600));
  EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(settings.c_cflag & PARENB, 0u);
  EXPECT_EQ(settings.c_cflag & CSTOPB, 0u);

  // A new speed applies at once to the open port.
  ASSERT_TRUE(port.setSettings("4800,n,8,2"));
  ASSERT_EQ(tcgetattr(pty.slave(), &settings), 0);
  EXPECT_EQ(cfgetospeed(&settings), static_cast<speed_t>(B4800));
  EXPECT_NE(settings.c_cflag & CSTOPB, 0u);
  EXPECT_FALSE(port.setSettings("fast"));

  const std::string block("\x00\x40\x25\x00\x01\x00\x00\x00\x00\x80", 10);
  port.discardInput();
  ASSERT_TRUE(port.writeBlock(block));
  EXPECT_EQ(hexBytes(pty.readAll()), hexBytes(block));

  port.close();
  EXPECT_FALSE(port.isOpen());
  EXPECT_FALSE(port.writeBlock(block));
  EXPECT_EQ(pty.readAll(50), "");
}

TEST_F(SerialPortTest, AMissingPortDoesNotOpen) {
  SerialPort port;
  EXPECT_FALSE(port.open());  // no name
  port.setPortName("ttyBRIVANT_NONE");
  EXPECT_FALSE(port.open());
  EXPECT_FALSE(port.isOpen());
  port.setPortName("/dev/null/none");
  EXPECT_FALSE(port.open());
}

}  // namespace
}  // namespace brivant
