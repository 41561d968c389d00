// The CW messages as the keyers get them: the macros replaced, the cut
// numbers, the text a keyer can send, how long it takes, cwdaemon's
// requests byte for byte, and the settings they come from.

#include <gtest/gtest.h>

#include "cluster/ClusterSettings.h"
#include "cluster/CwMessages.h"
#include "cluster/CwdaemonRequests.h"
#include "platform/Cp1252.h"
#include "platform/SettingsStore.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

CwMacroValues contest() {
  CwMacroValues values;
  values.myCall = "F6ABC/P";
  values.call = "DL1ABC";
  values.rst = "599";
  values.myRef = "35012";
  values.myDpt = "35";
  values.name = "HANS";
  return values;
}

TEST(CwMessagesTest, MacrosAreReplacedAndTheTextMadeSendable) {
  CwMacroValues cut = contest();
  cut.cutNumbers = true;
  cut.rst = "590";
  CwMacroValues empty;
  empty.myCall = "F6ABC";
  CwMacroValues accented = contest();
  accented.name = Cp1252::fromUtf8("Hélène");
  const struct {
    const char* message;
    CwMacroValues values;
    const char* sent;
    std::vector<std::string> unknown;
  } cases[] = {
      {"CQ JNC {MYCALL} {MYCALL} TEST", contest(), "CQ JNC F6ABC/P F6ABC/P TEST", {}},
      {"{CALL} {RST} {MYREF}", contest(), "DL1ABC 599 35012", {}},
      {"{CALL} {RST} {MYREF}", cut, "DL1ABC 5NT 35012", {}},
      {"TU {NAME} {MYDPT}", contest(), "TU HANS 35", {}},
      // Macro names in any case; the station without a reference sends none.
      {"{call} {Rst} {myref} k", empty, "K", {}},
      {"QRZ {FOO} {MYCALL}", contest(), "QRZ {FOO} F6ABC/P", {"{FOO}"}},
      {"{CALL {NAME}", contest(), "{CALL {NAME}", {"{CALL {NAME}"}},
      {"GM {NAME}  5NN  ", accented, "GM HELENE 5NN", {}},
      {"trailing {", contest(), "TRAILING {", {}},
  };
  for (const auto& c : cases) {
    const CwText text = expandCwMessage(c.message, c.values);
    EXPECT_EQ(text.text, c.sent) << c.message;
    EXPECT_EQ(text.unknown, c.unknown) << c.message;
    EXPECT_FALSE(text.cut);
  }
  // One datagram holds it: past 250 characters the text is cut.
  CwMacroValues longCall = contest();
  longCall.call = std::string(200, 'A');
  const CwText cutText = expandCwMessage("{CALL} {CALL}", longCall);
  EXPECT_EQ(cutText.text.size(), MaxSentLength);
  EXPECT_TRUE(cutText.cut);
}

TEST(CwMessagesTest, CutNumbersAndTheirTime) {
  EXPECT_EQ(cutNumbers("599"), "5NN");
  EXPECT_EQ(cutNumbers("001"), "TT1");
  EXPECT_EQ(cutNumbers("5NN"), "5NN");
  // "PARIS" is 43 dots long, a word gap 7: at 12 wpm a dot lasts 100 ms.
  const struct {
    const char* text;
    int wpm;
    int ms;
  } cases[] = {{"PARIS", 12, 4'300},
               {"PARIS PARIS", 12, 9'300},
               {"paris  paris", 12, 9'300},
               {"E", 20, 60},
               {"T", 60, 60},
               {"5NN", 24, 1'250},
               {"{}#", 24, 0},
               {"", 24, 0},
               {"E", 1000, 20}};  // speeds beyond cwdaemon's are taken as its fastest
  for (const auto& c : cases) EXPECT_EQ(morseDurationMs(c.text, c.wpm), c.ms) << c.text;
}

TEST(CwMessagesTest, DefaultsAndTheStationsSettings) {
  const char* english[] = {
      "CQ JNC {MYCALL} {MYCALL} TEST", "{CALL} 5NN {MYREF}", "TU {MYCALL}", "{MYCALL}", "{CALL}", "?", "AGN", "QRZ?"};
  for (int key = 1; key <= 8; ++key) EXPECT_EQ(defaultCwMessage(key, false), english[key - 1]);
  EXPECT_EQ(defaultCwMessage(3, true), "MCI {MYCALL}");
  EXPECT_EQ(defaultCwMessage(0, true), "");
  EXPECT_EQ(defaultCwMessage(9, true), "");

  testing::TempDir folder;
  SettingsStore store(folder.path());
  ASSERT_TRUE(store.save("ZIV", "Setup F6ABC_P", "Message CW F2", "{CALL} {RST}").ok());
  ASSERT_TRUE(store.save("ZIV", "Setup F6ABC_P", "N° Activite", " 35012 ").ok());
  ASSERT_TRUE(store.save("ZIV", "Setup F6ABC_P", "Departement Station", "35").ok());
  ASSERT_TRUE(store.save("ZIV", "Setup F6ABC_P", "Chiffres Abreges", "True").ok());
  const auto messages = storedCwMessages(store, "F6ABC_P", true);
  EXPECT_EQ(messages[0], "CQ JNC {MYCALL} {MYCALL} TEST");
  EXPECT_EQ(messages[1], "{CALL} {RST}");
  EXPECT_EQ(messages[2], "MCI {MYCALL}");
  const CwMacroValues values = stationMacroValues(store, "F6ABC_P");
  EXPECT_EQ(values.myCall, "F6ABC/P");
  EXPECT_EQ(values.myRef, "35012");
  EXPECT_EQ(values.myDpt, "35");
  EXPECT_TRUE(values.cutNumbers);
  // Another station has its own messages and none of these values.
  EXPECT_EQ(storedCwMessages(store, "F5XYZ", false)[1], "{CALL} 5NN {MYREF}");
  EXPECT_EQ(stationMacroValues(store, "F5XYZ").myRef, "");
  EXPECT_FALSE(stationMacroValues(store, "F5XYZ").cutNumbers);

  // The keyer and its speed, in the common section.
  EXPECT_EQ(keyerKindOf(0), KeyerKind::None);
  EXPECT_EQ(keyerKindOf(1), KeyerKind::Cwdaemon);
  EXPECT_EQ(keyerKindOf(2), KeyerKind::Radio);
  EXPECT_EQ(keyerKindOf(7), KeyerKind::None);
  EXPECT_EQ(boundedWpm(2), 5);
  EXPECT_EQ(boundedWpm(24), 24);
  EXPECT_EQ(boundedWpm(99), 60);
  EXPECT_EQ(ClusterSettings::nodeAddressOf("localhost", CwSettings::DefaultKeyerPort),
            (ClusterSettings::NodeAddress{"localhost", 6789}));
  EXPECT_EQ(ClusterSettings::nodeAddressOf(" 192.168.1.20:7000 ", CwSettings::DefaultKeyerPort),
            (ClusterSettings::NodeAddress{"192.168.1.20", 7000}));
  EXPECT_EQ(ClusterSettings::nodeAddressOf("radio shack:6789", CwSettings::DefaultKeyerPort), std::nullopt);
}

TEST(CwMessagesTest, OnlyPrintableAsciiIsSendable) {
  EXPECT_EQ(firstNonAscii(QStringLiteral("CQ {MYCALL} ?/=+-")), std::nullopt);
  EXPECT_EQ(firstNonAscii(QStringLiteral("MERCI HÉLÈNE")), QChar(u'É'));
  EXPECT_EQ(firstNonAscii(QStringLiteral("TAB\tHERE")), QChar(u'\t'));
}

TEST(CwdaemonRequestsTest, TheBytesOfEachRequest) {
  EXPECT_EQ(Cwdaemon::speedRequest(24), std::string("\033224"));
  EXPECT_EQ(Cwdaemon::speedRequest(5), std::string("\03325"));
  EXPECT_EQ(Cwdaemon::abortRequest(), std::string("\0334"));
  EXPECT_EQ(Cwdaemon::replyRequest("17"), std::string("\033h17"));
  EXPECT_EQ(Cwdaemon::messageDatagrams("CQ TEST", 30, "3"), (std::vector<std::string>{"\033230", "\033h3", "CQ TEST"}));
  const struct {
    const char* datagram;
    const char* tag;
    bool reply;
  } cases[] = {{"h3\r\n", "3", true},     {"h3", "3", true}, {"h13\r\n", "3", false}, {"h3\r\n", "13", false},
               {"break\r\n", "3", false}, {"", "", false},   {"h\r\n", "", true}};
  for (const auto& c : cases) EXPECT_EQ(Cwdaemon::isReplyTo(c.datagram, c.tag), c.reply) << c.datagram;
}

}  // namespace
}  // namespace brivant
