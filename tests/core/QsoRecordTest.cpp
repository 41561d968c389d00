#include "core/QsoRecord.h"

#include <gtest/gtest.h>

#include "core/Text.h"
#include "tests/support/TestFiles.h"

namespace brivant {
namespace {

QsoFields frenchContact() {
  QsoFields f;
  f.date = "07/06/26";
  f.callsign = "F6ABC";
  f.start = "08:15";
  f.end = "08:16";
  f.departement = "59";
  f.band = "7.0 Mhz";
  f.mode = "SSB";
  f.rstSent = "59";
  f.rstReceived = "57";
  f.firstName = "JEAN";
  f.points = "1";
  f.activity = "0";
  f.castleName = "Lille";
  return f;
}

// The golden file holds one record per case, in this order: a plain QSO with a
// 12-character callsign, CHATEAU contacts from "F" and "TM", a foreign castle,
// Corsica, and a locator typed on HF.
TEST(QsoRecord, GoldenRecords) {
  std::vector<std::string> records;

  QsoFields longCall = frenchContact();
  longCall.callsign = "TM2026CASTLE";  // 12 characters: runs into the start time
  records.push_back(*buildQsoRecord(longCall));

  QsoFields castleF = frenchContact();
  castleF.band = "14 Mhz";
  castleF.points = "3";
  castleF.activity = "1";
  castleF.qth = "59045";
  castleF.castleName = "Chateau de Robersart";
  castleF.dfcfReference = takesDfcfPrefix("CHATEAU", "F");
  records.push_back(*buildQsoRecord(castleF));

  QsoFields castleTm = castleF;
  castleTm.callsign = "TM5CDF";
  castleTm.departement = "29";
  castleTm.qth = "29001";
  castleTm.castleName = "Chateau de Kerjean";
  castleTm.dfcfReference = takesDfcfPrefix("CHATEAU", "TM");
  records.push_back(*buildQsoRecord(castleTm));

  QsoFields foreignCastle = frenchContact();
  foreignCastle.callsign = "DL1XYZ";
  foreignCastle.departement = "";
  foreignCastle.band = "21 Mhz";
  foreignCastle.mode = "CW";
  foreignCastle.rstSent = "599";
  foreignCastle.rstReceived = "579";
  foreignCastle.points = "4";
  foreignCastle.activity = "1";
  foreignCastle.qth = "DCI UD116";
  foreignCastle.castleName = "Burg Eltz";
  foreignCastle.dfcfReference = takesDfcfPrefix("CHATEAU", "DL");
  records.push_back(*buildQsoRecord(foreignCastle));

  QsoFields corsica = frenchContact();
  corsica.callsign = "TK5XN";
  corsica.departement = "2a";
  corsica.band = "28 Mhz";
  corsica.points = "5";
  corsica.castleName = "Ajaccio";
  records.push_back(*buildQsoRecord(corsica));

  QsoFields locatorOnHf = frenchContact();
  locatorOnHf.locator = "JN18GU";
  locatorOnHf.band = "3.5 Mhz";
  records.push_back(*buildQsoRecord(locatorOnHf));

  for (const std::string& record : records) EXPECT_EQ(record.size(), QsoLayout::RecordLength);
  testing::expectBytesMatchGolden(testing::crlf(records), "core/qso_records.txt");

  // What readers rely on, whatever the golden file says.
  EXPECT_EQ(cutColumns(records[0], 11, 12), "TM2026CASTLE");
  EXPECT_EQ(cutColumns(records[0], 23, 5), "08:15");
  EXPECT_EQ(recordFieldTrimmed(records[1], QsoLayout::Qth), "DFCF 59045");
  EXPECT_EQ(recordFieldTrimmed(records[2], QsoLayout::Qth), "DFCF 29001");
  EXPECT_EQ(recordFieldTrimmed(records[3], QsoLayout::Qth), "DCI UD116");
  EXPECT_EQ(recordField(records[4], QsoLayout::Departement), "2a ");
  EXPECT_EQ(recordField(records[5], QsoLayout::Locator), "      ");
  EXPECT_EQ(records[5].substr(134, 20), NewContactMarker);
  EXPECT_EQ(records[5].back(), '*');
}

TEST(QsoRecord, LocatorKeptOnlyOutsideHf) {
  QsoFields f = frenchContact();
  f.locator = "JN18GU";
  for (const char* band :
       {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz", "21 Mhz", "24 Mhz", "28 Mhz"}) {
    f.band = band;
    EXPECT_EQ(recordFieldTrimmed(*buildQsoRecord(f), QsoLayout::Locator), "") << band;
  }
  for (const char* band : {"50 Mhz", "144 Mhz", "432 Mhz", "14 MHz"}) {
    f.band = band;
    EXPECT_EQ(recordFieldTrimmed(*buildQsoRecord(f), QsoLayout::Locator), "JN18GU") << band;
  }
}

TEST(QsoRecord, DfcfOnlyForFrenchCastles) {
  EXPECT_TRUE(takesDfcfPrefix("CHATEAU", "F"));
  EXPECT_TRUE(takesDfcfPrefix("CHATEAU", "TM"));
  EXPECT_TRUE(takesDfcfPrefix("CHATEAU", "TO"));
  EXPECT_FALSE(takesDfcfPrefix("QSO", "F"));
  EXPECT_FALSE(takesDfcfPrefix("CHATEAU", "TK"));  // only those three stored prefixes
  EXPECT_FALSE(takesDfcfPrefix("CHATEAU", "F "));
  EXPECT_FALSE(takesDfcfPrefix("CHATEAU", ""));
}

TEST(QsoRecord, RefusesFieldsThatWouldBreakTheLine) {
  QsoFields f = frenchContact();
  f.callsign = "F6ABCDEFGHIJK";  // 13
  EXPECT_FALSE(buildQsoRecord(f));

  f = frenchContact();
  f.qth = "123456789012345";  // 15 fits in 20 with "DFCF "
  f.dfcfReference = true;
  EXPECT_TRUE(buildQsoRecord(f));
  f.qth += "6";
  EXPECT_FALSE(buildQsoRecord(f));

  f = frenchContact();
  f.castleName = std::string(30, 'x');
  EXPECT_TRUE(buildQsoRecord(f));
  f.castleName += 'x';
  EXPECT_FALSE(buildQsoRecord(f));

  f = frenchContact();
  f.firstName = "JEAN\r\nPAUL";
  EXPECT_FALSE(buildQsoRecord(f));
}

TEST(QsoListLine, NumberRightAlignedInFiveColumns) {
  const std::string record = *buildQsoRecord(frenchContact());
  EXPECT_EQ(QsoListLine(1, record).substr(0, 6), "    1 ");
  EXPECT_EQ(QsoListLine(9, record).substr(0, 6), "    9 ");
  EXPECT_EQ(QsoListLine(10, record).substr(0, 6), "   10 ");
  EXPECT_EQ(QsoListLine(12345, record).substr(0, 6), "12345 ");
  const std::string line = QsoListLine(12, record);
  EXPECT_EQ(line.size(), QsoLayout::ListLineLength);
  EXPECT_EQ(recordOfListLine(line), record);
  EXPECT_EQ(numberOfListLine(line), 12);
  // List readers see record column c at c + 6.
  EXPECT_EQ(cutColumns(line, 17, 12), recordField(record, QsoLayout::Callsign));
  EXPECT_EQ(listFieldTrimmed(line, QsoLayout::Band), "7.0 Mhz");
  EXPECT_EQ(cutColumns(line, 171, 1), "0");
}

// Past contact 99,999 the number is written whole and pushes the record
// along: every reader of a list line still finds the record.
TEST(QsoListLine, ANumberOfAnyWidthKeepsItsRecord) {
  const std::string record = *buildQsoRecord(frenchContact());
  for (const auto& [number, front] : {std::pair{99'999LL, "99999 "}, std::pair{100'000LL, "100000 "},
                                      std::pair{100'001LL, "100001 "}, std::pair{1'234'567LL, "1234567 "}}) {
    const std::string line = QsoListLine(number, record);
    EXPECT_EQ(line, front + record);
    EXPECT_EQ(recordOfListLine(line), record) << number;
    EXPECT_EQ(numberOfListLine(line), number);
    EXPECT_EQ(listField(line, QsoLayout::Callsign), recordField(record, QsoLayout::Callsign)) << number;
    EXPECT_EQ(contactOfListLine(line).castleName, "Lille") << number;
    // A list of its own shows the same record columns whatever the number.
    EXPECT_EQ(listLineFront(line, 116).substr(std::string_view(front).size()), record.substr(0, 110)) << number;
  }
}

TEST(QsoRecord, CutsTolerateShortAndDamagedLines) {
  EXPECT_EQ(cutColumns("", 165, 2), "  ");
  EXPECT_EQ(cutColumns("07/06/26  F6A", 11, 12), "F6A         ");
  EXPECT_EQ(cutTrimmed("07/06/26  F6A", 50, 8), "");
  EXPECT_EQ(cutColumns("abc", 0, 2), "  ");
  const std::string damaged = "12/05/09  F5XYZ       10:3";
  EXPECT_EQ(recordField(damaged, QsoLayout::StartTime), "10:3 ");
  EXPECT_EQ(recordFieldTrimmed(damaged, QsoLayout::CastleName), "");
  EXPECT_EQ(listFieldTrimmed("    3 ", QsoLayout::Date), "");
  EXPECT_EQ(recordOfListLine("   3"), "");
  EXPECT_EQ(numberOfListLine("  x  abc"), 0);
  EXPECT_EQ(std::string(trimBlanks("  a b \t ")), "a b \t");
  EXPECT_EQ(padRight("abc", 2), "abc");
  EXPECT_EQ(rightAligned(123456, 5), "123456");
}

TEST(QsoRecord, EveryFieldComesBackFromItsColumns) {
  QsoFields f;
  f.date = "06/06/26";
  f.callsign = "F5ABCDEFGHIJ";  // 12 characters, touching the start time
  f.start = "10:15";
  f.end = "10:17";
  f.departement = "2a";
  f.locator = "JN18EU";
  f.band = "144 Mhz";
  f.mode = "CW";
  f.rstSent = "599";
  f.rstReceived = "579";
  f.qth = "59045";
  f.dfcfReference = true;
  f.firstName = "JEAN-CHRISTOPHE";
  f.points = "312";
  f.marker = "3                   ";
  f.distance = "312";
  f.azimuth = "45";
  f.activity = "1";
  f.castleName = "C. DE LA ROCHE";
  const std::string line = QsoListLine(1234, *buildQsoRecord(f));
  const QsoFields c = contactOfListLine(line);
  EXPECT_EQ(listNumberText(line), "1234");
  EXPECT_EQ(c.date, "06/06/26");
  EXPECT_EQ(c.callsign, "F5ABCDEFGHIJ");
  EXPECT_EQ(c.start, "10:15");
  EXPECT_EQ(c.end, "10:17");
  EXPECT_EQ(c.departement, "2a");
  EXPECT_EQ(c.locator, "JN18EU");
  EXPECT_EQ(c.band, "144 Mhz");
  EXPECT_EQ(c.mode, "CW");
  EXPECT_EQ(c.rstSent, "599");
  EXPECT_EQ(c.rstReceived, "579");
  EXPECT_EQ(c.qth, "DFCF 59045");
  EXPECT_FALSE(c.dfcfReference);
  EXPECT_EQ(c.firstName, "JEAN-CHRISTOPHE");
  EXPECT_EQ(c.points, "312");
  EXPECT_EQ(c.marker, "3                   ");
  EXPECT_EQ(c.distance, "312");
  EXPECT_EQ(c.azimuth, "45");
  EXPECT_EQ(activityIndexOf(c), 1);
  EXPECT_EQ(c.castleName, "C. DE LA ROCHE");
  // Built again, the contact gives the same line.
  EXPECT_EQ(QsoListLine(1234, *buildQsoRecord(c)), line);
}

TEST(QsoRecord, ShortLineAndOddActivity) {
  const QsoFields c = contactOfListLine("   12 06/06/26  F5ABC");
  EXPECT_EQ(listNumberText("   12 06/06/26  F5ABC"), "12");
  EXPECT_EQ(c.callsign, "F5ABC");
  EXPECT_EQ(c.band, "");
  EXPECT_EQ(activityIndexOf(c), 0);
  QsoFields odd;
  for (const auto& [activity, index] : {std::pair{"1 ", 1}, {" 1", 1}, {"x", 0}, {"-1", -1}, {"", 0}}) {
    odd.activity = activity;
    EXPECT_EQ(activityIndexOf(odd), index) << activity;
  }
}

}  // namespace
}  // namespace brivant
