#pragma once
// What the main window does for the windows of the folders above core: its
// list of contacts, the grid and the score it shows (which the composition
// has the entry and the scoring draw), its error window, its clock and the
// keys of its fields.  Main::operations() fills it; with the entry form and
// the shared state it makes the narrow view those windows get instead of Main.
//
// The operations that return a bool return false when the operation had to
// stop (the missing-file window is up, or the program is ending); the caller
// must then stop too.

#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/AppState.h"
#include "core/MainCaptions.h"
#include "platform/Result.h"

class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace brivant {

struct EntryForm;

// A handler of the keys or clicks of a field; true swallows the event.
using KeyHandler = std::function<bool(QKeyEvent& event)>;
using MouseHandler = std::function<bool(QMouseEvent& event)>;

struct MainOperations {
  // The main window, over which the other windows open.
  QWidget* window = nullptr;

  // The list of contacts: loaded from the log; set from lines in hand (the
  // log as a rewrite just left it); one line added at its end; its lines
  // (Windows-1252 bytes) and the selected row (-1: none); the last row
  // selected.
  std::function<bool()> Charge_Liste_QSO;
  std::function<void(std::vector<std::string> lines)> showList;
  std::function<void(std::string line)> appendListLine;
  std::function<const std::vector<std::string>&()> listLines;
  std::function<int()> selectedQso;
  std::function<void()> selectLastQso;

  // The grid of a band and mode (GridBand and DeptCount follow); the grid of
  // the band being entered, with its count in Frame3's title as the caller
  // words it; the score in P_QSO.
  std::function<bool(std::string_view band, std::string_view mode)> Affiche_Departements;
  std::function<bool(Frame3Caller caller, std::string_view entryBand)> showEntryGrid;
  std::function<bool()> showPoints;

  // A file error of a log or tally operation: error 53 raises the
  // missing-file window, which names StationCall + missingLabel; any other
  // number shows "Erreur N° n" and ends the program.
  std::function<void(const FileError& error, std::string_view missingLabel)> raiseFileError;
  std::function<bool()> programEnded;
  std::function<void(int exitCode)> endProgram;

  // While no station is set (the program runs as the template station): the
  // first-run message, then the Station window, in place of what would
  // write the station's files.
  std::function<void()> askForStation;

  // The clock options as the menus are checked, and Timer1 paused (false)
  // or running again (true).
  std::function<bool()> automaticDate;
  std::function<bool()> utcTime;
  std::function<void(bool running)> runClock;

  // Runs the handler for every key pressed in the field (for an editable
  // combo, keys typed into its text too), or for the clicks of one type
  // (QEvent::MouseButtonPress, MouseButtonDblClick).  A handler may insert
  // replacement text itself and swallow the original key.
  std::function<void(QWidget* field, KeyHandler handler)> onKeyPress;
  std::function<void(QWidget* field, int eventType, MouseHandler handler)> onMouse;
  // Runs the handler for every key pressed anywhere in the main window,
  // before the handler of the field it is typed in; true swallows the key.
  std::function<void(KeyHandler handler)> onWindowKey;
};

// The main window as a subsystem's window code sees it.
struct MainView {
  AppState& state;
  EntryForm& form;
  MainOperations main;

  bool french() const { return state.french(); }
  // A message box in the interface language.
  void tell(const QString& text) const { state.dialogs.message(text); }
};

}  // namespace brivant
