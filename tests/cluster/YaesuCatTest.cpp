#include "cluster/YaesuCat.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include "cluster/Radio.h"
#include "cluster/Spot.h"
#include "platform/SerialPort.h"
#include "tests/support/LocalServers.h"
#include "tests/support/PseudoTerminal.h"

namespace brivant {
namespace {

using testing::hexBytes;
using testing::PseudoTerminal;

std::string spotLineAt(const char* qrg) {
  return spotLineOfSorted(sortedLine(*fittedSpot("26-06-06 0905", "DL1ABC", qrg, "F5XYZ", "CQ"), SortMode::Qrg),
                          SortMode::Qrg);
}

std::string bytesOf(const std::vector<CatBlock>& blocks) {
  std::string bytes;
  for (const CatBlock& block : blocks) bytes.append(reinterpret_cast<const char*>(block.data()), block.size());
  return bytes;
}

TEST(YaesuCat, TheFrequencyOfASpotLine) {
  struct Case {
    const char* qrg;
    std::optional<long long> tens;
    const char* parameters;
  };
  const Case cases[] = {
      {"14025.0", 1402500, "01 40 25 00 00"},
      {"7050.0", 705000, "00 70 50 00 00"},
      {"144300.0", 14430000, "14 43 00 00 00"},
      {"1838.5", 183850, "00 18 38 50 00"},
      {"432100.9", 43210090, "43 21 00 90 00"},
      {"50.1", 5010, "00 00 50 10 00"},
      {"14025", std::nullopt, ""},
      {"14025.00", std::nullopt, ""},
      {"14025.", std::nullopt, ""},
      {"1402A.0", std::nullopt, ""},
      {"", std::nullopt, ""},
      {".5", std::nullopt, ""},
  };
  for (const Case& c : cases) {
    const std::optional<long long> tens = spotFrequencyTensOfHz(spotLineAt(c.qrg));
    EXPECT_EQ(tens, c.tens) << c.qrg;
    if (!tens) continue;
    const CatBlock parameters = frequencyParameters(*tens);
    EXPECT_EQ(hexBytes(std::string(reinterpret_cast<const char*>(parameters.data()), 5)), c.parameters) << c.qrg;
  }
}

TEST(YaesuCat, TheBlocksOfEachModelAndMode) {
  struct Case {
    YaesuModel model;
    long long tens;
    const char* mode;
    const char* bytes;
  };
  const Case cases[] = {
      {YaesuModel::FT847, 1402500, "SSB", "00 00 00 00 00 01 40 25 00 01 01 00 00 00 07 00 00 00 00 80"},
      {YaesuModel::FT736, 14430000, "CW", "00 00 00 00 00 14 43 00 00 01 02 00 00 00 07 00 00 00 00 80"},
      {YaesuModel::FT847, 705000, "SSB", "00 00 00 00 00 00 70 50 00 01 00 00 00 00 07 00 00 00 00 80"},
      {YaesuModel::FT817, 705000, "CW", "00 70 50 00 01 02 00 00 00 07"},
      {YaesuModel::FT897, 1402500, "SSB", "01 40 25 00 01 01 00 00 00 07"},
      // 10 MHz exactly is upper sideband; just below is lower.
      {YaesuModel::FT817, 1000000, "SSB", "01 00 00 00 01 01 00 00 00 07"},
      {YaesuModel::FT817, 999990, "SSB", "00 99 99 90 01 00 00 00 00 07"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(hexBytes(bytesOf(yaesuTuningBlocks(c.model, c.tens, c.mode))), c.bytes)
        << YaesuModelNames[static_cast<std::size_t>(c.model)] << " " << c.tens << " " << c.mode;
  EXPECT_EQ(yaesuModelOf("FT-847"), YaesuModel::FT847);
  EXPECT_EQ(yaesuModelOf("FT-1000"), std::nullopt);
  SerialPort port;
  EXPECT_NE(radioOfModel("FT-897", port), nullptr);
  EXPECT_EQ(radioOfModel("IC-706 MKIIG", port), nullptr);
}

class YaesuRadioTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::ensureCoreApplication(); }
  PseudoTerminal pty;
};

// hamlib's rigctl is an independent encoder of the same CAT commands: the
// frequency block it writes for each model must be ours, byte for byte.
TEST_F(YaesuRadioTest, TheFrequencyBlockIsTheOneHamlibWrites) {
  const QString rigctl = QStandardPaths::findExecutable(QStringLiteral("rigctl"));
  if (rigctl.isEmpty()) GTEST_SKIP() << "rigctl (Debian package libhamlib-utils) is not installed";
  ASSERT_TRUE(pty.ok());
  struct Model {
    YaesuModel model;
    const char* hamlibNumber;
  };
  const Model models[] = {{YaesuModel::FT736, "1010"},
                          {YaesuModel::FT817, "1020"},
                          {YaesuModel::FT847, "1001"},
                          {YaesuModel::FT897, "1023"}};
  const long long frequencies[] = {7'050'000, 14'025'000, 144'300'000, 432'100'500};
  for (const Model& m : models) {
    const std::string name(YaesuModelNames[static_cast<std::size_t>(m.model)]);
    SCOPED_TRACE(name);
    // One run sets the four frequencies in turn; short time-outs, as rigctl
    // asks the radio things nobody answers here.
    QStringList arguments{"-m", m.hamlibNumber, "-r", QString::fromStdString(pty.slaveName()),
                          "-s", "4800",         "-C", "timeout=20,retry=0,write_delay=0,post_write_delay=0"};
    for (const long long hertz : frequencies) arguments << "F" << QString::number(hertz);
    QProcess process;
    process.start(rigctl, arguments);
    ASSERT_TRUE(process.waitForFinished(30'000)) << process.errorString().toStdString();
    const std::string written = pty.readAll(100);
    // Its blocks are five bytes; those with opcode 01 set the frequency.
    std::string theirs;
    for (std::size_t at = 0; at + 5 <= written.size(); at += 5)
      if (written[at + 4] == '\x01') theirs += written.substr(at, 5);
    std::string ours;
    for (const long long hertz : frequencies) {
      const std::vector<CatBlock> blocks = yaesuTuningBlocks(m.model, hertz / 10, "SSB");
      const CatBlock& frequency = blocks.size() == 2 ? blocks[0] : blocks[1];
      ours.append(reinterpret_cast<const char*>(frequency.data()), frequency.size());
    }
    EXPECT_EQ(hexBytes(theirs), hexBytes(ours)) << "rigctl wrote " << hexBytes(written);
  }
}

}  // namespace
}  // namespace brivant
