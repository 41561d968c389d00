#include "outputs/ui/Impression.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/AltKeys.h"
#include "outputs/LogListing.h"
#include "tests/outputs/ui/OutputWindowsFixture.h"
#include "tests/support/qt/ModalAnswers.h"

namespace brivant {
namespace {

using namespace testing;

class ImpressionTest : public OutputWindowsFixture {
 protected:
  void SetUp() override {
    records = recordsOf(variedContacts());
    writeBytes(programDir / "F6ABC.log", crlf(records));
    window = std::make_unique<Impression>(state, printer);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
  }
  QStringList previewItems() const {
    QStringList items;
    for (int i = 0; i < window->Visu_Print->count(); ++i) items.push_back(window->Visu_Print->item(i)->text());
    return items;
  }
  std::vector<std::string> records;
  std::unique_ptr<Impression> window;
};

TEST_F(ImpressionTest, PreviewIsFilledOnceWhenTheWindowLoads) {
  ASSERT_TRUE(window->Form_Load().ok());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Log JNC"));
  EXPECT_EQ(window->Label2->text(), QStringLiteral("Log JNC de la station F6ABC"));
  EXPECT_EQ(AltKeys::shownText(window->Enregistrer->text()), QStringLiteral("Enregistrer"));
  const QStringList items = previewItems();
  ASSERT_EQ(items.size(), static_cast<qsizetype>(records.size() + 4));
  EXPECT_EQ(items[0], QStringLiteral("            Journee Nationale des Ruziduza 19/05/13 Station F6ABC"));
  EXPECT_EQ(items[12], Cp1252::toQString(logListingLine(9, records[8], PreviewReferenceWidth)));
  // A contact saved meanwhile shows up in Save, not in the preview.
  writeBytes(programDir / "F6ABC.log", crlf(records) + crlf({records.front()}));
  EXPECT_EQ(previewItems().size(), items.size());
}

TEST_F(ImpressionTest, SaveWritesTheListingAndConfirms) {
  state.Language = "An";
  ASSERT_TRUE(window->Form_Load().ok());
  EXPECT_EQ(window->Label2->text(), QStringLiteral("Log JNC station F6ABC"));
  dialogs.expectMessage("The Log F6ABC was saved as: F6ABC_Log_JNC_19_05_13.txt");
  window->Enregistrer->click();
  expectMatchesGolden(programDir / "F6ABC_Log_JNC_19_05_13.txt", "outputs/listing_en.txt");
}

TEST_F(ImpressionTest, SaveOfAMissingLogIsReported) {
  ASSERT_TRUE(window->Form_Load().ok());
  fs::remove(programDir / "F6ABC.log");
  dialogs.expectMessage("Erreur N° 53 : le fichier F6ABC.log n'a pas pu être lu.");
  window->Enregistrer_Click();
  EXPECT_FALSE(fs::exists(programDir / "F6ABC_Log_JNC_19_05_13.txt"));
}

TEST_F(ImpressionTest, PrintSendsTheListingLinesInOrder) {
  if (!havePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  ASSERT_TRUE(window->Form_Load().ok());
  dialogs.expectPrinter(true);
  window->Imprimer_Click();
  QStringList expected;
  for (const std::string& line : printedListingLines(true, "19/05/13", "F6ABC", " 1.7.5", records)) {
    expected.push_back(Cp1252::toQString(line));
  }
  const std::optional<QString> text = pdfText(pdfFile());
  ASSERT_TRUE(text.has_value());
  // Every column where it belongs on paper, not only the same words.
  EXPECT_EQ(columnLines(pdfColumnText(pdfFile()).value_or(QString())), columnLines(expected));
  EXPECT_EQ(printer.fontName(), QStringLiteral("Arial"));
  EXPECT_FALSE(printer.fontBold());
}

// On the program's printer as it starts, through Qt's print dialog: Cancel
// prints nothing and says nothing; then, printed to a file, a listing of
// several pages is one document, its lines in order from page to page.
TEST_F(ImpressionTest, ThroughThePrintDialogCancelPrintsNothingAndALongListingIsOneDocument) {
  if (!havePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  std::vector<std::string> many;
  while (many.size() < 150) many.insert(many.end(), records.begin(), records.end());
  writeBytes(programDir / "F6ABC.log", crlf(many));
  Printer program;
  Impression listing(state, program);
  ASSERT_TRUE(listing.Form_Load().ok());
  dialogs.expectPrinter(realPrintDialog(std::nullopt));
  listing.Imprimer_Click();
  dialogs.verifyAllConsumed();
  EXPECT_TRUE(dialogs.texts(ScriptedDialogs::Kind::Message).isEmpty());

  dialogs.expectPrinter(realPrintDialog(pdfFile()));
  listing.Imprimer_Click();
  dialogs.verifyAllConsumed();
  const std::vector<PdfPage> pages = pdfWords(pdfFile()).value_or(std::vector<PdfPage>{});
  ASSERT_GE(pages.size(), 3u);
  for (const PdfPage& page : pages) EXPECT_EQ(page.size, pages.front().size);
  QStringList expected;
  for (const std::string& line : printedListingLines(true, "19/05/13", "F6ABC", " 1.7.5", many)) {
    expected.push_back(Cp1252::toQString(line));
  }
  EXPECT_EQ(textLines(pdfText(pdfFile()).value_or(QString())), textLines(expected));
}

TEST_F(ImpressionTest, APrinterThatRefusesTheDocumentIsReported) {
  Printer nowhere(QString::fromStdString((programDir / "no-such-folder" / "x.pdf").string()));
  Impression refused(state, nowhere);
  ASSERT_TRUE(refused.Form_Load().ok());
  dialogs.expectPrinter(true);
  dialogs.expectMessage("Impression impossible : l'imprimante n'a pas accepté le document.");
  refused.Imprimer_Click();
}

}  // namespace
}  // namespace brivant
