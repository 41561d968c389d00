#include "core/ListHeader.h"

#include <gtest/gtest.h>

#include <cstring>

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

// The main window's list names every column of its lines: the whole header
// has a title over each field, the last one over the castle's name.
TEST(ListHeader, TheWholeHeaderHasATitleOverEveryColumn) {
  const QsoFields fields{.date = "06/06/26",
                         .callsign = "F6ABC/P",
                         .start = "08:15",
                         .end = "08:17",
                         .departement = "35",
                         .locator = "IN98KJ",
                         .band = "144 Mhz",
                         .mode = "SSB",
                         .rstSent = "579",
                         .rstReceived = "468",
                         .qth = "35012",
                         .firstName = "Paul",
                         .points = "287",
                         .marker = "4                   ",
                         .distance = "12345",
                         .azimuth = "271",
                         .activity = "1",
                         .castleName = "Combourg"};
  const std::string line = QsoListLine(123, buildQsoRecord(fields).value());
  // What each title names, in the order of the line.
  const char* const values[] = {"123",     "06/06/26", "F6ABC/P", "08:15", "08:17",   "35",   "IN98KJ",
                                "144 Mhz", "SSB",      "579",     "468",   "35012",   "Paul", "287",
                                "4",       "12345",    "271",     "1",     "Combourg"};
  for (const bool french : {true, false}) {
    const QString header = listHeaderText(french, ListColumns::Whole);
    const QStringList titles = listHeaderTitles(french, ListColumns::Whole);
    ASSERT_EQ(titles.size(), static_cast<qsizetype>(std::size(values)));
    std::size_t valueFrom = 0;
    qsizetype titleFrom = 0;
    for (qsizetype i = 0; i < titles.size(); ++i) {
      const std::size_t valueAt = line.find(values[i], valueFrom);
      ASSERT_NE(valueAt, std::string::npos) << values[i];
      const qsizetype titleAt = header.indexOf(titles[i], titleFrom);
      const auto expected = static_cast<qsizetype>(i == 0 ? valueAt + 3 - titles[i].size() : valueAt);
      EXPECT_EQ(titleAt, expected) << titles[i].toStdString() << (french ? " (fr)" : " (en)");
      valueFrom = valueAt + std::strlen(values[i]);
      titleFrom = titleAt + titles[i].size();
    }
    EXPECT_EQ(header.simplified(), titles.join(QLatin1Char(' ')));
    // The lists that show a part of the line keep their titles.
    QStringList shared = titles;
    for (const char* whole :
         {"Locator", "Points", "Niveau", "Level", "Dist", "Az", "Act", "Nom du Chateau", "Castle name"})
      shared.removeAll(QString::fromUtf8(whole));
    EXPECT_EQ(shared, listHeaderTitles(french));
  }
}

TEST(ListHeader, TheBandTitleIsOverColumn56) {
  EXPECT_EQ(listHeaderText(true).indexOf(QStringLiteral("Bande")), 55);
  EXPECT_EQ(listHeaderText(false).indexOf(QStringLiteral("Band")), 55);
}

}  // namespace
}  // namespace brivant
