#include "platform/ui/Printer.h"

#include <gtest/gtest.h>

#include "tests/outputs/ui/PdfText.h"
#include "tests/support/TestFiles.h"

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

}  // namespace
}  // namespace brivant
