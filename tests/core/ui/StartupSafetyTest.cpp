// What the start-up does with values and files it cannot trust: a stored
// callsign or date that could not name a file, a settings file that cannot be
// written, a torn or damaged log, a named pipe where the log should be.

#include <sys/stat.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cerrno>
#include <set>

#include "core/Safeguards.h"
#include "core/ui/Gestion_Erreur.h"
#include "core/ui/QsoListModel.h"
#include "core/ui/Station.h"
#include "tests/core/ui/MainFixture.h"
#include "tests/support/FaultHookGuard.h"

namespace brivant::testing {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace fs = std::filesystem;

std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

// A stored callsign the Station window would refuse: the start-up names no
// file after it and opens the Station window instead (closed here unanswered,
// so the program goes on as the template station, as at a first install).
TEST_F(MainFixture, AStoredCallsignThatCannotNameFilesOpensTheStationWindow) {
  const fs::path elsewhere = settingsDir / "elsewhere";
  fs::create_directories(elsewhere);
  const std::string refused[] = {
      std::string("F6\0ABC", 6),
      "F6/ABC",
      "..",
      "../" + settingsDir.path().filename().string() + "/elsewhere/F1ESC",
      (elsewhere / "F1ESC").string(),
  };
  for (const std::string& stored : refused) {
    SCOPED_TRACE(stored);
    ASSERT_TRUE(store.save("ZIV", "Setup ", "Indicatif Station", stored).ok());
    const std::set<std::string> before = namesIn(programDir.path());
    dialogs.clearShown();
    dialogs.setLenient(true);
    Main& window = makeMain();
    QString shownCallsign = QStringLiteral("<no Station window>");
    onNextModal([&](QWidget* modal) {
      auto* station = qobject_cast<Station*>(modal);
      ASSERT_NE(station, nullptr);
      shownCallsign = station->New_Indicatif->text();
      modal->close();
    });
    window.Form_Load();
    EXPECT_EQ(shownCallsign, QString());
    EXPECT_THAT(shownTexts(), Contains(refusedCallsignMessage(false).toStdString()));
    EXPECT_EQ(state->StationCall, "FXXXX");
    for (const std::string& name : namesIn(programDir.path())) {
      if (!before.contains(name)) {
        EXPECT_EQ(name.rfind("FXXXX", 0), 0u) << "a new file " << name;
      }
    }
    EXPECT_TRUE(fs::is_empty(elsewhere));
  }
}

TEST_F(MainFixture, AStoredDateThatIsNotRealIsAskedFor) {
  setUpStation("F6ABC", "Fr");
  ASSERT_TRUE(store.save("ZIV", "Setup F6ABC", "Date ZIV", "a/b/c/de").ok());
  dialogs.setLenient(true);
  dialogs.expectText(jncDatePrompt(true), QStringLiteral("31/02/26"));
  dialogs.expectMessage("Attention le format date doit etre jj/mm/aa");
  dialogs.expectText(jncDatePrompt(true), QStringLiteral("07/06/26"));
  start();
  EXPECT_TRUE(started);
  EXPECT_EQ(state->JncDate, "07/06/26");
  EXPECT_EQ(setting("Setup F6ABC", "Date ZIV"), "07/06/26");

  // Not answered: the date an absent setting gives, and nothing stored.
  ASSERT_TRUE(store.save("ZIV", "Setup F6ABC", "Date ZIV", "../..").ok());
  dialogs.expectText(jncDatePrompt(true), std::nullopt);
  start();
  EXPECT_TRUE(started);
  EXPECT_EQ(state->JncDate, "01/01/06");
  EXPECT_EQ(setting("Setup F6ABC", "Date ZIV"), "../..");
}

// The disk is full: each settings write the start-up makes fails, and the
// operator is told once, in the interface language; the start-up goes on.
TEST_F(MainFixture, SettingsThatCannotBeWrittenAtStartUpAreSaidOnce) {
  setUpStation("F6ABC", "Fr");
  const std::string before = readBytes(store.fileOf("ZIV"));
  FaultHookGuard full([](TextFile::testing::Step step, const fs::path& file) {
    return step == TextFile::testing::Step::Write && file.filename() == "ZIV.ini.tmp" ? std::optional<int>(ENOSPC)
                                                                                      : std::nullopt;
  });
  start();
  EXPECT_TRUE(started);
  const QString failure = QString::fromUtf8("Erreur N° 61 : les réglages n'ont pas pu être enregistrés dans ZIV.ini.");
  EXPECT_EQ(dialogs.texts().count(failure), 1);
  EXPECT_EQ(readBytes(store.fileOf("ZIV")), before);

  // The menus that store a choice say it too.
  dialogs.clearShown();
  main->Mnu_Auto_Non->trigger();
  main->Mnu_An->trigger();
  EXPECT_EQ(dialogs.texts(), QStringList({failure, QStringLiteral("Error No. 61: the settings could not be saved in "
                                                                  "ZIV.ini.")}));
}

// A full disk when the Station window validates: the window says so and stays
// open, and the program and the settings stay on the old station.
TEST_F(MainFixture, AFullDiskDuringValidationKeepsTheOldStation) {
  setUpStation("F6ABC", "Fr");
  start();
  ASSERT_TRUE(started);
  const std::string before = readBytes(store.fileOf("ZIV"));
  Station* station = main->stationWindow();
  main->Mnu_Station->trigger();
  station->New_Indicatif->setText(QStringLiteral("F1NEW"));
  QTest::keyClick(station->New_Indicatif, Qt::Key_Return);
  station->Nouv_Date->setText(QStringLiteral("12/06/27"));
  QTest::keyClick(station->Nouv_Date, Qt::Key_Return);
  dialogs.clearShown();
  {
    FaultHookGuard full([](TextFile::testing::Step step, const fs::path&) {
      return step == TextFile::testing::Step::Write ? std::optional<int>(ENOSPC) : std::nullopt;
    });
    station->Validation->click();
  }
  EXPECT_THAT(shownTexts(), Contains(HasSubstr("Erreur N° 61")));
  EXPECT_EQ(state->StationCall, "F6ABC");
  EXPECT_EQ(main->I_Station->text(), QStringLiteral("F6ABC"));
  EXPECT_EQ(readBytes(store.fileOf("ZIV")), before);
  EXPECT_FALSE(fs::exists(programDir / "F1NEW.log"));
}

// A killed append left half a record: the start-up sets it aside, says so
// once, and lists only the whole contacts.
TEST_F(MainFixture, ATornLastLineIsSetAsideAndSaidOnce) {
  setUpStation("F6ABC", "Fr");
  const std::string a = contact("06/06/26", "F5AAA", "09:00", "59", "3.5 Mhz", "SSB");
  const std::string b = contact("06/06/26", "F5BBB", "09:10", "62", "3.5 Mhz", "SSB");
  writeBytes(programDir / "F6ABC.log", crlf({a}) + b.substr(0, 100));
  start();
  ASSERT_TRUE(started);
  EXPECT_EQ(dialogs.texts().count(tornLogLineMessage(true, programDir.path(), "F6ABC")), 1);
  EXPECT_EQ(main->listLines().size(), 1u);
  EXPECT_EQ(fileBytes("F6ABC.log"), crlf({a}));
  EXPECT_EQ(fileBytes("F6ABC_Lignes_Incompletes.txt"), b.substr(0, 100) + "\r\n");
  EXPECT_TRUE(tornLogLineMessage(true, programDir.path(), "F6ABC").contains("F6ABC_Lignes_Incompletes.txt"));

  dialogs.clearShown();
  start();
  EXPECT_EQ(dialogs.texts().count(tornLogLineMessage(true, programDir.path(), "F6ABC")), 0);
  EXPECT_EQ(fileBytes("F6ABC_Lignes_Incompletes.txt"), b.substr(0, 100) + "\r\n");
}

// Lines no record could be are counted at loading and said once; the log is
// left as it is.
TEST_F(MainFixture, DamagedLogLinesAreCountedAndSaidOnce) {
  setUpStation("F6ABC");
  const std::string a = contact("06/06/26", "F5AAA", "09:00", "59", "3.5 Mhz", "SSB");
  std::string control = contact("06/06/26", "F5BBB", "09:10", "62", "3.5 Mhz", "SSB");
  control[15] = '\x01';
  const std::string bytes = crlf({a, control, std::string(100'000, 'Z'), a});
  writeBytes(programDir / "F6ABC.log", bytes);
  start();
  ASSERT_TRUE(started);
  EXPECT_THAT(shownTexts(), Contains(damagedLogLinesMessage(false, "F6ABC", 2).toStdString()));
  EXPECT_TRUE(damagedLogLinesMessage(false, "F6ABC", 2).startsWith(QStringLiteral("2 line(s) of the log F6ABC.log")));
  EXPECT_EQ(main->listLines().size(), 4u);
  EXPECT_EQ(fileBytes("F6ABC.log"), bytes);

  dialogs.clearShown();
  ASSERT_TRUE(main->Charge_Liste_QSO());
  EXPECT_TRUE(dialogs.texts().isEmpty()) << "said once";
}

// A named pipe where the log should be is a missing log: the missing-file
// window comes up at once instead of a start-up waiting for ever.
TEST_F(MainFixture, ANamedPipeInPlaceOfTheLogIsAMissingLog) {
  setUpStation("F6ABC");
  fs::remove(programDir / "F6ABC.log");
  ASSERT_EQ(::mkfifo((programDir / "F6ABC.log").c_str(), 0600), 0);
  Main& window = start();
  EXPECT_FALSE(started);
  ASSERT_NE(window.errorWindow(), nullptr);
  EXPECT_EQ(window.errorWindow()->Ind_Station1->text() + window.errorWindow()->Err_Departement->text(),
            QStringLiteral("F6ABC.log"));
  EXPECT_TRUE(fs::is_fifo(programDir / "F6ABC.log"));
}

TEST_F(MainFixture, ANamedPipeInPlaceOfATallyDoesNotHang) {
  setUpStation("F6ABC");
  fs::remove(programDir / "F6ABC_Prefixe_SSB.txt");
  ASSERT_EQ(::mkfifo((programDir / "F6ABC_Prefixe_SSB.txt").c_str(), 0600), 0);
  start();
  EXPECT_TRUE(started);
  EXPECT_TRUE(fs::is_regular_file(programDir / "F6ABC_Prefixe_SSB.txt")) << "rebuilt from the log";
}

// The operator keeps the log elsewhere behind a link, readable by the
// operator alone: deleting a contact rewrites the file the link names, and
// the link and the file's mode stay.
TEST_F(MainFixture, ARewriteKeepsALinkedLogAndItsMode) {
  setUpStation("F6ABC", "Fr");
  const std::string a = contact("06/06/26", "F5AAA", "09:00", "59", "3.5 Mhz", "SSB");
  const std::string b = contact("06/06/26", "F5BBB", "09:10", "62", "3.5 Mhz", "SSB");
  const fs::path target = settingsDir / "logs" / "F6ABC.log";
  fs::create_directories(target.parent_path());
  writeBytes(target, crlf({a, b}));
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
  fs::remove(programDir / "F6ABC.log");
  fs::create_symlink(target, programDir / "F6ABC.log");
  start();
  ASSERT_TRUE(started);
  main->selectQso(0);
  dialogs.expectYesNo(HasSubstr("F5AAA"), true);
  main->Effacer->click();
  EXPECT_TRUE(fs::is_symlink(programDir / "F6ABC.log"));
  EXPECT_EQ(fs::read_symlink(programDir / "F6ABC.log"), target);
  EXPECT_EQ(readBytes(target), crlf({b}));
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace brivant::testing
