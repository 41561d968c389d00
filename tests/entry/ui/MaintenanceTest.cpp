// The maintenance of a station's files: a damaged template is never used
// (the rebuild and the reset keep every file and name it), a damaged tally
// never replaces its good backup, the reset asks with Cancel as the default,
// keeps a copy of the files first and changes nothing when it fails.

#include <gmock/gmock.h>

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <algorithm>
#include <cerrno>

#include "platform/ui/QtDialogs.h"
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
  // The files of the program folder made by a reset's copy, hidden ones too.
  std::vector<std::string> resetCopies() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(programDir.path()))
      if (entry.path().filename().string().find("avant_RAZ") != std::string::npos)
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  const char* damaged = nullptr;
  std::string before;
  QtDialogs onScreen;  // the real boxes, for the tests that answer them with keys
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
  dialogs.expectMessage(HasSubstr("F6ABC_avant_RAZ_2026-06-07_01-30-30.log"));  // the copy made first stays
  int writes = 0;  // the disk fills up as the fourth file is written
  FaultHookGuard full([&](TextFile::testing::Step step, const std::filesystem::path& path) -> std::optional<int> {
    if (path.string().find("avant_RAZ") != std::string::npos) return std::nullopt;
    return step == TextFile::testing::Step::Write && ++writes == 4 ? std::optional<int>(ENOSPC) : std::nullopt;
  });
  main->Mnu_RAZ_All->trigger();
  dialogs.verifyAllConsumed();
  EXPECT_EQ(stationBytes(), started);
  EXPECT_EQ(main->listLines().size(), 2u);
}

// The question on screen: Enter alone and Escape both answer Cancel.
TEST_F(MaintenanceTest, EnterOrEscapeOnTheResetQuestionResetsNothing) {
  startWithContacts("Fr");
  const std::string started = stationBytes();  // the start-up flagged the contacts
  onScreen.setParent(main);
  dialogs.onScreen = &onScreen;
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    QString asked;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    onNextModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      asked = box->text();
      icon = box->icon();
      EXPECT_EQ(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
      // The key goes where the operator's would: to the button that has the focus.
      QTest::keyClick(box->focusWidget() != nullptr ? box->focusWidget() : box, key);
    });
    main->Mnu_RAZ_All->trigger();
    EXPECT_EQ(asked.toStdString(), "!!! ATTENTION !!! tout les fichiers F6ABC vont etre effacé , Continuer ?");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_TRUE(stationBytes() == started) << key;
    EXPECT_THAT(resetCopies(), ::testing::IsEmpty());
    EXPECT_EQ(main->listLines().size(), 2u);
  }
}

// The log and the tallies go to a dated set before they are emptied; a
// second reset in the same second makes a set of its own.  The reference
// lists, shared by every station, are not the station's files: they stay.
TEST_F(MaintenanceTest, AResetFirstCopiesTheFilesAndSaysWhere) {
  const std::string folder = programDir.path().string();
  // What the entry has learnt of two stations.
  writeBytes(programDir / "Nomenclature.txt", "F5AAA      59 JO10AB\r\n");
  writeBytes(programDir / "Liste_Prenom.txt", "F5AAA        59 PAUL\r\nDL1ABC          HANS\r\n");
  const std::string lists = fileBytes("Nomenclature.txt") + "|" + fileBytes("Liste_Prenom.txt");
  std::vector<std::string> made;
  for (const auto& [language, stem, said] :
       {std::tuple{"Fr", "F6ABC_avant_RAZ_2026-06-07_01-30-30",
                   "Les fichiers d'avant la remise a zero sont copiés dans le répertoire '"},
        std::tuple{"An", "F6ABC_avant_RAZ_2026-06-07_01-30-30_2",
                   "The files as they were before the reset are copied in the directory '"}}) {
    startWithContacts(language);
    const std::string started = stationBytes();
    std::string names;
    for (const char* suffix : StationFiles) {
      made.push_back(std::string(stem) + suffix);
      names += "\r\n" + made.back();
    }
    dialogs.clearShown();
    main->Mnu_RAZ_All->trigger();  // answered OK
    EXPECT_THAT(shownTexts(), Contains(said + folder + (language == std::string("Fr") ? "' :" : "':") + names));
    std::string copied;
    for (const char* suffix : StationFiles) copied += fileBytes(std::string(stem) + suffix) + "|";
    EXPECT_TRUE(copied == started) << stem;
    EXPECT_EQ(fileBytes("F6ABC.log"), "");
    EXPECT_TRUE(main->listLines().empty());
  }
  std::sort(made.begin(), made.end());
  EXPECT_EQ(resetCopies(), made);
  EXPECT_EQ(fileBytes("Nomenclature.txt") + "|" + fileBytes("Liste_Prenom.txt"), lists);
}

TEST_F(MaintenanceTest, ACopyThatFailsStopsTheResetAndLeavesNoPartOfIt) {
  using TextFile::testing::Step;
  const struct {
    const char* name;
    Step step;
    const char* file;  // the step fails on the nth file whose path holds this
    int nth;
    int error;
    const char* message;
  } cases[] = {
      {"the log cannot be read", Step::Open, "F6ABC.log", 1, EACCES, "Erreur N° 70"},
      {"the third copy cannot be written", Step::Write, "avant_RAZ", 3, ENOSPC, "Erreur N° 61"},
      {"the fourth copy cannot take its name", Step::Rename, "avant_RAZ", 4, EIO, "Erreur N° 57"},
  };
  startWithContacts("Fr");
  const std::string started = stationBytes();
  for (const auto& tc : cases) {
    SCOPED_TRACE(tc.name);
    dialogs.setLenient(false);
    dialogs.expectOkCancel(HasSubstr("vont etre effacé"), true);
    dialogs.expectMessage(std::string(tc.message) +
                          "\r\nLes fichiers n'ont pas pu être copiés avant la remise a zero : aucun fichier n'a été "
                          "effacé");
    int seen = 0;
    bool failed = false;
    FaultHookGuard failing([&](Step step, const std::filesystem::path& path) -> std::optional<int> {
      if (step != tc.step || path.string().find(tc.file) == std::string::npos || ++seen != tc.nth) return std::nullopt;
      failed = true;
      return tc.error;
    });
    main->Mnu_RAZ_All->trigger();
    dialogs.verifyAllConsumed();
    EXPECT_TRUE(failed);
    EXPECT_TRUE(stationBytes() == started);
    EXPECT_THAT(resetCopies(), ::testing::IsEmpty());
    EXPECT_EQ(main->listLines().size(), 2u);
  }
  dialogs.expectOkCancel(HasSubstr("F6ABC"), true);
  dialogs.expectMessage(HasSubstr("F6ABC_avant_RAZ_2026-06-07_01-30-30.log"));
  main->Mnu_RAZ_All->trigger();
  dialogs.verifyAllConsumed();
  EXPECT_EQ(fileBytes("F6ABC.log"), "");
}

}  // namespace
}  // namespace brivant::testing
