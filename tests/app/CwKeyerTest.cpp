// The CW messages of the function keys in the program put together: F1 to
// F8, Escape, PgUp and PgDn in the main window, the line under the entry,
// the messages window, and the two keyers on real components: a UDP socket
// of the test standing for cwdaemon (the exact datagrams), Debian's cwdaemon
// itself (null device, no sound), and a rigctld with hamlib's simulated
// radio behind a bridge that keeps what the program sends.

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QUdpSocket>

#include "cluster/HamlibSettings.h"
#include "cluster/ui/CwKeyer.h"
#include "cluster/ui/CwMessagesDialog.h"
#include "cluster/ui/RadioControl.h"
#include "tests/core/ui/MainFixture.h"
#include "tests/support/Cwdaemon.h"
#include "tests/support/LocalServers.h"
#include "tests/support/Rigctld.h"

namespace brivant::testing {
namespace {

using ::testing::HasSubstr;

class CwKeyerTest : public MainFixture {
 protected:
  void common(const char* key, const std::string& value) { ASSERT_TRUE(store.save("ZIV", "Setup ", key, value).ok()); }
  void own(const char* key, const std::string& value) {
    ASSERT_TRUE(store.save("ZIV", "Setup F6ABC_P", key, value).ok());
  }

  // The station F6ABC/P activating castle 35012, its keyer at 127.0.0.1:port.
  Main& startWithKeyer(int keyer, quint16 port = 0, int wpm = 26) {
    setUpStation("F6ABC_P", "Fr");
    common("Manipulateur", std::to_string(keyer));
    common("Manipulateur Hote", "127.0.0.1");
    common("Manipulateur Port", std::to_string(port));
    common("Vitesse CW", std::to_string(wpm));
    own("N° Activite", "35012");
    Main& window = start();
    EXPECT_TRUE(started);
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    return window;
  }

  // The entry waiting for a callsign, which is typed.
  void typeCallsign(Main& window, const char* call) {
    QTest::keyClick(window.Bande_A, Qt::Key_Return);
    QTest::keyClick(window.Mode_A, Qt::Key_Return);
    ASSERT_TRUE(window.Indicatif_A->hasFocus());
    QTest::keyClicks(window.Indicatif_A, QString::fromLatin1(call));
  }

  CwKeyer& keyer() { return program->cwKeyer(); }
  QString sent() { return keyer().sentLabel->text(); }
  QString notice() { return keyer().noticeLabel->text(); }
};

TEST_F(CwKeyerTest, TheKeysSendStopAndSpeedUpThroughCwdaemon) {
  FakeCwdaemon cwdaemon;
  own("Message CW F2", "{CALL} {RST} {MYREF}");
  own("Message CW F8", "QRZ {FOO}");
  own("Chiffres Abreges", "True");
  Main& window = startWithKeyer(1, cwdaemon.port());
  EXPECT_TRUE(window.Mnu_Manip_Cwdaemon->isChecked());
  EXPECT_EQ(keyer().speedLabel->text(), QStringLiteral("26 wpm"));
  typeCallsign(window, "dl1abc");
  window.RSTE_A->setText(QStringLiteral("599"));

  // F2 in the callsign: the speed, the reply request, the text; the field
  // keeps its text and the focus.
  QTest::keyClick(window.Indicatif_A, Qt::Key_F2);
  ASSERT_TRUE(waitUntil([&] { return cwdaemon.received.size() == 3; }));
  EXPECT_EQ(cwdaemon.received, (std::vector<QByteArray>{"\033226", "\033h1", "DL1ABC 5NN 35012"}));
  EXPECT_EQ(window.Indicatif_A->text(), QStringLiteral("DL1ABC"));
  EXPECT_TRUE(window.Indicatif_A->hasFocus());
  EXPECT_EQ(sent(), QStringLiteral("DL1ABC 5NN 35012"));
  EXPECT_TRUE(keyer().sending());

  // PgUp: 2 wpm faster, at once on the message being keyed, and stored.
  QTest::keyClick(window.Indicatif_A, Qt::Key_PageUp);
  ASSERT_TRUE(waitUntil([&] { return cwdaemon.received.size() == 4; }));
  EXPECT_EQ(cwdaemon.received[3], QByteArray("\033228"));
  EXPECT_EQ(keyer().speedLabel->text(), QStringLiteral("28 wpm"));
  EXPECT_TRUE(waitUntil([&] { return setting("Setup ", "Vitesse CW") == "28"; }));

  // Escape while it is sent: the abort, and nothing else (the entry stays
  // on the callsign).
  QTest::keyClick(window.Indicatif_A, Qt::Key_Escape);
  ASSERT_TRUE(waitUntil([&] { return cwdaemon.received.size() == 5; }));
  EXPECT_EQ(cwdaemon.received[4], QByteArray("\0334"));
  EXPECT_FALSE(keyer().sending());
  EXPECT_EQ(sent(), QString());
  EXPECT_TRUE(window.Indicatif_A->hasFocus());

  // F1 from the list of contacts; cwdaemon's reply ends it.  PgDn there
  // pages the list, the speed stays.
  window.Liste_QSO->setFocus();
  QTest::keyClick(window.Liste_QSO, Qt::Key_PageDown);
  EXPECT_EQ(keyer().speedLabel->text(), QStringLiteral("28 wpm"));
  QTest::keyClick(window.Liste_QSO, Qt::Key_F1);
  ASSERT_TRUE(waitUntil([&] { return cwdaemon.received.size() == 8; }));
  EXPECT_EQ(cwdaemon.received[7], QByteArray("CQ JNC F6ABC/P F6ABC/P TEST"));
  EXPECT_EQ(cwdaemon.received[6], QByteArray("\033h2"));
  EXPECT_EQ(sent(), QStringLiteral("CQ JNC F6ABC/P F6ABC/P TEST"));
  cwdaemon.reply("h1\r\n");  // the stopped message's: nothing ends
  waitUntil([] { return false; }, 50);
  EXPECT_TRUE(keyer().sending());
  cwdaemon.reply("h2\r\n");
  ASSERT_TRUE(waitUntil([&] { return !keyer().sending(); }));
  EXPECT_EQ(sent(), QString());

  // An unknown macro goes as written and is named under the entry.
  QTest::keyClick(window.Bande_A, Qt::Key_F8);
  ASSERT_TRUE(waitUntil([&] { return cwdaemon.received.size() == 11; }));
  EXPECT_EQ(cwdaemon.received[10], QByteArray("QRZ {FOO}"));
  EXPECT_THAT(notice().toStdString(), HasSubstr("{FOO}"));

  cwdaemon.reply("h3\r\n");
  ASSERT_TRUE(waitUntil([&] { return !keyer().sending(); }));

  // Escape with nothing being sent keeps its meaning in the entry: back to
  // the band, nothing sent.
  window.Indicatif_A->setFocus();
  QTest::keyClick(window.Indicatif_A, Qt::Key_Escape);
  EXPECT_TRUE(window.Bande_A->hasFocus());
  waitUntil([] { return false; }, 50);
  EXPECT_EQ(cwdaemon.received.size(), 11u);
}

TEST_F(CwKeyerTest, WithoutAKeyerTheKeysSaySoAndPageKeysKeepTheirMeaning) {
  Main& window = startWithKeyer(0);
  EXPECT_TRUE(window.Mnu_Manip_Aucun->isChecked());
  const int band = window.Bande_A->currentIndex();
  ASSERT_LT(band, window.Bande_A->count() - 1);
  QTest::keyClick(window.Bande_A, Qt::Key_F1);
  EXPECT_EQ(notice(), noKeyerNotice(true));
  EXPECT_FALSE(keyer().sending());
  QTest::keyClick(window.Bande_A, Qt::Key_PageDown);
  EXPECT_EQ(window.Bande_A->currentIndex(), band + 1);
  EXPECT_EQ(keyer().speedLabel->text(), QStringLiteral("26 wpm"));
}

TEST_F(CwKeyerTest, AKeyerThatDoesNotAnswerIsSaidOnceAndHoldsNothing) {
  quint16 closed = 0;
  {
    QUdpSocket probe;
    ASSERT_TRUE(probe.bind(QHostAddress::LocalHost, 0));
    closed = probe.localPort();
  }
  Main& window = startWithKeyer(1, closed, 60);
  typeCallsign(window, "DL1ABC");
  QTest::keyClick(window.Indicatif_A, Qt::Key_F5);
  const QString silent = cwdaemonSilentNotice(true, QStringLiteral("127.0.0.1:") + QString::number(closed));
  ASSERT_TRUE(waitUntil([&] { return notice() == silent; }));
  EXPECT_FALSE(keyer().sending());
  // The entry goes on meanwhile.
  QTest::keyClick(window.Indicatif_A, Qt::Key_Backspace);
  EXPECT_EQ(window.Indicatif_A->text(), QStringLiteral("DL1AB"));

  // A keyer that takes the datagrams and never says it is done: said once
  // its message should have been keyed.
  FakeCwdaemon mute;
  ASSERT_TRUE(store.save("ZIV", "Setup ", "Manipulateur Port", std::to_string(mute.port())).ok());
  keyer().chooseKeyer(KeyerKind::Cwdaemon);
  EXPECT_EQ(notice(), QString());
  QTest::keyClick(window.Indicatif_A, Qt::Key_F6);
  ASSERT_TRUE(waitUntil([&] { return mute.received.size() == 3; }));
  EXPECT_TRUE(keyer().sending());
  ASSERT_TRUE(waitUntil([&] { return !keyer().sending(); }, 6'000));
  EXPECT_EQ(notice(), cwdaemonSilentNotice(true, QStringLiteral("127.0.0.1:") + QString::number(mute.port())));
}

TEST_F(CwKeyerTest, ARealCwdaemonSaysWhenTheMessageIsKeyed) {
  CwdaemonProcess cwdaemon;
  if (CwdaemonProcess::program().isEmpty()) GTEST_SKIP() << "cwdaemon (Debian package cwdaemon) is missing";
  ASSERT_TRUE(cwdaemon.start());
  own("Message CW F3", "TU {MYCALL}");
  Main& window = startWithKeyer(1, cwdaemon.port(), 60);
  int ended = 0;
  QObject::connect(&keyer(), &CwKeyer::messageEnded, [&] { ++ended; });
  // "TU F6ABC/P" keys in 2.1 s at 60 wpm; cwdaemon's answer ends it, long
  // before the 3 s more the program would give it.
  QElapsedTimer keyed;
  keyed.start();
  QTest::keyClick(window.Mode_A, Qt::Key_F3);
  EXPECT_EQ(sent(), QStringLiteral("TU F6ABC/P"));
  ASSERT_TRUE(waitUntil([&] { return ended == 1; }, 10'000));
  EXPECT_GE(keyed.elapsed(), 1'500);
  EXPECT_LT(keyed.elapsed(), morseDurationMs("TU F6ABC/P", 60) + 2'000);
  EXPECT_EQ(notice(), QString());
  EXPECT_EQ(sent(), QString());
}

TEST_F(CwKeyerTest, TheRadiosOwnKeyerThroughRigctld) {
  Rigctld rigctld;
  if (Rigctld::program().isEmpty()) GTEST_SKIP() << "rigctld (Debian package libhamlib-utils) is not installed";
  ASSERT_TRUE(rigctld.start());
  RigctldBridge bridge(rigctld.port());
  Main& window = startWithKeyer(2, 0, 30);
  EXPECT_TRUE(window.Mnu_Manip_Radio->isChecked());
  // No hamlib radio yet.
  QTest::keyClick(window.Mode_A, Qt::Key_F4);
  EXPECT_EQ(notice(), noHamlibRadioNotice(true));

  RadioControl& radio = program->radioControl();
  ASSERT_TRUE(radio.use(HamlibChoice{true, 0, "", 0, "127.0.0.1", bridge.port()}));
  ASSERT_TRUE(waitUntil([&] { return radio.link().state() == RadioLink::State::Answering; }));
  QTest::keyClick(window.Mode_A, Qt::Key_F1);
  EXPECT_EQ(sent(), QStringLiteral("CQ JNC F6ABC/P F6ABC/P TEST"));
  ASSERT_TRUE(waitUntil([&] { return bridge.lines().contains("\\send_morse CQ JNC F6ABC/P F6ABC/P TEST"); }));
  QProcess rigctl;
  rigctl.start(QStandardPaths::findExecutable(QStringLiteral("rigctl")),
               {"-m", "2", "-r", QString::fromStdString(rigctld.address()), "l", "KEYSPD"});
  ASSERT_TRUE(rigctl.waitForFinished(5'000));
  EXPECT_EQ(rigctl.readAllStandardOutput().trimmed(), QByteArray("30"));
  // Escape: the stop goes to the radio, which has none (hamlib's simulated
  // radio): said.
  QTest::keyClick(window.Mode_A, Qt::Key_Escape);
  EXPECT_FALSE(keyer().sending());
  ASSERT_TRUE(waitUntil([&] { return notice() == radioCannotStopNotice(true); }));
  EXPECT_TRUE(bridge.lines().contains("\\stop_morse"));

  // Without Escape the message ends in the time its text takes.
  QTest::keyClick(window.Mode_A, Qt::Key_F6);
  EXPECT_TRUE(keyer().sending());
  ASSERT_TRUE(waitUntil([&] { return !keyer().sending(); }));

  // A radio without a keyer, as rigctld answers for one.
  bridge.answer("\\send_morse", "RPRT -11");
  QTest::keyClick(window.Mode_A, Qt::Key_F7);
  ASSERT_TRUE(waitUntil([&] { return notice() == radioHasNoKeyerNotice(true); }));
  EXPECT_FALSE(keyer().sending());
  radio.stop();
}

TEST_F(CwKeyerTest, TheMessagesWindowKeepsTheMessagesOfTheStation) {
  Main& window = startWithKeyer(0);
  window.Mnu_Messages_CW->trigger();
  CwMessagesDialog* messages = keyer().messagesWindow();
  ASSERT_NE(messages, nullptr);
  EXPECT_TRUE(messages->isVisible());
  EXPECT_EQ(messages->messageEdits[0]->text(), QStringLiteral("CQ JNC {MYCALL} {MYCALL} TEST"));
  EXPECT_EQ(messages->messageEdits[2]->text(), QStringLiteral("MCI {MYCALL}"));
  EXPECT_EQ(messages->castleReference->text(), QStringLiteral("35012"));
  EXPECT_FALSE(messages->cutNumbers->isChecked());

  // A character CW cannot send is refused, naming the key; nothing is kept.
  messages->messageEdits[6]->setText(QStringLiteral("RÉPÉTEZ"));
  messages->saveButton->click();
  ASSERT_FALSE(dialogs.texts().isEmpty());
  EXPECT_THAT(dialogs.texts().back().toStdString(), HasSubstr("F7"));
  EXPECT_TRUE(messages->isVisible());
  EXPECT_EQ(setting("Setup F6ABC_P", "Message CW F7"), "<absent>");

  messages->messageEdits[6]->setText(QStringLiteral("RPT"));
  messages->departement->setText(QStringLiteral("35"));
  messages->cutNumbers->setChecked(true);
  messages->saveButton->click();
  EXPECT_FALSE(messages->isVisible());
  const QPointer<CwMessagesDialog> closed(messages);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(closed.isNull()) << "a closed window deletes itself";
  EXPECT_EQ(setting("Setup F6ABC_P", "Message CW F7"), "RPT");
  EXPECT_EQ(setting("Setup F6ABC_P", "Message CW F1"), "CQ JNC {MYCALL} {MYCALL} TEST");
  EXPECT_EQ(setting("Setup F6ABC_P", "Departement Station"), "35");
  EXPECT_EQ(setting("Setup F6ABC_P", "Chiffres Abreges"), "True");

  // Opened again: what was kept; Cancel keeps nothing more.
  window.Mnu_Messages_CW->trigger();
  messages = keyer().messagesWindow();
  EXPECT_EQ(messages->messageEdits[6]->text(), QStringLiteral("RPT"));
  messages->messageEdits[6]->setText(QStringLiteral("AGN"));
  messages->cancelButton->click();
  EXPECT_EQ(setting("Setup F6ABC_P", "Message CW F7"), "RPT");
}

}  // namespace
}  // namespace brivant::testing
