// Pictures of the contact selection and of the label window in both
// languages, for reviewing the look.  They go to the folder named by
// BRIVANT_SCREENSHOTS_DIR when it is set (for example
//   BRIVANT_SCREENSHOTS_DIR=$PWD/screenshots build/test/tests/windows_tests --gtest_filter='Screenshots*'
// ) and to a temporary folder otherwise; never into the repository.

#include <QImage>
#include <QListView>
#include <QStyleFactory>
#include <cstdlib>

#include "tests/labels/ui/LabelWindowsFixture.h"

namespace brivant::testing {
namespace {

class ScreenshotsLabels : public LabelWindowsFixture {
 protected:
  // Saves the picture of a window, which must be no smaller than its contents ask.
  void save(QWidget& window, const std::string& name) {
    window.show();
    QApplication::processEvents();
    EXPECT_GE(window.width(), window.minimumSizeHint().width()) << name;
    EXPECT_GE(window.height(), window.minimumSizeHint().height()) << name;
    const char* folder = std::getenv("BRIVANT_SCREENSHOTS_DIR");
    const fs::path output = folder != nullptr && *folder != '\0' ? fs::path(folder) : scratch.path();
    fs::create_directories(output);
    const fs::path file = output / (name + ".png");
    ASSERT_TRUE(window.grab().toImage().save(QString::fromStdString(file.string()))) << file;
    EXPECT_GT(fs::file_size(file), 10'000u) << file;
  }

  void shootLanguage(const char* language, const std::string& suffix) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);
    state.Language = language;
    writeLog(14);
    for (const auto& [key, value] : {std::pair{"N° Activite", "DFCF 59-045"},
                                     {"Nom Activite", "Château de Flers"},
                                     {"N° Canton", "5911"},
                                     {"N° CP", "59650"},
                                     {"Commune", "Villeneuve d'Ascq"},
                                     {"Transceiver", "IC-7300 100 W"},
                                     {"Antenne", "Delta loop"},
                                     {"Type etiquette", "2"},
                                     {"Format etiquette", "1"}}) {
      saveSetting(key, QString::fromUtf8(value));
    }
    Select_QSO& selection = openSelection();
    for (int row : {1, 3, 3, 7}) selection.Liste_QSO_Click(selection.Liste_QSO->model()->index(row, 0));
    save(selection, "Select_QSO_" + suffix);
    selection.Impression_Click();
    save(*selection.etiquettes(), "Etiquettes_" + suffix);
  }

  TempDir scratch;
};

TEST_F(ScreenshotsLabels, French) { shootLanguage("Fr", "fr"); }
TEST_F(ScreenshotsLabels, English) { shootLanguage("An", "en"); }

}  // namespace
}  // namespace brivant::testing
