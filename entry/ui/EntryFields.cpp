#include "entry/ui/EntryFields.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "core/ui/EntryForm.h"
#include "core/ui/FieldColours.h"
#include "core/ui/KeyboardAccess.h"
#include "entry/EntryDraft.h"
#include "platform/Cp1252.h"

namespace brivant {

std::string fieldText(const QLineEdit* field) { return Cp1252::fromQString(field->text()); }

std::string fieldText(const QComboBox* combo) { return Cp1252::fromQString(combo->currentText()); }

namespace {

// What a field shows: a line edit's text, an editable combo's current text.
QString shownText(const QWidget* field) {
  if (const auto* combo = qobject_cast<const QComboBox*>(field)) return combo->currentText();
  return qobject_cast<const QLineEdit*>(field)->text();
}

}  // namespace

std::string fieldText(const QWidget* field) { return Cp1252::fromQString(shownText(field)); }

void setFieldText(QLineEdit* field, std::string_view bytes) { field->setText(Cp1252::toQString(bytes)); }

QsoFields contactOfForm(const EntryForm& form) {
  QsoFields contact;
  for (const EntryField& field : form.fields()) {
    if (field.holds == EntryField::Holds::ItemIndex)
      contact.*field.text = std::to_string(qobject_cast<const QComboBox*>(field.control)->currentIndex());
    else
      contact.*field.text = fieldText(field.control);
  }
  return contact;
}

std::optional<QString> unencodableInForm(const EntryForm& form) {
  for (const EntryField& field : form.fields())
    if (std::optional<QString> bad = Cp1252::firstUnencodable(shownText(field.control))) return bad;
  return std::nullopt;
}

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

void closeFieldsOpenedInTurn(const EntryForm& form) {
  for (const EntryField& field : form.fields())
    if (field.opensInTurn) field.control->setEnabled(false);
}

void showEntryBand(const EntryForm& form, const EntryDraft& draft) { setComboText(form.Bande_A, draft.EntryBand); }

namespace {

void closeFieldsAfterCallsign(const EntryForm& form) {
  bool after = false;
  for (const EntryField& field : form.fields()) {
    if (after && field.opensInTurn) field.control->setEnabled(false);
    after = after || field.control == form.Indicatif_A;
  }
  form.Enregistrer->setEnabled(false);
}

}  // namespace

void backToBand(const EntryForm& form) {
  closeFieldsAfterCallsign(form);
  setAccepted(form.Indicatif_A);
  form.Indicatif_A->setEnabled(false);
  setAwaiting(form.Bande_A);
}

void backToCallsign(const EntryForm& form) {
  closeFieldsAfterCallsign(form);
  awaitInput(form.Indicatif_A);
}

QWidget* controlOf(const EntryForm& form, std::string QsoFields::*field) {
  for (const EntryField& entry : form.fields())
    if (entry.text == field) return entry.control;
  return nullptr;
}

void enableButtonsAtRest(const EntryForm& form) {
  for (QPushButton* button : {form.Annuler, form.Recherche, form.Editer, form.Effacer}) button->setEnabled(true);
}

void setSaveCaption(const EntryForm& form, const QString& caption) {
  form.Enregistrer->setText(caption);
  giveAltKeys(form.Enregistrer->window());
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
