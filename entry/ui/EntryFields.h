#pragma once
// Small helpers the entry windows share: field texts as Windows-1252 bytes,
// combo items chosen by text, and the moves of the entry (the next field
// opened, coloured and focused).

#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "core/QsoRecord.h"

class QComboBox;
class QLineEdit;
class QWidget;

namespace brivant {

struct EntryDraft;
struct EntryForm;

// The text of a field or of an editable combo, in Windows-1252 bytes.  A
// character 1252 cannot hold comes back as '?': the entry refuses such
// characters when typed or pasted, so none should be there.
std::string fieldText(const QLineEdit* field);
std::string fieldText(const QComboBox* combo);
std::string fieldText(const QWidget* field);  // either of the two
void setFieldText(QLineEdit* field, std::string_view bytes);

// The contact the form holds: each field's text, and Activite_A's item
// number as the activity.
QsoFields contactOfForm(const EntryForm& form);
// The first character 1252 cannot hold in any field of the form (pasted in
// past the guards); nothing when every text can be saved.
std::optional<QString> unencodableInForm(const EntryForm& form);

// Shows the text in an editable combo, choosing the item of that text when
// there is one (so that its index is the one stored), else only the text.
void setComboText(QComboBox* combo, std::string_view bytes);
// The combo's item whose text is the one shown, made current; its index, or
// -1 when no item has that text.
int matchComboItem(QComboBox* combo);
// Makes the item at index current when there is one; false otherwise.
bool selectComboIndex(QComboBox* combo, int index);

// Closes the fields that open one by one as the entry moves on, for a new
// contact that starts at the callsign.
void closeFieldsOpenedInTurn(const EntryForm& form);

// The band of the entry (EntryBand) shown in Bande_A, a typed one ("1.8 Mhz")
// included.
void showEntryBand(const EntryForm& form, const EntryDraft& draft);

// The contact goes back to an earlier field when what was looked up for it no
// longer holds: the fields after the callsign close (their texts stay) and the
// save waits.  Back to the band, the callsign closes too and the band awaits
// Enter; back to the callsign, it awaits Enter, focused.
void backToBand(const EntryForm& form);
void backToCallsign(const EntryForm& form);

// The control of the form that holds a field of the contact; nothing for none.
QWidget* controlOf(const EntryForm& form, std::string QsoFields::*field);

// The buttons of an entry at rest (Annuler, Recherche, Editer, Effacer)
// enabled again after an edit or a cancellation.
void enableButtonsAtRest(const EntryForm& form);

// Enregistrer's caption ("QSO Suivant", or "Valider QSO" while a contact is
// edited), with an Alt letter that no other caption of the window uses.
void setSaveCaption(const EntryForm& form, const QString& caption);

// The field awaiting input: enabled, light green, focused.
void awaitInput(QWidget* field);
// The same with the caret placed after a number of characters.
void awaitInputAt(QLineEdit* field, int caret);

}  // namespace brivant
