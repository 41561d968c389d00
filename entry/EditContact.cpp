#include "entry/EditContact.h"

#include "core/Language.h"
#include "core/LogFile.h"
#include "core/MainCaptions.h"
#include "core/QsoRecord.h"
#include "core/Text.h"
#include "platform/Cp1252.h"

namespace brivant {

namespace {

// BASIC's Val: the leading digits of the text after its blanks, 0 when none.
int leadingValue(std::string_view text) {
  text = trimBlanks(text);
  int value = 0;
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  for (char c : text) {
    if (c < '0' || c > '9' || value > 100'000) break;
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

}  // namespace

EditedContact editedContactOf(std::string_view line) {
  using namespace QsoLayout;
  EditedContact c;
  c.number = cutTrimmed(line, 1, NumberWidth);
  c.date = listFieldTrimmed(line, Date);
  c.callsign = listFieldTrimmed(line, Callsign);
  c.start = listFieldTrimmed(line, StartTime);
  c.end = listFieldTrimmed(line, EndTime);
  c.departement = listFieldTrimmed(line, Departement);
  c.locator = listFieldTrimmed(line, Locator);
  c.band = listFieldTrimmed(line, Band);
  c.mode = listFieldTrimmed(line, Mode);
  c.rstSent = listFieldTrimmed(line, RstSent);
  c.rstReceived = listFieldTrimmed(line, RstReceived);
  c.reference = listFieldTrimmed(line, Qth);
  c.firstName = listFieldTrimmed(line, FirstName);
  c.points = listFieldTrimmed(line, Points);
  c.activityIndex = leadingValue(listField(line, Activity));
  c.castleName = listFieldTrimmed(line, CastleName);
  return c;
}

QString editFrame4Caption(bool french, std::string_view number) {
  return frame4NumberCaption(french, Cp1252::toQString(number));
}

QString cancelFrame4Caption(bool french, int qsoCount) {
  return frame4NumberCaption(french, QLatin1Char(' ') + QString::number(qsoCount + 1));
}

QString validQsoCaption(bool french) { return pick(french, "Valider QSO", "Valid QSO"); }

QString nextQsoCaption(bool french) { return pick(french, "QSO Suivant", "Next QSO"); }

}  // namespace brivant
