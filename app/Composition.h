#pragma once
// The program put together: the main window, and around it the windows of
// every folder, with which of them answers which menu item, button, start-up
// step and closing step.  app/main.cpp, the window tests and the benchmarks
// all build the program through it, so that they run the program as it ships.
//
// This is the one place where a window is connected to the main window.  To
// add one (the search, the statistics, the map, the cluster, the labels):
//   1. give the new folder's windows what they need as narrow views: the
//      MainView (the shared state, the entry form and MainOperations) or a
//      Hooks struct of their own, never Main itself;
//   2. create them in a compose step of their own, called from the
//      constructor after the folders below them;
//   3. connect the menu items and buttons they answer with wire(), which also
//      enables them (each stays disabled until it is wired); the grid's double
//      click (or Enter) is DeptGridView::boxChosen on Dpt();
//   4. give tests an accessor to the new windows' owner, as outputMenus().

#include <memory>

#include "core/ui/Main.h"
#include "core/ui/MainOperations.h"

namespace brivant {

class AdifImporter;
class ClusterOpener;
class CwKeyer;
class DeptGridView;
class EntryChain;
class LabelMenus;
class Maintenance;
class OutputMenus;
class Printer;
class RadioControl;
class StatsMenus;

class Composition {
 public:
  explicit Composition(AppState& state);
  ~Composition();
  Composition(const Composition&) = delete;
  Composition& operator=(const Composition&) = delete;

  Main& main() const { return *main_; }

  // The entry: the departement grid, the chain of its fields and the
  // maintenance of the station's files.
  DeptGridView& Dpt() const { return *dpt_; }
  EntryChain& entryChain() const { return *entryChain_; }
  Maintenance& maintenance() const { return *maintenance_; }

  // The sheet, listing, export, rules and help windows of the menus.
  OutputMenus& outputMenus() const { return *outputMenus_; }
  // The import of a log written in ADIF by another program.
  AdifImporter& adifImporter() const { return *adifImporter_; }

  // The search, the statistics, the map and the per-departement list.
  StatsMenus& statsMenus() const { return *statsMenus_; }
  // The cluster window and the radio.
  ClusterOpener& cluster() const { return *cluster_; }
  // The radio through hamlib, for the whole run; restore() links the stored
  // one once the program has started.
  RadioControl& radioControl() const { return *radio_; }
  // The CW messages of the function keys and their keyer.
  CwKeyer& cwKeyer() const { return *cwKeyer_; }
  // The QSL labels.
  LabelMenus& labelMenus() const { return *labelMenus_; }

 private:
  void composeEntry();
  void composeScoring();
  void composeOutputs();
  void composeStats();
  void composeCluster();
  void composeKeyer();
  void composeLabels();

  AppState& state_;
  // The program's printer, for the outputs and the labels; it outlives the
  // main window and every window over it.
  std::unique_ptr<Printer> printer_;
  std::unique_ptr<Main> main_;
  MainView view_;
  // What Main asks of the folders above it, gathered by the compose steps.
  Main::Hooks hooks_;

  // Owned by the main window (Qt children).
  DeptGridView* dpt_ = nullptr;
  EntryChain* entryChain_ = nullptr;
  Maintenance* maintenance_ = nullptr;
  OutputMenus* outputMenus_ = nullptr;
  AdifImporter* adifImporter_ = nullptr;
  StatsMenus* statsMenus_ = nullptr;
  ClusterOpener* cluster_ = nullptr;
  RadioControl* radio_ = nullptr;
  CwKeyer* cwKeyer_ = nullptr;
  LabelMenus* labelMenus_ = nullptr;
};

}  // namespace brivant
