#include "stats/ui/StatsMenus.h"

#include <QWidget>

#include "stats/ui/Affiche_Dpt.h"
#include "stats/ui/Carte_Acti.h"
#include "stats/ui/Recherche_Indicatif.h"
#include "stats/ui/Statistique_DFCF.h"
#include "stats/ui/Statistique_Prefixe.h"

namespace brivant {

// Defined here, where the windows are complete types (QPointer needs them).
Recherche_Indicatif* StatsMenus::recherche() const { return recherche_; }
Statistique_Prefixe* StatsMenus::statistiquePrefixe() const { return statistiquePrefixe_; }
Statistique_DFCF* StatsMenus::statistiqueDfcf() const { return statistiqueDfcf_; }
Carte_Acti* StatsMenus::carte() const { return carte_; }
Affiche_Dpt* StatsMenus::afficheDpt() const { return afficheDpt_; }

namespace {

// Creates and loads the window on first use, then shows it or brings it
// forward.
template <class Window>
Window* openWindow(QPointer<Window>& window, AppState& state, const StatsHooks& hooks, QWidget& parent) {
  if (!window) {
    window = new Window(state, hooks, &parent);
    window->Form_Load();
  }
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace

StatsMenus::StatsMenus(AppState& state, QWidget& mainWindow, StatsHooks hooks)
    : QObject(&mainWindow), state_(state), mainWindow_(mainWindow), hooks_(std::move(hooks)) {}

void StatsMenus::Recherche_Click() { openWindow(recherche_, state_, hooks_, mainWindow_); }

void StatsMenus::Mnu_Stat_Prefixe_Click() { openWindow(statistiquePrefixe_, state_, hooks_, mainWindow_); }

void StatsMenus::Mnu_Stat_DFCF_Click() { openWindow(statistiqueDfcf_, state_, hooks_, mainWindow_); }

void StatsMenus::Mnu_Carte_Activation_Click() {
  const bool opened = !carte_;
  Carte_Acti* map = openWindow(carte_, state_, hooks_, mainWindow_);
  if (opened) connect(map, &Carte_Acti::departementChosen, this, &StatsMenus::Dpt_DblClick);
}

void StatsMenus::Dpt_DblClick(int box) {
  Affiche_Dpt* list = openWindow(afficheDpt_, state_, hooks_, mainWindow_);
  list->showDepartement(box);
}

}  // namespace brivant
