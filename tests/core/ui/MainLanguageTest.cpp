// Both languages of the main window: every caption of the tables letter for
// letter, the switch back and forth, and the choice kept per station.

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "core/AltKeys.h"
#include "platform/ui/QtDialogs.h"
#include "tests/core/ui/MainFixture.h"

namespace brivant::testing {
namespace {

struct Caption {
  const char* control;
  const char* french;
  const char* english;
};

const Caption Captions[] = {
    {"Enregistrer", "QSO suivant", "Next QSO"},
    {"Annuler", "Annuler saisie", "Cancellation"},
    {"Editer", " Editer  QSO", " Edit  a QSO"},
    {"Effacer", "Supprimer QSO", "Delete a QSO"},
    {"Recherche", "Chercher QSO", "Search a QSO"},
    {"Mnu_Fichier", "Fichier", "File"},
    {"Mnu_RAZ_All", "Remise a zero des fichiers log, Departement, Prefixe ", "Reset files log, Department, Prefixe"},
    {"Mnu_MAJ_Prefixe_Departement", "MAJ des fichiers Département et Prefixe a partir du log",
     "Update files department and prefix from the log"},
    {"Mnu_ADIF", "Exporter le log au format ADIF", "Export the log in ADIF format"},
    {"Mnu_Quellon", "Exporter le log au format Morvex", "Export the log in Morvex format"},
    {"Mnu_Import_ADIF", "Importer un fichier ADIF…", "Import an ADIF file…"},
    {"Mnu_Quitter", "Quitter Brivant", "Exit Brivant"},
    {"Mnu_Langage", "Langage", "Language"},
    {"Mnu_Fr", "Français", "French"},
    {"Mnu_An", "Anglais", "English"},
    {"Mnu_Call", "Station", "Station"},
    {"Mnu_Station", "Identification de la station", "Identification of the station"},
    {"Mnu_Options", "Options", "Options"},
    {"Mnu_Date_Auto", "Date Automatique", "Date Automatic"},
    {"Mnu_Auto_Oui", "Oui", "Yes"},
    {"Mnu_Auto_Non", "Non", "No"},
    {"Mnu_Heure_UTC", "Heure en UTC", "Time in UTC"},
    {"Mnu_UTC_Oui", "Oui", "Yes"},
    {"Mnu_UTC_Non", "Non", "No"},
    {"Mnu_Carte", "Carte", "Map"},
    {"Mnu_Carte_Activation", "Carte des départements contactés", "Map of the departments contacted"},
    {"Mnu_Statistique", "Statistiques", "Statistics"},
    {"Mnu_Stat_Prefixe", "des prefixes contactés", "Prefixes contacted"},
    {"Mnu_Stat_DFCF", "des activations contactées", "activations contacted"},
    {"Mnu_Recap_ZIV", "Fruille récapitulative", "recapitulative sheet"},
    {"Mnu_Feuille_Recap", "Enregistrer ou imprimer la feuille récapitulative",
     "Save or print  the recapitulative sheet"},
    {"Mnu_Log_Ziv", "Log JNC", "Log JNC"},
    {"Mnu_Imprime_Tout", "Enregistrer ou imprimer le log de la JNC", "Save or print the log of the JNC"},
    {"Mnu_Imp_QSL", "Impression d'etiquettes", "print labels"},
    {"Mnu_Reglement", "Règlement", "Rules"},
    {"Mnu_Aide", "Aide", "Help"},
    {"Mnu_Historique", "Historique", "History"},
    {"Mnu_Mode_Emploi", "Mode d'emploi", "Operatihg manual"},
    {"Mnu_A_Propos", "A propos de Brivant", "About Brivant"},
    {"Label1", "Total des Points :", "Total points"},
    {"Label2", "Indicatif : ", "Callsign : "},
    {"Label6", "Un double click sur un département affiche les QSO's",
     "Double click on a department displays the QSO's"},
    {"Label16", "Bande", "Band"},
    {"Label8", "Mode", "Mode"},
    {"Label5", "Indicatif", "Callsign"},
    {"Label29",
     "   N° Date      Indicatif   Debut  Fin    Dpt  Locator Bande     Mode     Rst E     Rst R     Ref Ch"
     "ateau           Prenom           Points Niveau              Dist  Az  Act Nom du Chateau",
     "   N° Date      Callsign    Start  End    Dpt  Locator Band      Mode     Rst S     Rst R     Castle"
     " Ref            First name       Points Level               Dist  Az  Act Castle name"},
    {"Label43", "Activité", "Activity"},
    {"Label15", "Date", "Date"},
    {"Label14", "Debut", "Start"},
    {"Label13", "fin", "End"},
    {"Label12", "RST reçu", "RST received"},
    {"Label11", "RST envoyé", "RST send"},
    {"Label10", "Prenom (Optionel)", "Name (Option)"},
    {"Label9", "Reference Chateau", "Castle reference"},
    {"Label38", "Nom du Chateau (Optionel)", "Castle name Option)"},
    {"locatorCaption", "Locator", "Locator"},
    {"distanceCaption", "Distance", "Distance"},
    {"azimuthCaption", "Azimut", "Azimuth"},
};

// The caption a control of the main window shows, found by its name (a menu's
// or a button's without the "&" of its Alt letter).
QString captionOf(Main& window, const char* name) {
  const QString objectName = QString::fromLatin1(name);
  if (auto* menu = window.findChild<QMenu*>(objectName)) return AltKeys::shownText(menu->title());
  if (auto* action = window.findChild<QAction*>(objectName)) return AltKeys::shownText(action->text());
  if (auto* label = window.findChild<QLabel*>(objectName)) return label->text();
  if (auto* button = window.findChild<QPushButton*>(objectName)) return AltKeys::shownText(button->text());
  ADD_FAILURE() << "no control named " << name;
  return {};
}

void expectCaptions(Main& window, bool french) {
  for (const Caption& caption : Captions)
    EXPECT_EQ(captionOf(window, caption.control), QString::fromUtf8(french ? caption.french : caption.english))
        << caption.control;
}

TEST_F(MainFixture, RestartWithEnglishChosenStaysEnglish) {
  setUpStation("F6ABC", "An");
  Main& window = start();
  ASSERT_TRUE(started);
  EXPECT_TRUE(window.Mnu_An->isChecked());
  EXPECT_FALSE(window.Mnu_Fr->isChecked());
  expectCaptions(window, false);
  EXPECT_EQ(window.Frame4->title(), QStringLiteral("QSO number 1"));
  EXPECT_EQ(window.Frame5->title(), QStringLiteral("Log from F6ABC"));
}

TEST_F(MainFixture, SwitchingToFrenchAndBackRestoresEveryCaption) {
  setUpStation("F6_ABC");
  Main& window = start();
  ASSERT_TRUE(started);
  window.Mnu_Fr->trigger();
  EXPECT_TRUE(window.Mnu_Fr->isChecked());
  EXPECT_FALSE(window.Mnu_An->isChecked());
  EXPECT_EQ(setting("Setup F6_ABC", "Langue"), "Fr");
  expectCaptions(window, true);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Journée Nationale des Ruziduza Revision  1.7.5"));
  EXPECT_EQ(window.Frame4->title(), QStringLiteral("QSO numéro 1"));
  // The list title keeps the stored form of the callsign.
  EXPECT_EQ(window.Frame5->title(), QStringLiteral("Log de F6_ABC"));
  EXPECT_EQ(window.Frame3->title(), QStringLiteral("0 Dpt(s) contacté(s) sur  3.5 Mhz en SSB"));

  window.Mnu_An->trigger();
  EXPECT_EQ(setting("Setup F6_ABC", "Langue"), "An");
  expectCaptions(window, false);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Ravuzore Ruruzav Evu  1.7.5"));
  EXPECT_EQ(window.Frame3->title(), QStringLiteral("0 Dpt(s) contacted on  3.5 Mhz SSB"));
  EXPECT_EQ(window.Frame5->title(), QStringLiteral("Log from F6_ABC"));

  window.Mnu_Fr->trigger();
  expectCaptions(window, true);
  EXPECT_EQ(AltKeys::shownText(window.Editer->text()), QStringLiteral(" Editer  QSO"));
}

TEST_F(MainFixture, TheLanguageChosenIsKeptForTheStationAtTheNextStart) {
  setUpStation("F6ABC");
  start().Mnu_Fr->trigger();
  Main& again = start();
  ASSERT_TRUE(started);
  EXPECT_TRUE(again.Mnu_Fr->isChecked());
  expectCaptions(again, true);
  // Another station has no choice stored: English.
  setUpStation("F5XYZ");
  EXPECT_TRUE(start().Mnu_An->isChecked());
}

// The buttons Qt writes on the message boxes follow the language chosen in
// the menu: real boxes, read and answered as they come up.
TEST_F(MainFixture, TheButtonsOfTheMessageBoxesSpeakTheLanguageChosen) {
  setUpStation("F6ABC", "Fr");
  Main& window = start();
  ASSERT_TRUE(started);
  QtDialogs boxes(&window);
  const auto buttonsOf = [](const std::function<void()>& ask) {
    QStringList read;
    onNextModal([&read](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      for (QAbstractButton* button : box->buttons()) read.push_back(AltKeys::shownText(button->text()));
      read.sort();
      box->reject();
    });
    ask();
    return read.join(QLatin1Char('|'));
  };
  struct Case {
    QAction* language;
    const char* yesNo;
    const char* okCancel;
  };
  for (const Case& c : {Case{window.Mnu_Fr, "Non|Oui", "Annuler|OK"}, Case{window.Mnu_An, "No|Yes", "Cancel|OK"},
                        Case{window.Mnu_Fr, "Non|Oui", "Annuler|OK"}}) {
    c.language->trigger();
    EXPECT_EQ(buttonsOf([&] { (void)boxes.yesNo(QStringLiteral("?")); }), QString::fromUtf8(c.yesNo));
    EXPECT_EQ(buttonsOf([&] { (void)boxes.okCancelCritical(QStringLiteral("!")); }), QString::fromUtf8(c.okCancel));
  }
}

TEST_F(MainFixture, DesignCaptionsBeforeTheLanguageIsApplied) {
  Main& window = makeMain();
  EXPECT_EQ(AltKeys::shownText(window.Mnu_MAJ_Prefixe_Departement->text()),
            QString::fromUtf8("MAJ du fichier Département et Prefixe a partir du log"));
  EXPECT_EQ(AltKeys::shownText(window.Mnu_Fr->text()), QStringLiteral("Francais"));
  EXPECT_EQ(AltKeys::shownText(window.Mnu_Carte->title()), QStringLiteral("Cartes"));
  EXPECT_EQ(AltKeys::shownText(window.Mnu_A_Propos->text()), QStringLiteral("A Propos de "));
  EXPECT_EQ(AltKeys::shownText(window.Enregistrer->text()), QStringLiteral("QSO Suivant"));
  EXPECT_EQ(window.Enregistrer->toolTip(), QString::fromUtf8("Nouveau QSO et enregistrement des données precedentes"));
  EXPECT_EQ(AltKeys::shownText(window.Editer->text()), QStringLiteral(" Editer  QSO"));
  EXPECT_EQ(window.Label10->text(), QString::fromUtf8("       Prénom (Optionel)"));
  EXPECT_EQ(window.Label26->text(), QStringLiteral("DFCF"));
  EXPECT_FALSE(window.Label26->isVisible());
}

}  // namespace
}  // namespace brivant::testing
