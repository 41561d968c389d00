#include "outputs/ui/OutputMenus.h"

#include <QWidget>
#include <memory>

#include "entry/Rebuild.h"
#include "outputs/AdifExport.h"
#include "outputs/MorvexExport.h"
#include "outputs/OutputText.h"
#include "outputs/RulesText.h"
#include "outputs/ui/HelpWindow.h"
#include "outputs/ui/Impression.h"
#include "outputs/ui/Recapitulation.h"
#include "outputs/ui/Reglement.h"
#include "platform/ui/Printer.h"

namespace brivant {

// Defined here, where the windows are complete types (QPointer needs them).
Recapitulation* OutputMenus::recapitulation() const { return recapitulation_; }
Impression* OutputMenus::impression() const { return impression_; }
Reglement* OutputMenus::reglement() const { return reglement_; }
HelpWindow* OutputMenus::helpWindow() const { return helpWindow_; }

namespace {

// Shows a window of its own over the main window, or brings it forward.
template <class Window>
void bringForward(Window* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace

OutputMenus::OutputMenus(AppState& state, QWidget& mainWindow, Printer& printer, Hooks hooks)
    : QObject(&mainWindow), state_(state), mainWindow_(mainWindow), printer_(printer), hooks_(std::move(hooks)) {}

void OutputMenus::reportFileError(const FileError& error) {
  if (hooks_.fileError) {
    hooks_.fileError(error);
    return;
  }
  state_.dialogs.message(outputReadFailure(state_.french(), error, error.path));
}

void OutputMenus::Mnu_ADIF_Click() {
  state_.dialogs.message(exportAdif(state_.programDir, state_.StationCall, state_.french()).message);
}

void OutputMenus::Mnu_Quellon_Click() {
  state_.dialogs.message(exportMorvex(state_.programDir, state_.StationCall, state_.french()).message);
}

void OutputMenus::Mnu_Feuille_Recap_Click() {
  if (hooks_.rebuildTallies) {
    if (!hooks_.rebuildTallies()) return;
  } else if (Result<RebuildOutcome> rebuilt = rebuildTallies(state_.programDir, state_.StationCall); !rebuilt) {
    reportFileError(rebuilt.error());
    return;
  }
  if (recapitulation_) {
    // Open already: the numbers follow the log, what was typed stays.
    if (Status loaded = recapitulation_->loadTable(); !loaded) reportFileError(loaded.error());
    bringForward(recapitulation_.data());
    return;
  }
  // A sheet that cannot load is let go here and never shown.
  auto sheet = std::make_unique<Recapitulation>(state_, printer_, &mainWindow_);
  if (Status loaded = sheet->Form_Load(); !loaded) {
    reportFileError(loaded.error());
    return;
  }
  recapitulation_ = sheet.release();
  bringForward(recapitulation_.data());
}

void OutputMenus::Mnu_Imprime_Tout_Click() {
  if (impression_) {
    bringForward(impression_.data());
    return;
  }
  auto listing = std::make_unique<Impression>(state_, printer_, &mainWindow_);
  if (Status loaded = listing->Form_Load(); !loaded) {
    reportFileError(loaded.error());
    return;
  }
  impression_ = listing.release();
  bringForward(impression_.data());
}

void OutputMenus::Mnu_Reglement_Click() {
  if (!reglement_) {
    reglement_ = new Reglement(state_, &mainWindow_);
    reglement_->Form_Load();
  }
  bringForward(reglement_.data());
}

void OutputMenus::Mnu_Mode_Emploi_Click() {
  if (!helpWindow_) {
    auto help = std::make_unique<HelpWindow>(state_, &mainWindow_);
    if (!help->Form_Load()) return;
    helpWindow_ = help.release();
  }
  bringForward(helpWindow_.data());
}

void OutputMenus::Mnu_A_Propos_Click() { state_.dialogs.message(aboutText(state_.french(), state_.RevisionText)); }

}  // namespace brivant
