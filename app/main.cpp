// Brivant: builds the platform services and the shared state, puts the
// program together (Composition) and starts the main window.

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>
#include <cstdio>
#include <memory>

#include "app/CommandLine.h"
#include "app/Composition.h"
#include "app/ProgramFolder.h"
#include "cluster/ui/RadioControl.h"
#include "core/AppState.h"
#include "core/ui/Main.h"
#include "platform/Clock.h"
#include "platform/Diagnostics.h"
#include "platform/EndRequests.h"
#include "platform/ProgramDir.h"
#include "platform/SettingsStore.h"
#include "platform/ui/QtDialogs.h"

int main(int argc, char** argv) {
  // Without a display Qt would abort with a long report; one sentence says it
  // (after --help and --version, which need none).
  if (!brivant::displayAvailable(argc, argv)) {
    const QCoreApplication application(argc, argv);
    if (const std::optional<int> ended = brivant::readCommandLine(application)) return *ended;
    std::fputs("Brivant needs a graphical display: start it from a desktop session (or set DISPLAY).\n", stderr);
    return 1;
  }

  QApplication application(argc, argv);
  if (const std::optional<int> ended = brivant::readCommandLine(application)) return *ended;
  // The installed desktop entry and icon (BRIVANT_APP_ID, app/CMakeLists.txt).
  QGuiApplication::setDesktopFileName(QStringLiteral(BRIVANT_APP_ID));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(BRIVANT_APP_ID)));
  // One style everywhere, so that the entry colours show exactly as chosen.
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);

  // File and device errors are logged from here on (see the README).
  brivant::Diagnostics::install(brivant::ProgramDir::defaultStateFolder());

  // One copy per program folder: the folder is taken before any of its files
  // is touched, and held until the program ends.
  const std::filesystem::path programDir = brivant::ProgramDir::defaultDataFolder();
  brivant::SettingsStore settings(brivant::ProgramDir::defaultSettingsFolder());
  brivant::QtDialogs dialogs;
  const std::unique_ptr<brivant::InstanceLock> folderLock =
      brivant::openProgramFolder(programDir, brivant::ProgramDir::installedDataFolder(), settings, dialogs);
  if (!folderLock) return 1;
  brivant::SystemClock clock;
  brivant::AppState state(programDir, settings, clock, dialogs);

  brivant::Composition program(state);
  brivant::Main& main = program.main();
  dialogs.setParent(&main);
  bool ended = false;
  int exitCode = 0;
  main.setEndProgram([&ended, &exitCode](int code) {
    ended = true;
    exitCode = code;
    QCoreApplication::exit(code);
  });
  // A shutdown, a logout or kill: the program ends as Quitter ends it, from
  // the start-up's first box on.
  brivant::EndRequests endRequests;
  QObject::connect(&endRequests, &brivant::EndRequests::requested, &main, [&main](int signalNumber) {
    qCInfo(brivant::brivantStartup).noquote() << "signal" << signalNumber << "received: the program ends";
    main.endOnRequest();
  });
  main.Form_Load();
  if (ended) return exitCode;
  program.radioControl().restore();
  return QApplication::exec();
}
