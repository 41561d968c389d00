#pragma once
// The message boxes and the printer choice on screen.

#include "platform/Dialogs.h"

class QWidget;

namespace brivant {

// Every box is titled "Brivant" and is modal to the given parent (or to the
// application when none).
class QtDialogs final : public Dialogs {
 public:
  explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

  void message(const QString& text) override;
  bool yesNo(const QString& text) override;
  bool yesNoDefaultNo(const QString& text) override;
  bool okCancelCritical(const QString& text) override;
  bool choosePrinter(QPrinter& printer) override;
  std::optional<QString> chooseFileToSave(const QString& title, const QString& suggestedPath,
                                          const QString& filter) override;
  std::optional<QString> chooseFileToOpen(const QString& title, const QString& folder, const QString& filter) override;
  std::optional<QString> askText(const QString& prompt, const QString& current) override;
  void previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;

  void setParent(QWidget* parent) { parent_ = parent; }

 private:
  QWidget* parent_;
};

}  // namespace brivant
