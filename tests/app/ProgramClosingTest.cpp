// The program's process ends soon after Fichier -> Quitter, whatever its
// radio does: a radio that hangs holds neither the closing nor the process
// (and so neither the program folder, which a new start would find taken).
// And it ends the same way when the system asks it to.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <csignal>

#include "core/Station.h"
#include "platform/SettingsStore.h"
#include "tests/support/Rigctld.h"
#include "tests/support/TestFiles.h"

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

// The system asks the real program to end (a shutdown, a logout, kill, the
// terminal closed) while it waits on the operator at start-up: it ends as
// Quitter does, exit code 0, with the safety copy of the station's files
// made, where the signal's default would have killed it on the spot.
TEST(ProgramClosing, ASystemRequestToEndMakesTheSafetyCopyAndEndsCleanly) {
  const QString brivant = QStringLiteral(BRIVANT_PROGRAM_PATH);
  ASSERT_TRUE(QFileInfo::exists(brivant)) << brivant.toStdString();
  for (const int signalNumber : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(signalNumber);
    const TempDir home;
    const fs::path programDir = home.path() / ".local" / "share" / "Brivant";
    fs::create_directories(programDir);
    seedFromShippedData(programDir);
    ASSERT_TRUE(Cree_Fichiers_Station(programDir, LogStation).ok());
    SettingsStore store(home.path() / ".config" / "Brivant");
    ASSERT_TRUE(store.save("ZIV", "Setup ", "Indicatif Station", std::string(LogStation)).ok());
    ASSERT_TRUE(store.save("ZIV", "Setup F6ABC", "Date ZIV", "06/06/26").ok());

    QProcess program;
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.path().string()));
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(brivant, {});
    // The log is loaded, then the program waits on the box of what to do
    // before the event.
    QByteArray said;
    QElapsedTimer clock;
    clock.start();
    while (!said.contains("contacts in") && program.state() != QProcess::NotRunning && clock.elapsed() < 30'000) {
      program.waitForReadyRead(100);
      said += program.readAll();
    }
    ASSERT_TRUE(said.contains("contacts in")) << said.toStdString();
    ASSERT_EQ(::kill(static_cast<pid_t>(program.processId()), signalNumber), 0);
    ASSERT_TRUE(program.waitForFinished(30'000));
    said += program.readAll();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << said.toStdString();
    EXPECT_EQ(program.exitCode(), 0) << said.toStdString();
    for (const StationFile& file : stationFiles(programDir, LogStation)) {
      fs::path backup = file.path;
      backup.replace_extension(".bak");
      EXPECT_TRUE(fs::exists(backup) && readBytes(backup) == readBytes(file.path)) << backup;
    }
  }
}

}  // namespace
}  // namespace brivant::testing
