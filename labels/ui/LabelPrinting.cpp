#include "labels/ui/LabelPrinting.h"

#include <QPrinter>

#include "platform/Cp1252.h"
#include "platform/Dialogs.h"

namespace brivant {

namespace {

void placeSheet(Printer& printer, const PrintedSheet& sheet) {
  for (const PlacedText& text : sheet.texts) {
    printer.setFontSize(text.points);
    printer.setFontBold(text.bold);
    printer.printAt(QPointF(text.x, text.y), Cp1252::toQString(text.text));
  }
}

// The sheets, a page each, in the printer's open document; askNext, when
// given, is asked between two sheets and No leaves out the rest.
void placeSheets(Printer& printer, const std::vector<PrintedSheet>& sheets, const std::function<bool()>& askNext) {
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    if (i > 0) {
      if (askNext && !askNext()) return;
      printer.newPage();
    }
    placeSheet(printer, sheets[i]);
  }
}

}  // namespace

LabelPaper::LabelPaper(Printer& printer, const SheetGeometry& geometry)
    : printer_(printer), font_(printer.font()), paper_(printer.paperSize()) {
  printer_.setPaperSize(QSizeF(geometry.paperWidth, geometry.paperHeight));
  printer_.setFontName(QStringLiteral("Courier New"));
}

LabelPaper::~LabelPaper() {
  printer_.setFont(font_);
  printer_.setPaperSize(paper_);
  printer_.releasePaperSize();
}

bool printLabelSheets(Printer& printer, const std::vector<PrintedSheet>& sheets, const std::function<bool()>& askNext) {
  placeSheets(printer, sheets, askNext);
  return printer.endDocument();
}

void previewLabelSheets(Printer& printer, Dialogs& dialogs, const std::vector<PrintedSheet>& sheets) {
  placeSheets(printer, sheets, nullptr);
  dialogs.previewPrint(printer.device(), [&printer](QPrinter& shown) { (void)printer.paintDocument(shown); });
  printer.discardDocument();
}

}  // namespace brivant
