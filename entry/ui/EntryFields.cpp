#include "entry/ui/EntryFields.h"

#include <QComboBox>
#include <QLineEdit>

#include "core/ui/FieldColours.h"
#include "platform/Cp1252.h"

namespace brivant {

std::string fieldText(const QLineEdit* field) { return Cp1252::fromQString(field->text()); }

std::string fieldText(const QComboBox* combo) { return Cp1252::fromQString(combo->currentText()); }

void setFieldText(QLineEdit* field, std::string_view bytes) { field->setText(Cp1252::toQString(bytes)); }

void setComboText(QComboBox* combo, std::string_view bytes) {
  const QString text = Cp1252::toQString(bytes);
  const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0) combo->setCurrentIndex(index);
  if (combo->isEditable()) combo->setEditText(text);
}

int matchComboItem(QComboBox* combo) {
  const QString text = combo->currentText();
  const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0 && index != combo->currentIndex()) {
    combo->setCurrentIndex(index);
    if (combo->isEditable()) combo->setEditText(text);
  }
  return index;
}

bool selectComboIndex(QComboBox* combo, int index) {
  if (index < 0 || index >= combo->count()) return false;
  combo->setCurrentIndex(index);
  return true;
}

void awaitInput(QWidget* field) {
  field->setEnabled(true);
  setAwaiting(field);
  field->setFocus();
}

void awaitInputAt(QLineEdit* field, int caret) {
  awaitInput(field);
  field->setCursorPosition(caret);
}

}  // namespace brivant
