#include "entry/EditContact.h"

#include "core/Language.h"
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
  EditedContact c;
  c.number = cutTrimmed(line, 1, 5);
  c.date = cutTrimmed(line, 7, 8);
  c.callsign = cutTrimmed(line, 17, 12);
  c.start = cutTrimmed(line, 29, 5);
  c.end = cutTrimmed(line, 36, 5);
  c.departement = cutTrimmed(line, 43, 3);
  c.locator = cutTrimmed(line, 48, 6);
  c.band = cutTrimmed(line, 56, 8);
  c.mode = cutTrimmed(line, 66, 7);
  c.rstSent = cutTrimmed(line, 75, 8);
  c.rstReceived = cutTrimmed(line, 85, 8);
  c.reference = cutTrimmed(line, 95, 20);
  c.firstName = cutTrimmed(line, 117, 15);
  c.points = cutTrimmed(line, 134, 5);
  c.activityIndex = leadingValue(cutColumns(line, 171, 2));
  c.castleName = cutTrimmed(line, 175, 30);
  return c;
}

QString editFrame4Caption(bool french, std::string_view number) {
  return pick(french, "QSO numéro ", "QSO number ") + Cp1252::toQString(number);
}

QString cancelFrame4Caption(bool french, int qsoCount) {
  return pick(french, "QSO numéro ", "QSO number ") + QLatin1Char(' ') + QString::number(qsoCount + 1);
}

QString validQsoCaption(bool french) { return pick(french, "Valider QSO", "Valid QSO"); }

QString nextQsoCaption(bool french) { return pick(french, "QSO Suivant", "Next QSO"); }

}  // namespace brivant
