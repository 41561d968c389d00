// The program put together as app/main.cpp does, on scratch folders, with its
// hamlib radio behind the rigctld a test started.  Once the radio has been
// read, the rigctld is paused (it hangs); while hamlib waits on it,
// "quitting" is printed and the program is quit by Fichier -> Quitter.  The
// test times how long the process lives after that line.
//
//   brivant_closing_probe <rigctld port> <rigctld process id>

#include <QApplication>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <string>

#include "app/Composition.h"
#include "cluster/HamlibSettings.h"
#include "cluster/ui/RadioControl.h"
#include "core/AppState.h"
#include "core/Station.h"
#include "core/ui/Main.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"

int main(int argc, char** argv) {
  using namespace brivant;
  if (argc != 3) return 2;
  const int rigctldPort = std::stoi(argv[1]);
  const pid_t rigctld = static_cast<pid_t>(std::stol(argv[2]));
  QApplication application(argc, argv);

  brivant::testing::TempDir programDir;
  brivant::testing::TempDir settingsDir;
  brivant::testing::seedFromShippedData(programDir.path());
  const std::string call = "F6ABC";
  if (!Cree_Fichiers_Station(programDir.path(), call).ok()) return 3;
  SettingsStore store(settingsDir.path());
  (void)store.save("ZIV", "Setup ", "Indicatif Station", call);
  (void)store.save("ZIV", "Setup " + call, "Date ZIV", "06/06/26");
  (void)store.save("ZIV", "Setup " + call, "Langue", "Fr");
  (void)store.save("ZIV", "Setup ", "Transceiver", std::to_string(HamlibTransceiverIndex));
  (void)saveHamlibChoice(store, {true, 0, "", 0, "127.0.0.1", rigctldPort});

  brivant::testing::ScriptedDialogs dialogs;
  dialogs.setLenient(true);
  SystemClock clock;
  AppState state(programDir.path(), store, clock, dialogs);
  Composition program(state);
  Main& main = program.main();
  main.setEndProgram([](int code) { QCoreApplication::exit(code); });
  if (!main.Form_Load()) return 4;
  program.radioControl().restore();

  // Paused just after a reading, the radio is asked again a second later and
  // hamlib waits for its answer from then on: the program is quit in the
  // middle of that wait.
  QTimer quit;
  quit.setSingleShot(true);
  QObject::connect(&quit, &QTimer::timeout, [&main] {
    std::puts("quitting");
    std::fflush(stdout);
    main.Mnu_Quitter->trigger();
  });
  bool paused = false;
  QObject::connect(&program.radioControl().link(), &RadioLink::readingReceived, [&quit, &paused, rigctld] {
    if (paused) return;
    paused = ::kill(rigctld, SIGSTOP) == 0;
    if (paused) quit.start(1'300);
  });
  return QApplication::exec();
}
