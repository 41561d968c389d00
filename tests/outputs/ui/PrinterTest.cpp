#include "platform/ui/Printer.h"

#include <gtest/gtest.h>

#include <QPrinter>
#include <map>

#include "tests/outputs/ui/PdfText.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestFiles.h"
#include "tests/support/qt/ModalAnswers.h"

namespace brivant {
namespace {

using namespace testing;

class PrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  }
  QString pdfPath() const { return QString::fromStdString((dir / "out.pdf").string()); }
  TempDir dir;
};

TEST_F(PrinterTest, LinesInOrderOverSeveralPages) {
  Printer printer(pdfPath());
  printer.setFontName(QStringLiteral("Courier New"));
  printer.setFontSize(10);
  QStringList sent;
  for (int i = 1; i <= 150; ++i) {
    sent.push_back(QStringLiteral("Line %1 of the listing").arg(i, 3, 10, QLatin1Char('0')));
    printer.printLine(sent.back());
  }
  EXPECT_TRUE(printer.documentOpen());
  ASSERT_TRUE(printer.endDocument());
  EXPECT_FALSE(printer.documentOpen());
  const std::optional<QString> text = pdfText(dir / "out.pdf");
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(textLines(*text), sent);
  const QStringList pages = text->split(u'\f', Qt::SkipEmptyParts);
  ASSERT_GE(pages.size(), 2);  // a page of A4 or Letter does not hold 150 lines at 10 points
  EXPECT_TRUE(textLines(pages[0]).front() == sent.front());
  EXPECT_TRUE(textLines(pages[1]).front() != sent.front());
}

TEST_F(PrinterTest, CourierNewIsFixedPitch) {
  Printer printer(pdfPath());
  printer.setFontName(QStringLiteral("Courier New"));
  printer.setFontBold(true);
  printer.printLine(QStringLiteral("iiiiiiiiii|"));
  printer.printLine(QStringLiteral("WWWWWWWWWW|"));
  ASSERT_TRUE(printer.endDocument());
  const std::optional<QString> text = pdfText(dir / "out.pdf");
  ASSERT_TRUE(text.has_value());
  QStringList lines;
  for (const QString& line : text->split(u'\n')) {
    if (line.contains(u'|')) lines.push_back(line);
  }
  ASSERT_EQ(lines.size(), 2);
  // Narrow and wide letters take the same room: the bars line up.
  EXPECT_EQ(lines[0].indexOf(u'|') - lines[0].indexOf(u'i'), lines[1].indexOf(u'|') - lines[1].indexOf(u'W'));
}

TEST_F(PrinterTest, SizesAndBoldAsTheLabelsUseThem) {
  Printer printer(pdfPath());
  const PrinterFont remembered = printer.font();
  printer.setFontName(QStringLiteral("Courier New"));
  const std::vector<std::pair<double, bool>> sequence{{15, true}, {11, false}, {10, true}, {4, false}, {11, true}};
  QStringList sent;
  for (std::size_t i = 0; i < sequence.size(); ++i) {
    printer.setFontSize(sequence[i].first);
    printer.setFontBold(sequence[i].second);
    sent.push_back(QStringLiteral("Label line %1 at %2 points").arg(i + 1).arg(sequence[i].first));
    printer.printLine(sent.back());
    printer.printLine(QString());  // a blank line at that size
  }
  ASSERT_TRUE(printer.endDocument());
  printer.setFont(remembered);
  EXPECT_EQ(printer.font(), remembered);
  const std::optional<QString> text = pdfText(dir / "out.pdf");
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(textLines(*text), sent);
}

TEST_F(PrinterTest, DiscardedOrAbandonedDocumentsAreNeverSent) {
  {
    Printer printer(pdfPath());
    printer.printLine(QStringLiteral("first"));
    printer.discardDocument();
    EXPECT_FALSE(printer.documentOpen());
    EXPECT_TRUE(printer.endDocument());  // nothing to send
    printer.printLine(QStringLiteral("abandoned"));
  }
  EXPECT_FALSE(fs::exists(dir / "out.pdf"));

  Printer printer(QString::fromStdString((dir / "missing-folder" / "out.pdf").string()));
  printer.printLine(QStringLiteral("nowhere to go"));
  EXPECT_FALSE(printer.endDocument());
  EXPECT_FALSE(printer.documentOpen());
}

TEST_F(PrinterTest, EachEndedDocumentStandsAlone) {
  Printer printer(pdfPath());
  printer.printLine(QStringLiteral("first document"));
  ASSERT_TRUE(printer.endDocument());
  printer.printLine(QStringLiteral("second document"));
  ASSERT_TRUE(printer.endDocument());
  EXPECT_EQ(textLines(pdfText(dir / "out.pdf").value_or(QString())), QStringList{QStringLiteral("second document")});
}

TEST_F(PrinterTest, PlacedTextsStandWhereToldOnTheWholePaperOfTheSizeSet) {
  Printer printer(pdfPath());
  const QSizeF previous = printer.paperSize();
  printer.setPaperSize(QSizeF(140, 90));  // wider than high: a page turned
  EXPECT_EQ(printer.paperSize(), QSizeF(140, 90));
  printer.setFontName(QStringLiteral("Courier New"));
  printer.setFontSize(11);
  printer.printAt(QPointF(2, 3), QStringLiteral("corner"));  // inside the printer's margins
  printer.printLine(QStringLiteral("flowing"));
  printer.newPage();
  printer.setFontSize(15);
  printer.printAt(QPointF(100.5, 70), QStringLiteral("placed"));
  ASSERT_TRUE(printer.endDocument());
  printer.setPaperSize(previous);
  EXPECT_EQ(printer.paperSize(), previous);

  const auto pages = pdfWords(dir / "out.pdf");
  ASSERT_EQ(pages.value_or(std::vector<PdfPage>{}).size(), 2u);
  EXPECT_NEAR((*pages)[1].size.width(), 140, 0.5);
  EXPECT_NEAR((*pages)[1].size.height(), 90, 0.5);
  std::map<QString, QRectF> boxes;
  for (const PdfPage& page : *pages)
    for (const PdfWord& word : page.words) boxes[word.text] = word.box;
  // The word's box starts at the line's left edge and top (its ascent above the base line).
  EXPECT_NEAR(boxes[QStringLiteral("corner")].left(), 2, 0.3);
  EXPECT_NEAR(boxes[QStringLiteral("corner")].top(), 3, 0.6);
  EXPECT_NEAR(boxes[QStringLiteral("placed")].left(), 100.5, 0.3);
  EXPECT_NEAR(boxes[QStringLiteral("placed")].top(), 70, 0.8);
  // Fixed pitch: six characters at 15 points are 6 x 0.6 x 15 points wide.
  EXPECT_NEAR(boxes[QStringLiteral("placed")].width(), 6 * 0.6 * 15 * 25.4 / 72, 0.3);
  EXPECT_GT(boxes[QStringLiteral("flowing")].left(), 2.5);  // at the margins, as before
}

TEST_F(PrinterTest, TheOpenDocumentCanBeShownOnAnotherDeviceAndStaysOpen) {
  Printer printer(pdfPath());
  printer.printLine(QStringLiteral("shown"));
  QPrinter other(QPrinter::HighResolution);
  other.setOutputFormat(QPrinter::PdfFormat);
  other.setOutputFileName(QString::fromStdString((dir / "other.pdf").string()));
  ASSERT_TRUE(printer.paintDocument(other));
  EXPECT_TRUE(printer.documentOpen());
  EXPECT_FALSE(fs::exists(dir / "out.pdf"));
  EXPECT_EQ(textLines(pdfText(dir / "other.pdf").value_or(QString())), QStringList{QStringLiteral("shown")});
}

// Where no printer is installed the device is a PDF with no file: it fails to
// begin a document, and Qt's printer then refuses every later setting.  The
// next document, sent to the file chosen in Qt's print dialog, is printed.
TEST_F(PrinterTest, AfterADocumentTheDeviceRefusedTheNextGoesWhereThePrintDialogSends) {
  Printer printer;
  printer.device().setOutputFileName(QString());
  printer.device().setOutputFormat(QPrinter::PdfFormat);
  printer.printLine(QStringLiteral("nowhere to go"));
  EXPECT_FALSE(printer.endDocument());

  ScriptedDialogs dialogs;
  dialogs.expectPrinter(realPrintDialog(dir / "out.pdf"));
  ASSERT_TRUE(dialogs.choosePrinter(printer.device()));
  printer.printLine(QStringLiteral("printed"));
  EXPECT_TRUE(printer.endDocument());
  EXPECT_EQ(textLines(pdfText(dir / "out.pdf").value_or(QString())), QStringList{QStringLiteral("printed")});
}

}  // namespace
}  // namespace brivant
