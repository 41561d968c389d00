// Importing ADIF: the tag syntax as other loggers write it, each record made a
// contact and checked as a typed one, the round trip through this program's
// own export, the files of other loggers, and the report.

#include "outputs/AdifImport.h"

#include <gtest/gtest.h>

#include "core/LogFile.h"
#include "core/Station.h"
#include "entry/Duplicates.h"
#include "outputs/AdifExport.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"
#include "tests/outputs/OutputsTestData.h"

namespace brivant {
namespace {

using namespace testing;

std::vector<std::string> valuesOf(const AdifFields& record) {
  std::vector<std::string> values;
  for (const auto& [name, value] : record.fields) values.push_back(name + "=" + value);
  return values;
}

TEST(AdifReaderTest, TheSyntaxAsLoggersWriteIt) {
  const struct {
    const char* name;
    std::string bytes;
    std::vector<std::vector<std::string>> records;
  } cases[] = {
      {"no header, lower case, LF",
       "<call:5>F5AAA <band:3>20m\n<eor>\n<CALL:4>DL1A<EOR>",
       {{"CALL=F5AAA", "BAND=20m"}, {"CALL=DL1A"}}},
      {"free header, CR LF", "Exported\r\n<adif_ver:5>3.1.4\r\n<EoH>\r\n<Call:5>F5AAA<EoR>\r\n", {{"CALL=F5AAA"}}},
      {"header of tags only", "<ADIF_VER:5>3.1.4<PROGRAMID:3>XYZ<EOH><CALL:5>F5AAA<EOR>", {{"CALL=F5AAA"}}},
      {"type indicators, a '<' inside a value",
       "<call:5:s>F5AAA<comment:5:S><QRP><eor>",
       {{"CALL=F5AAA", "COMMENT=<QRP>"}}},
      {"stray text and broken tags", "junk < <call:5>F5AAA <:3>abc <x:> <eor> tail", {{"CALL=F5AAA"}}},
      {"empty value", "<call:5>F5AAA<time_off:0><eor>", {{"CALL=F5AAA", "TIME_OFF="}}},
      {"a length past the end", "<call:5>F5AAA<eor><call:9>DL1", {{"CALL=F5AAA"}, {"CALL=DL1"}}},
      {"nothing", "", {}},
  };
  for (const auto& c : cases) {
    const AdifFile file = readAdif(c.bytes);
    std::vector<std::vector<std::string>> records;
    for (const AdifFields& record : file.records) records.push_back(valuesOf(record));
    EXPECT_EQ(records, c.records) << c.name;
    EXPECT_FALSE(file.utf8) << c.name;
  }
  const AdifFile cut = readAdif("<call:5>F5AAA<eor><call:3>DL1<band:3>20m");
  ASSERT_EQ(cut.records.size(), 2u);
  EXPECT_TRUE(cut.records[0].ended);
  EXPECT_FALSE(cut.records[1].ended);
  EXPECT_EQ(cut.records[1].number, 2u);
  EXPECT_EQ(cut.records[1].value("BAND"), "20m");
}

TEST(AdifReaderTest, TheTextsEncodingAndLengthsInBytesOrCharacters) {
  // A byte-order mark: UTF-8 even when every byte is ASCII.
  EXPECT_TRUE(readAdif("\xEF\xBB\xBF<call:5>F5AAA<eor>").utf8);
  // UTF-8 by its bytes; lengths in bytes, as the format says.
  const AdifFile bytes = readAdif("<name:8>H\xC3\xA9l\xC3\xA8ne<eor>");
  EXPECT_TRUE(bytes.utf8);
  EXPECT_EQ(bytes.records.at(0).value("NAME"), "H\xC3\xA9l\xC3\xA8ne");
  // Lengths in characters, as some programs count them.
  const AdifFile characters = readAdif("<name:6>H\xC3\xA9l\xC3\xA8ne <call:5>F5AAA<eor>");
  EXPECT_EQ(characters.records.at(0).value("NAME"), "H\xC3\xA9l\xC3\xA8ne");
  EXPECT_EQ(characters.records.at(0).value("CALL"), "F5AAA");
  // Single bytes that are no UTF-8: Windows-1252.
  const AdifFile single = readAdif("<name:6>H\xE9l\xE8ne<eor>");
  EXPECT_FALSE(single.utf8);
  EXPECT_EQ(single.records.at(0).value("NAME"), "H\xE9l\xE8ne");
}

// One record's contact: the fields a record gives and what it lacks.
TEST(AdifImportTest, RecordsBecomeContacts) {
  const auto contactOf = [](const std::string& fields) {
    return contactOfAdif(readAdif(fields + "<eor>").records.at(0), false, true);
  };
  const std::string common = "<call:5>f5aaa<qso_date:8>20260606<time_on:6>081530<";
  struct Expected {
    std::string extra;
    std::string band, mode, start, end, rstSent, rstReceived, qth, castleName, activity, departement;
  };
  const Expected cases[] = {
      {"band:3>20M<mode:3>USB>", "14 Mhz", "SSB", "08:15", "08:15", "59", "59", "", "", "0", ""},
      {"freq:5>7.025<mode:2>CW<time_off:4>0817>", "7.0 Mhz", "CW", "08:15", "08:17", "599", "599", "", "", "0", ""},
      {"band:3>80m<mode:3>SSB<submode:3>LSB<rst_sent:2>57<rst_rcvd:2>55>", "3.5 Mhz", "SSB", "08:15", "08:15", "57",
       "55", "", "", "0", ""},
      {"band:3>20m<mode:0><submode:3>USB>", "14 Mhz", "SSB", "08:15", "08:15", "59", "59", "", "", "0", ""},
      {"band:3>20m<mode:3>FT8>", "14 Mhz", "FT8", "08:15", "08:15", "599", "599", "", "", "0", ""},
      {"band:3>20m<mode:2>CW<State:2>2B<comment:28>DFCF 2b001 chateau de la mer>", "14 Mhz", "CW", "08:15", "08:15",
       "599", "599", "2B001", "CHATEAU DE LA MER", "1", "2b"},
      {"band:3>20m<mode:2>CW<comment:11>DFCF 59045 >", "14 Mhz", "CW", "08:15", "08:15", "599", "599", "59045", "", "1",
       ""},
      {"band:3>20m<mode:2>CW<comment:7> MOULIN>", "14 Mhz", "CW", "08:15", "08:15", "599", "599", "", "MOULIN", "0",
       ""},
      {"band:3>20m<mode:2>CW<comment:10>DCI UD116 >", "14 Mhz", "CW", "08:15", "08:15", "599", "599", "DCI UD116", "",
       "0", ""},
      {"band:3>20m<mode:2>CW<comment:10>tnx 73 qso>", "14 Mhz", "CW", "08:15", "08:15", "599", "599", "", "TNX 73 QSO",
       "0", ""},
  };
  for (const Expected& e : cases) {
    const ImportedContact contact = contactOf(common + e.extra);
    const QsoFields& f = contact.fields;
    EXPECT_TRUE(contact.problem.isEmpty()) << e.extra << ": " << contact.problem.toStdString();
    EXPECT_EQ(f.callsign, "F5AAA");
    EXPECT_EQ(f.date, "06/06/26");
    EXPECT_EQ((std::vector<std::string>{f.band, f.mode, f.start, f.end, f.rstSent, f.rstReceived, f.qth, f.castleName,
                                        f.activity, f.departement}),
              (std::vector<std::string>{e.band, e.mode, e.start, e.end, e.rstSent, e.rstReceived, e.qth, e.castleName,
                                        e.activity, e.departement}))
        << e.extra;
  }
  // The first name in capitals, accents included; the locator dropped on HF.
  const QsoFields named = contactOf(common + "band:3>20m<mode:2>CW<name:6>h\xE9l\xE8ne<gridsquare:8>JN18eu12>").fields;
  EXPECT_EQ(named.firstName, "H\xC9L\xC8NE");
  EXPECT_EQ(named.locator, "");
}

TEST(AdifImportTest, WhatNoFieldCouldHoldIsNamed) {
  const struct {
    std::string record;
    const char* problem;
  } cases[] = {
      {"<call:5>F5AAA<qso_date:8>20261306<time_on:4>0800<band:3>20m<mode:2>CW<eor>",
       "Valeur illisible de QSO_DATE : 20261306"},
      {"<call:5>F5AAA<qso_date:8>20260229<time_on:4>0800<band:3>20m<mode:2>CW<eor>",
       "Valeur illisible de QSO_DATE : 20260229"},
      {"<call:5>F5AAA<qso_date:10>2026-06-06<time_on:4>0800<band:3>20m<mode:2>CW<eor>",
       "Valeur illisible de QSO_DATE : 2026-06-06"},
      {"<call:5>F5AAA<time_on:4>0800<band:3>20m<mode:2>CW<eor>", "Pas de QSO_DATE"},
      {"<call:5>F5AAA<qso_date:8>20260606<time_on:4>2460<band:3>20m<mode:2>CW<eor>",
       "Valeur illisible de TIME_ON : 2460"},
      {"<call:5>F5AAA<qso_date:8>20260606<time_on:4>0800<time_off:3>801<band:3>20m<mode:2>CW<eor>",
       "Valeur illisible de TIME_OFF : 801"},
      {"<call:5>F5AAA<qso_date:8>20260606<time_on:4>0800<band:4>11m <mode:2>CW<eor>", "Bande inconnue : 11m"},
      {"<call:5>F5AAA<qso_date:8>20260606<time_on:4>0800<freq:6>27.555<mode:2>CW<eor>",
       "Fréquence hors des bandes : 27.555"},
      {"<call:5>F5AAA<qso_date:8>20260606<time_on:4>0800<mode:2>CW<eor>", "Ni bande (BAND) ni fréquence (FREQ)"},
      {"<call:5>F5AAA<qso_date:8>20260606<time_on:4>0800<band:3>20m<mode:2>CW",
       "Enregistrement sans <eor> à la fin du fichier"},
  };
  for (const auto& c : cases) {
    const AdifFile file = readAdif(c.record);
    ASSERT_EQ(file.records.size(), 1u) << c.record;
    EXPECT_EQ(contactOfAdif(file.records[0], false, true).problem, QString::fromUtf8(c.problem)) << c.record;
  }
  // A character Windows-1252 has no byte for, in a UTF-8 file, in English.
  const AdifFile polish =
      readAdif("<call:6>SP5ABC<qso_date:8>20260606<time_on:4>0800<band:3>20m<mode:2>CW<name:7>\xC5\x81ukasz<eor>");
  ASSERT_TRUE(polish.utf8);
  EXPECT_EQ(contactOfAdif(polish.records.at(0), true, false).problem,
            QString::fromUtf8("This character cannot be saved: \xC5\x81"));
}

// The checks of a typed contact: its fields as the save checks them, then
// the callsign and the reference already logged on the band and mode.
TEST(AdifImportTest, TheChecksOfATypedContact) {
  QsoFields logged =
      contactFields("06/06/26", "F5AAA", "08:00", "08:01", "59", "14 Mhz", "SSB", "59", "59", "", "", false);
  QsoFields castle =
      contactFields("06/06/26", "F6CCC", "08:10", "08:11", "59", "14 Mhz", "CW", "599", "599", "DFCF 59045", "", true);
  const DuplicateIndex index(numberedListLines({buildQsoRecord(logged).value(), buildQsoRecord(castle).value()}));

  const auto problem = [&index](const QsoFields& contact, std::string_view prefix = "F") {
    return importedContactProblem(contact, prefix, index, true).toStdString();
  };
  const auto with = [](std::function<void(QsoFields&)> change) {
    QsoFields f =
        contactFields("06/06/26", "F5BBB", "09:00", "09:01", "59", "14 Mhz", "SSB", "59", "59", "", "", false);
    change(f);
    return f;
  };
  EXPECT_EQ(problem(with([](QsoFields&) {})), "");
  EXPECT_EQ(problem(with([](QsoFields& f) { f.band = "10 Mhz"; })),
            "Attention vous ne pouver selectionner que les bandes proposées");
  EXPECT_EQ(problem(with([](QsoFields& f) { f.band = "1.8 Mhz"; })), "");
  EXPECT_EQ(problem(with([](QsoFields& f) { f.mode = "FT8"; })), "Attention le mode doit etre uniquement SSB ou CW ");
  EXPECT_EQ(problem(with([](QsoFields& f) { f.callsign = ""; })), "Attention vous devez entrer un indicatif");
  EXPECT_EQ(problem(with([](QsoFields& f) { f.callsign = "F5BBBBBBBBBBB"; })),
            "Attention 12 caracteres maxi pour l'indicatif");
  EXPECT_EQ(problem(with([](QsoFields& f) { f.callsign = "F5AAA"; })),
            "F5AAA   deja contactée sur 14 Mhz a 08:00 en SSB");
  EXPECT_EQ(problem(with([](QsoFields& f) {
              f.callsign = "F5AAA";
              f.mode = "CW";
            })),
            "");
  EXPECT_EQ(problem(with([](QsoFields& f) { f.departement = ""; })),
            "Attention le n° de departement est obligatoire pour la France");
  EXPECT_EQ(problem(with([](QsoFields& f) { f.departement = ""; }), "DL"), "");
  // A field refused comes before the callsign logged already.
  EXPECT_EQ(problem(with([](QsoFields& f) {
              f.callsign = "F5AAA";
              f.departement = "";
            })),
            "Attention le n° de departement est obligatoire pour la France");
  EXPECT_EQ(problem(with([](QsoFields& f) { f.locator = "JN18DU12"; })), "Attention 6 caracteres maxi pour le locator");
  EXPECT_EQ(problem(with([](QsoFields& f) { f.end = "25:00"; })), "Attention le format de l'heure doit etre hh:mm");
  EXPECT_EQ(problem(with([](QsoFields& f) { f.start = "9h00"; })), "Attention le format de l'heure doit etre hh:mm");
  EXPECT_EQ(problem(with([](QsoFields& f) { f.rstSent = "599599599"; })),
            "Attention 8 caracteres maxi pour le report envoyé");
  EXPECT_EQ(problem(with([](QsoFields& f) { f.firstName = "MARIE-CHRISTINEE"; })),
            "Attention 15 caracteres maxi pour le prénom");
  EXPECT_EQ(problem(with([](QsoFields& f) { f.castleName = std::string(31, 'C'); })),
            "Attention 30 caracteres maxi pour le nom du Chateau");
  // Castle activations: a French station only, its reference checked and not
  // logged already on the band and mode.
  const auto castleOf = [&with](std::string reference) {
    return with([reference](QsoFields& f) {
      f.activity = "1";
      f.qth = reference;
    });
  };
  EXPECT_EQ(problem(castleOf("59001")), "");
  EXPECT_EQ(problem(castleOf("59001"), "DL"), "Selectionnez 'QSO' pour un Chateau etranger");
  EXPECT_EQ(problem(castleOf("")), "Attention la reference du Chateau est obligatoire");
  EXPECT_EQ(problem(castleOf("5900")).substr(0, 25), "            5 caracteres ");
  EXPECT_EQ(problem(castleOf("62001")), "Attention le n° du chateau ne correspond pas au departement 59");
  EXPECT_EQ(problem(castleOf("59045")), "");  // logged in CW, this one is SSB
  QsoFields again = castleOf("59045");
  again.mode = "CW";
  EXPECT_EQ(problem(again), "DFCF 59045 deja contactée sur 14 Mhz a 08:10 en CW");
  EXPECT_TRUE(keepsDepartement("F"));
  EXPECT_TRUE(keepsDepartement("TK"));
  EXPECT_FALSE(keepsDepartement("DL"));
}

class AdifImportStationTest : public ::testing::Test {
 protected:
  AdifImportStationTest() {
    seedFromShippedData(dir.path());
    EXPECT_TRUE(Cree_Fichiers_Station(dir.path(), "F6ABC").ok());
  }
  ImportPlan plan(std::string_view bytes, bool french = true) {
    Result<ImportPlan> planned = planAdifImport(dir.path(), "F6ABC", bytes, french);
    EXPECT_TRUE(planned.ok());
    return planned.valueOr({});
  }
  std::string logBytes() const { return readBytes(dir / "F6ABC.log"); }
  static std::string fixture(const char* name) { return readBytes(fixturesDir() / "outputs" / "import" / name); }

  TempDir dir;
};

// A log exported by this program and imported into an empty station gives
// the same log, byte for byte.
TEST_F(AdifImportStationTest, TheExportImportedIsTheSameLog) {
  const auto logged = [](std::string_view date, std::string_view call, std::string_view start, std::string_view end,
                         std::string_view dept, std::string_view band, std::string_view mode, std::string_view sent,
                         std::string_view received, std::string_view qth, std::string_view castle,
                         bool castleActivity) {
    QsoFields f = contactFields(date, call, start, end, dept, band, mode, sent, received, qth, castle, castleActivity);
    f.points = pointsOfBand(band).value_or("0");
    return buildQsoRecord(f).value();
  };
  const std::vector<std::string> records{
      // 1999 sorts before 2013; a reference without castle name.
      logged("31/12/99", "ON4XX", "23:59", "23:59", "", "14 Mhz", "SSB", "59", "59", "DCI UD116", "", false),
      logged("19/05/13", "F5ABC", "08:12", "08:14", "59", "14 Mhz", "CW", "599", "579", "DFCF 59045", "", true),
      logged("19/05/13", "DL1ABC", "09:00", "09:05", "", "7.0 Mhz", "SSB", "59", "57", "", "", false),
      // Corsica, and a QTH without reference.
      logged("19/05/13", "TK5EP", "09:10", "09:12", "2a", "21 Mhz", "SSB", "59", "58", "", "CHATEAU DE LA ROCCA",
             false),
      logged("19/05/13", "F5AAA", "10:30", "10:31", "51", "3.5 Mhz", "CW", "599", "599", "DFCF 51001",
             "CHATEAU D'EPERNAY", true),
      logged("19/05/13", "F8AAA", "11:00", "11:02", "33", "1.8 Mhz", "CW", "599", "589", "", "", false),
      // Equal date and time keep their order; a callsign of 12 characters.
      logged("20/05/13", "F1AAA", "12:00", "12:03", "13", "28 Mhz", "SSB", "59", "59", "", "", false),
      logged("20/05/13", "EA8/F4ABCD/P", "12:00", "12:03", "", "28 Mhz", "SSB", "59", "59", "", "", false),
      logged("20/05/13", "TM5CHA", "13:00", "13:10", "59", "14 Mhz", "SSB", "59", "59", "DFCF 59045", "MOULIN", true),
      logged("20/05/13", "F6KGL", "13:20", "13:21", "2b", "14 Mhz", "SSB", "55", "57", "", "", false),
  };
  for (const bool french : {true, false}) {
    SCOPED_TRACE(french);
    ASSERT_TRUE(TextFile::writeLines(dir / "F6ABC.log", {}).ok());
    const ImportPlan planned = plan(adifDocument(french, "F6ABC", records), french);
    EXPECT_EQ(planned.recordsRead, records.size());
    for (const ImportRefusal& refusal : planned.refused)
      ADD_FAILURE() << refusal.number << " " << refusal.callsign << ": " << refusal.reason.toStdString();
    ASSERT_TRUE(applyAdifImport(dir.path(), "F6ABC", planned).ok());
    EXPECT_EQ(logBytes(), crlf(records));
  }
}

TEST_F(AdifImportStationTest, AnotherLoggersFile) {
  const ImportPlan planned = plan(fixture("other_logger.adi"));
  EXPECT_EQ(planned.recordsRead, 7u);
  ASSERT_EQ(planned.records.size(), 4u);
  // 40m with its FREQ, LSB as SSB, the first name, 6-digit times.
  const QsoFields dl = contactOfRecord(planned.records[0]);
  EXPECT_EQ((std::vector<std::string>{dl.date, dl.callsign, dl.start, dl.end, dl.band, dl.mode, dl.rstSent,
                                      dl.rstReceived, dl.firstName, dl.points, dl.departement}),
            (std::vector<std::string>{"06/06/26", "DL1ABC", "08:05", "08:07", "7.0 Mhz", "SSB", "59", "57", "HANS", "1",
                                      ""}));
  // FREQ only, USB as SSB, no reports: the mode's; no locator on HF.
  const QsoFields usb = contactOfRecord(planned.records[1]);
  EXPECT_EQ((std::vector<std::string>{usb.band, usb.mode, usb.rstSent, usb.departement, usb.locator, usb.points}),
            (std::vector<std::string>{"14 Mhz", "SSB", "59", "59", "", "3"}));
  // The castle of this program's comment.
  const QsoFields castle = contactOfRecord(planned.records[2]);
  EXPECT_EQ((std::vector<std::string>{castle.qth, castle.castleName, castle.activity}),
            (std::vector<std::string>{"DFCF 59045", "CHATEAU DE BAILLEUL", "1"}));
  // Corsica keeps its departement; a free comment is the QTH.
  const QsoFields corsica = contactOfRecord(planned.records[3]);
  EXPECT_EQ((std::vector<std::string>{corsica.departement, corsica.castleName, corsica.qth}),
            (std::vector<std::string>{"2a", "TNX FB QSO DE AJACCIO", ""}));

  ASSERT_EQ(planned.refused.size(), 3u);
  EXPECT_EQ(planned.refused[0].number, 3u);
  EXPECT_EQ(planned.refused[0].callsign, "f5aaa");
  EXPECT_EQ(planned.refused[0].reason.toStdString(), "F5AAA   deja contactée sur 14 Mhz a 08:12 en SSB");
  EXPECT_EQ(planned.refused[1].number, 5u);
  EXPECT_EQ(planned.refused[2].number, 6u);
  // The report, as the file holds it.
  expectBytesMatchGolden(importReportText(true, "other_logger.adi", planned), "outputs/import/other_logger_fr.txt");
  expectBytesMatchGolden(importReportText(false, "other_logger.adi", plan(fixture("other_logger.adi"), false)),
                         "outputs/import/other_logger_en.txt");
}

TEST_F(AdifImportStationTest, ADamagedFileAndOneInEachEncoding) {
  const ImportPlan damaged = plan(fixture("damaged.adi"), false);
  ASSERT_EQ(damaged.records.size(), 1u);
  EXPECT_EQ(contactOfRecord(damaged.records[0]).callsign, "F2ABC");
  EXPECT_EQ(contactOfRecord(damaged.records[0]).end, "10:20");
  std::vector<std::string> reasons;
  for (const ImportRefusal& refusal : damaged.refused)
    reasons.push_back(std::to_string(refusal.number) + " " + refusal.callsign + " " + refusal.reason.toStdString());
  EXPECT_EQ(reasons, (std::vector<std::string>{"1 F6XYZ Unreadable value of QSO_DATE: 20261306",
                                               "2 F6XYZ Unreadable value of TIME_ON: 2500",
                                               "3 F1ABC Caution number of department is mandatory for France",
                                               "5 F3ABCD Record without <eor> at the end of the file"}));

  const ImportPlan utf8 = plan(fixture("utf8_bom.adi"));
  ASSERT_EQ(utf8.records.size(), 2u);
  EXPECT_EQ(contactOfRecord(utf8.records[0]).firstName, Cp1252::fromUtf8("HÉLÈNE"));
  EXPECT_EQ(contactOfRecord(utf8.records[1]).castleName, Cp1252::fromUtf8("CHâTEAU DE VAUX"));
  EXPECT_EQ(contactOfRecord(utf8.records[1]).departement, "2b");
  ASSERT_EQ(utf8.refused.size(), 1u);
  EXPECT_EQ(utf8.refused[0].reason, QString::fromUtf8("Ce caractère ne peut pas être enregistré : Ł"));
  EXPECT_EQ(utf8.refused[0].callsign, "SP5ABC");

  const ImportPlan single = plan(fixture("windows1252.adi"));
  ASSERT_EQ(single.records.size(), 1u);
  EXPECT_EQ(contactOfRecord(single.records[0]).firstName, Cp1252::fromUtf8("HÉLÈNE"));
  EXPECT_EQ(contactOfRecord(single.records[0]).castleName, Cp1252::fromUtf8("CHâTEAU D'YQUEM"));
}

TEST_F(AdifImportStationTest, AcceptedContactsJoinTheLogInDateOrderOnce) {
  const std::string before = buildQsoRecord(contactFields("06/06/26", "F5ZZZ", "08:20", "08:21", "75", "14 Mhz", "SSB",
                                                          "59", "59", "", "", false))
                                 .value();
  ASSERT_TRUE(TextFile::writeLines(dir / "F6ABC.log", {before}).ok());
  const ImportPlan planned = plan(fixture("other_logger.adi"));
  Result<std::vector<std::string>> lines = applyAdifImport(dir.path(), "F6ABC", planned);
  ASSERT_TRUE(lines.ok());
  std::vector<std::string> calls;
  for (const std::string& line : *lines) calls.push_back(listFieldTrimmed(line, QsoLayout::Callsign));
  EXPECT_EQ(calls, (std::vector<std::string>{"DL1ABC", "F5AAA", "F5ZZZ", "F5AAA", "TK5EP"}));
  // Imported again: every record is now a contact already logged.
  const ImportPlan again = plan(fixture("other_logger.adi"));
  EXPECT_TRUE(again.records.empty());
  EXPECT_EQ(again.refused.size(), 7u);
  // A station without its log or prefix file: nothing planned.
  EXPECT_EQ(planAdifImport(dir.path(), "F5NONE", "", true).error().number, FileNotFound);
}

}  // namespace
}  // namespace brivant
