// A radio through hamlib: its list of models, its simulated radio driven in
// the test's own thread, and the threaded link to a rigctld started by the
// test, which is killed and started again.

#include "platform/RadioLink.h"

#include <clocale>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

#include "tests/support/LocalServers.h"
#include "tests/support/LogCapture.h"
#include "tests/support/Rigctld.h"

namespace brivant {
namespace {

using testing::Rigctld;
using testing::waitUntil;
using State = RadioLink::State;

TEST(HamlibModelsTest, TheListIsHamlibsSortedByMakerAndName) {
  const std::vector<HamlibModel>& models = hamlibModels();
  ASSERT_GT(models.size(), 100u);
  for (std::size_t i = 1; i < models.size(); ++i)
    EXPECT_LE(std::tie(models[i - 1].maker, models[i - 1].name), std::tie(models[i].maker, models[i].name));
  const HamlibModel* network = hamlibModelOf(HamlibNetworkModel);
  ASSERT_NE(network, nullptr);
  EXPECT_TRUE(network->network);
  const HamlibModel* ft847 = hamlibModelOf(1001);
  ASSERT_NE(ft847, nullptr);
  EXPECT_EQ(ft847->maker, "Yaesu");
  EXPECT_EQ(ft847->name, "FT-847");
  EXPECT_FALSE(ft847->network);
  EXPECT_TRUE(ft847->needsPort);
  EXPECT_FALSE(hamlibModelOf(HamlibDummyModel)->needsPort);
  EXPECT_GT(ft847->fastestBaud, 0);
  EXPECT_EQ(hamlibModelOf(-5), nullptr);
}

TEST(HamlibRigTest, TheSimulatedRadioTakesAndGivesBackFrequencyAndMode) {
  HamlibRig rig({HamlibDummyModel, "", 0});
  EXPECT_FALSE(rig.read());
  EXPECT_FALSE(rig.tune(14'025'000, RigMode::Cw));
  ASSERT_TRUE(rig.open()) << rig.lastError();
  const struct {
    long long hertz;
    RigMode mode;
    const char* name;
  } cases[] = {{14'025'000, RigMode::Cw, "CW"},
               {7'050'000, RigMode::Lsb, "LSB"},
               {28'495'010, RigMode::Usb, "USB"},
               {1'832'000, RigMode::Cw, "CW"}};
  for (const auto& c : cases) {
    ASSERT_TRUE(rig.tune(c.hertz, c.mode));
    const std::optional<RigReading> reading = rig.read();
    ASSERT_TRUE(reading);
    EXPECT_EQ(*reading, (RigReading{c.hertz, c.mode, c.name}));
  }
  // A mode this program does not log leaves the radio's as it was.
  ASSERT_TRUE(rig.tune(21'200'000, RigMode::Other));
  EXPECT_EQ(rig.read()->mode, RigMode::Cw);
  rig.close();
  EXPECT_FALSE(rig.isOpen());
  EXPECT_FALSE(rig.read());
}

TEST(HamlibRigTest, WhatCannotBeOpenedSaysWhy) {
  HamlibRig unknown({-5, "", 0});
  EXPECT_FALSE(unknown.open());
  EXPECT_NE(unknown.lastError().find("unknown"), std::string::npos);
  // A serial radio on a port that is not there.
  HamlibRig absent({1001, "ttyBRIVANT9", 4800});
  EXPECT_FALSE(absent.open());
  EXPECT_FALSE(absent.lastError().empty());
}

class RadioLinkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::ensureCoreApplication(); }

  void follow(RadioLink& link) {
    QObject::connect(&link, &RadioLink::stateChanged, [this](State state) { states.push_back(state); });
    QObject::connect(&link, &RadioLink::readingReceived,
                     [this](const RigReading& reading) { readings.push_back(reading); });
  }

  std::vector<State> states;
  std::vector<RigReading> readings;
};

TEST_F(RadioLinkTest, ReadsTunesGoesSilentAndComesBack) {
  testing::LogCapture log;
  Rigctld rigctld;
  if (Rigctld::program().isEmpty()) GTEST_SKIP() << "rigctld (Debian package libhamlib-utils) is not installed";
  ASSERT_TRUE(rigctld.start());
  // A numeric locale whose name the C library allocated, as a desktop's
  // gives the program: hamlib's network model must find it "C" (the
  // sanitizer build sees what it frees otherwise).
  ASSERT_NE(std::setlocale(LC_NUMERIC, "C.UTF-8"), nullptr);
  RadioLink link(nullptr, {50});
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  follow(link);
  link.start({HamlibNetworkModel, rigctld.address(), 0});
  EXPECT_EQ(link.state(), State::Connecting);
  ASSERT_TRUE(waitUntil([&] { return link.state() == State::Answering; }));
  // rigctld's simulated radio starts on 145 MHz FM.
  ASSERT_TRUE(link.lastReading());
  EXPECT_EQ(link.lastReading()->hertz, 145'000'000);
  EXPECT_EQ(link.lastReading()->mode, RigMode::Other);
  EXPECT_EQ(link.lastReading()->modeName, "FM");
  // Read again and again.
  const std::size_t seen = readings.size();
  ASSERT_TRUE(waitUntil([&] { return readings.size() >= seen + 3; }));

  ASSERT_TRUE(link.tune(14'025'000, RigMode::Cw));
  ASSERT_TRUE(waitUntil([&] { return link.lastReading() && link.lastReading()->hertz == 14'025'000; }));
  EXPECT_EQ(link.lastReading()->mode, RigMode::Cw);

  // Killed: silent, nothing to tune, tried again.
  rigctld.stop();
  ASSERT_TRUE(waitUntil([&] { return link.state() == State::Silent; }));
  EXPECT_FALSE(link.lastReading());
  EXPECT_FALSE(link.tune(7'050'000, RigMode::Lsb));
  EXPECT_FALSE(link.lastError().empty());
  // Back on the same port: answering again, without being asked.
  ASSERT_TRUE(rigctld.start());
  ASSERT_TRUE(waitUntil([&] { return link.state() == State::Answering; }));
  EXPECT_EQ(link.lastReading()->hertz, 145'000'000);
  EXPECT_EQ(states, (std::vector<State>{State::Connecting, State::Answering, State::Silent, State::Answering}));
  // The diagnostics say it once each, the readings only at the debug level.
  const QString radio = QStringLiteral("radio (hamlib model %1, %2)")
                            .arg(HamlibNetworkModel)
                            .arg(QString::fromStdString(rigctld.address()));
  const QStringList said = log.matching(QStringLiteral("^brivant.radio "));
  ASSERT_EQ(said.size(), 3) << said.join('\n').toStdString();
  EXPECT_EQ(said[0], "brivant.radio info " + radio + " linked");
  EXPECT_TRUE(said[1].startsWith("brivant.radio warning " + radio + " does not answer: ")) << said[1].toStdString();
  EXPECT_EQ(said[2], "brivant.radio info " + radio + " answers again");

  // Let go: no more readings.
  link.stop();
  EXPECT_EQ(link.state(), State::Off);
  EXPECT_FALSE(link.running());
  const std::size_t atStop = readings.size();
  waitUntil([] { return false; }, 200);
  EXPECT_EQ(readings.size(), atStop);
}

TEST_F(RadioLinkTest, AFrequencyNoRadioHasIsNoAnswer) {
  Rigctld rigctld;
  if (Rigctld::program().isEmpty()) GTEST_SKIP() << "rigctld (Debian package libhamlib-utils) is not installed";
  ASSERT_TRUE(rigctld.start());
  testing::FrequencyBridge bridge(rigctld.port());
  const struct {
    const char* answer;
    std::optional<long long> hertz;
  } cases[] = {{"14025000.000000", 14'025'000}, {"300000000000", 300'000'000'000},
               {"nan", std::nullopt},           {"inf", std::nullopt},
               {"-inf", std::nullopt},          {"-5", std::nullopt},
               {"4e11", std::nullopt}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    bridge.setFrequencyAnswer(c.answer);
    const int asked = bridge.frequenciesAnswered();
    RadioLink link(nullptr, {50});
    link.start({HamlibNetworkModel, bridge.address(), 0});
    ASSERT_TRUE(waitUntil([&] { return bridge.frequenciesAnswered() > asked && link.state() != State::Connecting; }));
    if (c.hertz) {
      EXPECT_EQ(link.state(), State::Answering);
      ASSERT_TRUE(link.lastReading());
      EXPECT_EQ(link.lastReading()->hertz, *c.hertz);
    } else {
      EXPECT_EQ(link.state(), State::Silent);
      EXPECT_FALSE(link.lastReading());
      EXPECT_NE(link.lastError().find("frequency"), std::string::npos) << link.lastError();
    }
  }
}

TEST_F(RadioLinkTest, NothingListeningIsSilentWithoutHoldingTheCaller) {
  Rigctld nobody;  // a free port, never started
  RadioLink link(nullptr, {50});
  follow(link);
  QElapsedTimer clock;
  clock.start();
  link.start({HamlibNetworkModel, nobody.address(), 0});
  EXPECT_LT(clock.elapsed(), 50);
  ASSERT_TRUE(waitUntil([&] { return link.state() == State::Silent; }));
  EXPECT_FALSE(link.tune(14'025'000, RigMode::Cw));
  EXPECT_TRUE(readings.empty());
}

// What rigctl, hamlib's own client, reads of a radio behind a rigctld.
QString rigctlReads(const std::string& address, const QStringList& command) {
  QProcess rigctl;
  rigctl.start(QStandardPaths::findExecutable(QStringLiteral("rigctl")),
               QStringList{"-m", "2", "-r", QString::fromStdString(address)} + command);
  rigctl.waitForFinished(5'000);
  return QString::fromLatin1(rigctl.readAllStandardOutput()).trimmed();
}

TEST_F(RadioLinkTest, TheRadiosOwnKeyerBehindRigctld) {
  Rigctld rigctld;
  if (Rigctld::program().isEmpty()) GTEST_SKIP() << "rigctld (Debian package libhamlib-utils) is not installed";
  ASSERT_TRUE(rigctld.start());
  testing::RigctldBridge bridge(rigctld.port());
  RadioLink link(nullptr, {50});
  std::vector<MorseReport> reports;
  QObject::connect(&link, &RadioLink::morseReported, [&](const MorseReport& report) { reports.push_back(report); });
  EXPECT_FALSE(link.sendMorse(1, "CQ", 24)) << "no radio yet";
  link.start({HamlibNetworkModel, bridge.address(), 0});
  ASSERT_TRUE(waitUntil([&] { return link.state() == State::Answering; }));

  // The speed, then the text, on the radio; the end is not known (rigctld
  // has no wait), and the radio cannot stop (its simulated radio has no
  // stop either).
  ASSERT_TRUE(link.sendMorse(1, "CQ JNC F6ABC/P", 30));
  ASSERT_TRUE(waitUntil([&] { return !reports.empty(); }));
  EXPECT_EQ(reports[0].id, 1);
  EXPECT_EQ(reports[0].kind, MorseReport::Kind::Started);
  EXPECT_FALSE(reports[0].endReported);
  EXPECT_TRUE(bridge.lines().contains("\\send_morse CQ JNC F6ABC/P"));
  EXPECT_EQ(rigctlReads(rigctld.address(), {"l", "KEYSPD"}), QStringLiteral("30"));
  link.stopMorse(1);
  ASSERT_TRUE(waitUntil([&] { return reports.size() == 2; }));
  EXPECT_EQ(reports[1].kind, MorseReport::Kind::CannotStop);
  EXPECT_TRUE(bridge.lines().contains("\\stop_morse"));

  // A radio without a keyer, as rigctld answers for one.
  bridge.answer("\\send_morse", "RPRT -11");
  ASSERT_TRUE(link.sendMorse(2, "TU", 30));
  ASSERT_TRUE(waitUntil([&] { return reports.size() == 3; }));
  EXPECT_EQ(reports[2].id, 2);
  EXPECT_EQ(reports[2].kind, MorseReport::Kind::NoKeyer);

  // A radio that hangs: the caller is not held, the message fails.
  rigctld.pause();
  QElapsedTimer clock;
  clock.start();
  const bool taken = link.sendMorse(3, "AGN", 30);
  EXPECT_LT(clock.elapsed(), 50);
  if (taken) {
    ASSERT_TRUE(waitUntil([&] { return reports.size() == 4; }));
    EXPECT_EQ(reports[3].kind, MorseReport::Kind::Failed);
  }
  ASSERT_TRUE(waitUntil([&] { return link.state() == State::Silent; }));
  EXPECT_FALSE(link.sendMorse(4, "AGN", 30));
  rigctld.resume();
}

TEST_F(RadioLinkTest, TheSimulatedRadioKeysButCannotStop) {
  RadioLink link(nullptr, {50});
  std::vector<MorseReport> reports;
  QObject::connect(&link, &RadioLink::morseReported, [&](const MorseReport& report) { reports.push_back(report); });
  link.start({HamlibDummyModel, "", 0});
  ASSERT_TRUE(waitUntil([&] { return link.state() == State::Answering; }));
  ASSERT_TRUE(link.sendMorse(7, "5NN", 24));
  link.stopMorse(7);
  ASSERT_TRUE(waitUntil([&] { return reports.size() == 2; }));
  EXPECT_EQ(reports[0].kind, MorseReport::Kind::Started);
  EXPECT_EQ(reports[1].kind, MorseReport::Kind::CannotStop);
  EXPECT_EQ(reports[1].id, 7);
  // Reports of a radio let go are not passed on.
  ASSERT_TRUE(link.sendMorse(8, "5NN", 24));
  link.stop();
  waitUntil([] { return false; }, 100);
  EXPECT_EQ(reports.size(), 2u);
}

TEST_F(RadioLinkTest, ANewRadioReplacesTheOldOneAndItsLateReadings) {
  RadioLink link(nullptr, {20});
  follow(link);
  link.start({HamlibDummyModel, "", 0});
  ASSERT_TRUE(waitUntil([&] { return link.state() == State::Answering; }));
  ASSERT_TRUE(link.tune(3'550'000, RigMode::Lsb));
  ASSERT_TRUE(waitUntil([&] { return link.lastReading() && link.lastReading()->hertz == 3'550'000; }));
  // A second simulated radio: its own frequency, not the first one's.
  link.start({HamlibDummyModel, "", 0});
  EXPECT_FALSE(link.lastReading());
  ASSERT_TRUE(waitUntil([&] { return link.state() == State::Answering && link.lastReading(); }));
  EXPECT_NE(link.lastReading()->hertz, 3'550'000);
}

}  // namespace
}  // namespace brivant
