#include "app/Composition.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>

#include "cluster/ui/ClusterOpener.h"
#include "cluster/ui/CwKeyer.h"
#include "cluster/ui/RadioControl.h"
#include "core/MissingFile.h"
#include "core/ui/Main.h"
#include "entry/ui/DeptGridView.h"
#include "entry/ui/EditDelete.h"
#include "entry/ui/EntryChain.h"
#include "entry/ui/Maintenance.h"
#include "labels/ui/LabelMenus.h"
#include "outputs/ui/AdifImporter.h"
#include "outputs/ui/OutputMenus.h"
#include "platform/ui/Printer.h"
#include "scoring/ui/Enregistrer.h"
#include "scoring/ui/PointsDisplay.h"
#include "stats/ui/StatsMenus.h"

namespace brivant {

namespace {

// Connects a menu item or a button to what answers it, and enables it.
void wire(QAction* item, QObject* context, std::function<void()> answer) {
  QObject::connect(item, &QAction::triggered, context, [answer = std::move(answer)] { answer(); });
  item->setEnabled(true);
}

enum class Enabled { Now, ByTheEntry };

void wire(QPushButton* button, QObject* context, std::function<void()> answer, Enabled enabled = Enabled::Now) {
  QObject::connect(button, &QPushButton::clicked, context, [answer = std::move(answer)] { answer(); });
  if (enabled == Enabled::Now) button->setEnabled(true);
}

}  // namespace

Composition::Composition(AppState& state)
    : state_(state), printer_(std::make_unique<Printer>()), main_(std::make_unique<Main>(state)), view_(main_->view()) {
  composeEntry();
  composeScoring();
  composeOutputs();
  composeStats();
  composeCluster();
  composeKeyer();
  composeLabels();
  main_->setHooks(std::move(hooks_));
}

Composition::~Composition() = default;

// The entry: the grid it marks, the chain of its fields, the buttons that act
// on a logged contact, the list's selection, the maintenance of the files
// (two menu items, a start-up check, the start-up rebuild, the closing).
void Composition::composeEntry() {
  Main& main = *main_;
  dpt_ = new DeptGridView(main.Frame3);
  main.setDeptGrid(dpt_);
  entryChain_ = new EntryChain(view_, *dpt_);
  maintenance_ = new Maintenance(view_, entryChain_->draft());

  wire(main.Annuler, &main, [this] { Annuler_Click(view_, entryChain_->draft()); });
  wire(main.Editer, &main, [this] { Editer_Click(view_, entryChain_->draft()); });
  wire(main.Effacer, &main, [this] { Effacer_Click(view_, entryChain_->draft(), *maintenance_); });
  QObject::connect(main.Liste_QSO->selectionModel(), &QItemSelectionModel::currentChanged, &main,
                   [this] { Liste_QSO_Click(view_, entryChain_->draft()); });
  wire(main.Mnu_RAZ_All, &main, [this] { maintenance_->resetAllFiles(); });
  wire(main.Mnu_MAJ_Prefixe_Departement, &main, [this] { (void)maintenance_->rebuildFromLog(true); });

  hooks_.showGrid = [this](std::string_view band, std::string_view mode) {
    return showDeptGrid(view_, *dpt_, band, mode);
  };
  hooks_.startEntry = [this](std::string band) { entryChain_->startEntry(std::move(band)); };
  hooks_.checkPrefixFiles = [this] { maintenance_->checkPrefixFileSizes(); };
  hooks_.rebuildTallies = [this] { return maintenance_->rebuildFromLog(false); };
  hooks_.closing = [this](bool operatorPresent) { maintenance_->backupAtClosing(operatorPresent); };
}

// The save ("QSO Suivant", enabled by the entry once a contact is complete)
// and the score.
void Composition::composeScoring() {
  Main& main = *main_;
  const auto save = [this] { Enregistrer_Click(view_, entryChain_->draft(), *maintenance_); };
  wire(main.Enregistrer, &main, save, Enabled::ByTheEntry);
  hooks_.showPoints = [this] { return showPoints(view_); };
}

// The sheet, the listing, the exports, the import, the rules and the help.  Their windows
// rebuild the tallies through the maintenance, so that the grid and the score
// follow, and a missing file raises the main window's error window.
void Composition::composeOutputs() {
  Main& main = *main_;
  OutputMenus::Hooks hooks;
  hooks.rebuildTallies = [this] { return maintenance_->rebuildFromLog(true); };
  hooks.fileError = [&main](const FileError& error) { main.raiseFileError(error, MissingFileLabel::Log); };
  outputMenus_ = new OutputMenus(state_, main, *printer_, std::move(hooks));
  const std::pair<QAction*, void (OutputMenus::*)()> wiring[] = {
      {main.Mnu_ADIF, &OutputMenus::Mnu_ADIF_Click},
      {main.Mnu_Quellon, &OutputMenus::Mnu_Quellon_Click},
      {main.Mnu_Feuille_Recap, &OutputMenus::Mnu_Feuille_Recap_Click},
      {main.Mnu_Imprime_Tout, &OutputMenus::Mnu_Imprime_Tout_Click},
      {main.Mnu_Reglement, &OutputMenus::Mnu_Reglement_Click},
      {main.Mnu_Mode_Emploi, &OutputMenus::Mnu_Mode_Emploi_Click},
      {main.Mnu_A_Propos, &OutputMenus::Mnu_A_Propos_Click},
  };
  for (const auto& [item, handler] : wiring)
    wire(item, outputMenus_, [menus = outputMenus_, handler = handler] { (menus->*handler)(); });

  // An imported log: the list shows it, and the tallies, the grid and the
  // score follow it.  Its unknown prefixes are in the import's report, with
  // their callsigns, not one box each.
  AdifImporter::Hooks importHooks;
  importHooks.logReplaced = [this, &main](std::vector<std::string> lines) {
    main.showList(std::move(lines));
    (void)maintenance_->rebuildFromLog(true, false);
  };
  importHooks.askForStation = [this] { view_.main.askForStation(); };
  adifImporter_ = new AdifImporter(state_, main, std::move(importHooks));
  wire(main.Mnu_Import_ADIF, adifImporter_, [importer = adifImporter_] { importer->Mnu_Import_ADIF_Click(); });
}

// The search (its result selects the contact in the list, for Editer and
// Effacer), the two statistics, the map and the list of a departement's
// contacts (from the grid's double click and from the map).
void Composition::composeStats() {
  Main& main = *main_;
  StatsHooks hooks;
  hooks.listLines = [&main]() -> const std::vector<std::string>& { return main.listLines(); };
  hooks.selectQso = [&main](int row) { main.selectQso(row); };
  hooks.fileError = [&main](const FileError& error, std::string_view missingLabel) {
    main.raiseFileError(error, missingLabel);
  };
  hooks.refreshContactCount = [&main] { main.refreshContactCount(); };
  statsMenus_ = new StatsMenus(state_, main, std::move(hooks));
  StatsMenus* menus = statsMenus_;
  wire(main.Recherche, menus, [menus] { menus->Recherche_Click(); });
  wire(main.Mnu_Stat_Prefixe, menus, [menus] { menus->Mnu_Stat_Prefixe_Click(); });
  wire(main.Mnu_Stat_DFCF, menus, [menus] { menus->Mnu_Stat_DFCF_Click(); });
  wire(main.Mnu_Carte_Activation, menus, [menus] { menus->Mnu_Carte_Activation_Click(); });
  QObject::connect(dpt_, &DeptGridView::boxChosen, menus, &StatsMenus::Dpt_DblClick);
}

// The cluster window: the mode being logged tunes the radio, the log greys
// the spots already worked, and a double-clicked spot's callsign goes to the
// entry when it waits for one.  A radio through hamlib lives for the whole
// run: its frequency and mode show at the right of the menu bar, and the
// entry takes its band and mode.
void Composition::composeCluster() {
  Main& main = *main_;
  RadioControl::Hooks radioHooks;
  radioHooks.followRadio = [this](const std::string& band, const std::string& mode) {
    return entryChain_->followRadio(band, mode);
  };
  radio_ = new RadioControl(state_, &main, std::move(radioHooks));
  main.menuBar()->setCornerWidget(radio_->readout(), Qt::TopRightCorner);

  ClusterServices services;
  services.radio = radio_;
  ClusterHooks hooks;
  hooks.loggingMode = [&main] { return main.Mode_A->currentText(); };
  hooks.logLines = [&main]() -> const std::vector<std::string>& { return main.listLines(); };
  hooks.offerCallsign = [this](const QString& callsign) { return entryChain_->offerCallsign(callsign); };
  hooks.entryCallsign = [&main] { return main.Indicatif_A->text(); };
  cluster_ = new ClusterOpener(state_, main, std::move(hooks), std::move(services));
  ClusterOpener* opener = cluster_;
  wire(main.ClusterHF, opener, [opener] { opener->ClusterHF_Click(); });
}

// The CW messages: F1 to F8, Escape, PgUp and PgDn in the main window, the
// line under the entry, the messages window and the keyer of the Options
// menu.  The radio's own keyer is the hamlib radio's link.
void Composition::composeKeyer() {
  Main& main = *main_;
  CwKeyer::Menu menu{main.Mnu_Manip_Aucun, main.Mnu_Manip_Cwdaemon, main.Mnu_Manip_Radio};
  cwKeyer_ = new CwKeyer(view_, radio_->link(), menu);
  main.placeUnderEntry(cwKeyer_->line());
  CwKeyer* keyer = cwKeyer_;
  wire(main.Mnu_Messages_CW, keyer, [keyer] { keyer->openMessages(); });
  wire(main.Mnu_Manip_Aucun, keyer, [keyer] { keyer->chooseKeyer(KeyerKind::None); });
  wire(main.Mnu_Manip_Cwdaemon, keyer, [keyer] { keyer->chooseCwdaemon(); });
  wire(main.Mnu_Manip_Radio, keyer, [keyer] { keyer->chooseKeyer(KeyerKind::Radio); });
  keyer->restore();
}

// The QSL labels print on the program's printer, as the outputs do.
void Composition::composeLabels() {
  Main& main = *main_;
  LabelMenus::Hooks hooks;
  hooks.fileError = [&main](const FileError& error) { main.raiseFileError(error, MissingFileLabel::Log); };
  labelMenus_ = new LabelMenus(state_, main, *printer_, std::move(hooks));
  LabelMenus* menus = labelMenus_;
  wire(main.Mnu_Imp_QSL, menus, [menus] { menus->Mnu_Imp_QSL_Click(); });
}

}  // namespace brivant
