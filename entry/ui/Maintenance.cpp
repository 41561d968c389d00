#include "entry/ui/Maintenance.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>

#include "core/Bands.h"
#include "core/MainCaptions.h"
#include "core/MissingFile.h"
#include "core/Station.h"
#include "core/ui/EntryForm.h"
#include "core/ui/FieldColours.h"
#include "entry/EntryDraft.h"
#include "entry/Maintenance.h"
#include "entry/PrefixTally.h"
#include "entry/Rebuild.h"
#include "entry/TallyCheck.h"
#include "entry/ui/Chargement.h"
#include "platform/Diagnostics.h"
#include "platform/TextFile.h"

namespace brivant {

namespace fs = std::filesystem;

namespace {

bool names(const FileError& error, const std::string& fileName) {
  return std::filesystem::path(error.path).filename().string() == fileName;
}

}  // namespace

Maintenance::Maintenance(MainView view, const EntryDraft& draft)
    : QObject(view.main.window), view_(std::move(view)), draft_(draft) {
  setObjectName(QStringLiteral("Maintenance"));
}

Chargement* Maintenance::updatingWindow() {
  if (chargement_ == nullptr) chargement_ = new Chargement(view_.main.window);
  return chargement_;
}

// Nothing was written: the rebuild changes the files only once everything is
// computed.
bool Maintenance::reportRebuildError(const FileError& error) {
  AppState& state = view_.state;
  if (error.number == FileNotFound && names(error, state.StationCall + ".log")) {
    view_.main.raiseFileError(error, MissingFileLabel::Log);
    return false;
  }
  if (error.number == FileNotFound && names(error, std::string(DepartementTemplate))) {
    Diagnostics::fileError(error, "the rebuild stops: the departement template is missing");
    view_.tell(missingDeptTemplateMessage(view_.french()));
    view_.main.endProgram(1);
    return false;
  }
  if (error.number == FileNotFound) {
    // The prefix template: the rebuild is skipped and the program goes on
    // with the tallies as they were.
    Diagnostics::fileError(error, "the rebuild is skipped: the prefix template is missing");
    view_.tell(missingTemplateMessage(view_.french(), state.programDir));
    return true;
  }
  view_.tell(runtimeErrorMessage(error));
  view_.main.endProgram(1);
  return false;
}

bool Maintenance::rebuildFromLog(bool showResult, bool tellUnknownPrefixes) {
  AppState& state = view_.state;
  const MainOperations& main = view_.main;
  Chargement* window = updatingWindow();
  window->open(view_.french());
  main.runClock(false);
  // Let the updating window appear before the work starts.
  QCoreApplication::processEvents();

  bool goOn = true;
  // A damaged template is never used: the tallies stay as they are.
  const std::vector<std::string> damaged = damagedTemplates(state.programDir);
  for (const std::string& name : damaged) view_.tell(damagedTemplateRebuildMessage(view_.french(), name));
  const Result<RebuildOutcome> outcome =
      damaged.empty() ? rebuildTallies(state.programDir, state.StationCall) : Result<RebuildOutcome>(RebuildOutcome{});
  if (outcome && tellUnknownPrefixes) {
    for (std::size_t i = 0; i < outcome->unknownCallsigns.size(); ++i) {
      view_.tell(unknownPrefixMessage(view_.french()));
      if (main.programEnded()) break;
    }
  } else if (!outcome) {
    goOn = reportRebuildError(outcome.error());
  }

  if (goOn && showResult) goOn = main.showEntryGrid(Frame3Caller::StartUpOrSave, draft_.EntryBand) && main.showPoints();
  if (!main.programEnded()) main.runClock(true);
  window->close();
  return goOn && !main.programEnded();
}

void Maintenance::resetAllFiles() {
  AppState& state = view_.state;
  const EntryForm& form = view_.form;
  const bool fr = view_.french();
  // The template log is never written.
  if (isTemplateStation(state.StationCall)) {
    view_.main.askForStation();
    return;
  }
  if (!state.dialogs.okCancelCritical(resetQuestion(fr, state.StationCall))) return;

  // A damaged template is never used; a failure changes no file either.
  const std::vector<std::string> damaged = damagedTemplates(state.programDir);
  for (const std::string& name : damaged) view_.tell(damagedTemplateResetMessage(fr, name));
  bool reset = false;
  if (damaged.empty()) {
    // The files as they are go aside first: without that copy nothing is reset.
    Result<std::vector<std::string>> copied =
        copyBeforeReset(state.programDir, state.StationCall, state.clock.localNow());
    if (!copied) {
      view_.tell(resetCopyFailedMessage(fr, copied.error()));
    } else {
      const Status done = resetStationFiles(state.programDir, state.StationCall);
      if (!done) view_.tell(stationFilesErrorMessage(fr, done.error(), state.programDir));
      reset = done.ok();
      // The copy stays, whether the reset was made or not.
      if (!copied->empty()) view_.tell(resetCopyMessage(fr, state.programDir, *copied));
    }
  }
  // The empty grid of the first mode.
  const std::string_view mode = ModeLabels.front();
  if (!view_.main.Affiche_Departements(state.GridBand, mode)) return;
  if (!view_.main.Charge_Liste_QSO()) return;
  form.Frame3->setTitle(frame3Caption(Frame3Caller::DeleteOrReset, fr, state.DeptCount, state.GridBand, mode));
  setAwaiting(form.Bande_A);
  form.Bande_A->setFocus();
  setAccepted(form.Mode_A);
  if (reset)
    form.P_QSO->setText(QStringLiteral("0"));
  else
    (void)view_.main.showPoints();
}

void Maintenance::checkPrefixFileSizes() {
  const AppState& state = view_.state;
  // A file that is not there has no size to judge; the rebuild reports it.
  if (const Result<std::uintmax_t> size = TextFile::length(state.file(PrefixTemplate)))
    if (const std::optional<QString> message = prefixTemplateSizeMessage(*size)) view_.tell(*message);
  const fs::path stationFile = prefixTallyPath(state.programDir, state.StationCall, ModeLabels.front());
  if (const Result<std::uintmax_t> size = TextFile::length(stationFile))
    if (const std::optional<QString> message = stationPrefixSizeMessage(state.StationCall, *size)) view_.tell(*message);
}

void Maintenance::backupAtClosing(bool operatorPresent) {
  AppState& state = view_.state;
  const bool fr = view_.french();
  const auto say = [&](const QString& text) {
    if (operatorPresent)
      view_.tell(text);
    else
      qCWarning(brivantFiles).noquote() << "at the requested end:" << text;
  };
  if (operatorPresent) view_.tell(backupReminder(fr, state.StationCall, state.JncDate, state.programDir));
  const BackupOutcome backup = Copie_Securite(state.programDir, state.StationCall);
  for (const std::string& name : backup.damagedKept)
    say(damagedTallyBackupMessage(fr, name, fs::path(name).replace_extension(".bak").string()));
  if (!backup.copied) {
    if (operatorPresent)
      view_.tell(runtimeErrorMessage(backup.copied.error()));
    else
      Diagnostics::fileError(backup.copied.error(), "the safety copy at a requested end");
  }
}

}  // namespace brivant
