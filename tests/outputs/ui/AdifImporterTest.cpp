// The ADIF import from the Fichier menu: the file chosen, the log replaced
// once, the question on contacts of other dates, the report window and file,
// a long file's progress bar, a file too large, the file that cannot be read
// or written, and the pictures of the report.

#include "outputs/ui/AdifImporter.h"

#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include "core/Station.h"
#include "outputs/ui/ImportReport.h"
#include "tests/outputs/ui/OutputWindowsFixture.h"
#include "tests/support/FaultHookGuard.h"
#include "tests/support/LogCapture.h"
#include "tests/support/qt/Screenshots.h"

namespace brivant {
namespace {

using namespace testing;

class AdifImporterTest : public OutputWindowsFixture {
 protected:
  AdifImporterTest() {
    seedFromShippedData(programDir.path());
    EXPECT_TRUE(Cree_Fichiers_Station(programDir.path(), "F6ABC").ok());
    state.JncDate = "06/06/26";
  }

  AdifImporter::Hooks hooks() {
    AdifImporter::Hooks result;
    result.logReplaced = [this](std::vector<std::string> lines) { replacements.push_back(std::move(lines)); };
    result.askForStation = [this] { ++stationAsked; };
    return result;
  }
  static QString fixture(const char* name) {
    return QString::fromStdString((fixturesDir() / "outputs" / "import" / name).string());
  }
  std::string logBytes() const { return readBytes(programDir / "F6ABC.log"); }
  static QStringList row(const QAbstractItemModel& model, int r) {
    QStringList cells;
    for (int c = 0; c < model.columnCount(); ++c) cells << model.index(r, c).data().toString();
    return cells;
  }

  std::vector<std::vector<std::string>> replacements;
  int stationAsked = 0;
};

TEST_F(AdifImporterTest, AnotherLoggersFileJoinsTheLogAndTheRefusedAreReported) {
  AdifImporter importer(state, mainWindow, hooks());
  dialogs.expectOpenFile("Importer un fichier ADIF", fixture("other_logger.adi"));
  LogCapture log;
  importer.Mnu_Import_ADIF_Click();
  dialogs.verifyAllConsumed();
  EXPECT_EQ(log.matching(QStringLiteral("^brivant.import ")),
            QStringList{"brivant.import info import of " + fixture("other_logger.adi") +
                        ": 7 records read, 4 imported, 3 refused, 3 in the report"});

  // The log replaced once, and the list given its lines.
  ASSERT_EQ(replacements.size(), 1u);
  EXPECT_EQ(replacements[0].size(), 4u);
  EXPECT_EQ(crlf([&] {
              std::vector<std::string> records;
              for (const std::string& line : replacements[0]) records.emplace_back(recordOfListLine(line));
              return records;
            }()),
            logBytes());
  EXPECT_EQ(importer.progressDialog(), nullptr);  // a short file

  ImportReport* report = importer.report();
  ASSERT_NE(report, nullptr);
  EXPECT_TRUE(report->isVisible());
  EXPECT_EQ(report->windowTitle(), QString::fromUtf8("Rapport d'import ADIF"));
  EXPECT_EQ(report->summaryLabel->text(),
            QString::fromUtf8("4 contact(s) importé(s), 3 refusé(s)\nListe enregistrée dans F6ABC_Import_ADIF.txt"));
  // The count of each reason first, then the records.
  ASSERT_EQ(report->reasonTable->rowCount(), 3);
  EXPECT_EQ(report->reasonTable->item(0, 2)->text(), QString::fromUtf8("Déjà enregistré sur la bande et le mode"));
  const QAbstractItemModel& notes = *report->notesTable->model();
  ASSERT_EQ(notes.rowCount(), 3);
  EXPECT_EQ(row(notes, 0), (QStringList{"3", "f5aaa", QString::fromUtf8("Refusé"),
                                        QString::fromUtf8("F5AAA deja contactée sur 14 Mhz a 08:12 en SSB")}));
  EXPECT_EQ(row(notes, 1)[0], QStringLiteral("5"));
  expectMatchesGolden(programDir / "F6ABC_Import_ADIF.txt", "outputs/import/other_logger_fr.txt");

  // From the keyboard: Escape closes the report.
  ASSERT_TRUE(QTest::qWaitForWindowActive(report));
  QTest::keyClick(report, Qt::Key_Escape);
  EXPECT_FALSE(report->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(importer.report(), nullptr);
}

// A download of several years: asked once, No by default, and only the
// event's contacts imported; Yes imports the others as well.
TEST_F(AdifImporterTest, ContactsOfOtherDatesAreImportedOnlyWhenAskedFor) {
  for (const bool yes : {false, true}) {
    SCOPED_TRACE(yes);
    writeBytes(programDir / "F6ABC.log", "");
    replacements.clear();
    AdifImporter importer(state, mainWindow, hooks());
    dialogs.expectOpenFile("Importer un fichier ADIF", fixture("online_logbook.adi"));
    dialogs.expectYesNoDefaultNo(
        QString::fromUtf8("Ce fichier contient 5 contact(s) daté(s) d'un autre jour que la JNC du 06/06/26 et son "
                          "lendemain (UTC), du 04/11/2017 au 01/01/2034.\n\nLes importer aussi ?\n(Non : seuls les "
                          "contacts de la JNC sont importés.)"),
        yes);
    importer.Mnu_Import_ADIF_Click();
    dialogs.verifyAllConsumed();
    ASSERT_EQ(replacements.size(), 1u);
    EXPECT_EQ(replacements[0].size(), yes ? 5u : 2u);
    ASSERT_NE(importer.report(), nullptr);
    const QTableWidget& reasons = *importer.report()->reasonTable;
    EXPECT_EQ(reasons.item(0, 0)->text(), yes ? QStringLiteral("1") : QStringLiteral("5"));
    if (!yes) {
      EXPECT_EQ(reasons.item(0, 2)->text(),
                QString::fromUtf8("Contact d'un autre jour que la JNC et son lendemain, non importé (du 04/11/2017 "
                                  "au 01/01/2034)"));
    }
  }
}

// A character the log cannot hold is shown as itself in the window; the
// report file names its code.
TEST_F(AdifImporterTest, TheWindowShowsTheCharacterTheFileNamesItsCode) {
  AdifImporter importer(state, mainWindow, hooks());
  dialogs.expectOpenFile("Importer un fichier ADIF", fixture("adif_library_utf8.adi"));
  importer.Mnu_Import_ADIF_Click();
  ASSERT_NE(importer.report(), nullptr);
  const QAbstractItemModel& notes = *importer.report()->notesTable->model();
  ASSERT_EQ(notes.rowCount(), 3);
  EXPECT_EQ(row(notes, 0), (QStringList{"1", "UA3ABC", QString::fromUtf8("Importé"),
                                        QString::fromUtf8("NAME : « Иван » devient « IVAN »")}));
  EXPECT_EQ(row(notes, 2), (QStringList{"4", QString::fromUtf8("RА3AA"), QString::fromUtf8("Refusé"),
                                        QString::fromUtf8("Le champ CALL contient « А », que le log ne peut pas "
                                                          "enregistrer")}));
  expectMatchesGolden(programDir / "F6ABC_Import_ADIF.txt", "outputs/import/adif_library_utf8_fr.txt");
}

TEST_F(AdifImporterTest, EverythingAcceptedSaysSoWithoutAWindow) {
  AdifImporter importer(state, mainWindow, hooks());
  state.Language = "An";
  dialogs.expectOpenFile("Import an ADIF file", fixture("windows1252.adi"));
  dialogs.expectMessage("1 contact(s) imported, 0 refused");
  importer.Mnu_Import_ADIF_Click();
  EXPECT_EQ(replacements.size(), 1u);
  EXPECT_EQ(importer.report(), nullptr);
  EXPECT_FALSE(TextFile::exists(programDir / "F6ABC_Import_ADIF.txt"));
}

TEST_F(AdifImporterTest, NothingChosenNothingReadNothingToImport) {
  AdifImporter importer(state, mainWindow, hooks());
  const std::string before = logBytes();
  dialogs.expectOpenFile("Importer un fichier ADIF", std::nullopt);
  importer.Mnu_Import_ADIF_Click();
  dialogs.expectOpenFile("Importer un fichier ADIF", QString::fromStdString((programDir / "absent.adi").string()));
  dialogs.expectMessage("Erreur N° 53 : le fichier absent.adi n'a pas pu être lu.");
  importer.Mnu_Import_ADIF_Click();
  writeBytes(programDir / "empty.adi", "Just a header\r\n<eoh>\r\n");
  dialogs.expectOpenFile("Importer un fichier ADIF", QString::fromStdString((programDir / "empty.adi").string()));
  dialogs.expectMessage("Ce fichier ne contient aucun contact ADIF");
  importer.Mnu_Import_ADIF_Click();
  // Larger than any day's log: refused before a byte is read (a sparse file).
  writeBytes(programDir / "huge.adi", "");
  fs::resize_file(programDir / "huge.adi", 2'000'000'000);
  dialogs.expectOpenFile("Importer un fichier ADIF", QString::fromStdString((programDir / "huge.adi").string()));
  dialogs.expectMessage(
      QString::fromUtf8("Ce fichier fait 2000 Mo : l'import ADIF lit au plus 100 Mo (le log d'une "
                        "JNC tient en bien moins). Rien n'a été importé."));
  importer.Mnu_Import_ADIF_Click();
  dialogs.verifyAllConsumed();
  EXPECT_TRUE(replacements.empty());
  EXPECT_EQ(logBytes(), before);
}

// The template station's log is never written: the station is asked for, no
// file is.
TEST_F(AdifImporterTest, TheTemplateStationAsksForTheStationFirst) {
  AdifImporter importer(state, mainWindow, hooks());
  state.StationCall = "FXXXX";
  const std::string before = readBytes(programDir / "FXXXX.log");
  importer.Mnu_Import_ADIF_Click();
  dialogs.verifyAllConsumed();
  EXPECT_EQ(stationAsked, 1);
  EXPECT_TRUE(replacements.empty());
  EXPECT_EQ(readBytes(programDir / "FXXXX.log"), before);
}

// A last line cut short is set aside and said before the file's contacts are
// checked; it never becomes a contact of the imported log.
TEST_F(AdifImporterTest, ATornLastLineIsSetAsideFirst) {
  AdifImporter importer(state, mainWindow, hooks());
  const std::string logged = simpleRecord("F1ZZZ", "14 Mhz", "SSB", false);
  writeBytes(programDir / "F6ABC.log", crlf({logged}) + logged.substr(0, 70));
  dialogs.expectOpenFile("Importer un fichier ADIF", fixture("windows1252.adi"));
  dialogs.expectMessage(
      QString::fromUtf8("La dernière ligne du log F6ABC.log était incomplète (une écriture "
                        "interrompue). Elle a été mise de côté dans le fichier "
                        "F6ABC_Lignes_Incompletes.txt et n'est pas comptée comme un QSO."));
  dialogs.expectMessage("1 contact(s) importé(s), 0 refusé(s)");
  importer.Mnu_Import_ADIF_Click();
  dialogs.verifyAllConsumed();
  ASSERT_EQ(replacements.size(), 1u);
  ASSERT_EQ(replacements[0].size(), 2u);
  EXPECT_EQ(logBytes(), crlf({std::string(recordOfListLine(replacements[0][0])),
                              std::string(recordOfListLine(replacements[0][1]))}));
  EXPECT_NE(logBytes().find(logged), std::string::npos);
  EXPECT_EQ(readBytes(programDir / "F6ABC_Lignes_Incompletes.txt"), logged.substr(0, 70) + "\r\n");
}

// A log that cannot be replaced stays whole: not one contact of the file is in.
TEST_F(AdifImporterTest, AFailedWriteLeavesTheLogAsItWas) {
  AdifImporter importer(state, mainWindow, hooks());
  writeBytes(programDir / "F6ABC.log", crlf({simpleRecord("F1ZZZ", "14 Mhz", "SSB", false)}));
  const std::string before = logBytes();
  FaultHookGuard guard([](TextFile::testing::Step step, const fs::path& file) -> std::optional<int> {
    if (step == TextFile::testing::Step::Write && file.filename() == "Temporaire6.txt") return ENOSPC;
    return std::nullopt;
  });
  dialogs.expectOpenFile("Importer un fichier ADIF", fixture("other_logger.adi"));
  dialogs.expectMessage("Erreur N° 61 : le fichier F6ABC.log n'a pas été enregistré.");
  importer.Mnu_Import_ADIF_Click();
  dialogs.verifyAllConsumed();
  EXPECT_EQ(logBytes(), before);
  EXPECT_TRUE(replacements.empty());
  EXPECT_EQ(importer.report(), nullptr);
}

TEST_F(AdifImporterTest, ALongFileShowsItsProgressInBytes) {
  std::string file;
  for (int i = 0; i < 2'500; ++i) {
    const std::string call = "DL" + std::to_string(i % 9 + 1) + static_cast<char>('A' + i % 26) +
                             static_cast<char>('A' + i / 26 % 26) + static_cast<char>('A' + i / 676 % 26);
    char time[5];
    std::snprintf(time, sizeof time, "%02d%02d", i / 60 % 24, i % 60);
    file += "<call:" + std::to_string(call.size()) + ">" + call + "<qso_date:8>20260606<time_on:4>" + time +
            "<band:3>20m<mode:2>CW<eor>\n";
  }
  ASSERT_GT(file.size(), AdifImporter::ProgressFromBytes);
  writeBytes(programDir / "long.adi", file);
  AdifImporter importer(state, mainWindow, hooks());
  dialogs.expectOpenFile("Importer un fichier ADIF", QString::fromStdString((programDir / "long.adi").string()));
  dialogs.expectMessage("2500 contact(s) importé(s), 0 refusé(s)");
  importer.Mnu_Import_ADIF_Click();
  QProgressDialog* progress = importer.progressDialog();
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ(progress->maximum(), static_cast<int>(file.size()));
  EXPECT_EQ(progress->value(), static_cast<int>(file.size()));
  EXPECT_FALSE(progress->isVisible());
  ASSERT_EQ(replacements.size(), 1u);
  EXPECT_EQ(replacements[0].size(), 2'500u);
}

class ScreenshotsImportReport : public AdifImporterTest {
 protected:
  void shoot(const char* language, const std::string& name) {
    state.Language = language;
    AdifImporter importer(state, mainWindow, hooks());
    dialogs.setLenient(true);
    std::string mixed;
    for (const char* file : {"other_logger.adi", "contest_logger.adi", "adif_library_utf8.adi", "field_logger.adi"})
      mixed += readBytes(fixturesDir() / "outputs" / "import" / file) + "\r\n";
    mixed += readBytes(fixturesDir() / "outputs" / "import" / "damaged.adi");
    writeBytes(programDir / "mixed.adi", mixed);
    dialogs.expectOpenFile(::testing::_, QString::fromStdString((programDir / "mixed.adi").string()));
    importer.Mnu_Import_ADIF_Click();
    ImportReport* report = importer.report();
    ASSERT_NE(report, nullptr);
    QApplication::processEvents();
    // Every reason is shown whole, the window fits the screen, and the
    // button's caption.
    const QTableView* table = report->notesTable;
    for (int r = 0; r < table->model()->rowCount(); ++r) {
      const QString reason = table->model()->index(r, 3).data().toString();
      EXPECT_GE(table->columnWidth(3), table->fontMetrics().horizontalAdvance(reason)) << reason.toStdString();
    }
    for (int r = 0; r < report->reasonTable->rowCount(); ++r) {
      const QString reason = report->reasonTable->item(r, 2)->text();
      EXPECT_GE(report->reasonTable->columnWidth(2), report->reasonTable->fontMetrics().horizontalAdvance(reason))
          << reason.toStdString();
    }
    EXPECT_LE(report->frameGeometry().width(), 1280);
    EXPECT_LE(report->frameGeometry().height(), 720);
    EXPECT_GE(report->closeButton->width(),
              report->closeButton->fontMetrics().horizontalAdvance(QString(report->closeButton->text()).remove('&')));
    folder.save(report, name);
  }
  ScreenshotFolder folder;
};

TEST_F(ScreenshotsImportReport, French) { shoot("Fr", "ImportReport_fr"); }
TEST_F(ScreenshotsImportReport, English) { shoot("An", "ImportReport_en"); }

}  // namespace
}  // namespace brivant
