#include "core/DateText.h"

#include "core/Language.h"
#include "core/Text.h"

namespace brivant {

namespace {

std::string twoDigits(int value) {
  const int v = value % 100;
  return {static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
}

// True when every position holds a digit except the separator positions.
bool hasForm(std::string_view text, std::string_view pattern) {
  if (text.size() != pattern.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (pattern[i] == '9' ? !isAsciiDigit(text[i]) : text[i] != pattern[i]) return false;
  }
  return true;
}

// A text that is exactly CR LF counts as empty, as in the time fields.
bool emptyTime(std::string_view text) { return text.empty() || text == "\r\n"; }

// The number written by the two digits at a position (checked digits).
int twoDigitsAt(std::string_view text, std::size_t at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); }

}  // namespace

std::string dateText(const ClockFields& fields) {
  return twoDigits(fields.day) + "/" + twoDigits(fields.month) + "/" + twoDigits(fields.year);
}

std::string timeText(const ClockFields& fields) {
  return twoDigits(fields.hour) + ":" + twoDigits(fields.minute) + ":" + twoDigits(fields.second);
}

std::string Lire_Date_UTC(const Clock& clock) { return dateText(clock.utcNow()); }
std::string Lire_Date_Locale(const Clock& clock) { return dateText(clock.localNow()); }
std::string Lire_Heure_UTC(const Clock& clock) { return timeText(clock.utcNow()); }
std::string Lire_Heure_Locale(const Clock& clock) { return timeText(clock.localNow()); }

std::string currentDate(const Clock& clock, bool utc) { return utc ? Lire_Date_UTC(clock) : Lire_Date_Locale(clock); }

std::string currentTime(const Clock& clock, bool utc) { return utc ? Lire_Heure_UTC(clock) : Lire_Heure_Locale(clock); }

bool hasDateForm(std::string_view text) { return hasForm(text, "99/99/99"); }
bool hasTimeForm(std::string_view text) { return hasForm(text, "99:99"); }

int Verif_Date(std::string_view text) {
  if (!hasDateForm(text)) return 1;
  const int day = twoDigitsAt(text, 0);
  const int month = twoDigitsAt(text, 3);
  // Two-digit years are this century's: 00 is 2000, a leap year.
  const int year = 2000 + twoDigitsAt(text, 6);
  if (month < 1 || month > 12 || day < 1) return 1;
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
  const int last = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
  return day <= last ? 0 : 1;
}

int Verif_Heure(std::string_view text) {
  if (!hasTimeForm(text)) return 1;
  return twoDigitsAt(text, 0) <= 23 && twoDigitsAt(text, 3) <= 59 ? 0 : 1;
}

DateTimeProblem checkDateField(std::string_view text) {
  if (text.empty()) return DateTimeProblem::DateEmpty;
  if (text.size() != 8) return DateTimeProblem::DateLength;
  if (Verif_Date(text) != 0) return DateTimeProblem::DateForm;
  return DateTimeProblem::None;
}

DateTimeProblem checkStartField(std::string_view text) {
  if (emptyTime(text)) return DateTimeProblem::StartEmpty;
  if (text.size() != 5) return DateTimeProblem::StartLength;
  if (Verif_Heure(text) != 0) return DateTimeProblem::TimeForm;
  return DateTimeProblem::None;
}

DateTimeProblem checkEndField(std::string_view text) {
  if (emptyTime(text)) return DateTimeProblem::EndEmpty;
  if (text.size() != 5) return DateTimeProblem::EndLength;
  if (Verif_Heure(text) != 0) return DateTimeProblem::TimeForm;
  return DateTimeProblem::None;
}

QString dateTimeMessage(DateTimeProblem problem, bool french) {
  switch (problem) {
    case DateTimeProblem::None:
      return {};
    case DateTimeProblem::DateEmpty:
      return pick(french, "Attention vous devez entrer une date", "Caution you must enter a date");
    case DateTimeProblem::DateLength:
      return pick(french, "Attention 8 caracteres pour la date (format jj/mm/aa)",
                  "Caution 8 characters for the date(format jj/mm/aa)");
    case DateTimeProblem::DateForm:
      return pick(french, "Attention le format date doit etre jj/mm/aa", "Caution the date format should be dd/mm/yy");
    case DateTimeProblem::StartEmpty:
      return pick(french, "Attention vous devez entrer l'heure de debut de QSO",
                  "Caution you must enter the start time of QSO");
    case DateTimeProblem::StartLength:
      return pick(french, "Attention 5 caracteres pour l'heure (format hh:mm)",
                  "Caution 5 characters for time(format hh/mm)");
    case DateTimeProblem::TimeForm:
      return pick(french, "Attention le format de l'heure doit etre hh:mm", "Caution the time format should be hh/mm");
    case DateTimeProblem::EndEmpty:
      return pick(french, "Attention vous devez entrer l'heure de fin de QSO",
                  "Caution you must enter the end time of QSO");
    case DateTimeProblem::EndLength:
      return pick(french, "Attention 5 caracteres pour l'heure (format hh:mm",
                  "Caution 5 characters for time(format hh/mm)");
  }
  return {};
}

}  // namespace brivant
