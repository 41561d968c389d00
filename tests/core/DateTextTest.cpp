#include "core/DateText.h"

#include <gtest/gtest.h>

namespace brivant {
namespace {

TEST(DateText, VerifDateTakesRealDatesOnly) {
  const std::pair<const char*, int> cases[] = {
      {"06/12/26", 0},
      {"31/01/26", 0},
      {"31/12/99", 0},
      {"29/02/28", 0},  // 2028 is a leap year
      {"29/02/00", 0},  // so is 2000
      {"28/02/26", 0},
      {"29/02/26", 1},
      {"31/02/26", 1},
      {"31/04/26", 1},
      {"32/01/26", 1},
      {"00/01/26", 1},
      {"01/00/26", 1},
      {"01/13/26", 1},
      {"99/99/99", 1},
      {"00/00/00", 1},
      {"6/12/26", 1},
      {"06-12-26", 1},
      {"06/12/2026", 1},
      {"", 1},
      {"06/12/2a", 1},
      {"06/12/26 ", 1},
      {"\xB2"
       "6/12/26",
       1},  // superscript two is not an ASCII digit
  };
  for (const auto& [text, flag] : cases) EXPECT_EQ(Verif_Date(text), flag) << '"' << text << '"';
}

TEST(DateText, VerifHeureTakesRealTimesOnly) {
  const std::pair<const char*, int> cases[] = {
      {"09:05", 0}, {"00:00", 0}, {"23:59", 0}, {"24:00", 1},    {"25:61", 1}, {"12:60", 1},
      {"99:99", 1}, {"9:05", 1},  {"09h05", 1}, {"09:05:00", 1}, {"", 1},      {"0 :05", 1},
  };
  for (const auto& [text, flag] : cases) EXPECT_EQ(Verif_Heure(text), flag) << '"' << text << '"';
}

TEST(DateText, ReadersFollowTheChosenReference) {
  // 00:30 local in a zone two hours east of UTC: UTC is still the evening before.
  const FixedClock clock(ClockFields{2026, 12, 31, 22, 30, 5}, 120);
  EXPECT_EQ(Lire_Date_UTC(clock), "31/12/26");
  EXPECT_EQ(Lire_Heure_UTC(clock), "22:30:05");
  EXPECT_EQ(Lire_Date_Locale(clock), "01/01/27");
  EXPECT_EQ(Lire_Heure_Locale(clock), "00:30:05");
  EXPECT_EQ(currentDate(clock, true), "31/12/26");
  EXPECT_EQ(currentDate(clock, false), "01/01/27");
  EXPECT_EQ(currentTime(clock, false).substr(0, 5), "00:30");
}

TEST(DateText, YearsFrom2000KeepTheirLeadingZero) {
  EXPECT_EQ(dateText(ClockFields{2000, 1, 2, 0, 0, 0}), "02/01/00");
  EXPECT_EQ(dateText(ClockFields{2009, 6, 6, 0, 0, 0}), "06/06/09");
  EXPECT_EQ(dateText(ClockFields{2026, 12, 6, 0, 0, 0}), "06/12/26");
  EXPECT_EQ(timeText(ClockFields{2026, 1, 1, 7, 5, 9}), "07:05:09");
}

TEST(DateText, FieldChecksInOrder) {
  EXPECT_EQ(checkDateField(""), DateTimeProblem::DateEmpty);
  EXPECT_EQ(checkDateField("6/12/26"), DateTimeProblem::DateLength);
  EXPECT_EQ(checkDateField("06-12-26"), DateTimeProblem::DateForm);
  EXPECT_EQ(checkDateField("06/12/26"), DateTimeProblem::None);
  EXPECT_EQ(checkStartField("\r\n"), DateTimeProblem::StartEmpty);
  EXPECT_EQ(checkStartField("9:05"), DateTimeProblem::StartLength);
  EXPECT_EQ(checkStartField("09h05"), DateTimeProblem::TimeForm);
  EXPECT_EQ(checkEndField(""), DateTimeProblem::EndEmpty);
  EXPECT_EQ(checkEndField("10:150"), DateTimeProblem::EndLength);
  EXPECT_EQ(checkEndField("10:15"), DateTimeProblem::None);
  EXPECT_EQ(dateTimeMessage(DateTimeProblem::EndLength, true),
            QStringLiteral("Attention 5 caracteres pour l'heure (format hh:mm"));
  EXPECT_EQ(dateTimeMessage(DateTimeProblem::DateLength, false),
            QStringLiteral("Caution 8 characters for the date(format jj/mm/aa)"));
  EXPECT_TRUE(dateTimeMessage(DateTimeProblem::None, true).isEmpty());
}

}  // namespace
}  // namespace brivant
