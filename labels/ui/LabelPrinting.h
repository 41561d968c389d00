#pragma once
// How label sheets reach paper: every text in Courier New at its own size and
// weight, where the sheet places it, on the format's paper; the sheets of a
// job one document, a page each; the printer's font and paper as they were
// afterwards.

#include <QSizeF>
#include <functional>
#include <vector>

#include "labels/LabelSheets.h"
#include "platform/ui/Printer.h"

namespace brivant {

class Dialogs;
class Printer;

// For its lifetime, the printer takes the format's paper, held through the
// printer choice, and Courier New; its font and paper are given back when it
// ends.
class LabelPaper {
 public:
  LabelPaper(Printer& printer, const SheetGeometry& geometry);
  ~LabelPaper();
  LabelPaper(const LabelPaper&) = delete;
  LabelPaper& operator=(const LabelPaper&) = delete;

 private:
  Printer& printer_;
  PrinterFont font_;
  QSizeF paper_;
};

// Prints the sheets as one document, a page each, on the paper set up.
// Between two sheets askNext, when given, says whether printing goes on; the
// document then ends with the sheets so far.  False when the printer refused
// the document.
bool printLabelSheets(Printer& printer, const std::vector<PrintedSheet>& sheets, const std::function<bool()>& askNext);

// The same sheets, a page each, in the print preview; nothing is sent.
void previewLabelSheets(Printer& printer, Dialogs& dialogs, const std::vector<PrintedSheet>& sheets);

}  // namespace brivant
