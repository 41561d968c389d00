#include "entry/EditContact.h"

#include "core/Language.h"
#include "core/LogFile.h"
#include "core/MainCaptions.h"
#include "core/QsoRecord.h"
#include "core/Text.h"
#include "platform/Cp1252.h"

namespace brivant {

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
  c.activityIndex = static_cast<int>(basicValue(listField(line, Activity)));
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
