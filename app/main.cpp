// Brivant: builds the platform services and the shared state, puts the
// program together (Composition) and starts the main window.

#include <QApplication>
#include <QMessageBox>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

#include "app/Composition.h"
#include "cluster/ui/RadioControl.h"
#include "core/AppState.h"
#include "core/ui/Main.h"
#include "platform/Clock.h"
#include "platform/Diagnostics.h"
#include "platform/ProgramDir.h"
#include "platform/SettingsStore.h"
#include "platform/ui/QtDialogs.h"

namespace {

bool set(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && value[0] != '\0';
}

}  // namespace

int main(int argc, char** argv) {
  // Without a display Qt would abort with a long report; one sentence says it.
  if (!set("DISPLAY") && !set("WAYLAND_DISPLAY") && !set("QT_QPA_PLATFORM")) {
    std::fputs("Brivant needs a graphical display: start it from a desktop session (or set DISPLAY).\n", stderr);
    return 1;
  }

  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Brivant"));
  // One style everywhere, so that the entry colours show exactly as chosen.
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);

  // File and device errors are logged from here on (see the README).
  brivant::Diagnostics::install(brivant::ProgramDir::defaultStateFolder());

  const std::filesystem::path programDir = brivant::ProgramDir::defaultDataFolder();
  if (const brivant::Status seeded = brivant::ProgramDir::seed(programDir, brivant::ProgramDir::installedDataFolder());
      !seeded) {
    brivant::Diagnostics::fileError(seeded.error(), "the program folder could not be prepared");
    QMessageBox::critical(
        nullptr, QStringLiteral("Brivant"),
        QStringLiteral("Brivant cannot prepare its folder %1 (%2).")
            .arg(QString::fromStdString(programDir.string()), QString::fromStdString(seeded.error().detail)));
    return 1;
  }
  brivant::SettingsStore settings(brivant::ProgramDir::defaultSettingsFolder());
  brivant::SystemClock clock;
  brivant::QtDialogs dialogs;
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
  main.Form_Load();
  if (ended) return exitCode;
  program.radioControl().restore();
  return QApplication::exec();
}
