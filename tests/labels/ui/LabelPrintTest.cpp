// The label job on paper: the PDF read back word by word, each word's box
// checked against the label rectangles of the published sheets.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <map>

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

  // Prints every contact of a log of count with the window as set by setUp;
  // the dialogs answer as queued.
  std::vector<PdfPage> print(int count, LabelType type, int format, const std::function<void(Etiquettes&)>& setUp) {
    menus.reset();
    fs::remove(pdfFile());
    writeLog(count);
    Select_QSO& selection = openSelection();
    selection.Select_All_Click();
    selection.Impression_Click();
    Etiquettes& window = *selection.etiquettes();
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
    std::size_t labelsInFile;  // each sheet is its own document: the file holds the last
  };
  const Case cases[] = {{1, 20, "Page suivante ?", false, 16},
                        {4, 15, "Page suivante ?", true, 1},
                        {3, 19, "               Page suivante ?", true, 3}};
  for (const Case& c : cases) {
    dialogs.expectPrinter(true);
    dialogs.expectYesNo(c.question, c.yes);
    const auto pages =
        print(c.contacts, LabelType::Individual, c.format, [](Etiquettes& w) { w.Arret_Imp->setChecked(true); });
    ASSERT_EQ(pages.size(), 1u) << c.format;
    EXPECT_EQ(wordsByLabel(c.format, pages[0]).size(), c.labelsInFile) << c.format;
    EXPECT_EQ(printer.fontName(), QStringLiteral("Arial"));  // the printer's font is given back
  }
}

TEST_F(LabelPrintTest, ACardPerContactOnFormatFive) {
  const QSizeF paper = printer.paperSize();
  dialogs.expectPrinter(true);
  const auto pages = print(2, LabelType::Castle, 5, [](Etiquettes&) {});
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NEAR(pages[0].size.width(), 140, 0.5);
  EXPECT_NEAR(pages[0].size.height(), 90, 0.5);
  QStringList words;
  for (const PdfWord& word : pages[0].words) {
    EXPECT_TRUE(QRectF(0, 0, 140, 90).contains(word.box)) << word.text.toStdString();
    words << word.text;
  }
  EXPECT_TRUE(words.contains(callsignOf(1)) && !words.contains(callsignOf(0)));
  EXPECT_EQ(printer.paperSize(), paper);
}

TEST_F(LabelPrintTest, APrinterThatRefusesTheDocumentIsReported) {
  writeLog(2);
  Printer refusing(QString::fromStdString((programDir / "missing-folder" / "labels.pdf").string()));
  LabelMenus refusingMenus(state, &mainWindow, refusing);
  refusingMenus.Mnu_Imp_QSL_Click();
  refusingMenus.selectQso()->Select_All_Click();
  refusingMenus.selectQso()->Impression_Click();
  Etiquettes& window = *refusingMenus.selectQso()->etiquettes();
  window.Type_Etiquette[0]->setChecked(true);
  dialogs.expectPrinter(false);  // cancelled: the current printer prints
  dialogs.expectMessage(::testing::HasSubstr("Impression impossible"));
  window.Imprime_Click();
  EXPECT_FALSE(refusing.documentOpen());
}

}  // namespace
}  // namespace brivant
