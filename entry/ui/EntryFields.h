#pragma once
// Small helpers the entry windows share: field texts as Windows-1252 bytes,
// combo items chosen by text, and the moves of the entry (the next field
// opened, coloured and focused).

#include <QString>
#include <string>
#include <string_view>

class QComboBox;
class QLineEdit;
class QWidget;

namespace brivant {

// The text of a field or of an editable combo, in Windows-1252 bytes.  A
// character 1252 cannot hold comes back as '?': the entry refuses such
// characters when typed or pasted, so none should be there.
std::string fieldText(const QLineEdit* field);
std::string fieldText(const QComboBox* combo);
void setFieldText(QLineEdit* field, std::string_view bytes);

// Shows the text in an editable combo, choosing the item of that text when
// there is one (so that its index is the one stored), else only the text.
void setComboText(QComboBox* combo, std::string_view bytes);
// The combo's item whose text is the one shown, made current; its index, or
// -1 when no item has that text.
int matchComboItem(QComboBox* combo);
// Makes the item at index current when there is one; false otherwise.
bool selectComboIndex(QComboBox* combo, int index);

// The field awaiting input: enabled, light green, focused.
void awaitInput(QWidget* field);
// The same with the caret placed after a number of characters.
void awaitInputAt(QLineEdit* field, int caret);

}  // namespace brivant
