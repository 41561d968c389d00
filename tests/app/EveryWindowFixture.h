#pragma once
// The whole program started on a station with a few contacts, and every
// window it has opened as the operator opens it: what the tests of all the
// windows at once (keyboard, fonts, fit on the screen) start from.

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "cluster/HamlibSettings.h"
#include "cluster/ui/Cluster.h"
#include "cluster/ui/ClusterOpener.h"
#include "cluster/ui/CwKeyer.h"
#include "cluster/ui/CwMessagesDialog.h"
#include "cluster/ui/HamlibDialog.h"
#include "cluster/ui/SelfSpotDialog.h"
#include "core/ui/Station.h"
#include "entry/ui/Chargement.h"
#include "entry/ui/Maintenance.h"
#include "labels/ui/Etiquettes.h"
#include "labels/ui/LabelMenus.h"
#include "labels/ui/Select_QSO.h"
#include "outputs/ui/AdifImporter.h"
#include "outputs/ui/HelpWindow.h"
#include "outputs/ui/ImportReport.h"
#include "outputs/ui/Impression.h"
#include "outputs/ui/OutputMenus.h"
#include "outputs/ui/Recapitulation.h"
#include "outputs/ui/Reglement.h"
#include "stats/ui/Affiche_Dpt.h"
#include "stats/ui/Carte_Acti.h"
#include "stats/ui/Recherche_Indicatif.h"
#include "stats/ui/Statistique_DFCF.h"
#include "stats/ui/Statistique_Prefixe.h"
#include "stats/ui/StatsMenus.h"
#include "tests/core/ui/MainFixture.h"

namespace brivant::testing {

// Gives the window the keyboard, as a click on it would.
inline bool activate(QWidget* window) {
  window->activateWindow();
  return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000);
}

class EveryWindowFixture : public MainFixture {
 protected:
  Main& startWithContacts(const char* language) {
    setUpStation("F6ABC", language);
    writeLog("F6ABC", {contact("06/06/26", "F5AAA", "08:00", "59", "14 Mhz", "SSB"),
                       contact("06/06/26", "DL1XYZ", "08:05", "", "14 Mhz", "SSB"),
                       contact("06/06/26", "F6BBB", "08:10", "02", "7.0 Mhz", "CW", true)});
    Main& window = start();
    EXPECT_TRUE(started);
    // Keys reach the window that has the keyboard.
    EXPECT_TRUE(activate(&window));
    return window;
  }

  // Every window the program opens, opened as the operator opens it (the
  // missing-file window, which is modal, is left to the caller).
  std::vector<QWidget*> openEveryWindow(Main& window) {
    window.Mnu_Station->trigger();
    window.Mnu_Feuille_Recap->trigger();
    window.Mnu_Imprime_Tout->trigger();
    window.Mnu_Reglement->trigger();
    window.Mnu_Mode_Emploi->trigger();
    window.Mnu_Stat_Prefixe->trigger();
    window.Mnu_Stat_DFCF->trigger();
    window.Mnu_Carte_Activation->trigger();
    QTest::mouseClick(window.Recherche, Qt::LeftButton);
    emit Dpt().boxChosen(2);
    QTest::mouseClick(window.ClusterHF, Qt::LeftButton);
    window.Mnu_Imp_QSL->trigger();
    Select_QSO* selection = program->labelMenus().selectQso();
    if (selection != nullptr) selection->Impression->click();
    // The CW messages; the announcement on the cluster; the hamlib radio's
    // window, over the cluster window; the report of an imported file with
    // refused records.
    window.Mnu_Messages_CW->trigger();
    Cluster* cluster = program->cluster().cluster();
    if (cluster != nullptr) cluster->Mnu_Annoncer->trigger();
    if (cluster != nullptr) {
      cluster->Emetteur->setCurrentIndex(HamlibTransceiverIndex);
      emit cluster->Emetteur->activated(HamlibTransceiverIndex);
    }
    dialogs.expectOpenFile(
        ::testing::_, QString::fromStdString((fixturesDir() / "outputs" / "import" / "other_logger.adi").string()));
    window.Mnu_Import_ADIF->trigger();
    // Last, as the import's rebuild of the tallies closes it when it is done.
    program->maintenance().updatingWindow()->open(state->french());
    OutputMenus& outputs = program->outputMenus();
    StatsMenus& stats = program->statsMenus();
    const std::vector<QWidget*> windows{&window,
                                        window.stationWindow(),
                                        outputs.recapitulation(),
                                        outputs.impression(),
                                        outputs.reglement(),
                                        outputs.helpWindow(),
                                        stats.statistiquePrefixe(),
                                        stats.statistiqueDfcf(),
                                        stats.carte(),
                                        stats.recherche(),
                                        stats.afficheDpt(),
                                        program->cluster().cluster(),
                                        selection,
                                        selection != nullptr ? selection->etiquettes() : nullptr,
                                        program->maintenance().updatingWindow(),
                                        cluster != nullptr ? cluster->hamlibDialog() : nullptr,
                                        program->adifImporter().report(),
                                        program->cwKeyer().messagesWindow(),
                                        cluster != nullptr ? cluster->selfSpotDialog() : nullptr};
    for (QWidget* opened : windows) EXPECT_NE(opened, nullptr);
    return windows;
  }
};

}  // namespace brivant::testing
