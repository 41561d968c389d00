#include "platform/ui/Printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include "platform/Diagnostics.h"

namespace brivant {

namespace {

QFont qtFont(const PrinterFont& font) {
  QFont result(font.name);
  // The layouts that ask for these faces count on every character having the
  // same width: let the font matcher fall back on a fixed-pitch face.
  const bool fixedPitch = font.name.compare(u"Courier New", Qt::CaseInsensitive) == 0 ||
                          font.name.compare(u"Courier", Qt::CaseInsensitive) == 0 ||
                          font.name.compare(u"Terminal", Qt::CaseInsensitive) == 0;
  if (fixedPitch) {
    result.setStyleHint(QFont::TypeWriter);
    result.setFixedPitch(true);
  }
  result.setPointSizeF(font.size > 0 ? font.size : 10);
  result.setBold(font.bold);
  return result;
}

}  // namespace

Printer::Printer() : device_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

Printer::Printer(const QString& pdfFile) : Printer() {
  device_->setOutputFormat(QPrinter::PdfFormat);
  device_->setOutputFileName(pdfFile);
}

Printer::~Printer() = default;

void Printer::printLine(const QString& text) { pending_.push_back({font_, text}); }

bool Printer::endDocument() {
  if (pending_.empty()) return true;
  std::vector<Line> lines;
  lines.swap(pending_);

  QPainter painter;
  if (!painter.begin(device_.get())) {
    Diagnostics::deviceError("the printer did not begin the document");
    return false;
  }
  const double pageHeight = device_->pageLayout().paintRectPixels(device_->resolution()).height();
  double y = 0;
  for (const Line& line : lines) {
    const QFont font = qtFont(line.font);
    const QFontMetricsF metrics(font, device_.get());
    const double height = metrics.lineSpacing();
    if (y > 0 && y + height > pageHeight) {
      if (!device_->newPage()) {
        painter.end();
        Diagnostics::deviceError("the printer did not start a new page");
        return false;
      }
      y = 0;
    }
    if (!line.text.isEmpty()) {
      painter.setFont(font);
      painter.drawText(QPointF(0, y + metrics.ascent()), line.text);
    }
    y += height;
  }
  if (!painter.end()) {
    Diagnostics::deviceError("the printer did not end the document");
    return false;
  }
  return true;
}

}  // namespace brivant
