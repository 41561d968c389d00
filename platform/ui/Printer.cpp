#include "platform/ui/Printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
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

void Printer::printLine(const QString& text) { pending_.push_back({font_, text, std::nullopt}); }

void Printer::printAt(const QPointF& millimetres, const QString& text) {
  pending_.push_back({font_, text, millimetres});
}

void Printer::newPage() { pending_.push_back({font_, QString(), std::nullopt, true}); }

QSizeF Printer::paperSize() const { return device_->pageLayout().fullRect(QPageLayout::Millimeter).size(); }

void Printer::setPaperSize(const QSizeF& millimetres) {
  applyPaper(*device_, millimetres);
  heldPaper_ = millimetres;
}

void Printer::applyPaper(QPrinter& device, const QSizeF& millimetres) {
  // A page size is portrait; a paper wider than high is that page turned.
  const bool landscape = millimetres.width() > millimetres.height();
  const QSizeF portrait = landscape ? millimetres.transposed() : millimetres;
  device.setPageSize(QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch));
  device.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool Printer::endDocument() {
  if (pending_.empty()) return true;
  std::vector<Line> lines;
  lines.swap(pending_);
  if (paint(*device_, lines, heldPaper_)) return true;
  renewDevice();
  return false;
}

void Printer::renewDevice() {
  if (device_->printerState() != QPrinter::Active) return;
  auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
  fresh->setOutputFormat(device_->outputFormat());
  if (device_->outputFormat() == QPrinter::NativeFormat) fresh->setPrinterName(device_->printerName());
  if (!device_->outputFileName().isEmpty()) fresh->setOutputFileName(device_->outputFileName());
  fresh->setPageLayout(device_->pageLayout());
  fresh->setCopyCount(device_->copyCount());
  device_ = std::move(fresh);
}

bool Printer::paintDocument(QPrinter& device) const { return pending_.empty() || paint(device, pending_, heldPaper_); }

bool Printer::paint(QPrinter& device, const std::vector<Line>& lines, const std::optional<QSizeF>& paper) {
  // The print dialogs set the page of the printer chosen: a held paper comes
  // back over it.
  if (paper) applyPaper(device, *paper);
  QPainter painter;
  if (!painter.begin(&device)) {
    Diagnostics::deviceError("the printer did not begin the document");
    return false;
  }
  // The painter starts at the corner of the printable area; placed texts are
  // measured from the paper's corner.
  const int resolution = device.resolution();
  const QRectF printable = device.pageLayout().paintRectPixels(resolution);
  const double pageHeight = printable.height();
  const QPointF paperCorner = -printable.topLeft();
  const double pixelsPerMillimetre = resolution / 25.4;
  double y = 0;
  for (const Line& line : lines) {
    if (line.pageBreak) {
      if (!device.newPage()) {
        painter.end();
        return false;
      }
      y = 0;
      continue;
    }
    const QFont font = qtFont(line.font);
    const QFontMetricsF metrics(font, &device);
    if (line.at) {
      painter.setFont(font);
      painter.drawText(paperCorner + *line.at * pixelsPerMillimetre + QPointF(0, metrics.ascent()), line.text);
      continue;
    }
    const double height = metrics.lineSpacing();
    if (y > 0 && y + height > pageHeight) {
      if (!device.newPage()) {
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
