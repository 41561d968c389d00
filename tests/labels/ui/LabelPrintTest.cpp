// The label job on paper: the PDF read back word by word, each word's box
// checked against the label rectangles of the published sheets.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <map>
#include <set>

#include "labels/LabelLines.h"
#include "tests/labels/ui/LabelWindowsFixture.h"

namespace brivant {
namespace {

using namespace testing;

class LabelPrintTest : public LabelWindowsFixture {
 protected:
  void SetUp() override {
    if (!havePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  }

  // The label window with every contact of a log of count chosen.
  Etiquettes& labelsFor(int count, LabelType type, int format) {
    writeLog(count);
    Select_QSO& selection = openSelection();
    selection.Select_All_Click();
    selection.Impression_Click();
    Etiquettes& window = *selection.etiquettes();
    window.Type_Etiquette[type == LabelType::Individual ? 0 : 1]->setChecked(true);
    window.F_Etiquette[static_cast<std::size_t>(format - 1)]->setChecked(true);
    window.Num_Activ->setText(QStringLiteral("DFCF 59-045"));
    window.Nom_Activite->setText(QString::fromUtf8("Château de Flers"));
    window.Num_Canton->setText(QStringLiteral("5911"));
    window.Num_CP->setText(QStringLiteral("59650"));
    window.Nom_Commune->setText(QStringLiteral("Villeneuve d'Ascq"));
    window.Rx_Tx->setText(QStringLiteral("IC-7300 100 W"));
    window.Antenne->setText(QStringLiteral("Delta loop"));
    return window;
  }

  std::vector<PdfPage> printedPages() {
    const auto pages = pdfWords(pdfFile());
    EXPECT_TRUE(pages.has_value());
    return pages.value_or(std::vector<PdfPage>{});
  }

  // The words of each label of the page; words outside every label are
  // reported under -1.
  static std::map<int, QStringList> wordsByLabel(const PublishedSheet& sheet, const PdfPage& page) {
    constexpr double Slack = 0.05;  // pdftotext rounds to hundredths of a point
    std::map<int, QStringList> labels;
    for (const PdfWord& word : page.words) {
      int holder = -1;
      for (int position = 0; position < sheet.columns * sheet.rows; ++position) {
        const LabelRectangle label = sheet.label(position);
        const QRectF area(label.left - Slack, label.top - Slack, label.width + 2 * Slack, label.height + 2 * Slack);
        if (area.contains(word.box)) holder = position;
      }
      labels[holder] << word.text;
    }
    return labels;
  }

  static QString callsignOf(int contact) {
    return QString::fromStdString(
        labelContact(labelListLines(contact + 1)[static_cast<std::size_t>(contact)]).callsign);
  }
};

TEST_F(LabelPrintTest, EveryWordOfAFullSheetLiesInItsLabel) {
  for (const PublishedSheet& sheet : PublishedSheets) {
    for (LabelType type : {LabelType::Individual, LabelType::Castle}) {
      for (int ctV : {0, 4}) {
        SCOPED_TRACE(::testing::Message()
                     << "format " << sheet.format << (type == LabelType::Castle ? " castle" : "") << " Ct_V " << ctV);
        const int labels = sheet.columns * sheet.rows;
        Etiquettes& window = labelsFor(labels, type, sheet.format);
        window.Ct_V->setCurrentIndex(ctV);
        dialogs.expectPrinter(true);
        window.Imprime_Click();
        const std::vector<PdfPage> pages = printedPages();
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_NEAR(pages[0].size.width(), 210, 0.5);
        EXPECT_NEAR(pages[0].size.height(), 297, 0.5);
        const std::map<int, QStringList> words = wordsByLabel(sheet, pages[0]);
        EXPECT_EQ(words.count(-1), 0u) << words.find(-1)->second.join(u' ').toStdString();
        ASSERT_EQ(words.size(), static_cast<std::size_t>(labels));
        for (const auto& [position, text] : words) {
          // Each label is its own contact's, from this station.
          EXPECT_TRUE(text.contains(callsignOf(position))) << position << ": " << text.join(u' ').toStdString();
          EXPECT_TRUE(text.contains(QStringLiteral("F6ABC"))) << position;
          EXPECT_EQ(text.contains(QStringLiteral("Canton")), type == LabelType::Castle && sheet.format != 3);
        }
        menus.reset();
        fs::remove(pdfFile());
      }
    }
  }
}

TEST_F(LabelPrintTest, StartAtLabelFiveLeavesTheFirstFourEmptyAndAnOddLastItsRightNeighbour) {
  Etiquettes& window = labelsFor(3, LabelType::Individual, 1);
  window.StartLabel->setValue(5);
  dialogs.expectPrinter(true);
  window.Imprime_Click();
  const std::vector<PdfPage> pages = printedPages();
  ASSERT_EQ(pages.size(), 1u);
  const std::map<int, QStringList> words = wordsByLabel(PublishedSheets[0], pages[0]);
  std::set<int> used;
  for (const auto& [position, text] : words) used.insert(position);
  EXPECT_EQ(used, (std::set<int>{4, 5, 6}));
  EXPECT_TRUE(words.at(4).contains(callsignOf(0)));
  EXPECT_TRUE(words.at(6).contains(callsignOf(2)));
}

TEST_F(LabelPrintTest, NoToTheNextPageAfterTheFirstSheetPrintsThatSheetOnly) {
  Etiquettes& window = labelsFor(20, LabelType::Individual, 1);
  window.Arret_Imp->setChecked(true);
  dialogs.expectPrinter(true);
  dialogs.expectYesNo("Page suivante ?", false);
  window.Imprime_Click();
  const std::vector<PdfPage> pages = printedPages();
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(wordsByLabel(PublishedSheets[0], pages[0]).size(), 16u);
  EXPECT_EQ(printer.fontName(), QStringLiteral("Arial"));  // the printer's font is given back
}

TEST_F(LabelPrintTest, YesGoesOnWithTheNextSheetAsItsOwnDocument) {
  // Format 4 asks after 7 rows; format 3 asks with its leading blanks.
  struct Case {
    int format;
    int contacts;
    const char* question;
    std::size_t lastSheetLabels;
  };
  const Case cases[] = {{4, 15, "Page suivante ?", 1}, {3, 19, "               Page suivante ?", 3}};
  for (const Case& c : cases) {
    Etiquettes& window = labelsFor(c.contacts, LabelType::Castle, c.format);
    window.Arret_Imp->setChecked(true);
    dialogs.expectPrinter(true);
    dialogs.expectYesNo(c.question, true);
    window.Imprime_Click();
    dialogs.verifyAllConsumed();
    // Each sheet is a document of its own: the file holds the last one.
    const std::vector<PdfPage> pages = printedPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(wordsByLabel(PublishedSheets[static_cast<std::size_t>(c.format - 1)], pages[0]).size(),
              c.lastSheetLabels);
    menus.reset();
  }
}

TEST_F(LabelPrintTest, ACardPerContactOnFormatFive) {
  Etiquettes& window = labelsFor(2, LabelType::Individual, 5);
  window.Arret_Imp->setChecked(true);
  const QSizeF paper = printer.paperSize();
  dialogs.expectPrinter(true);
  dialogs.expectYesNo("Page suivante ?", true);
  window.Imprime_Click();
  const std::vector<PdfPage> pages = printedPages();
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NEAR(pages[0].size.width(), 140, 0.5);
  EXPECT_NEAR(pages[0].size.height(), 90, 0.5);
  QStringList words;
  for (const PdfWord& word : pages[0].words) {
    EXPECT_TRUE(QRectF(0, 0, 140, 90).contains(word.box)) << word.text.toStdString();
    words << word.text;
  }
  EXPECT_TRUE(words.contains(callsignOf(1)));
  EXPECT_FALSE(words.contains(callsignOf(0)));
  EXPECT_EQ(printer.paperSize(), paper);
}

TEST_F(LabelPrintTest, APrinterThatRefusesTheDocumentIsReported) {
  writeLog(2);
  Printer refusing(QString::fromStdString((programDir / "missing-folder" / "labels.pdf").string()));
  Select_QSO selection(state, refusing, &mainWindow);
  selection.setAttribute(Qt::WA_DeleteOnClose, false);
  ASSERT_TRUE(selection.Form_Load().ok());
  selection.Select_All_Click();
  selection.Impression_Click();
  Etiquettes& window = *selection.etiquettes();
  window.Type_Etiquette[0]->setChecked(true);
  dialogs.expectPrinter(false);  // cancelled: the current printer prints
  dialogs.expectMessage(::testing::HasSubstr("Impression impossible"));
  window.Imprime_Click();
  EXPECT_FALSE(refusing.documentOpen());
}

}  // namespace
}  // namespace brivant
