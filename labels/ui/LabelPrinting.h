#pragma once
// How label sheets reach paper: every text in Courier New at its own size and
// weight, where the sheet places it, on the format's paper; each sheet its own
// document so the operator can load the next one; the printer's font and
// paper as they were afterwards.

#include <QSizeF>
#include <functional>
#include <vector>

#include "labels/LabelSheets.h"
#include "platform/ui/Printer.h"

namespace brivant {

class Dialogs;
class Printer;

// For its lifetime, the printer takes the format's paper and Courier New;
// its font and paper are given back when it ends.
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

// Prints the sheets one document each, on the paper set up.  Between two sheets askNext, when
// given, says whether printing goes on.  False when the printer refused a
// document (nothing more is sent then).
bool printLabelSheets(Printer& printer, const std::vector<PrintedSheet>& sheets, const std::function<bool()>& askNext);

// The same sheets, a page each, in the print preview; nothing is sent.
void previewLabelSheets(Printer& printer, Dialogs& dialogs, const std::vector<PrintedSheet>& sheets);

}  // namespace brivant
