#include "entry/ui/MainMaintenance.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include "core/MissingFile.h"
#include "core/Station.h"
#include "core/ui/FieldColours.h"
#include "core/ui/Main.h"
#include "entry/DeptTally.h"
#include "entry/PrefixTally.h"
#include "entry/Rebuild.h"
#include "entry/ui/Chargement.h"

namespace brivant {

namespace {

bool names(const FileError& error, const std::string& fileName) {
  return std::filesystem::path(error.path).filename().string() == fileName;
}

// What a failed rebuild means for the program.  Nothing was written: the
// rebuild changes the files only once everything is computed.
bool reportRebuildError(Main& main, const FileError& error) {
  AppState& state = main.state();
  if (error.number == FileNotFound && names(error, state.StationCall + ".log")) {
    main.raiseFileError(error, MissingFileLabel::Log);
    return false;
  }
  if (error.number == FileNotFound && names(error, std::string(DepartementTemplate))) {
    state.dialogs.message(missingDeptTemplateMessage(main.french()));
    main.endProgram(1);
    return false;
  }
  if (error.number == FileNotFound) {
    // The prefix template: the rebuild is skipped and the program goes on
    // with the tallies as they were.
    state.dialogs.message(missingTemplateMessage(main.french(), state.programDir));
    return true;
  }
  state.dialogs.message(runtimeErrorMessage(error.number));
  main.endProgram(1);
  return false;
}

}  // namespace

bool rebuildFromLog(Main& main, bool showResult) {
  AppState& state = main.state();
  Chargement* window = main.updatingWindow();
  window->open(main.french());
  main.Timer1->stop();
  // Let the updating window appear before the work starts.
  QCoreApplication::processEvents();

  bool goOn = true;
  const Result<RebuildOutcome> outcome = rebuildTallies(state.programDir, state.StationCall);
  if (outcome) {
    for (std::size_t i = 0; i < outcome->unknownCallsigns.size(); ++i) {
      state.dialogs.message(unknownPrefixMessage(main.french()));
      if (main.programEnded()) break;
    }
  } else {
    goOn = reportRebuildError(main, outcome.error());
  }

  if (goOn && showResult) goOn = main.showEntryGrid(Frame3Caller::StartUpOrSave) && main.showPoints();
  if (!main.programEnded()) main.Timer1->start();
  window->close();
  return goOn && !main.programEnded();
}

void resetAllFiles(Main& main) {
  AppState& state = main.state();
  const bool fr = main.french();
  if (!state.dialogs.okCancelCritical(resetQuestion(fr, state.StationCall))) return;

  const Status reset = resetStationFiles(state.programDir, state.StationCall);
  if (!reset) {
    state.dialogs.message(reset.error().number == FileNotFound ? missingTemplateMessage(fr, state.programDir)
                                                               : runtimeErrorMessage(reset.error().number));
  }
  if (!main.Affiche_Departements(state.GridBand, "SSB")) return;
  if (!main.Charge_Liste_QSO()) return;
  main.Frame3->setTitle(frame3Caption(Frame3Caller::DeleteOrReset, fr, state.DeptCount, state.GridBand, "SSB"));
  setAwaiting(main.Bande_A);
  main.Bande_A->setFocus();
  setAccepted(main.Mode_A);
  if (reset)
    main.P_QSO->setText(QStringLiteral("0"));
  else
    (void)main.showPoints();
}

void backupAtClosing(Main& main) {
  AppState& state = main.state();
  state.dialogs.message(backupReminder(main.french(), state.StationCall, state.JncDate, state.programDir));
  if (const Status copied = Copie_Securite(state.programDir, state.StationCall); !copied)
    state.dialogs.message(runtimeErrorMessage(copied.error().number));
}

}  // namespace brivant
