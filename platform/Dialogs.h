#pragma once
// Message boxes and the printer choice, behind an interface so that tests can
// script the answers.

#include <QString>

class QPrinter;

namespace brivant {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Information or refusal, OK button.
  virtual void message(const QString& text) = 0;
  // Yes/No question; true on Yes.
  virtual bool yesNo(const QString& text) = 0;
  // OK/Cancel with the critical icon; true on OK.
  virtual bool okCancelCritical(const QString& text) = 0;
  // The printer choice; false when cancelled (the caller then prints to the
  // current printer, as before).
  virtual bool choosePrinter(QPrinter& printer) = 0;
};

}  // namespace brivant
