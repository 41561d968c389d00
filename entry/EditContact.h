#pragma once
// The captions of an edit: Frame4 and Enregistrer while a logged contact is
// edited, and Frame4 after Annuler.  What Editer puts back into the fields is
// the contact of the list line (contactOfListLine).

#include <QString>
#include <string_view>

namespace brivant {

// Frame4 during an edit: "QSO numéro " / "QSO number " + the contact's number.
QString editFrame4Caption(bool french, std::string_view number);
// Frame4 after Annuler: the next number as BASIC's Str writes it, a blank in
// front of the digits.
QString cancelFrame4Caption(bool french, int qsoCount);
// Enregistrer while a contact is edited, and at rest.
QString validQsoCaption(bool french);
QString nextQsoCaption(bool french);

}  // namespace brivant
