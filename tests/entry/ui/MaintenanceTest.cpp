// The maintenance of a station's files when something goes wrong: a damaged
// template is never used (the rebuild and the reset keep every file and name
// it), a damaged tally never replaces its good backup, and a reset that fails
// part-way is said and changes nothing.

#include <gmock/gmock.h>

#include <QAction>
#include <QLabel>
#include <cerrno>

#include "tests/core/ui/MainFixture.h"
#include "tests/support/FaultHookGuard.h"

namespace brivant::testing {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;

class MaintenanceTest : public MainFixture {
 protected:
  // Two contacts, the tallies still the templates: a rebuild would flag them.
  void startWithContacts(const char* language) {
    setUpStation("F6ABC", language);
    writeLog("F6ABC", {contact("06/06/26", "F5AAA", "08:00", "59", "3.5 Mhz", "SSB"),
                       contact("06/06/26", "DL1ABC", "08:10", "", "3.5 Mhz", "SSB")});
    if (damaged != nullptr) {
      std::string bytes = fileBytes(damaged);  // the last line lost
      writeBytes(programDir / damaged, bytes.erase(bytes.rfind("\r\n", bytes.size() - 3) + 2));
    }
    before = stationBytes();
    start();
  }
  std::string stationBytes() const {
    std::string all;
    for (const char* suffix : StationFiles) all += fileBytes(std::string("F6ABC") + suffix) + "|";
    return all;
  }
  const char* damaged = nullptr;
  std::string before;
};

TEST_F(MaintenanceTest, ADamagedTemplateIsNamedAndNeverUsed) {
  for (const auto& [name, language, message] :
       {std::tuple{"FXXXX_Prefixe.txt", "Fr",
                   "Le fichier FXXXX_Prefixe.txt est endommagé : les fichiers Departement et Prefixe sont "
                   "conservés tels quels"},
        std::tuple{
            "FXXXX_Departement.txt", "An",
            "The file FXXXX_Departement.txt is damaged: the Department and Prefix files are kept as they are"}}) {
    seedFromShippedData(programDir.path());
    damaged = name;
    startWithContacts(language);
    EXPECT_THAT(shownTexts(), Contains(std::string(message)));
    EXPECT_EQ(stationBytes(), before) << name;
    EXPECT_EQ(main->P_QSO->text(), QStringLiteral("0"));
    dialogs.clearShown();
    main->Mnu_RAZ_All->trigger();  // answered OK
    EXPECT_THAT(shownTexts(), Contains(HasSubstr(name)));
    EXPECT_EQ(stationBytes(), before) << name;
  }
}

TEST_F(MaintenanceTest, ADamagedTallyKeepsItsGoodBackup) {
  startWithContacts("An");
  const std::string good = fileBytes("F6ABC_Prefixe_SSB.txt");
  writeBytes(programDir / "F6ABC_Prefixe_SSB.bak", good);
  writeBytes(programDir / "F6ABC_Prefixe_SSB.txt", good.substr(0, 20902));
  dialogs.clearShown();
  main->close();
  EXPECT_EQ(fileBytes("F6ABC_Prefixe_SSB.bak"), good);
  EXPECT_THAT(shownTexts(),
              Contains("The file F6ABC_Prefixe_SSB.txt is damaged: its copy F6ABC_Prefixe_SSB.bak is kept as it was"));
  EXPECT_EQ(fileBytes("F6ABC_Prefixe_CW.bak"), fileBytes("F6ABC_Prefixe_CW.txt"));
}

TEST_F(MaintenanceTest, AResetThatFailsPartWayIsSaidAndChangesNoFile) {
  startWithContacts("An");
  const std::string started = stationBytes();
  dialogs.setLenient(false);
  dialogs.expectOkCancel(HasSubstr("will be deleted"), true);
  dialogs.expectMessage("Erreur N° 61");
  int writes = 0;  // the disk fills up as the fourth file is written
  FaultHookGuard full([&](TextFile::testing::Step step, const std::filesystem::path&) -> std::optional<int> {
    return step == TextFile::testing::Step::Write && ++writes == 4 ? std::optional<int>(ENOSPC) : std::nullopt;
  });
  main->Mnu_RAZ_All->trigger();
  dialogs.verifyAllConsumed();
  EXPECT_EQ(stationBytes(), started);
  EXPECT_EQ(main->listLines().size(), 2u);
}

}  // namespace
}  // namespace brivant::testing
