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

}  // namespace

LabelPaper::LabelPaper(Printer& printer, const SheetGeometry& geometry)
    : printer_(printer), font_(printer.font()), paper_(printer.paperSize()) {
  printer_.setPaperSize(QSizeF(geometry.paperWidth, geometry.paperHeight));
  printer_.setFontName(QStringLiteral("Courier New"));
}

LabelPaper::~LabelPaper() {
  printer_.setFont(font_);
  printer_.setPaperSize(paper_);
}

bool printLabelSheets(Printer& printer, const std::vector<PrintedSheet>& sheets, const std::function<bool()>& askNext) {
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    placeSheet(printer, sheets[i]);
    if (!printer.endDocument()) return false;
    if (i + 1 < sheets.size() && askNext && !askNext()) break;
  }
  printer.discardDocument();
  return true;
}

void previewLabelSheets(Printer& printer, Dialogs& dialogs, const std::vector<PrintedSheet>& sheets) {
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    if (i > 0) printer.newPage();
    placeSheet(printer, sheets[i]);
  }
  dialogs.previewPrint(printer.device(), [&printer](QPrinter& shown) { (void)printer.paintDocument(shown); });
  printer.discardDocument();
}

}  // namespace brivant
