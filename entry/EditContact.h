#pragma once
// What Editer puts back into the entry fields: the columns of a logged
// contact's list line, trimmed, and the captions of an edit.

#include <QString>
#include <string>
#include <string_view>

namespace brivant {

struct EditedContact {
  std::string number;  // columns 1-5
  std::string date;    // 8 characters from column 7
  std::string callsign;
  std::string start;
  std::string end;
  std::string departement;
  std::string locator;
  std::string band;
  std::string mode;
  std::string rstSent;
  std::string rstReceived;
  std::string reference;  // as stored, "DFCF " included
  std::string firstName;
  std::string points;
  int activityIndex = 0;  // the numeric value of the activity column
  std::string castleName;
};

EditedContact editedContactOf(std::string_view listLine);

// Frame4 during an edit: "QSO numéro " / "QSO number " + the contact's number.
QString editFrame4Caption(bool french, std::string_view number);
// Frame4 after Annuler: the next number as BASIC's Str writes it, a blank in
// front of the digits.
QString cancelFrame4Caption(bool french, int qsoCount);
// Enregistrer while a contact is edited, and at rest.
QString validQsoCaption(bool french);
QString nextQsoCaption(bool french);

}  // namespace brivant
