#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace brivant {

namespace {

const QString kTitle = QStringLiteral("Brivant");

// When a box closes, the window that was active before it becomes active
// again, so that the field it expects typing in has the keyboard at once.
// Without this, nothing may re-activate it (no window manager, or one that
// leaves the focus elsewhere) and the keys typed next go nowhere.
class ActiveWindowKept {
 public:
  ActiveWindowKept() : window_(QApplication::activeWindow()) {}
  ~ActiveWindowKept() {
    if (window_ != nullptr && window_->isVisible()) window_->activateWindow();
  }
  ActiveWindowKept(const ActiveWindowKept&) = delete;
  ActiveWindowKept& operator=(const ActiveWindowKept&) = delete;

 private:
  QPointer<QWidget> window_;
};

QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
  const ActiveWindowKept kept;
  QMessageBox box(icon, kTitle, text, buttons, parent);
  box.setDefaultButton(defaultButton);
  // Escape presses Cancel, or No, when the box has one.
  if (buttons.testFlag(QMessageBox::Cancel)) box.setEscapeButton(QMessageBox::Cancel);
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

bool QtDialogs::yesNoDefaultNo(const QString& text) {
  return ask(parent_, QMessageBox::NoIcon, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
         QMessageBox::Yes;
}

bool QtDialogs::okCancelCritical(const QString& text) {
  // What it asks empties files: Enter alone, or Escape, must not say OK.
  return ask(parent_, QMessageBox::Critical, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) ==
         QMessageBox::Ok;
}

bool QtDialogs::choosePrinter(QPrinter& printer) {
  const ActiveWindowKept kept;
  QPrintDialog dialog(&printer, parent_);
  dialog.setWindowTitle(kTitle);
  // Every job prints whole: no range of pages is offered.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtDialogs::chooseFileToSave(const QString& title, const QString& suggestedPath,
                                                   const QString& filter) {
  const ActiveWindowKept kept;
  const QString chosen = QFileDialog::getSaveFileName(parent_, title, suggestedPath, filter);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

std::optional<QString> QtDialogs::chooseFileToOpen(const QString& title, const QString& folder, const QString& filter) {
  const ActiveWindowKept kept;
  const QString chosen = QFileDialog::getOpenFileName(parent_, title, folder, filter);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

std::optional<QString> QtDialogs::askText(const QString& prompt, const QString& current) {
  const ActiveWindowKept kept;
  bool ok = false;
  const QString text = QInputDialog::getText(parent_, kTitle, prompt, QLineEdit::Normal, current, &ok);
  if (!ok) return std::nullopt;
  return text;
}

void QtDialogs::previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint) {
  const ActiveWindowKept kept;
  QPrintPreviewDialog preview(&printer, parent_);
  preview.setWindowTitle(kTitle);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&paint](QPrinter* shown) { paint(*shown); });
  preview.exec();
}

}  // namespace brivant
