#include "core/ListHeader.h"

#include <gtest/gtest.h>

#include "core/QsoRecord.h"

namespace brivant {
namespace {

// A list line as the list shows it, from a contact whose every field holds a
// text found nowhere else in the line.
std::string listLineOfAContact() {
  const QsoFields fields{.date = "06/06/26",
                         .callsign = "F6ABC/P",
                         .start = "08:15",
                         .end = "08:17",
                         .departement = "2A",
                         .locator = "",
                         .band = "14 Mhz",
                         .mode = "SSB",
                         .rstSent = "579",
                         .rstReceived = "468",
                         .qth = "59045",
                         .firstName = "Paul",
                         .points = "3",
                         .marker = std::string(NewContactMarker),
                         .distance = "",
                         .azimuth = "",
                         .activity = "1",
                         .castleName = "",
                         .dfcfReference = true};
  return QsoListLine(123, buildQsoRecord(fields).value());
}

TEST(ListHeader, EachTitleStartsOverItsColumnInBothLanguages) {
  const std::string line = listLineOfAContact();
  // What each title names, as the line shows it.
  const char* const values[] = {"123",    "06/06/26", "F6ABC/P", "08:15", "08:17",      "2A",
                                "14 Mhz", "SSB",      "579",     "468",   "DFCF 59045", "Paul"};
  for (const bool french : {true, false}) {
    const QString header = listHeaderText(french);
    const QStringList titles = listHeaderTitles(french);
    ASSERT_EQ(titles.size(), 12);
    qsizetype from = 0;
    for (qsizetype i = 0; i < titles.size(); ++i) {
      const std::size_t valueAt = line.find(values[i]);
      ASSERT_NE(valueAt, std::string::npos) << values[i];
      const qsizetype titleAt = header.indexOf(titles[i], from);
      // The number is right-aligned: its title ends over its last digit.
      const auto expected = static_cast<qsizetype>(i == 0 ? valueAt + 3 - titles[i].size() : valueAt);
      EXPECT_EQ(titleAt, expected) << titles[i].toStdString() << (french ? " (fr)" : " (en)");
      from = titleAt + titles[i].size();
    }
    // The words of the header are kept; only the blanks between them moved.
    EXPECT_EQ(header.simplified(), titles.join(QLatin1Char(' ')));
  }
}

TEST(ListHeader, TheBandTitleIsOverColumn56) {
  EXPECT_EQ(listHeaderText(true).indexOf(QStringLiteral("Bande")), 55);
  EXPECT_EQ(listHeaderText(false).indexOf(QStringLiteral("Band")), 55);
}

}  // namespace
}  // namespace brivant
