#pragma once
// The printer as the program drives it: a current font (name, size, bold),
// one text line at a time, then the document ended (sent) or discarded.

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QPrinter;

namespace brivant {

struct PrinterFont {
  QString name = QStringLiteral("Arial");
  double size = 10;  // points
  bool bold = false;
  bool operator==(const PrinterFont&) const = default;
};

// Lines are kept until the document ends and only then laid out on the
// device, so that discarding a document (or destroying the Printer in the
// middle of one) never sends half of it.  Each line is drawn at the font
// current when it was printed; the next line starts below it, and a line that
// does not fit on the page starts a new one.  A text placed with printAt
// stands where it is told, measured from the paper's corner, and does not move
// the flowing lines.  "Courier New" and "Terminal" resolve to a fixed-pitch
// face even where no font of that name exists.
class Printer {
 public:
  // The system's default printer (Qt's print engine, high resolution).
  Printer();
  // Every document goes to this PDF file (the last one ended wins).
  explicit Printer(const QString& pdfFile);
  ~Printer();
  Printer(const Printer&) = delete;
  Printer& operator=(const Printer&) = delete;

  // The device, for the printer choice dialog and the preview (another one
  // after a document the device refused).
  QPrinter& device() { return *device_; }

  const QString& fontName() const { return font_.name; }
  void setFontName(const QString& name) { font_.name = name; }
  double fontSize() const { return font_.size; }
  void setFontSize(double points) { font_.size = points; }
  bool fontBold() const { return font_.bold; }
  void setFontBold(bool bold) { font_.bold = bold; }
  // The whole font, to remember it and put it back.
  const PrinterFont& font() const { return font_; }
  void setFont(const PrinterFont& font) { font_ = font; }

  void printLine(const QString& text);
  // A text at the current font whose line box has its top-left corner x, y
  // millimetres from the top-left corner of the paper, whatever margins the
  // printer keeps.
  void printAt(const QPointF& millimetres, const QString& text);
  // What follows goes on a new page of the same document.
  void newPage();
  // Lines printed since the last end or discard.
  bool documentOpen() const { return !pending_.empty(); }

  // The paper of the next documents, in millimetres, width then height as
  // the text stands on it.
  QSizeF paperSize() const;
  // Sets the paper and holds it: the documents ended until it is released
  // are laid out on it, whatever page the printer choice left on the device.
  void setPaperSize(const QSizeF& millimetres);
  // The device's page, as the printer choice sets it, is the paper again.
  void releasePaperSize() { heldPaper_.reset(); }

  // Lays the document out on the device and sends it; the next line starts a
  // new document.  False when the device would not take it (no printer, a
  // file that cannot be written); the lines are dropped either way, and
  // another printer can be chosen for the next one.  Ending with no line
  // printed sends nothing.
  [[nodiscard]] bool endDocument();
  void discardDocument() { pending_.clear(); }
  // Lays the open document out on another device (the print preview's), on
  // the paper held if any, and keeps it open.  False when that device would
  // not take it.
  [[nodiscard]] bool paintDocument(QPrinter& device) const;

 private:
  struct Line {
    PrinterFont font;
    QString text;
    std::optional<QPointF> at;  // millimetres from the paper's corner
    bool pageBreak = false;
  };
  static bool paint(QPrinter& device, const std::vector<Line>& lines, const std::optional<QSizeF>& paper);
  static void applyPaper(QPrinter& device, const QSizeF& millimetres);
  // A device that failed to begin a document stays busy and refuses every
  // later setting: a fresh one with the same output takes its place.
  void renewDevice();

  std::unique_ptr<QPrinter> device_;
  std::optional<QSizeF> heldPaper_;
  PrinterFont font_;
  std::vector<Line> pending_;
};

}  // namespace brivant
