#include "platform/ui/QtDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
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

std::optional<QString> QtDialogs::chooseFileToSave(const QString& title, const QString& suggestedPath,
                                                   const QString& filter) {
  const QString chosen = QFileDialog::getSaveFileName(parent_, title, suggestedPath, filter);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

std::optional<QString> QtDialogs::chooseFileToOpen(const QString& title, const QString& folder, const QString& filter) {
  const QString chosen = QFileDialog::getOpenFileName(parent_, title, folder, filter);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

std::optional<QString> QtDialogs::askText(const QString& prompt, const QString& current) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent_, kTitle, prompt, QLineEdit::Normal, current, &ok);
  if (!ok) return std::nullopt;
  return text;
}

void QtDialogs::previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
  QPrintPreviewDialog preview(&printer, parent_);
  preview.setWindowTitle(kTitle);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&paint](QPrinter* shown) { paint(*shown); });
  preview.exec();
}

}  // namespace brivant
