// Pictures of the search, the two statistics windows, the map and the
// per-departement list in both languages, for reviewing the look.  They go to
// the folder named by BRIVANT_SCREENSHOTS_DIR when it is set (for example
//   BRIVANT_SCREENSHOTS_DIR=$PWD/screenshots build/test/tests/stats_ui_tests --gtest_filter='Screenshots*'
// ) and to a temporary folder otherwise; never into the repository.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSet>
#include <QStyleFactory>
#include <cstdlib>

#include "stats/ui/Affiche_Dpt.h"
#include "stats/ui/Carte_Acti.h"
#include "stats/ui/Recherche_Indicatif.h"
#include "stats/ui/Statistique_DFCF.h"
#include "stats/ui/Statistique_Prefixe.h"
#include "tests/stats/ui/StatsWindowsFixture.h"

namespace brivant::testing {
namespace {

class Screenshots : public StatsWindowsFixture {
 protected:
  void SetUp() override {
    if (const char* folder = std::getenv("BRIVANT_SCREENSHOTS_DIR"); folder != nullptr && *folder != '\0') {
      output = folder;
      std::filesystem::create_directories(output);
    } else {
      output = scratch.path();
    }
    // The look the program has: the same style as app/main.cpp sets.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
    saveSetting("bande Utilisee", "2");
  }

  // Saves the picture of a window and checks that it shows something.
  void save(QWidget* window, const std::string& name) {
    QApplication::processEvents();
    const QImage image = window->grab().toImage();
    ASSERT_FALSE(image.isNull()) << name;
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7)
      for (int x = 0; x < image.width(); x += 7) colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 4) << name << " looks blank";
    const std::filesystem::path file = output / (name + ".png");
    ASSERT_TRUE(image.save(QString::fromStdString(file.string()))) << file;
  }

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

  TempDir scratch;
  std::filesystem::path output;
};

TEST_F(Screenshots, French) { shootLanguage("Fr", "fr"); }
TEST_F(Screenshots, English) { shootLanguage("An", "en"); }

}  // namespace
}  // namespace brivant::testing
