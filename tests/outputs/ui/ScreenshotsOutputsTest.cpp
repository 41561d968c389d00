// Pictures of the sheet, the listing, the rules and the manual in both
// languages, for reviewing the look.  They go to the folder named by
// BRIVANT_SCREENSHOTS_DIR when it is set (for example
//   BRIVANT_SCREENSHOTS_DIR=$PWD/screenshots build/test/tests/windows_tests --gtest_filter='Screenshots*'
// ) and to a temporary folder otherwise; never into the repository.

#include "outputs/ui/HelpWindow.h"
#include "outputs/ui/Impression.h"
#include "outputs/ui/OutputMenus.h"
#include "outputs/ui/Recapitulation.h"
#include "outputs/ui/Reglement.h"
#include "tests/outputs/ui/OutputWindowsFixture.h"
#include "tests/support/qt/Screenshots.h"

namespace brivant::testing {
namespace {

class ScreenshotsOutputs : public OutputWindowsFixture {
 protected:
  void shootLanguage(const char* language, const std::string& suffix) {
    state.Language = language;
    writeWorkedExample(programDir.path(), "F6ABC");
    writeBytes(programDir / "Brivant.html", readBytes(shippedDataDir() / "Brivant.html"));
    OutputMenus::Hooks hooks;
    hooks.rebuildTallies = [] { return true; };
    OutputMenus menus(state, mainWindow, printer, hooks);
    menus.Mnu_Feuille_Recap_Click();
    menus.Mnu_Imprime_Tout_Click();
    menus.Mnu_Reglement_Click();
    menus.Mnu_Mode_Emploi_Click();
    const std::pair<QWidget*, const char*> windows[] = {{menus.recapitulation(), "Recapitulation_"},
                                                        {menus.impression(), "Impression_"},
                                                        {menus.reglement(), "Reglement_"},
                                                        {menus.helpWindow(), "HelpWindow_"}};
    for (const auto& [window, name] : windows) {
      ASSERT_NE(window, nullptr) << name;
      folder.save(window, name + suffix);
    }
  }

  ScreenshotFolder folder;
};

TEST_F(ScreenshotsOutputs, French) { shootLanguage("Fr", "fr"); }
TEST_F(ScreenshotsOutputs, English) { shootLanguage("An", "en"); }

}  // namespace
}  // namespace brivant::testing
