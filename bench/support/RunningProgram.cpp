#include "bench/support/RunningProgram.h"

#include <QCoreApplication>
#include <string>

#include "core/Station.h"
#include "core/ui/Main.h"
#include "platform/ProgramDir.h"

namespace brivant::bench {

bool RunningProgram::start() {
  if (!ProgramDir::seed(programDir.path(), BRIVANT_DATA_DIR_FOR_BENCH).ok() ||
      !Cree_Fichiers_Station(programDir.path(), Station).ok())
    return false;
  writeStationLog(programDir.path(), Station, generateLogRecords());
  (void)store.save("ZIV", "Setup ", "Indicatif Station", Station);
  (void)store.save("ZIV", "Setup " + std::string(Station), "Langue", "Fr");
  appState = std::make_unique<AppState>(programDir.path(), store, clock, dialogs);
  composition = std::make_unique<Composition>(*appState);
  Main& window = composition->main();
  if (!window.Form_Load()) return false;
  window.show();
  QCoreApplication::processEvents();
  return true;
}

}  // namespace brivant::bench
