// The menus of the main window with their design captions.  The items the
// main window answers itself are connected here; every other item starts
// disabled, so that no click ever does nothing, and is enabled where the
// composition of the program (app/Composition) connects it.

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "core/ui/Main.h"

namespace brivant {

namespace {

// A menu of the bar (QMenuBar) or a submenu (QMenu).
template <class Parent>
QMenu* menu(Parent* parent, const char* name, const char* caption) {
  QMenu* added = parent->addMenu(QString::fromUtf8(caption));
  added->setObjectName(QString::fromLatin1(name));
  added->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("_Action"));
  return added;
}

QAction* item(QWidget* owner, QWidget* into, const char* name, const char* caption, bool enabled = true) {
  auto* action = new QAction(QString::fromUtf8(caption), owner);
  action->setObjectName(QString::fromLatin1(name));
  action->setEnabled(enabled);
  into->addAction(action);
  return action;
}

QAction* checkItem(QWidget* owner, QMenu* into, QActionGroup* group, const char* name, const char* caption) {
  QAction* action = item(owner, into, name, caption);
  action->setCheckable(true);
  group->addAction(action);
  return action;
}

}  // namespace

void Main::buildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("Main_MenuBar"));

  Mnu_Fichier = menu(bar, "Mnu_Fichier", "Fichier");
  Mnu_RAZ_All = item(this, Mnu_Fichier, "Mnu_RAZ_All", "Remise a zero des fichiers log, Departement, Prefixe ", false);
  Mnu_MAJ_Prefixe_Departement = item(this, Mnu_Fichier, "Mnu_MAJ_Prefixe_Departement",
                                     "MAJ du fichier Département et Prefixe a partir du log", false);
  Mnu_Fichier->addSeparator();
  Mnu_ADIF = item(this, Mnu_Fichier, "Mnu_ADIF", "Exporter le log au format ADIF", false);
  Mnu_Quellon = item(this, Mnu_Fichier, "Mnu_Quellon", "Exporter le log au format Morvex", false);
  Mnu_Import_ADIF = item(this, Mnu_Fichier, "Mnu_Import_ADIF", "&Importer un fichier ADIF…", false);
  Mnu_Fichier->addSeparator();
  Mnu_Quitter = item(this, Mnu_Fichier, "Mnu_Quitter", "Quitter Brivant");

  Mnu_Langage = menu(bar, "Mnu_Langage", "Langage");
  languageGroup_ = new QActionGroup(this);
  Mnu_Fr = checkItem(this, Mnu_Langage, languageGroup_, "Mnu_Fr", "Francais");
  Mnu_An = checkItem(this, Mnu_Langage, languageGroup_, "Mnu_An", "Anglais");

  Mnu_Call = menu(bar, "Mnu_Call", "Station");
  Mnu_Station = item(this, Mnu_Call, "Mnu_Station", "Indicatif et date JNC");

  Mnu_Options = menu(bar, "Mnu_Options", "Options");
  Mnu_Date_Auto = menu(Mnu_Options, "Mnu_Date_Auto", "Date Automatique");
  autoDateGroup_ = new QActionGroup(this);
  Mnu_Auto_Oui = checkItem(this, Mnu_Date_Auto, autoDateGroup_, "Mnu_Auto_Oui", "Oui");
  Mnu_Auto_Non = checkItem(this, Mnu_Date_Auto, autoDateGroup_, "Mnu_Auto_Non", "Non");
  Mnu_Heure_UTC = menu(Mnu_Options, "Mnu_Heure_UTC", "Heure en UTC");
  utcGroup_ = new QActionGroup(this);
  Mnu_UTC_Oui = checkItem(this, Mnu_Heure_UTC, utcGroup_, "Mnu_UTC_Oui", "Oui");
  Mnu_UTC_Non = checkItem(this, Mnu_Heure_UTC, utcGroup_, "Mnu_UTC_Non", "Non");
  Mnu_Options->addSeparator();
  Mnu_Messages_CW = item(this, Mnu_Options, "Mnu_Messages_CW", "Messages CW…", false);
  Mnu_Manipulateur = menu(Mnu_Options, "Mnu_Manipulateur", "Manipulateur");
  keyerGroup_ = new QActionGroup(this);
  Mnu_Manip_Aucun = checkItem(this, Mnu_Manipulateur, keyerGroup_, "Mnu_Manip_Aucun", "Aucun");
  Mnu_Manip_Cwdaemon = checkItem(this, Mnu_Manipulateur, keyerGroup_, "Mnu_Manip_Cwdaemon", "cwdaemon…");
  Mnu_Manip_Radio = checkItem(this, Mnu_Manipulateur, keyerGroup_, "Mnu_Manip_Radio", "La radio (hamlib)");
  for (QAction* keyer : {Mnu_Manip_Aucun, Mnu_Manip_Cwdaemon, Mnu_Manip_Radio}) keyer->setEnabled(false);
  Mnu_Manip_Aucun->setChecked(true);
  Mnu_Auto_Oui->setChecked(true);
  Mnu_UTC_Oui->setChecked(true);
  Mnu_An->setChecked(true);

  Mnu_Carte = menu(bar, "Mnu_Carte", "Cartes");
  Mnu_Carte_Activation = item(this, Mnu_Carte, "Mnu_Carte_Activation", "Carte des départements contactés", false);

  Mnu_Statistique = menu(bar, "Mnu_Statistique", "Statistiques");
  Mnu_Stat_Prefixe = item(this, Mnu_Statistique, "Mnu_Stat_Prefixe", "Des prefixes contactés", false);
  Mnu_Stat_DFCF = item(this, Mnu_Statistique, "Mnu_Stat_DFCF", "Des activations DFCF Contactées", false);

  Mnu_Recap_ZIV = menu(bar, "Mnu_Recap_ZIV", "Recapitulatif JNC");
  Mnu_Feuille_Recap =
      item(this, Mnu_Recap_ZIV, "Mnu_Feuille_Recap", "Enregistrer ou imprimer la Feuille récapitulative JNC", false);

  Mnu_Log_Ziv = menu(bar, "Mnu_Log_Ziv", "Log JNC");
  Mnu_Imprime_Tout = item(this, Mnu_Log_Ziv, "Mnu_Imprime_Tout", "Enregistrer ou imprimer le fichier log JNC", false);

  // Two entries of the bar act by themselves, without a menu under them.
  Mnu_Imp_QSL = item(this, bar, "Mnu_Imp_QSL", "Impression d'etiquettes", false);
  Mnu_Reglement = item(this, bar, "Mnu_Reglement", "Règlement", false);

  Mnu_Aide = menu(bar, "Mnu_Aide", "Aide");
  Mnu_Historique = item(this, Mnu_Aide, "Mnu_Historique", "Historique");
  Mnu_Mode_Emploi = item(this, Mnu_Aide, "Mnu_Mode_Emploi", "Mode d'emploi", false);
  Mnu_A_Propos = item(this, Mnu_Aide, "Mnu_A_Propos", "A Propos de ", false);

  connect(Mnu_Quitter, &QAction::triggered, this, &Main::Mnu_Quitter_Click);
  connect(Mnu_Fr, &QAction::triggered, this, &Main::Mnu_Fr_Click);
  connect(Mnu_An, &QAction::triggered, this, &Main::Mnu_An_Click);
  connect(Mnu_Station, &QAction::triggered, this, &Main::Mnu_Station_Click);
  connect(Mnu_Auto_Oui, &QAction::triggered, this, &Main::Mnu_Auto_Oui_Click);
  connect(Mnu_Auto_Non, &QAction::triggered, this, &Main::Mnu_Auto_Non_Click);
  connect(Mnu_UTC_Oui, &QAction::triggered, this, &Main::Mnu_UTC_Oui_Click);
  connect(Mnu_UTC_Non, &QAction::triggered, this, &Main::Mnu_UTC_Non_Click);
  connect(Mnu_Historique, &QAction::triggered, this, &Main::Mnu_Historique_Click);
}

}  // namespace brivant
