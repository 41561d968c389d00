// The maintenance of a station's files from the main window, when something
// goes wrong: a damaged template is never used (the rebuild and the reset
// keep every file and say which template it is), a damaged tally never
// replaces its good backup, and a reset that fails part-way changes nothing.

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

constexpr const char* Call = "F6ABC";

class MaintenanceTest : public MainFixture {
 protected:
  // A station with two contacts whose tallies are still the templates: a
  // rebuild from sound templates would flag F, DL and 59.
  void setUpWithContacts(const char* language) {
    setUpStation(Call, language);
    writeLog(Call, {contact("06/06/26", "F5AAA", "08:00", "59", "3.5 Mhz", "SSB"),
                    contact("06/06/26", "DL1ABC", "08:10", "", "3.5 Mhz", "SSB")});
  }
  std::string stationBytes() const {
    std::string all;
    for (const char* suffix : StationFiles) all += fileBytes(std::string(Call) + suffix) + "|";
    return all;
  }
  // The template without its last line: the start-up of a damaged copy.
  void truncate(const char* name) {
    std::string bytes = fileBytes(name);
    bytes.erase(bytes.rfind("\r\n", bytes.size() - 3) + 2);
    writeBytes(programDir / name, bytes);
  }
};

struct DamagedTemplate {
  const char* name;
  const char* language;
  const char* message;
};

class DamagedTemplateTest : public MaintenanceTest, public ::testing::WithParamInterface<DamagedTemplate> {};

TEST_P(DamagedTemplateTest, TheStartUpRebuildKeepsTheTalliesAndNamesTheTemplate) {
  setUpWithContacts(GetParam().language);
  truncate(GetParam().name);
  const std::string before = stationBytes();
  start();
  ASSERT_TRUE(started);
  EXPECT_THAT(shownTexts(), Contains(std::string(GetParam().message)));
  EXPECT_EQ(stationBytes(), before);
  EXPECT_EQ(main->P_QSO->text(), QStringLiteral("0"));  // the tallies as they were: nothing flagged

  // The menu's rebuild and the reset refuse it too.
  dialogs.clearShown();
  main->Mnu_MAJ_Prefixe_Departement->trigger();
  EXPECT_THAT(shownTexts(), Contains(std::string(GetParam().message)));
  dialogs.clearShown();
  main->Mnu_RAZ_All->trigger();
  EXPECT_THAT(shownTexts(), Contains(HasSubstr(GetParam().name)));
  EXPECT_EQ(stationBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Templates, DamagedTemplateTest,
    ::testing::Values(
        DamagedTemplate{"FXXXX_Prefixe.txt", "Fr",
                        "Le fichier FXXXX_Prefixe.txt est endommagé : les fichiers Departement et Prefixe sont "
                        "conservés tels quels"},
        DamagedTemplate{"FXXXX_Departement.txt", "An",
                        "The file FXXXX_Departement.txt is damaged: the Department and Prefix files are kept as "
                        "they are"}));

TEST_F(MaintenanceTest, ADamagedTallyNeverReplacesItsGoodBackup) {
  setUpWithContacts("An");
  start();
  ASSERT_TRUE(started);
  const std::string goodBackup = fileBytes("F6ABC_Prefixe_SSB.txt");
  writeBytes(programDir / "F6ABC_Prefixe_SSB.bak", goodBackup);
  truncate("F6ABC_Prefixe_SSB.txt");
  dialogs.clearShown();
  EXPECT_TRUE(main->close());
  EXPECT_EQ(fileBytes("F6ABC_Prefixe_SSB.bak"), goodBackup);
  EXPECT_THAT(shownTexts(), Contains("The file F6ABC_Prefixe_SSB.txt is damaged: its copy F6ABC_Prefixe_SSB.bak is "
                                     "kept as it was"));
  // The sound files are backed up as always.
  EXPECT_EQ(fileBytes("F6ABC_Prefixe_CW.bak"), fileBytes("F6ABC_Prefixe_CW.txt"));
  EXPECT_EQ(fileBytes("F6ABC.bak"), fileBytes("F6ABC.log"));
}

TEST_F(MaintenanceTest, AResetThatFailsPartWayIsReportedAndChangesNoFile) {
  setUpWithContacts("An");
  start();
  ASSERT_TRUE(started);
  const std::string before = stationBytes();
  dialogs.clearShown();
  dialogs.setLenient(false);
  dialogs.expectOkCancel(HasSubstr("will be deleted"), true);
  dialogs.expectMessage("Erreur N° 61");
  {
    // The disk fills up as the fourth file is written.
    int writes = 0;
    FaultHookGuard full([&](TextFile::testing::Step step, const std::filesystem::path&) -> std::optional<int> {
      if (step == TextFile::testing::Step::Write && ++writes == 4) return ENOSPC;
      return std::nullopt;
    });
    main->Mnu_RAZ_All->trigger();
  }
  dialogs.verifyAllConsumed();
  EXPECT_EQ(stationBytes(), before);
  EXPECT_EQ(main->listLines().size(), 2u);
  EXPECT_NE(main->P_QSO->text(), QStringLiteral("0"));
}

}  // namespace
}  // namespace brivant::testing
