#include "outputs/AdifExport.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "core/Text.h"
#include "platform/TextFile.h"
#include "tests/outputs/OutputsTestData.h"

namespace brivant {
namespace {

using namespace testing;

TEST(AdifExportTest, TheExampleRecordExactly) {
  const std::string record = recordsOf(variedContacts()).front();
  EXPECT_EQ(adifRecord(record),
            "<call:5>FXXXX<band:3>20m<mode:2>CW<qso_date:8>20130519<time_on:4>0812<time_off:4>0814"
            "<rst_sent:3>599<rst_rcvd:3>579<State:2>59<comment:11>DFCF 59045 <eor>");
}

TEST(AdifExportTest, RecordEdgeCases) {
  const std::vector<std::string> records = recordsOf(variedContacts());
  // No departement: no State tag; no reference nor castle name: no comment.
  EXPECT_EQ(adifRecord(records[1]),
            "<call:6>DL1ABC<band:3>40m<mode:3>SSB<qso_date:8>20130519<time_on:4>0900<time_off:4>0905"
            "<rst_sent:2>59<rst_rcvd:2>57<eor>");
  // Corsica as written; a castle name alone gives a comment starting with a blank.
  EXPECT_NE(adifRecord(records[2]).find("<State:2>2a<comment:20> CHATEAU DE LA ROCCA<eor>"), std::string::npos);
  // No end time: the tag with length 0 and no value.
  EXPECT_NE(adifRecord(records[3]).find("<time_on:4>1000<time_off:0><rst_sent:"), std::string::npos);
  // Accents are dropped in the file (strict readers take ASCII only), and
  // the length counts what is written.
  EXPECT_NE(adifRecord(records[4]).find("<comment:28>DFCF 51001 CHATEAU D'EPERNAY<eor>"), std::string::npos);
  EXPECT_NE(adifRecord(records[5]).find("<band:4>160m<"), std::string::npos);
  // A band the entry does not list still has its ADIF band.
  EXPECT_NE(adifRecord(records[6]).find("<band:3>30m<mode:2>CW"), std::string::npos);
  EXPECT_NE(adifRecord(records[7]).find("<qso_date:8>20991231<"), std::string::npos);
  EXPECT_NE(adifRecord(records[8]).find("<call:12>EA8/F4ABCD/P<"), std::string::npos);
}

TEST(AdifExportTest, BandTable) {
  const std::vector<std::pair<std::string, std::string>> table{{"1.8 Mhz", "160m"},
                                                               {"3.5 Mhz", "80m"},
                                                               {"7.0 Mhz", "40m"},
                                                               {"14 Mhz", "20m"},
                                                               {"21 Mhz", "15m"},
                                                               {"28 Mhz", "10m"},
                                                               {"144 Mhz", "2m"},
                                                               {"10 Mhz", "30m"},
                                                               {"18 Mhz", "17m"},
                                                               {"24 Mhz", "12m"},
                                                               {"50 Mhz", "6m"},
                                                               {"432 Mhz", "70cm"},
                                                               {"1.3 Ghz", "23cm"},
                                                               {"2.3 Ghz", "13cm"},
                                                               {"5.7 Ghz", "6cm"},
                                                               {"10 Ghz", "3cm"},
                                                               {"24 Ghz", "1.25cm"},
                                                               {"14 MHZ", ""},
                                                               {"", ""}};
  for (const auto& [label, band] : table) EXPECT_EQ(adifBandName(label), band) << label;
}

TEST(AdifExportTest, ShortOrDamagedLinesStillGiveOneRecord) {
  EXPECT_EQ(adifRecord(""),
            "<call:0><band:0><mode:0><qso_date:2>20<time_on:0><time_off:0><rst_sent:0><rst_rcvd:0><eor>");
}

class AdifFileTest : public ::testing::Test {
 protected:
  void writeLog(const std::vector<std::string>& records) { writeBytes(dir / "F6ABC.log", crlf(records)); }
  std::string exported() const { return readBytes(dir / "F6ABC.adi"); }
  TempDir dir;
};

TEST_F(AdifFileTest, VariedLogInBothLanguages) {
  writeLog(recordsOf(variedContacts()));
  ExportOutcome outcome = exportAdif(dir.path(), "F6ABC", true);
  EXPECT_TRUE(outcome.ok);
  EXPECT_EQ(outcome.message, QStringLiteral("le fichier F6ABC.log a été copié en F6ABC.adi"));
  expectMatchesGolden(dir / "F6ABC.adi", "outputs/varied_fr.adi");

  outcome = exportAdif(dir.path(), "F6ABC", false);
  EXPECT_TRUE(outcome.ok);
  EXPECT_EQ(outcome.message, QStringLiteral("The file F6ABC.log was copied F6ABC.adi"));
  expectMatchesGolden(dir / "F6ABC.adi", "outputs/varied_en.adi");
  EXPECT_FALSE(TextFile::exists(dir / ".F6ABC.adi.tmp"));
}

TEST_F(AdifFileTest, EmptyLogGivesTheHeaderAlone) {
  writeLog({});
  ASSERT_TRUE(exportAdif(dir.path(), "F6ABC", false).ok);
  EXPECT_EQ(exported(), crlf({"Export log J.E.C. of F6ABC ADIF format", "", "Tolvane", "", "", "<eoh>"}));
}

TEST_F(AdifFileTest, MissingLogIsReportedAndWritesNothing) {
  const ExportOutcome outcome = exportAdif(dir.path(), "F6ABC", true);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message, QStringLiteral("Erreur N° 53 : le fichier F6ABC.log n'a pas pu être lu."));
  EXPECT_FALSE(TextFile::exists(dir / "F6ABC.adi"));
}

TEST_F(AdifFileTest, FailedWriteKeepsThePreviousExportAndSaysSo) {
  writeLog(recordsOf(variedContacts()));
  writeBytes(dir / "F6ABC.adi", "previous export\r\n");
  TextFile::testing::setFaultHook([](TextFile::testing::Step step, const fs::path&) -> std::optional<int> {
    if (step == TextFile::testing::Step::Write) return ENOSPC;
    return std::nullopt;
  });
  const ExportOutcome outcome = exportAdif(dir.path(), "F6ABC", false);
  TextFile::testing::setFaultHook({});
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message, QStringLiteral("Error No. 61: the file F6ABC.adi was not saved."));
  EXPECT_EQ(exported(), "previous export\r\n");
  EXPECT_FALSE(TextFile::exists(dir / ".F6ABC.adi.tmp"));
}

}  // namespace
}  // namespace brivant
