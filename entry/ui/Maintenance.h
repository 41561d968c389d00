#pragma once
// The maintenance of a station's files from the main window: the reset after
// the critical question, the rebuild of the tallies from the log with the
// updating window up and the clock paused, the check of the prefix files at
// start-up and the backup when the window closes.

#include <QObject>

#include "core/ui/MainOperations.h"
#include "platform/Result.h"

namespace brivant {

class Chargement;
struct EntryDraft;

class Maintenance final : public QObject {
  Q_OBJECT

 public:
  // Lives as long as the main window (view.main.window).  draft is the entry's
  // contact, whose band the grid shows again after a rebuild.
  Maintenance(MainView view, const EntryDraft& draft);

  // Mnu_RAZ_All: asks (Cancel by default), copies the five files as they are
  // to a dated set, and only then empties the log and puts the templates over
  // the four tallies, all five together; shows the empty grid, list and score
  // and says where the copy is.  Cancel, a damaged template or a failure
  // (of the copy too) changes nothing (the last two are said).  Before a
  // station is set, the Station window opens instead.
  void resetAllFiles();

  // MAJ_Prefixe then MAJ_Departement: rebuilds the tallies from the log,
  // showing "Prefixe Inconnu" for every logged callsign of an unknown
  // prefix, unless the caller reports them otherwise (the ADIF import lists
  // them with their callsigns).  A damaged template is named and the tallies
  // are kept as they are.  With showResult the grid, its count and the score
  // follow (the menu); start-up shows them itself next.  False when the
  // program cannot go on.
  bool rebuildFromLog(bool showResult, bool tellUnknownPrefixes = true);

  // Start-up: the template "FXXXX_Prefixe.txt" and the station's SSB prefix
  // file named when their size is not the one of this version.
  void checkPrefixFileSizes();

  // Copie_Securite when the main window closes: the reminder, then the
  // ".bak" copies of the log and the four tallies; a damaged tally whose
  // backup is whole is named and its backup kept.  With no operator present
  // the copies are made all the same, and what would be told is logged.
  void backupAtClosing(bool operatorPresent = true);

  // The updating window shown during a rebuild.
  Chargement* updatingWindow();

 private:
  // What a failed rebuild means for the program; false when it cannot go on.
  bool reportRebuildError(const FileError& error);

  MainView view_;
  const EntryDraft& draft_;
  Chargement* chargement_ = nullptr;
};

}  // namespace brivant
