#pragma once
// Message boxes, the printer choice, the file choices, a one-line question and
// the print preview, behind an interface so that tests can script the answers.

#include <QString>
#include <functional>
#include <optional>

class QPrinter;

namespace brivant {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Information or refusal, OK button.
  virtual void message(const QString& text) = 0;
  // Yes/No question; true on Yes.
  virtual bool yesNo(const QString& text) = 0;
  // The same question with No as the button Enter presses.
  virtual bool yesNoDefaultNo(const QString& text) = 0;
  // OK/Cancel with the critical icon; true on OK.  Cancel is the default
  // button and Escape cancels.
  virtual bool okCancelCritical(const QString& text) = 0;
  // The printer choice; false when cancelled, and then nothing is printed.
  virtual bool choosePrinter(QPrinter& printer) = 0;
  // The name of a file to write (suggestedPath preselected; filter as Qt's
  // file dialogs take it, "Images (*.png)"); nothing when cancelled.
  virtual std::optional<QString> chooseFileToSave(const QString& title, const QString& suggestedPath,
                                                  const QString& filter) = 0;
  // The name of an existing file to read; nothing when cancelled.
  virtual std::optional<QString> chooseFileToOpen(const QString& title, const QString& folder,
                                                  const QString& filter) = 0;
  // One line of text, current shown to edit; nothing when cancelled.
  virtual std::optional<QString> askText(const QString& prompt, const QString& current) = 0;
  // The print preview of a job: paint is called with the preview's printer as
  // often as the preview needs pages; nothing reaches a real printer.
  virtual void previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;
};

}  // namespace brivant
