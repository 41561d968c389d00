// The program itself, started as the operator starts it.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include "tests/support/TestFiles.h"

namespace brivant::testing {
namespace {

// The program beside this test program in the build tree.
QString programPath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/../app/brivant"); }

TEST(ProgramStart, WithoutADisplayItSaysSoInOneSentenceAndStops) {
  const QString program = programPath();
  if (!QFileInfo::exists(program))
    GTEST_SKIP() << "the program is not built beside the tests: " << program.toStdString();
  TempDir home;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(QString::fromLatin1(variable));
  const QString homePath = QString::fromStdString(home.path().string());
  environment.insert(QStringLiteral("HOME"), homePath);
  environment.insert(QStringLiteral("XDG_DATA_HOME"), homePath + QStringLiteral("/data"));
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), homePath + QStringLiteral("/config"));
  environment.insert(QStringLiteral("XDG_STATE_HOME"), homePath + QStringLiteral("/state"));

  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, {});
  ASSERT_TRUE(process.waitForFinished(20000));
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 1);
  EXPECT_EQ(process.readAllStandardOutput(), QByteArray());
  EXPECT_EQ(process.readAllStandardError(),
            QByteArray("Brivant needs a graphical display: start it from a desktop session (or set DISPLAY).\n"));
  // It stopped before touching anything.
  EXPECT_FALSE(std::filesystem::exists(home.path() / "data"));
  EXPECT_FALSE(std::filesystem::exists(home.path() / "state"));
}

}  // namespace
}  // namespace brivant::testing
