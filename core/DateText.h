#pragma once
// Date and time texts from the clock ("dd/mm/yy", "hh:mm:ss") and the form
// checks of typed dates and times.

#include <QString>
#include <string>
#include <string_view>

#include "platform/Clock.h"

namespace brivant {

// "dd/mm/yy" and "hh:mm:ss" from clock fields (independent of the locale).
std::string dateText(const ClockFields& fields);
std::string timeText(const ClockFields& fields);

std::string Lire_Date_UTC(const Clock& clock);
std::string Lire_Date_Locale(const Clock& clock);
std::string Lire_Heure_UTC(const Clock& clock);
std::string Lire_Heure_Locale(const Clock& clock);

// The stamp for the selected reference: UTC or local.
std::string currentDate(const Clock& clock, bool utc);
std::string currentTime(const Clock& clock, bool utc);

// Whether the text has the form "dd/mm/yy" or "hh:mm" (digits and separators
// only, whatever their values).
bool hasDateForm(std::string_view text);
bool hasTimeForm(std::string_view text);

// 0 when the text (Windows-1252 bytes) is a real date written "dd/mm/yy"
// (the day within its month, 29/02 in leap years only), 1 otherwise.
int Verif_Date(std::string_view text);
// 0 when the text is a real time written "hh:mm" (00:00 to 23:59), 1 otherwise.
int Verif_Heure(std::string_view text);

// The checks of the date and time fields on Enter, in the order the fields
// apply them: which message to show, or none when the text is accepted.
enum class DateTimeProblem {
  None,
  DateEmpty,    // 1
  DateLength,   // 2
  DateForm,     // 3
  StartEmpty,   // 4
  StartLength,  // 5
  TimeForm,     // 6
  EndEmpty,     // 7
  EndLength,    // 8
};
DateTimeProblem checkDateField(std::string_view text);
DateTimeProblem checkStartField(std::string_view text);
DateTimeProblem checkEndField(std::string_view text);
QString dateTimeMessage(DateTimeProblem problem, bool french);

}  // namespace brivant
