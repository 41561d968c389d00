#include "core/ui/FieldColours.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace brivant {

namespace {

void paintBase(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, colour);
  // A disabled field keeps its colour: the operator reads progress from it.
  palette.setColor(QPalette::Disabled, QPalette::Base, colour);
  widget->setPalette(palette);
}

}  // namespace

void setFieldColour(QWidget* field, const QColor& colour) {
  if (field == nullptr) return;
  paintBase(field, colour);
  if (auto* combo = qobject_cast<QComboBox*>(field); combo != nullptr && combo->lineEdit() != nullptr)
    paintBase(combo->lineEdit(), colour);
}

QColor fieldColour(const QWidget* field) {
  if (auto* combo = qobject_cast<const QComboBox*>(field); combo != nullptr && combo->lineEdit() != nullptr)
    return combo->lineEdit()->palette().color(QPalette::Base);
  return field->palette().color(QPalette::Base);
}

}  // namespace brivant
