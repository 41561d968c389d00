#include "outputs/LogListing.h"

#include <gtest/gtest.h>

#include "tests/outputs/OutputsTestData.h"

namespace brivant {
namespace {

using namespace testing;

TEST(LogListingTest, ListingLineColumnsAndNumbering) {
  const std::vector<std::string> records = recordsOf(variedContacts());
  // Departement before start time, report received before report sent.
  EXPECT_EQ(logListingLine(7, records[0], ListingReferenceWidth),
            "    7 19/05/13  FXXXX       59  08:12  14 Mhz    CW   579     599     DFCF 59045          ");
  EXPECT_EQ(logListingLine(12345, records[1], ListingReferenceWidth).substr(0, 6), "12345 ");
  EXPECT_EQ(logListingLine(7, records[0], ListingReferenceWidth).size(), 90u);
  // A 12-character callsign runs straight into the departement.
  EXPECT_EQ(logListingLine(9, records[8], ListingReferenceWidth).substr(16, 16), "EA8/F4ABCD/P13  ");
  // The 20-character reference whole, or cut to 18 in the preview.
  EXPECT_EQ(logListingLine(9, records[8], ListingReferenceWidth).substr(70), "DFCF ABCDEFGHIJKLMNO");
  EXPECT_EQ(logListingLine(9, records[8], PreviewReferenceWidth).substr(70), "DFCF ABCDEFGHIJKLM");
}

TEST(LogListingTest, SavedListingInBothLanguages) {
  std::vector<std::string> records = recordsOf(variedContacts());
  expectBytesMatchGolden(savedListing(true, "19/05/13", "F6ABC", " 1.7.5", records), "outputs/listing_fr.txt");
  expectBytesMatchGolden(savedListing(false, "19/05/13", "F6ABC", " 1.7.5", records), "outputs/listing_en.txt");
  // An empty log: title, heads and the closing lines only.
  EXPECT_EQ(savedListing(false, "19/05/13", "F6ABC", " 1.7.5", {}),
            crlf({"                         Ravuzore Ruruzav Evu 19/05/13 Station F6ABC", "",
                  "        No   Date   Callsign     Dpt  QTR   Band     Mode RstR    RstS     Ref Castle", "", "",
                  "                              Brivant Rev  1.7.5", ""}));
}

TEST(LogListingTest, PreviewAndPrintedLines) {
  const std::vector<std::string> records = recordsOf(variedContacts());
  const std::vector<std::string> preview = previewLines(true, "19/05/13", "F6ABC", records);
  ASSERT_EQ(preview.size(), records.size() + 4);
  EXPECT_EQ(preview[0], "            Journee Nationale des Ruziduza 19/05/13 Station F6ABC");
  EXPECT_EQ(preview[1], " ");
  EXPECT_EQ(preview[2], "   No   Date   Indicatif    Dpt  QTR   Bande    Mode RstR    RstE     Ref Chateau");
  EXPECT_EQ(preview[3], " ");
  EXPECT_EQ(preview[4], logListingLine(1, records[0], PreviewReferenceWidth));

  const std::vector<std::string> printed = printedListingLines(false, "19/05/13", "F6ABC", " 1.7.5", records);
  ASSERT_EQ(printed.size(), records.size() + 7);
  EXPECT_EQ(printed[0], " ");
  EXPECT_EQ(printed[1], "                         Ravuzore Ruruzav Evu 19/05/13 Station F6ABC");
  // The English printed heads say RstE where the saved ones say RstS.
  EXPECT_EQ(printed[3], "        No   Date   Callsign     Dpt  QTR   Band     Mode RstR    RstE     Ref Castle");
  EXPECT_EQ(printed[5], "     " + logListingLine(1, records[0], ListingReferenceWidth));
  EXPECT_EQ(printed[printed.size() - 2], " ");
  EXPECT_EQ(printed.back(), "                              Brivant Rev  1.7.5");
}

TEST(LogListingTest, FileNameAndMessage) {
  EXPECT_EQ(listingFileName("FXXXX", "19/05/13"), "FXXXX_Log_JNC_19_05_13.txt");
  EXPECT_EQ(listingFileName("F6ABC", "19/05/13  "), "F6ABC_Log_JNC_19_05_13.txt");
  EXPECT_EQ(listingSavedMessage(true, "F6ABC", "F6ABC_Log_JNC_19_05_13.txt"),
            QStringLiteral("Le Log de F6ABC a été sauvegardé sous le nom : F6ABC_Log_JNC_19_05_13.txt"));
  EXPECT_EQ(listingSavedMessage(false, "F6ABC", "F6ABC_Log_JNC_19_05_13.txt"),
            QStringLiteral("The Log F6ABC was saved as: F6ABC_Log_JNC_19_05_13.txt"));
}

}  // namespace
}  // namespace brivant
