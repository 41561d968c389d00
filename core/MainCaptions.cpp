#include "core/MainCaptions.h"

#include "core/Language.h"
#include "platform/Cp1252.h"

namespace brivant {

QString frame3Caption(Frame3Caller caller, bool french, int deptCount, std::string_view band, std::string_view mode) {
  QString text = QString::number(deptCount);
  // Most callers write the count as text with a leading blank.
  if (caller != Frame3Caller::StartUpOrSave) text.prepend(QLatin1Char(' '));
  const char* frenchText = " Dpts contacté(s) sur ";
  const char* english = " Dpts contacted on ";
  if (caller == Frame3Caller::BandEntry) english = " Dpts contacted) on ";
  if (caller == Frame3Caller::DeleteOrReset) {
    frenchText = " Dpts contacté(s) sur  ";
    english = " Dpts contacted on  ";
  }
  text += pick(french, frenchText, english);
  text += Cp1252::toQString(band);
  text += pick(french, " en ", " ");
  text += Cp1252::toQString(mode);
  return text;
}

QString frame4NumberCaption(bool french, const QString& number) {
  return pick(french, "QSO numéro ", "QSO number ") + number;
}

QString frame4Caption(bool french, int qsoCount) {
  return pick(french, "QSO numero ", "QSO number ") + QString::number(qsoCount + 1);
}

}  // namespace brivant
