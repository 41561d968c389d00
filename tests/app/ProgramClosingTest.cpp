// The program's process ends soon after Fichier -> Quitter, whatever its
// radio does: a radio that hangs holds neither the closing nor the process
// (and so neither the program folder, which a new start would find taken).

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include "tests/support/Rigctld.h"

namespace brivant::testing {
namespace {

TEST(ProgramClosing, AHungRadioDoesNotKeepTheProcessAlive) {
  const QString probe = QCoreApplication::applicationDirPath() + QStringLiteral("/brivant_closing_probe");
  ASSERT_TRUE(QFileInfo::exists(probe)) << probe.toStdString();
  Rigctld rigctld;
  if (Rigctld::program().isEmpty()) GTEST_SKIP() << "rigctld (Debian package libhamlib-utils) is not installed";
  ASSERT_TRUE(rigctld.start());

  QProcess program;
  program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  program.start(probe, {QString::number(rigctld.port()), QString::number(rigctld.pid())});
  // Started, the radio read, paused, said silent, and quit.
  QElapsedTimer clock;
  clock.start();
  while (!program.canReadLine() && program.state() != QProcess::NotRunning && clock.elapsed() < 30'000)
    program.waitForReadyRead(100);
  ASSERT_EQ(program.readLine(), QByteArray("quitting\n"));
  clock.restart();
  ASSERT_TRUE(program.waitForFinished(30'000));
  EXPECT_LT(clock.elapsed(), 2'000);
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);
}

}  // namespace
}  // namespace brivant::testing
