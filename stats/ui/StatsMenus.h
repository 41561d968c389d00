#pragma once
// What opens the lookup and overview windows: the handlers the main window's
// Recherche button, its Mnu_Stat_Prefixe, Mnu_Stat_DFCF and
// Mnu_Carte_Activation menu items and the double click on a box of its grid
// Dpt are connected to.

#include <QObject>
#include <QPointer>

#include "core/AppState.h"
#include "stats/ui/StatsHooks.h"

class QWidget;

namespace brivant {

class Affiche_Dpt;
class Carte_Acti;
class Recherche_Indicatif;
class Statistique_DFCF;
class Statistique_Prefixe;

class StatsMenus final : public QObject {
  Q_OBJECT

 public:
  // A child of mainWindow; the windows open as windows of their own over it
  // (its children, closed with it).
  StatsMenus(AppState& state, QWidget& mainWindow, StatsHooks hooks = {});

  // The windows while they are open (nullptr once closed).
  Recherche_Indicatif* recherche() const;
  Statistique_Prefixe* statistiquePrefixe() const;
  Statistique_DFCF* statistiqueDfcf() const;
  Carte_Acti* carte() const;
  Affiche_Dpt* afficheDpt() const;

 public slots:
  void Recherche_Click();
  void Mnu_Stat_Prefixe_Click();
  void Mnu_Stat_DFCF_Click();
  void Mnu_Carte_Activation_Click();
  // A double click on box i of the grid (or a click on the map): the
  // departement's contacts.
  void Dpt_DblClick(int box);

 private:
  AppState& state_;
  QWidget& mainWindow_;
  StatsHooks hooks_;
  QPointer<Recherche_Indicatif> recherche_;
  QPointer<Statistique_Prefixe> statistiquePrefixe_;
  QPointer<Statistique_DFCF> statistiqueDfcf_;
  QPointer<Carte_Acti> carte_;
  QPointer<Affiche_Dpt> afficheDpt_;
};

}  // namespace brivant
