// Aff_Langue: every caption of the main window in French or English, and the
// language menu that stores the choice per station.

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "core/History.h"
#include "core/Language.h"
#include "core/ListHeader.h"
#include "core/LogFile.h"
#include "core/Safeguards.h"
#include "core/SettingsKeys.h"
#include "core/ui/KeyboardAccess.h"
#include "core/ui/Main.h"
#include "platform/Cp1252.h"
#include "platform/QtTexts.h"

namespace brivant {

namespace {

struct Caption {
  QObject* control;
  const char* french;
  const char* english;
};

void setCaption(QObject* control, const QString& text) {
  if (auto* action = qobject_cast<QAction*>(control))
    action->setText(text);
  else if (auto* menu = qobject_cast<QMenu*>(control))
    menu->setTitle(text);
  else if (auto* label = qobject_cast<QLabel*>(control))
    label->setText(text);
  else if (auto* button = qobject_cast<QPushButton*>(control))
    button->setText(text);
  else if (auto* frame = qobject_cast<QGroupBox*>(control))
    frame->setTitle(text);
}

}  // namespace

void Main::Aff_Langue() {
  const bool fr = french();
  const QString mode = Mode_A->currentText();
  const QString count = QString::number(state_.DeptCount);

  // Composite captions first.
  setWindowTitle(mainWindowTitle(fr));
  Frame3->setTitle(count + pick(fr, " Dpt(s) contacté(s) sur  ", " Dpt(s) contacted on  ") +
                   Cp1252::toQString(state_.GridBand) + pick(fr, " en ", " ") + mode);
  Frame4->setTitle(frame4NumberCaption(fr, QString::number(state_.QsoCount + 1)));
  setLogTitle(pick(fr, "Log de ", "Log from ") + Cp1252::toQString(state_.StationCall));

  const Caption captions[] = {
      {Enregistrer, "QSO suivant", "Next QSO"},
      {Annuler, "Annuler saisie", "Cancellation"},
      {Editer, " Editer  QSO", " Edit  a QSO"},
      {Effacer, "Supprimer QSO", "Delete a QSO"},
      {Recherche, "Chercher QSO", "Search a QSO"},
      // The same in both languages; set again so that its Alt letter is
      // chosen anew with the others.
      {ClusterHF, "Cluster", "Cluster"},
      {Mnu_Fichier, "Fichier", "File"},
      {Mnu_RAZ_All, "Remise a zero des fichiers log, Departement, Prefixe ", "Reset files log, Department, Prefixe"},
      {Mnu_MAJ_Prefixe_Departement, "MAJ des fichiers Département et Prefixe a partir du log",
       "Update files department and prefix from the log"},
      {Mnu_ADIF, "Exporter le log au format ADIF", "Export the log in ADIF format"},
      {Mnu_Quellon, "Exporter le log au format Morvex", "Export the log in Morvex format"},
      {Mnu_Import_ADIF, "&Importer un fichier ADIF…", "&Import an ADIF file…"},
      {Mnu_Quitter, "Quitter Brivant", "Exit Brivant"},
      {Mnu_Langage, "Langage", "Language"},
      {Mnu_Fr, "Français", "French"},
      {Mnu_An, "Anglais", "English"},
      {Mnu_Call, "Station", "Station"},
      {Mnu_Station, "Identification de la station", "Identification of the station"},
      {Mnu_Options, "Options", "Options"},
      {Mnu_Date_Auto, "Date Automatique", "Date Automatic"},
      {Mnu_Auto_Oui, "Oui", "Yes"},
      {Mnu_Auto_Non, "Non", "No"},
      {Mnu_Heure_UTC, "Heure en UTC", "Time in UTC"},
      {Mnu_UTC_Oui, "Oui", "Yes"},
      {Mnu_UTC_Non, "Non", "No"},
      {Mnu_Messages_CW, "Messages CW…", "CW messages…"},
      {Mnu_Manipulateur, "Manipulateur", "Keyer"},
      {Mnu_Manip_Aucun, "Aucun", "None"},
      {Mnu_Manip_Cwdaemon, "cwdaemon…", "cwdaemon…"},
      {Mnu_Manip_Radio, "La radio (hamlib)", "The radio (hamlib)"},
      {Mnu_Carte, "Carte", "Map"},
      {Mnu_Carte_Activation, "Carte des départements contactés", "Map of the departments contacted"},
      {Mnu_Statistique, "Statistiques", "Statistics"},
      {Mnu_Stat_Prefixe, "des prefixes contactés", "Prefixes contacted"},
      {Mnu_Stat_DFCF, "des activations contactées", "activations contacted"},
      {Mnu_Recap_ZIV, "Fruille récapitulative", "recapitulative sheet"},
      {Mnu_Feuille_Recap, "Enregistrer ou imprimer la feuille récapitulative",
       "Save or print  the recapitulative sheet"},
      {Mnu_Log_Ziv, "Log JNC", "Log JNC"},
      {Mnu_Imprime_Tout, "Enregistrer ou imprimer le log de la JNC", "Save or print the log of the JNC"},
      {Mnu_Imp_QSL, "Impression d'etiquettes", "print labels"},
      {Mnu_Reglement, "Règlement", "Rules"},
      {Mnu_Aide, "Aide", "Help"},
      {Mnu_Historique, "Historique", "History"},
      {Mnu_Mode_Emploi, "Mode d'emploi", "Operatihg manual"},
      {Mnu_A_Propos, "A propos de Brivant", "About Brivant"},
      {Label1, "Total des Points :", "Total points"},
      {Label2, "Indicatif : ", "Callsign : "},
      {Label6, "Un double click sur un département affiche les QSO's",
       "Double click on a department displays the QSO's"},
      {Label16, "Bande", "Band"},
      {Label8, "Mode", "Mode"},
      {Label5, "Indicatif", "Callsign"},
      {Label43, "Activité", "Activity"},
      {Label15, "Date", "Date"},
      {Label14, "Debut", "Start"},
      {Label13, "fin", "End"},
      {Label12, "RST reçu", "RST received"},
      {Label11, "RST envoyé", "RST send"},
      {Label10, "Prenom (Optionel)", "Name (Option)"},
      {Label9, "Reference Chateau", "Castle reference"},
      {Label38, "Nom du Chateau (Optionel)", "Castle name Option)"},
      {locatorCaption_, "Locator", "Locator"},
      {distanceCaption_, "Distance", "Distance"},
      {azimuthCaption_, "Azimut", "Azimuth"},
  };
  for (const Caption& caption : captions) setCaption(caption.control, pick(fr, caption.french, caption.english));
  Label29->setText(listHeaderText(fr, ListColumns::Whole));
  Label29->adjustSize();
  giveAltKeys(this);
}

void Main::setLanguage(const char* code) {
  state_.Language = code;
  (state_.Language == "Fr" ? Mnu_Fr : Mnu_An)->setChecked(true);
  // The buttons of the message boxes and Qt's dialogs speak the same language.
  QtTexts::use(french());
}

// The choice is shown at once; a failure to store it is said in the language chosen.
void Main::Mnu_Fr_Click() {
  setLanguage("Fr");
  Aff_Langue();
  saveSetting(state_, Settings::Station::Language, "Fr");
}

void Main::Mnu_An_Click() {
  setLanguage("An");
  Aff_Langue();
  saveSetting(state_, Settings::Station::Language, "An");
}

}  // namespace brivant
