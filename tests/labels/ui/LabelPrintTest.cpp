// The label job on paper: the PDF read back word by word, each word's box
// checked against the label rectangles of the published sheets.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <map>
#include <optional>

#include "labels/LabelLines.h"
#include "tests/labels/ui/LabelWindowsFixture.h"
#include "tests/support/qt/ModalAnswers.h"

namespace brivant {
namespace {

using namespace testing;

class LabelPrintTest : public LabelWindowsFixture {
 protected:
  void SetUp() override {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  }

  // The label window over every contact of a log of count, printing on the
  // given printer (the fixture's PDF printer when none).
  Etiquettes& labelWindow(int count, Printer* on = nullptr) {
    menus.reset();
    if (on != nullptr) menus = std::make_unique<LabelMenus>(state, mainWindow, *on);
    writeLog(count);
    Select_QSO& selection = openSelection();
    selection.Select_All_Click();
    selection.Impression_Click();
    return *selection.etiquettes();
  }

  // Prints every contact of a log of count with the window as set by setUp,
  // on the given printer (the fixture's PDF printer when none); the dialogs
  // answer as queued.
  std::vector<PdfPage> print(int count, LabelType type, int format, const std::function<void(Etiquettes&)>& setUp,
                             Printer* on = nullptr) {
    fs::remove(pdfFile());
    Etiquettes& window = labelWindow(count, on);
    window.Type_Etiquette[type == LabelType::Individual ? 0 : 1]->setChecked(true);
    window.F_Etiquette[static_cast<std::size_t>(format - 1)]->setChecked(true);
    for (LabelField which : LabelFields) window.field(which)->setText(QStringLiteral("Aa0"));
    window.Rx_Tx->setText(QStringLiteral("IC-7300 100 W"));
    setUp(window);
    window.Imprime_Click();
    dialogs.verifyAllConsumed();
    return pdfWords(pdfFile()).value_or(std::vector<PdfPage>{});
  }

  // The words in each label of the page, under -1 those outside every label.
  static std::map<int, QStringList> wordsByLabel(int format, const PdfPage& page) {
    const PublishedSheet& sheet = PublishedSheets[static_cast<std::size_t>(format - 1)];
    std::map<int, QStringList> labels;
    for (const PdfWord& word : page.words) {
      int holder = -1;
      for (int position = 0; position < sheet.columns * sheet.rows; ++position) {
        const LabelRectangle label = sheet.label(position);
        // pdftotext rounds to hundredths of a point.
        if (QRectF(label.left, label.top, label.width, label.height)
                .adjusted(-0.05, -0.05, 0.05, 0.05)
                .contains(word.box))
          holder = position;
      }
      labels[holder] << word.text;
    }
    return labels;
  }

  // The words of a QSL card (format 5), each checked to lie on the card.
  static QStringList cardWords(const PdfPage& page) {
    QStringList words;
    for (const PdfWord& word : page.words) {
      EXPECT_TRUE(QRectF(0, 0, 140, 90).contains(word.box)) << word.text.toStdString();
      words << word.text;
    }
    return words;
  }

  static QString callsignOf(int contact) {
    return QString::fromStdString(labelContact(labelListLines(contact + 1).back()).callsign);
  }
};

TEST_F(LabelPrintTest, EveryWordOfAFullSheetLiesInItsOwnLabel) {
  for (const PublishedSheet& sheet : PublishedSheets) {
    for (LabelType type : {LabelType::Individual, LabelType::Castle}) {
      for (int ctV : {0, 4}) {
        SCOPED_TRACE(::testing::Message()
                     << "format " << sheet.format << " type " << static_cast<int>(type) << " Ct_V " << ctV);
        const int labels = sheet.columns * sheet.rows;
        dialogs.expectPrinter(true);
        const auto pages = print(labels, type, sheet.format, [&](Etiquettes& w) { w.Ct_V->setCurrentIndex(ctV); });
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_NEAR(pages[0].size.height(), 297, 0.5);
        const std::map<int, QStringList> words = wordsByLabel(sheet.format, pages[0]);
        EXPECT_EQ(words.count(-1), 0u) << words.begin()->second.join(u' ').toStdString();
        ASSERT_EQ(words.size(), static_cast<std::size_t>(labels));
        for (const auto& [position, text] : words) {
          EXPECT_TRUE(text.contains(callsignOf(position)) && text.contains(QStringLiteral("F6ABC")))
              << position << ": " << text.join(u' ').toStdString();
        }
      }
    }
  }
}

TEST_F(LabelPrintTest, StartAtLabelFiveLeavesTheFirstFourEmptyAndAnOddLastItsRightNeighbour) {
  dialogs.expectPrinter(true);
  const auto pages = print(3, LabelType::Castle, 1, [](Etiquettes& w) { w.StartLabel->setValue(5); });
  ASSERT_EQ(pages.size(), 1u);
  const std::map<int, QStringList> words = wordsByLabel(1, pages[0]);
  ASSERT_EQ(words.size(), 3u);
  EXPECT_TRUE(words.at(4).contains(callsignOf(0)));
  EXPECT_TRUE(words.at(5).contains(callsignOf(1)));
  EXPECT_TRUE(words.at(6).contains(callsignOf(2)));
}

TEST_F(LabelPrintTest, PageSuivanteAfterEachFullSheetWithMoreToPrint) {
  struct Case {
    int format;
    int contacts;
    const char* question;
    bool yes;
    std::vector<std::size_t> labelsPerPage;  // one document: a page per sheet printed
  };
  const Case cases[] = {{1, 20, "Page suivante ?", false, {16}},
                        {4, 15, "Page suivante ?", true, {14, 1}},
                        {3, 19, "               Page suivante ?", true, {16, 3}}};
  for (const Case& c : cases) {
    dialogs.expectPrinter(true);
    dialogs.expectYesNo(c.question, c.yes);
    const auto pages =
        print(c.contacts, LabelType::Individual, c.format, [](Etiquettes& w) { w.Arret_Imp->setChecked(true); });
    ASSERT_EQ(pages.size(), c.labelsPerPage.size()) << c.format;
    for (std::size_t i = 0; i < pages.size(); ++i)
      EXPECT_EQ(wordsByLabel(c.format, pages[i]).size(), c.labelsPerPage[i]) << c.format << " page " << i;
    EXPECT_EQ(printer.fontName(), QStringLiteral("Arial"));  // the printer's font is given back
  }
}

TEST_F(LabelPrintTest, ACardPerContactOnFormatFive) {
  const QSizeF paper = printer.paperSize();
  dialogs.expectPrinter(true);
  const auto pages = print(2, LabelType::Castle, 5, [](Etiquettes&) {});
  ASSERT_EQ(pages.size(), 2u);
  for (std::size_t card = 0; card < pages.size(); ++card) {
    EXPECT_NEAR(pages[card].size.width(), 140, 0.5);
    EXPECT_NEAR(pages[card].size.height(), 90, 0.5);
    const QStringList words = cardWords(pages[card]);
    EXPECT_TRUE(words.contains(callsignOf(static_cast<int>(card))) &&
                !words.contains(callsignOf(1 - static_cast<int>(card))));
  }
  EXPECT_EQ(printer.paperSize(), paper);
}

// Qt's own print dialog, told to print to a PDF file and accepted, as on the
// program's printer at start-up: the whole job is one document, each sheet
// (each card) a page of the format's paper, however the dialog set its page.
TEST_F(LabelPrintTest, ThroughThePrintDialogTheJobIsOneDocumentOnTheFormatsPaper) {
  struct Case {
    int format;
    int contacts;
    std::optional<bool> nextPage;  // the answer to "Page suivante ?", when asked
    std::vector<std::size_t> labelsPerPage;
  };
  const Case cases[] = {
      {1, 25, std::nullopt, {16, 9}},
      {1, 25, true, {16, 9}},
      {1, 25, false, {16}},
      {5, 3, std::nullopt, {1, 1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "format " << c.format << " Page suivante "
                                      << (c.nextPage ? (*c.nextPage ? "Yes" : "No") : "not asked"));
    Printer program;
    dialogs.expectPrinter(realPrintDialog(pdfFile()));
    if (c.nextPage) dialogs.expectYesNo("Page suivante ?", *c.nextPage);
    const auto pages = print(
        c.contacts, LabelType::Individual, c.format,
        [&c](Etiquettes& w) { w.Arret_Imp->setChecked(c.nextPage.has_value()); }, &program);
    menus.reset();
    ASSERT_EQ(pages.size(), c.labelsPerPage.size());
    const QSizeF paper = c.format == 5 ? QSizeF(140, 90) : QSizeF(210, 297);
    int contact = 0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
      EXPECT_NEAR(pages[i].size.width(), paper.width(), 0.5) << "page " << i;
      EXPECT_NEAR(pages[i].size.height(), paper.height(), 0.5) << "page " << i;
      if (c.format == 5) {
        EXPECT_TRUE(cardWords(pages[i]).contains(callsignOf(contact++))) << "card " << i;
        continue;
      }
      const std::map<int, QStringList> words = wordsByLabel(c.format, pages[i]);
      EXPECT_EQ(words.count(-1), 0u) << "page " << i;
      EXPECT_EQ(words.size(), c.labelsPerPage[i]) << "page " << i;
      for (const auto& [position, text] : words) EXPECT_TRUE(text.contains(callsignOf(contact++))) << position;
    }
  }
}

// Cancel in Qt's print dialog prints nothing and says nothing, on the first
// print of the run as after one, and the next print goes to the printer chosen.
TEST_F(LabelPrintTest, CancelInThePrintDialogPrintsNothingAndTheNextPrintWorks) {
  Printer program;
  Etiquettes& window = labelWindow(3, &program);
  window.Type_Etiquette[0]->setChecked(true);
  window.F_Etiquette[0]->setChecked(true);
  for (const bool first : {true, false}) {
    SCOPED_TRACE(first ? "Cancel on the first print" : "Cancel after a print");
    dialogs.expectPrinter(realPrintDialog(std::nullopt));
    window.Imprime_Click();
    dialogs.verifyAllConsumed();
    EXPECT_TRUE(dialogs.texts(ScriptedDialogs::Kind::Message).isEmpty());
    EXPECT_FALSE(fs::exists(pdfFile()));
    EXPECT_FALSE(program.documentOpen());

    dialogs.expectPrinter(realPrintDialog(pdfFile()));
    window.Imprime_Click();
    dialogs.verifyAllConsumed();
    EXPECT_TRUE(dialogs.texts(ScriptedDialogs::Kind::Message).isEmpty());
    const auto pages = pdfWords(pdfFile()).value_or(std::vector<PdfPage>{});
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(wordsByLabel(1, pages[0]).size(), 3u);
    fs::remove(pdfFile());
  }
  menus.reset();
}

TEST_F(LabelPrintTest, APrinterThatRefusesTheDocumentIsReported) {
  Printer refusing(QString::fromStdString((programDir / "missing-folder" / "labels.pdf").string()));
  Etiquettes& window = labelWindow(2, &refusing);
  window.Type_Etiquette[0]->setChecked(true);
  dialogs.expectPrinter(true);
  dialogs.expectMessage(::testing::HasSubstr("Impression impossible"));
  window.Imprime_Click();
  EXPECT_FALSE(refusing.documentOpen());
  menus.reset();
}

}  // namespace
}  // namespace brivant
