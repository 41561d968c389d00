#include "platform/ui/QtDialogs.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace brivant {

namespace {

const QString kTitle = QStringLiteral("Brivant");

QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, kTitle, text, buttons, parent);
  box.setDefaultButton(defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtDialogs::message(const QString& text) {
  // Plain boxes, without an icon, for information and refusals alike.
  ask(parent_, QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtDialogs::yesNo(const QString& text) {
  return ask(parent_, QMessageBox::NoIcon, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
         QMessageBox::Yes;
}

bool QtDialogs::okCancelCritical(const QString& text) {
  return ask(parent_, QMessageBox::Critical, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) ==
         QMessageBox::Ok;
}

bool QtDialogs::choosePrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  dialog.setWindowTitle(kTitle);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace brivant
