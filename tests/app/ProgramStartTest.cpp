// The program itself, started as the operator starts it.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

#include "tests/support/TestFiles.h"

namespace brivant::testing {
namespace {

// The program beside this test program in the build tree.
QString programPath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/../app/brivant"); }

// A fresh home; no display unless offscreen is asked for.
QProcessEnvironment freshEnvironment(const TempDir& home, bool offscreen) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(QString::fromLatin1(variable));
  if (offscreen) environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  const QString homePath = QString::fromStdString(home.path().string());
  environment.insert(QStringLiteral("HOME"), homePath);
  environment.insert(QStringLiteral("XDG_DATA_HOME"), homePath + QStringLiteral("/data"));
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), homePath + QStringLiteral("/config"));
  environment.insert(QStringLiteral("XDG_STATE_HOME"), homePath + QStringLiteral("/state"));
  // A desktop session has its private runtime folder; without it Qt says so
  // on standard error.
  const std::filesystem::path runtime = home / "runtime";
  std::filesystem::create_directories(runtime);
  std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(runtime.string()));
  environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
  environment.remove(QStringLiteral("LANGUAGE"));
  environment.remove(QStringLiteral("LC_ALL"));
  return environment;
}

struct ProgramRun {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

ProgramRun runProgram(const TempDir& home, bool offscreen, const QStringList& arguments) {
  QProcess process;
  process.setProcessEnvironment(freshEnvironment(home, offscreen));
  process.start(programPath(), arguments);
  ProgramRun run;
  if (!process.waitForFinished(30000)) {
    process.kill();
    process.waitForFinished();
    ADD_FAILURE() << "the program did not end: " << arguments.join(u' ').toStdString();
    return run;
  }
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  run.exitCode = process.exitCode();
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

class ProgramStart : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QFileInfo::exists(programPath()))
      GTEST_SKIP() << "the program is not built beside the tests: " << programPath().toStdString();
  }
};

TEST_F(ProgramStart, WithoutADisplayItSaysSoInOneSentenceAndStops) {
  TempDir home;
  const ProgramRun run = runProgram(home, false, {});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, QByteArray());
  EXPECT_EQ(run.err,
            QByteArray("Brivant needs a graphical display: start it from a desktop session (or set DISPLAY).\n"));
  // It stopped before touching anything.
  EXPECT_FALSE(std::filesystem::exists(home.path() / "data"));
  EXPECT_FALSE(std::filesystem::exists(home.path() / "state"));
}

// --help and --version answer with a display or without; anything else that
// is not one of Qt's own options is refused in one line with status 2.  None
// of them opens a window or touches the program folder.
TEST_F(ProgramStart, CommandLine) {
  const QByteArray version = QByteArray("Brivant ") + BRIVANT_PROJECT_VERSION + "\n";
  const QByteArray help = "Usage: ";
  struct Case {
    QStringList arguments;
    bool offscreen;
    int exitCode;
    QByteArray out;  // the whole output, or its start when it ends with "..."
    QByteArray err;
  };
  const Case cases[] = {
      {{"--version"}, true, 0, version, ""},
      {{"--version"}, false, 0, version, ""},
      {{"-v"}, true, 0, version, ""},
      {{"--help"}, true, 0, help + "...", ""},
      {{"-h"}, false, 0, help + "...", ""},
      {{"--help-all"}, true, 0, help + "...", ""},
      {{"--bogus"}, true, 2, "", "brivant: Unknown option 'bogus'. Try: brivant --help\n"},
      {{"--bogus"}, false, 2, "", "brivant: Unknown option 'bogus'. Try: brivant --help\n"},
      {{"-x", "--version"}, true, 2, "", "brivant: Unknown option 'x'. Try: brivant --help\n"},
      {{"F6ABC.log"}, true, 2, "", "brivant: Unexpected argument 'F6ABC.log'. Try: brivant --help\n"},
      // Qt's own options are Qt's: taken before the program reads the rest.
      {{"-style", "Fusion", "--version"}, true, 0, version, ""},
      {{"-reverse", "--version"}, true, 0, version, ""},
      // -platform makes a display of its own.
      {{"-platform", "offscreen", "--version"}, false, 0, version, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(u' ').toStdString() + (c.offscreen ? " (offscreen)" : " (no display)"));
    TempDir home;
    const ProgramRun run = runProgram(home, c.offscreen, c.arguments);
    EXPECT_EQ(run.exitCode, c.exitCode);
    if (c.out.endsWith("...")) {
      EXPECT_TRUE(run.out.startsWith(c.out.chopped(3))) << run.out.toStdString();
    } else {
      EXPECT_EQ(run.out, c.out);
    }
    EXPECT_EQ(run.err, c.err);
    EXPECT_FALSE(std::filesystem::exists(home.path() / "data"));
  }
}

// The help names the program, both languages' description and every option;
// --help-all adds Qt's own.
TEST_F(ProgramStart, HelpListsTheOptions) {
  TempDir home;
  const QString help = QString::fromUtf8(runProgram(home, false, {"--help"}).out);
  for (const char* expected :
       {"Usage: ", "/brivant [options]\n", "Brivant, carnet de trafic de la Journée Nationale des Ruziduza (JNC).",
        "Brivant, the logbook of the Journée Nationale des Ruziduza (JNC).", "--help", "--help-all", "--version"})
    EXPECT_TRUE(help.contains(QString::fromUtf8(expected))) << expected << "\n" << help.toStdString();
  EXPECT_FALSE(help.contains(QStringLiteral("-platform")));
  const QString all = QString::fromUtf8(runProgram(home, true, {"--help-all"}).out);
  EXPECT_TRUE(all.contains(QStringLiteral("--platform"))) << all.toStdString();
  EXPECT_TRUE(all.contains(QStringLiteral("--version"))) << all.toStdString();
}

}  // namespace
}  // namespace brivant::testing
