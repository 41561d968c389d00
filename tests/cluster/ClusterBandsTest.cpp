#include "cluster/ClusterBands.h"

#include <gtest/gtest.h>

#include "cluster/ClusterSettings.h"
#include "cluster/ClusterTexts.h"

namespace brivant {
namespace {

TEST(ClusterBands, TheTwoListsAndTheirPages) {
  std::vector<std::string_view> first, second;
  for (const ClusterBandEntry& entry : FirstBandEntries) first.push_back(entry.label);
  for (const ClusterBandEntry& entry : SecondBandEntries) second.push_back(entry.label);
  EXPECT_EQ(first,
            (std::vector<std::string_view>{"All HF", "1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz",
                                           "21 Mhz", "24 Mhz", "28 Mhz", "50 Mhz", "144 Mhz", "432 Mhz", "All VHF"}));
  EXPECT_EQ(second,
            (std::vector<std::string_view>{"Sans", "1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz",
                                           "21 Mhz", "24 Mhz", "28 Mhz", "50 Mhz", "144 Mhz", "432 Mhz"}));
  struct Case {
    int index;
    const char* address;
  };
  const Case cases[] = {{0, "http://dxc.example.org/dxc/top_50_HF.html"},
                        {3, "http://dxc.example.org/dxc/top_50_7_MHz.html"},
                        {5, "http://dxc.example.org/dxc/top_50_14_MHz.html"},
                        {12, "http://dxc.example.org/dxc/top_50_430_MHz.html"},
                        {13, "http://dxc.example.org/dxc/top_50_VHF.html"}};
  for (const Case& c : cases) EXPECT_EQ(spotPageAddress("dxc.example.org", *firstBandEntry(c.index)), c.address);
  EXPECT_EQ(spotPageAddress("127.0.0.1:8080", *secondBandEntry(1)), "http://127.0.0.1:8080/dxc/top_50_1.8_MHz.html");
  EXPECT_EQ(spotPageAddress("dxc.example.org", *secondBandEntry(0)), "");  // Sans: never fetched
  EXPECT_EQ(firstBandEntry(14), nullptr);
  EXPECT_EQ(firstBandEntry(-1), nullptr);
  EXPECT_EQ(secondBandEntry(13), nullptr);
}

TEST(ClusterBands, FrequencyRanges) {
  struct Case {
    int index;
    double khz;
    bool holds;
  };
  const Case cases[] = {{0, 1'830.0, true},      {0, 29'650.0, true},   {0, 50'100.0, false}, {13, 50'100.0, true},
                        {13, 1'296'200.0, true}, {13, 28'500.0, false}, {5, 14'025.0, true},  {5, 14'400.0, false},
                        {12, 432'100.0, true},   {0, 5'357.0, true},    {0, 472.0, false}};
  for (const Case& c : cases)
    EXPECT_EQ(holdsFrequency(*firstBandEntry(c.index), c.khz), c.holds) << c.index << " " << c.khz;
  EXPECT_FALSE(holdsFrequency(*secondBandEntry(0), 14'025.0));
}

TEST(ClusterSettings, TypedValues) {
  using namespace ClusterSettings;
  struct ServerCase {
    const char* typed;
    std::optional<std::string> host;
  };
  const ServerCase servers[] = {
      {"dxc.example.org", "dxc.example.org"}, {" http://dxc.example.org/ ", "dxc.example.org"},
      {"127.0.0.1:8080", "127.0.0.1:8080"},   {"", ""},
      {"dxc example", std::nullopt},          {"dxc.example.org/dxc", std::nullopt}};
  for (const ServerCase& c : servers) EXPECT_EQ(spotServerOf(c.typed), c.host) << c.typed;

  struct NodeCase {
    const char* typed;
    std::optional<NodeAddress> node;
  };
  const NodeCase nodes[] = {{"dxc.example.org:7373", NodeAddress{"dxc.example.org", 7373}},
                            {"dxc.example.org", NodeAddress{"dxc.example.org", 7300}},
                            {" 127.0.0.1:23 ", NodeAddress{"127.0.0.1", 23}},
                            {"dxc.example.org:", std::nullopt},
                            {"dxc.example.org:70000", std::nullopt},
                            {"dxc.example.org:port", std::nullopt},
                            {":7300", std::nullopt},
                            {"", std::nullopt},
                            {"a b:7300", std::nullopt}};
  for (const NodeCase& c : nodes) EXPECT_EQ(nodeAddressOf(c.typed), c.node) << c.typed;
  EXPECT_EQ(nodeAddressText({"dxc.example.org", 7300}), "dxc.example.org:7300");

  EXPECT_TRUE(isNoPort("0"));
  EXPECT_TRUE(isNoPort("Sans"));
  EXPECT_TRUE(isNoPort(""));
  EXPECT_FALSE(isNoPort("ttyUSB0"));
  EXPECT_EQ(speedOfSettings("9600,n,8,1"), "9600");
  EXPECT_EQ(speedOfSettings("0"), "0");
  EXPECT_EQ(portSettingsOf("38400"), "38400,n,8,1");
  EXPECT_EQ(indexInList(3, 4, 2), 3);
  EXPECT_EQ(indexInList(4, 4, 2), 2);
  EXPECT_EQ(indexInList(-1, 14, 0), 0);
}

TEST(ClusterTexts, TheEnglishMessageAndTheAltLetters) {
  EXPECT_EQ(noAnswerMessage(false), QStringLiteral("No response from site check your internet connection\r\n"
                                                   "            Press again the button display"));
  EXPECT_EQ(missingPortMessage(false, QStringLiteral("ttyS1")), QStringLiteral("The port ttyS1 does not exist"));
  EXPECT_EQ(QString(clusterCaptions(false).check2).remove(QLatin1Char('&')),
            QString::fromUtf8("Filter préfix or callsign"));
}

}  // namespace
}  // namespace brivant
