// Importing ADIF: the tag syntax as other loggers write it and the records it
// cannot trust, each record made a contact and checked as a typed one, the
// round trip through this program's own export, the files of other programs
// with every record accounted for, and the report.

#include "outputs/AdifImport.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "core/LogFile.h"
#include "core/Station.h"
#include "entry/Duplicates.h"
#include "outputs/AdifExport.h"
#include "platform/Cp1252.h"
#include "platform/TextFile.h"
#include "scoring/SaveContact.h"
#include "tests/outputs/OutputsTestData.h"

namespace brivant {
namespace {

using namespace testing;

std::vector<std::string> valuesOf(const AdifRecord& record) {
  std::vector<std::string> values;
  for (const auto& [name, value] : record.fields) values.push_back(name + "=" + value);
  return values;
}

// The records of a text handed over one byte at a time: a piece may end
// anywhere, in a tag, in a value or in a byte-order mark.
std::vector<AdifRecord> readByteByByte(std::string_view bytes) {
  std::vector<AdifRecord> records;
  AdifReader reader([&records](AdifRecord&& record) { records.push_back(std::move(record)); });
  for (const char c : bytes) reader.feed(std::string_view(&c, 1));
  reader.finish();
  return records;
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
      {"type indicators, a short tag inside a value",
       "<call:5:s>F5AAA<comment:5:S><QRP><eor>",
       {{"CALL=F5AAA", "COMMENT=<QRP>"}}},
      {"a '<' ending a value", "<call:5>F5AAA<comment:3>a<b<eor>", {{"CALL=F5AAA", "COMMENT=a<b"}}},
      {"stray text, notes after values", "junk < <call:5>F5AAA // the call\n<:3>abc <eor> tail", {{"CALL=F5AAA"}}},
      {"a malformed tag in the header", "Made by <Logger v2>\n<eoh><call:5>F5AAA<eor>", {{"CALL=F5AAA"}}},
      {"empty value", "<call:5>F5AAA<time_off:0><eor>", {{"CALL=F5AAA", "TIME_OFF="}}},
      {"a length past the end", "<call:5>F5AAA<eor><call:9>DL1", {{"CALL=F5AAA"}, {"CALL=DL1"}}},
      {"nothing", "", {}},
  };
  for (const auto& c : cases) {
    for (const bool byByte : {false, true}) {
      const std::vector<AdifRecord> read = byByte ? readByteByByte(c.bytes) : readAdif(c.bytes);
      std::vector<std::vector<std::string>> records;
      for (const AdifRecord& record : read) {
        records.push_back(valuesOf(record));
        EXPECT_EQ(record.damage, AdifDamage::None) << c.name;
      }
      EXPECT_EQ(records, c.records) << c.name << (byByte ? " (byte by byte)" : "");
    }
  }
  const std::vector<AdifRecord> cut = readAdif("<call:5>F5AAA<eor><call:3>DL1<band:3>20m");
  ASSERT_EQ(cut.size(), 2u);
  EXPECT_TRUE(cut[0].ended);
  EXPECT_FALSE(cut[1].ended);
  EXPECT_EQ(cut[1].number, 2u);
  EXPECT_EQ(cut[1].value("BAND"), "20m");
}

// A record whose lengths or tags cannot be trusted is handed on with what is
// wrong, and the records after it are read as they are: a length that runs
// into the next tag never takes that tag (an <eor> above all) with it.
TEST(AdifReaderTest, RecordsThatCannotBeTrustedAreMarked) {
  const struct {
    std::string bytes;
    // Per record: its damage, the field and text named, and its CALL.
    std::vector<std::tuple<AdifDamage, std::string, std::string, std::string>> records;
  } cases[] = {
      {"<call:5>F5AAA<comment:4>abc<eor><call:5>F5BBB<eor>",
       {{AdifDamage::RunsIntoTag, "COMMENT", "<eor>", "F5AAA"}, {AdifDamage::None, "", "", "F5BBB"}}},
      {"<comment:10>abc<call:5>F5AAA<eor>", {{AdifDamage::RunsIntoTag, "COMMENT", "<call:5>", "F5AAA"}}},
      {"<call:5>F5AAA<name:7>Jo <eor><call:5>F5BBB<eor>",
       {{AdifDamage::RunsIntoTag, "NAME", "<eor>", "F5AAA"}, {AdifDamage::None, "", "", "F5BBB"}}},
      {"<call:5>F5AAA<name:3>Bernadette<eor>", {{AdifDamage::LengthTooShort, "NAME", "nadette", "F5AAA"}}},
      {"<call:4>F5AAA<eor>", {{AdifDamage::LengthTooShort, "CALL", "A", "F5AA"}}},
      {"<call:5>F5AAA<call:5>F5BBB<eor>", {{AdifDamage::RepeatedField, "CALL", "", "F5AAA"}}},
      {"<call:-5>F5AAA<eor><call:5>F5BBB<eor>",
       {{AdifDamage::MalformedTag, "", "<call:-5>", ""}, {AdifDamage::None, "", "", "F5BBB"}}},
      {"<call:five>F5AAA<eor>", {{AdifDamage::MalformedTag, "", "<call:five>", ""}}},
      {"<ca<ll:5>F5AAA<eor>", {{AdifDamage::MalformedTag, "", "<ca<ll:5>", ""}}},
      {"<call:5>F5AAA <x:> <eor>", {{AdifDamage::MalformedTag, "", "<x:>", "F5AAA"}}},
      {"<call:5>F5AAA<notes:99999999>x<eor>", {{AdifDamage::LengthTooLarge, "NOTES", "<notes:99999999>", "F5AAA"}}},
      // The damage of a header is forgotten with the header.
      {"<programid:9>X<eoh><call:5>F5AAA<eor>", {{AdifDamage::None, "", "", "F5AAA"}}},
  };
  for (const auto& c : cases) {
    for (const bool byByte : {false, true}) {
      const std::vector<AdifRecord> read = byByte ? readByteByByte(c.bytes) : readAdif(c.bytes);
      std::vector<std::tuple<AdifDamage, std::string, std::string, std::string>> records;
      for (const AdifRecord& record : read)
        records.emplace_back(record.damage, record.damagedField, record.damageText, std::string(record.value("CALL")));
      EXPECT_EQ(records, c.records) << c.bytes << (byByte ? " (byte by byte)" : "");
    }
  }
}

TEST(AdifReaderTest, TheTextsEncodingAndLengthsInBytesOrCharacters) {
  // A byte-order mark is no text.
  EXPECT_EQ(readAdif("\xEF\xBB\xBF<call:5>F5AAA<eor>").at(0).value("CALL"), "F5AAA");
  EXPECT_EQ(readByteByByte("\xEF\xBB\xBF<call:5>F5AAA<eor>").at(0).value("CALL"), "F5AAA");
  // UTF-8; lengths in bytes, as the format says.
  EXPECT_EQ(readAdif("<name:8>H\xC3\xA9l\xC3\xA8ne<eor>").at(0).value("NAME"), "H\xC3\xA9l\xC3\xA8ne");
  // Lengths in characters, as some programs count them.
  const AdifRecord characters = readAdif("<name:6>H\xC3\xA9l\xC3\xA8ne <call:5>F5AAA<eor>").at(0);
  EXPECT_EQ(characters.value("NAME"), "H\xC3\xA9l\xC3\xA8ne");
  EXPECT_EQ(characters.value("CALL"), "F5AAA");
  EXPECT_EQ(characters.damage, AdifDamage::None);
  // Single bytes that are no UTF-8: Windows-1252, given as UTF-8.
  EXPECT_EQ(readAdif("<name:6>H\xE9l\xE8ne<eor>").at(0).value("NAME"), "H\xC3\xA9l\xC3\xA8ne");
}

// One record's contact: the fields a record gives and what it lacks.
TEST(AdifImportTest, RecordsBecomeContacts) {
  const ImportStation station{"06/06/26", "59045"};
  const auto contactOf = [&station](const std::string& fields) {
    return contactOfAdif(readAdif(fields + "<eor>").at(0), station, true);
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
      {"band:3>20m<mode:2>CW<State:2>2B<comment:28>DFCF 2b001 chateau de la mer>", "14 Mhz", "CW", "08:15", "08:15",
       "599", "599", "2B001", "CHATEAU DE LA MER", "1", "2b"},
      {"band:3>20m<mode:2>CW<comment:11>DFCF 59045 >", "14 Mhz", "CW", "08:15", "08:15", "599", "599", "59045", "", "1",
       "59"},
      {"band:3>20m<mode:2>CW<comment:7> MOULIN>", "14 Mhz", "CW", "08:15", "08:15", "599", "599", "", "MOULIN", "0",
       ""},
      {"band:3>20m<mode:2>CW<comment:10>DCI UD116 >", "14 Mhz", "CW", "08:15", "08:15", "599", "599", "DCI UD116", "",
       "0", ""},
      // A comment that is no castle is no castle name; the QTH is the QTH.
      {"band:3>20m<mode:2>CW<comment:10>tnx 73 qso>", "14 Mhz", "CW", "08:15", "08:15", "599", "599", "", "", "0", ""},
      {"band:3>20m<mode:2>CW<qth:5>Lille<comment:6>tnx 73>", "14 Mhz", "CW", "08:15", "08:15", "599", "599", "",
       "LILLE", "0", ""},
      // The castle of SIG / SIG_INFO, its departement from its reference;
      // the name only from a comment about that castle.
      {"band:3>20m<mode:2>CW<sig:4>DFCF<sig_info:10>DFCF 59123<comment:6>tnx 73>", "14 Mhz", "CW", "08:15", "08:15",
       "599", "599", "59123", "", "1", "59"},
      {"band:3>20m<mode:2>CW<sig:4>dfcf<sig_info:5>2a004<comment:23>DFCF 2A004 Tour Genoise>", "14 Mhz", "CW", "08:15",
       "08:15", "599", "599", "2A004", "TOUR GENOISE", "1", "2a"},
      {"band:3>20m<mode:2>CW<sig:4>POTA<sig_info:6>F-0123>", "14 Mhz", "CW", "08:15", "08:15", "599", "599", "", "",
       "0", ""},
      // The operator's own castle is never the one contacted.
      {"band:3>20m<mode:2>CW<my_sig:4>DFCF<my_sig_info:10>DFCF 59045>", "14 Mhz", "CW", "08:15", "08:15", "599", "599",
       "", "", "0", ""},
  };
  for (const Expected& e : cases) {
    const ImportedContact contact = contactOf(common + e.extra);
    const QsoFields& f = contact.fields;
    EXPECT_FALSE(contact.refusal) << e.extra << ": " << contact.refusal->detail.toStdString();
    EXPECT_TRUE(contact.remarks.empty()) << e.extra;
    EXPECT_EQ(f.callsign, "F5AAA");
    EXPECT_EQ(f.date, "06/06/26");
    EXPECT_EQ(contact.day, 20260606);
    EXPECT_EQ((std::vector<std::string>{f.band, f.mode, f.start, f.end, f.rstSent, f.rstReceived, f.qth, f.castleName,
                                        f.activity, f.departement}),
              (std::vector<std::string>{e.band, e.mode, e.start, e.end, e.rstSent, e.rstReceived, e.qth, e.castleName,
                                        e.activity, e.departement}))
        << e.extra;
  }
  // The first name and the castle name in capitals, accents included (as
  // Windows-1252 writes them); the locator dropped on HF.
  const ImportedContact named = contactOf(
      common +
      "band:3>20m<mode:2>CW<name:6>h\xE9l\xE8ne<gridsquare:8>JN18eu12<comment:24>DFCF 59045 Ch\xE2teau d'\xE9t\xE9>");
  EXPECT_EQ(named.fields.firstName, "H\xC9L\xC8NE");
  EXPECT_EQ(named.fields.castleName, "CH\xC2TEAU D'\xC9T\xC9");
  EXPECT_EQ(named.fields.locator, "");
  EXPECT_TRUE(named.remarks.empty());
}

// The optional texts are kept, shortened; each change is a remark naming the
// field, the text given and the text kept.
TEST(AdifImportTest, OptionalTextsAreShortenedNotRefused) {
  const struct {
    std::string fields;
    std::string firstName, castleName;
    std::vector<const char*> remarks;
  } cases[] = {
      {"<name:20>HOWARD C GRAVES, III",
       "HOWARD C GRAVES",
       "",
       {"NAME : « HOWARD C GRAVES, III » devient « HOWARD C GRAVES »"}},
      {"<name:8>\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD", "IVAN", "", {"NAME : « Иван » devient « IVAN »"}},
      {"<name:7>\xC5\x81ukasz<qth:7>\xC5\x81\xC3\xB3\x64\xC5\xBA",
       "LUKASZ",
       "L\xD3\x44Z",
       {"NAME : « Łukasz » devient « LUKASZ »", "QTH : « Łódź » devient « LÓDZ »"}},
      {"<comment:54>DFCF 59078 Chateau de la tres longue riviere enchantee",
       "",
       "CHATEAU DE LA TRES LONGUE RIVI",
       {"COMMENT : « Chateau de la tres longue riviere enchantee » devient « CHATEAU DE LA TRES LONGUE RIVI »"}},
      // A character with no letter near it is left out.
      {"<name:7>Jo \xF0\x9F\x93\xBB", "JO", "", {"NAME : « Jo 📻 » devient « JO »"}},
  };
  for (const auto& c : cases) {
    const ImportedContact contact =
        contactOfAdif(readAdif("<call:5>F5AAA<qso_date:8>20260606<time_on:4>0800<band:3>20m<mode:2>CW<state:2>59" +
                               c.fields + "<eor>")
                          .at(0),
                      {}, true);
    EXPECT_FALSE(contact.refusal) << c.fields;
    EXPECT_EQ(contact.fields.firstName, c.firstName) << c.fields;
    EXPECT_EQ(contact.fields.castleName, c.castleName) << c.fields;
    QStringList remarks;
    for (const ImportReason& remark : contact.remarks) {
      EXPECT_EQ(remark.heading, QStringLiteral("Texte raccourci"));
      remarks << remark.detail;
    }
    QStringList expected;
    for (const char* remark : c.remarks) expected << QString::fromUtf8(remark);
    EXPECT_EQ(remarks, expected) << c.fields;
  }
}

TEST(AdifImportTest, WhatNoFieldCouldHoldIsNamed) {
  const std::string start = "<call:5>F5AAA<qso_date:8>20260606<time_on:4>0800";
  const struct {
    std::string record;
    const char* heading;
    const char* detail;
  } cases[] = {
      {"<call:5>F5AAA<qso_date:8>20261306<time_on:4>0800<band:3>20m<mode:2>CW", "Date ou heure illisible",
       "Valeur illisible de QSO_DATE : 20261306"},
      {"<call:5>F5AAA<qso_date:8>20260229<time_on:4>0800<band:3>20m<mode:2>CW", "Date ou heure illisible",
       "Valeur illisible de QSO_DATE : 20260229"},
      {"<call:5>F5AAA<qso_date:10>2026-06-06<time_on:4>0800<band:3>20m<mode:2>CW", "Date ou heure illisible",
       "Valeur illisible de QSO_DATE : 2026-06-06"},
      {"<call:5>F5AAA<time_on:4>0800<band:3>20m<mode:2>CW", "Date ou heure illisible", "Pas de QSO_DATE"},
      {"<call:5>F5AAA<qso_date:8>19970606<time_on:4>0800<band:3>20m<mode:2>CW",
       "Année hors de 2000 à 2099 (le log écrit l'année sur deux chiffres)",
       "Contact du 06/06/1997 : année hors de 2000 à 2099"},
      {"<call:5>F5AAA<qso_date:8>21000101<time_on:4>0800<band:3>20m<mode:2>CW",
       "Année hors de 2000 à 2099 (le log écrit l'année sur deux chiffres)",
       "Contact du 01/01/2100 : année hors de 2000 à 2099"},
      {"<call:5>F5AAA<qso_date:8>20260606<time_on:4>2460<band:3>20m<mode:2>CW", "Date ou heure illisible",
       "Valeur illisible de TIME_ON : 2460"},
      {start + "<time_off:3>801<band:3>20m<mode:2>CW", "Date ou heure illisible", "Valeur illisible de TIME_OFF : 801"},
      {start + "<band:4>11m <mode:2>CW", "Bande non proposée", "Bande inconnue de l'ADIF : 11m"},
      {start + "<band:3>60m<mode:2>CW", "Bande non proposée", "Bande 60m : pas une bande de la JNC"},
      {start + "<band:3>30M<mode:2>CW", "Bande non proposée", "Bande 30m (10 Mhz) : pas une bande de la JNC"},
      {start + "<freq:6>18.080<mode:2>CW", "Bande non proposée", "Bande 17m (18 Mhz) : pas une bande de la JNC"},
      {start + "<band:2>2m<mode:2>CW", "Bande non proposée",
       "Bande 2m (144 Mhz) : non proposée dans cette session (HF)"},
      {start + "<freq:6>27.555<mode:2>CW", "Bande non proposée", "Fréquence hors des bandes : 27.555"},
      {start + "<mode:2>CW", "Bande non proposée", "Ni bande (BAND) ni fréquence (FREQ)"},
      {start + "<band:3>20m<mode:3>FT8", "Mode autre que SSB ou CW", "Mode FT8 : seuls SSB et CW sont enregistrés"},
      {start + "<band:3>20m<mode:4>MFSK<submode:3>FT4", "Mode autre que SSB ou CW",
       "Mode MFSK (FT4) : seuls SSB et CW sont enregistrés"},
      {start + "<band:3>20m", "Mode autre que SSB ou CW", "Pas de mode (MODE)"},
      // The strict fields keep every character or refuse the record, naming
      // the field and the character.
      {"<call:5>R\xD0\x90\x33\x41\x41<qso_date:8>20260606<time_on:4>0800<band:3>20m<mode:2>CW",
       "Caractère impossible à enregistrer", "Le champ CALL contient « А », que le log ne peut pas enregistrer"},
      {start + "<band:3>20m<mode:2>CW<rst_rcvd:4>5\xE2\x81\xB9\x39", "Caractère impossible à enregistrer",
       "Le champ RST_RCVD contient « ⁹ », que le log ne peut pas enregistrer"},
  };
  for (const auto& c : cases) {
    const std::vector<AdifRecord> records = readAdif(c.record + "<eor>");
    ASSERT_EQ(records.size(), 1u) << c.record;
    const ImportedContact contact = contactOfAdif(records[0], {}, true);
    ASSERT_TRUE(contact.refusal) << c.record;
    EXPECT_EQ(contact.refusal->heading, QString::fromUtf8(c.heading)) << c.record;
    EXPECT_EQ(contact.refusal->detail, QString::fromUtf8(c.detail)) << c.record;
  }
  // In English.
  const ImportedContact english = contactOfAdif(readAdif(start + "<band:3>30m<mode:3>FT8<eor>").at(0), {}, false);
  EXPECT_EQ(english.refusal->detail, QStringLiteral("Band 30m (10 Mhz): not a JNC band"));
}

// The checks of a typed contact: its fields as the save checks them, then
// the callsign and the reference already logged on the band and mode.
TEST(AdifImportTest, TheChecksOfATypedContact) {
  QsoFields logged =
      contactFields("06/06/26", "F5AAA", "08:00", "08:01", "59", "14 Mhz", "SSB", "59", "59", "", "", false);
  QsoFields castle =
      contactFields("06/06/26", "F6CCC", "08:10", "08:11", "59", "14 Mhz", "CW", "599", "599", "DFCF 59045", "", true);
  const DuplicateIndex index(numberedListLines({buildQsoRecord(logged).value(), buildQsoRecord(castle).value()}));

  // The field checks, then the log line and the contacts logged.
  const auto problem = [&index](const QsoFields& contact, std::string_view prefix = "F") -> std::string {
    if (const std::optional<ImportReason> refusal = importedContactProblem(contact, prefix, true))
      return refusal->detail.toStdString();
    const std::optional<std::string> line = newContactRecord(contact, prefix, "3");
    if (!line) return "no line";
    const std::optional<ImportReason> twice = importedDuplicate(*line, index, true);
    return twice ? twice->detail.toStdString() : "";
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
  ImportPlan plan(const fs::path& file, bool french = true, std::optional<bool> otherDates = std::nullopt) {
    ImportOptions options;
    options.french = french;
    options.station = {"06/06/26", "59045"};
    options.importOtherDates = [&](const OtherDates& other) {
      EXPECT_TRUE(otherDates.has_value()) << "asked about " << other.count << " contacts";
      asked = other;
      return otherDates.value_or(false);
    };
    Result<ImportPlan> planned = planAdifImport(dir.path(), "F6ABC", file, options);
    EXPECT_TRUE(planned.ok());
    return planned.valueOr({});
  }
  ImportPlan planBytes(std::string_view bytes, bool french, std::optional<bool> otherDates) {
    writeBytes(dir / "other.adi", bytes);
    return plan(dir / "other.adi", french, otherDates);
  }
  std::string logBytes() const { return readBytes(dir / "F6ABC.log"); }
  static fs::path fixture(const char* name) { return fixturesDir() / "outputs" / "import" / name; }

  TempDir dir;
  OtherDates asked;
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
    // Dated other than the event: imported all the same when asked.
    const ImportPlan planned = planBytes(adifDocument(french, "F6ABC", records), french, true);
    EXPECT_EQ(planned.recordsRead, records.size());
    for (const ImportNote& note : planned.notes)
      ADD_FAILURE() << note.number << " " << note.callsign.toStdString() << ": " << note.reason.detail.toStdString();
    ASSERT_TRUE(applyAdifImport(dir.path(), "F6ABC", planned).ok());
    EXPECT_EQ(logBytes(), crlf(records));
  }
}

// The files of other programs, one of each shape (their first lines say
// which): every record is imported or in the report, and the counts add up
// to the file's <eor> and a last record cut short.  The report opens with the
// count of each reason and names what is wrong in each record.
TEST_F(AdifImportStationTest, FilesOfOtherProgramsAreAccountedForRecordByRecord) {
  const struct {
    const char* file;
    std::optional<bool> otherDates;  // the answer to the question, when it is asked
    bool french;
    std::size_t imported, refused, remarks;
    bool torn;
    const char* report;
  } cases[] = {
      {"online_logbook.adi", false, true, 2, 6, 0, false, "online_logbook_no_fr.txt"},
      {"online_logbook.adi", true, false, 5, 3, 0, false, "online_logbook_yes_en.txt"},
      {"digital_modes.adi", {}, true, 0, 4, 0, false, "digital_modes_fr.txt"},
      {"contest_logger.adi", {}, true, 5, 5, 1, false, "contest_logger_fr.txt"},
      {"field_logger.adi", {}, false, 6, 0, 3, false, "field_logger_en.txt"},
      {"adif_library_utf8.adi", {}, true, 4, 1, 2, false, "adif_library_utf8_fr.txt"},
      {"miscounted_lengths.adi", {}, true, 3, 4, 0, false, "miscounted_lengths_fr.txt"},
      {"malformed_tags.adi", {}, true, 1, 4, 0, true, "malformed_tags_fr.txt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    ASSERT_TRUE(TextFile::writeLines(dir / "F6ABC.log", {}).ok());
    const ImportPlan planned = plan(fixture(c.file), c.french, c.otherDates);
    const std::size_t remarks = planned.notes.size() - planned.refused();
    EXPECT_EQ((std::vector<std::size_t>{planned.records.size(), planned.refused(), remarks}),
              (std::vector<std::size_t>{c.imported, c.refused, c.remarks}));
    // Counted in the file itself, whatever its lengths say.
    const QString text = QString::fromLatin1(readBytes(fixture(c.file)));
    const auto endsOfRecord = static_cast<std::size_t>(text.count(QStringLiteral("<eor>"), Qt::CaseInsensitive));
    EXPECT_EQ(planned.recordsRead, endsOfRecord + (c.torn ? 1 : 0));
    EXPECT_EQ(planned.records.size() + planned.refused(), planned.recordsRead);
    expectBytesMatchGolden(importReportText(c.french, c.file, planned), std::string("outputs/import/") + c.report);
  }
  // The question names how many contacts and their dates.
  (void)plan(fixture("online_logbook.adi"), true, false);
  EXPECT_EQ(asked.count, 5u);
  EXPECT_EQ(asked.first, "04/11/2017");
  EXPECT_EQ(asked.last, "01/01/2034");
  EXPECT_EQ(otherDatesQuestion(true, "06/06/26", asked),
            QString::fromUtf8("Ce fichier contient 5 contact(s) daté(s) d'un autre jour que la JNC du 06/06/26 et son "
                              "lendemain (UTC), du 04/11/2017 au 01/01/2034.\n\nLes importer aussi ?\n(Non : seuls les "
                              "contacts de la JNC sont importés.)"));
}

// The contacts as they enter the log: castles of SIG / SIG_INFO with their
// points, names in capitals, the optional texts shortened.
TEST_F(AdifImportStationTest, CastlesAndNamesAsTheLogHoldsThem) {
  const ImportPlan contest = plan(fixture("contest_logger.adi"));
  ASSERT_EQ(contest.records.size(), 5u);
  std::vector<std::string> castles;
  for (const std::string& record : contest.records) {
    const QsoFields f = contactOfRecord(record);
    castles.push_back(f.callsign + " " + f.activity + " " + f.qth + " " + f.departement + " " + f.points);
  }
  EXPECT_EQ(castles, (std::vector<std::string>{"F5AAA 1 DFCF 59123 59 1", "F8BBB 1 DFCF 62045 62 3",
                                               "TM5CCC 1 DFCF 80001 80 3", "F6DDD 0  2a 4", "1B1AB 0   3"}));
  const ImportPlan library = plan(fixture("adif_library_utf8.adi"));
  ASSERT_EQ(library.records.size(), 4u);
  EXPECT_EQ(contactOfRecord(library.records[0]).firstName, "IVAN");
  EXPECT_EQ(contactOfRecord(library.records[2]).castleName, Cp1252::fromUtf8("CHÂTEAU DE BLÉRANCOURT"));
  EXPECT_EQ(contactOfRecord(library.records[3]).castleName, Cp1252::fromUtf8("SAINT-ÉTIENNE"));
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
  // Corsica keeps its departement; a free comment is not the castle name.
  const QsoFields corsica = contactOfRecord(planned.records[3]);
  EXPECT_EQ((std::vector<std::string>{corsica.departement, corsica.castleName, corsica.qth}),
            (std::vector<std::string>{"2a", "", ""}));

  ASSERT_EQ(planned.refused(), 3u);
  EXPECT_EQ(planned.notes[0].number, 3u);
  EXPECT_EQ(planned.notes[0].callsign, QStringLiteral("f5aaa"));
  EXPECT_EQ(planned.notes[0].reason.detail.toStdString(), "F5AAA   deja contactée sur 14 Mhz a 08:12 en SSB");
  EXPECT_EQ(planned.notes[1].number, 5u);
  EXPECT_EQ(planned.notes[2].number, 6u);
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
  for (const ImportNote& note : damaged.notes)
    reasons.push_back(std::to_string(note.number) + " " + note.callsign.toStdString() + " " +
                      note.reason.detail.toStdString());
  EXPECT_EQ(reasons, (std::vector<std::string>{"1 F6XYZ Unreadable value of QSO_DATE: 20261306",
                                               "2 F6XYZ Unreadable value of TIME_ON: 2500",
                                               "3 F1ABC Caution number of department is mandatory for France",
                                               "5 F3ABCD Record without <eor> at the end of the file"}));

  const ImportPlan utf8 = plan(fixture("utf8_bom.adi"));
  ASSERT_EQ(utf8.records.size(), 3u);
  EXPECT_EQ(contactOfRecord(utf8.records[0]).firstName, Cp1252::fromUtf8("HÉLÈNE"));
  EXPECT_EQ(contactOfRecord(utf8.records[1]).firstName, "LUKASZ");
  EXPECT_EQ(contactOfRecord(utf8.records[2]).castleName, Cp1252::fromUtf8("CHÂTEAU DE VAUX"));
  EXPECT_EQ(contactOfRecord(utf8.records[2]).departement, "2b");
  ASSERT_EQ(utf8.notes.size(), 1u);
  EXPECT_TRUE(utf8.notes[0].imported);
  EXPECT_EQ(utf8.notes[0].reason.detail, QString::fromUtf8("NAME : « Łukasz » devient « LUKASZ »"));
  EXPECT_EQ(utf8.notes[0].callsign, QStringLiteral("SP5ABC"));

  const ImportPlan single = plan(fixture("windows1252.adi"));
  ASSERT_EQ(single.records.size(), 1u);
  EXPECT_EQ(contactOfRecord(single.records[0]).firstName, Cp1252::fromUtf8("HÉLÈNE"));
  EXPECT_EQ(contactOfRecord(single.records[0]).castleName, Cp1252::fromUtf8("CHÂTEAU D'YQUEM"));
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
  EXPECT_EQ(again.refused(), 7u);
  // A station without its log or prefix file, a file that is not there:
  // nothing planned.
  EXPECT_EQ(planAdifImport(dir.path(), "F5NONE", fixture("other_logger.adi"), {}).error().number, FileNotFound);
  EXPECT_EQ(planAdifImport(dir.path(), "F6ABC", dir / "absent.adi", {}).error().number, FileNotFound);
}

// The file is read in pieces with its progress in bytes; a file larger than
// any day's log is not read at all.
TEST_F(AdifImportStationTest, TheFileIsReadInPiecesWithinItsSize) {
  std::string bytes = "Generated\r\n<eoh>\r\n";
  for (int i = 0; bytes.size() < 1'500'000; ++i) {
    const std::string call = "DL" + std::to_string(i % 9 + 1) + static_cast<char>('A' + i % 26) +
                             static_cast<char>('A' + i / 26 % 26) + static_cast<char>('A' + i / 676 % 26);
    bytes += "<call:" + std::to_string(call.size()) + ">" + call +
             "<qso_date:8>20260606<time_on:4>1200<band:3>20m<mode:2>CW<comment:200>" + std::string(200, 'x') +
             "<eor>\r\n";
  }
  writeBytes(dir / "long.adi", bytes);
  std::vector<std::uintmax_t> done;
  ImportOptions options;
  options.progress = [&done, &bytes](std::uintmax_t read, std::uintmax_t total) {
    EXPECT_EQ(total, bytes.size());
    done.push_back(read);
  };
  const Result<ImportPlan> planned = planAdifImport(dir.path(), "F6ABC", dir / "long.adi", options);
  ASSERT_TRUE(planned.ok());
  EXPECT_GE(done.size(), 2u);
  EXPECT_TRUE(std::is_sorted(done.begin(), done.end()));
  EXPECT_EQ(done.back(), bytes.size());
  EXPECT_EQ(planned->records.size() + planned->refused(), planned->recordsRead);
  EXPECT_EQ(planned->refused(), 0u);

  // One byte over the limit (a sparse file: nothing is written).
  fs::resize_file(dir / "long.adi", MaxImportBytes + 1);
  const Result<ImportPlan> large = planAdifImport(dir.path(), "F6ABC", dir / "long.adi", {});
  ASSERT_TRUE(large.ok());
  EXPECT_TRUE(large->tooLarge);
  EXPECT_EQ(large->recordsRead, 0u);
  EXPECT_EQ(importTooLargeMessage(true, large->fileBytes),
            QString::fromUtf8("Ce fichier fait 101 Mo : l'import ADIF lit au plus 100 Mo (le log d'une JNC tient en "
                              "bien moins). Rien n'a été importé."));
}

// The report file holds Windows-1252 only: a character it cannot hold is
// named by its code.
TEST_F(AdifImportStationTest, TheReportNamesWhatItCannotHoldByItsCode) {
  const ImportPlan planned = plan(fixture("adif_library_utf8.adi"));
  const std::string report = importReportText(true, "adif_library_utf8.adi", planned);
  EXPECT_NE(report.find("R[U+0410]3AA"), std::string::npos);
  EXPECT_NE(report.find(Cp1252::fromUtf8("Le champ CALL contient « [U+0410] »")), std::string::npos);
  EXPECT_NE(report.find(Cp1252::fromUtf8("NAME : « [U+0418][U+0432][U+0430][U+043D] » devient « IVAN »")),
            std::string::npos);
}

}  // namespace
}  // namespace brivant
