// Pictures of the search, the two statistics windows, the map and the
// per-departement list in both languages, for reviewing the look.  They go to
// the folder named by BRIVANT_SCREENSHOTS_DIR when it is set (for example
//   BRIVANT_SCREENSHOTS_DIR=$PWD/screenshots build/test/tests/windows_tests --gtest_filter='Screenshots*'
// ) and to a temporary folder otherwise; never into the repository.

#include <QLineEdit>
#include <QPushButton>

#include "stats/ui/Affiche_Dpt.h"
#include "stats/ui/Carte_Acti.h"
#include "stats/ui/Recherche_Indicatif.h"
#include "stats/ui/Statistique_DFCF.h"
#include "stats/ui/Statistique_Prefixe.h"
#include "tests/stats/ui/StatsWindowsFixture.h"
#include "tests/support/qt/Screenshots.h"

namespace brivant::testing {
namespace {

class ScreenshotsStats : public StatsWindowsFixture {
 protected:
  void SetUp() override { saveSetting("bande Utilisee", "2"); }
  void save(QWidget* window, const std::string& name) { folder.save(window, name); }

  void shootLanguage(const char* language, const std::string& suffix) {
    state.Language = language;
    menus().Recherche_Click();
    Recherche_Indicatif* search = menus().recherche();
    search->Indica->setText(QStringLiteral("F"));
    search->Box_Enter(SearchBy::Callsign);
    save(search, "Recherche_Indicatif_" + suffix);

    menus().Mnu_Stat_Prefixe_Click();
    menus().statistiquePrefixe()->Afficher->click();
    save(menus().statistiquePrefixe(), "Statistique_Prefixe_" + suffix);

    menus().Mnu_Stat_DFCF_Click();
    menus().statistiqueDfcf()->Afficher->click();
    save(menus().statistiqueDfcf(), "Statistique_DFCF_" + suffix);

    menus().Mnu_Carte_Activation_Click();
    menus().carte()->Afficher->click();
    save(menus().carte(), "Carte_Acti_" + suffix);

    menus().Dpt_DblClick(59);
    save(menus().afficheDpt(), "Affiche_Dpt_" + suffix);
  }

  ScreenshotFolder folder;
};

TEST_F(ScreenshotsStats, French) { shootLanguage("Fr", "fr"); }
TEST_F(ScreenshotsStats, English) { shootLanguage("An", "en"); }

}  // namespace
}  // namespace brivant::testing
