#include "entry/EditContact.h"

#include "core/Language.h"
#include "core/MainCaptions.h"
#include "platform/Cp1252.h"

namespace brivant {

QString editFrame4Caption(bool french, std::string_view number) {
  return frame4NumberCaption(french, Cp1252::toQString(number));
}

QString cancelFrame4Caption(bool french, int qsoCount) {
  return frame4NumberCaption(french, QLatin1Char(' ') + QString::number(qsoCount + 1));
}

QString validQsoCaption(bool french) { return pick(french, "Valider QSO", "Valid QSO"); }

QString nextQsoCaption(bool french) { return pick(french, "QSO Suivant", "Next QSO"); }

}  // namespace brivant
