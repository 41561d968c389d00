#include "labels/ui/Etiquettes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "core/ui/FieldColours.h"
#include "tests/labels/ui/LabelWindowsFixture.h"

namespace brivant {
namespace {

using namespace testing;

class EtiquettesTest : public LabelWindowsFixture {
 protected:
  void SetUp() override { writeLog(3); }
  // Types the text (after what the field holds) and presses Enter.
  static void enter(QLineEdit* field, const char* text = "") {
    field->setFocus();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
  }
};

TEST_F(EtiquettesTest, AFirstOpeningForANewCallsignInBothLanguages) {
  state.StationCall = "F6ABC_P";
  writeBytes(programDir / "F6ABC_P.log", "");
  Etiquettes& window = openLabels();
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("    Impression d'étiquettes pour QSL"));
  EXPECT_EQ(window.Indica->text(), QStringLiteral("F6ABC/P"));
  for (LabelField which : LabelFields) EXPECT_TRUE(window.field(which)->text().isEmpty());
  EXPECT_TRUE(window.F_Etiquette[1]->isChecked());  // the DECADRY sheet
  EXPECT_FALSE(window.Type_Etiquette[0]->isChecked() || window.Type_Etiquette[1]->isChecked());
  EXPECT_TRUE(window.QSL[0]->isChecked());
  EXPECT_EQ(window.Ct_V->currentText(), QStringLiteral("0"));
  EXPECT_EQ(window.StartLabel->maximum(), 16);
  EXPECT_EQ(fieldColour(window.Num_Activ), AwaitingColour);
  EXPECT_EQ(fieldColour(window.Rx_Tx), AwaitingColour);
  EXPECT_TRUE(window.individualSample->text().contains(QString::fromUtf8("Journée Nationale des Ruziduza")));
  EXPECT_FALSE(window.castleSample->text().contains(QString::fromUtf8("Journée")));
  expectDistinctAltLetters(window);
  window.close();
  QApplication::processEvents();

  state.Language = "An";
  Etiquettes& english = openLabels();
  EXPECT_EQ(english.windowTitle(), QStringLiteral("    Printing labels for QSL"));
  EXPECT_EQ(english.F_Etiquette[4]->text(), QStringLiteral("QSL &direct printing on"));
  EXPECT_EQ(english.QSL[1]->text(), QStringLiteral("Tnx for the QSO and for &your QSL"));
  EXPECT_EQ(english.fieldCaptions[6]->text(), QStringLiteral("&Antenna"));
  EXPECT_TRUE(english.individualSample->text().contains(QStringLiteral("Ravuzore Ruruzav Evu")));
  expectDistinctAltLetters(english);
}

TEST_F(EtiquettesTest, TheTwoFieldChains) {
  Etiquettes& window = openLabels();
  activate(window);
  enter(window.Num_Activ, "dfcf 59-045");  // capitals as typed
  EXPECT_EQ(window.Num_Activ->text(), QStringLiteral("DFCF 59-045"));
  EXPECT_EQ(fieldColour(window.Num_Activ), AcceptedColour);
  EXPECT_EQ(fieldColour(window.Nom_Activite), AwaitingColour);
  dialogs.expectMessage(QString::fromUtf8("Nom de l'activité obligatoire"));
  enter(window.Nom_Activite);
  EXPECT_TRUE(window.Nom_Activite->hasFocus());
  enter(window.Nom_Activite, "Chateau de Flers");
  dialogs.expectMessage("4 caracteres maxi");
  enter(window.Num_Canton, "59111");
  EXPECT_TRUE(window.Num_Canton->hasFocus());
  window.Num_Canton->backspace();
  enter(window.Num_Canton);
  enter(window.Num_CP, "59650");
  EXPECT_EQ(fieldColour(window.Nom_Commune), AwaitingColour);
  enter(window.Nom_Commune, "Flers");
  EXPECT_TRUE(window.Imprime->hasFocus());
  EXPECT_EQ(fieldColour(window.Nom_Commune), AwaitingColour);

  enter(window.Rx_Tx);  // empty: on to the antenna without a message
  EXPECT_EQ(fieldColour(window.Rx_Tx), AcceptedColour);
  EXPECT_TRUE(window.Antenne->hasFocus());
  dialogs.expectMessage("15 caracteres maxi");
  enter(window.Antenne, "yagi 3 elements 20m");
  EXPECT_EQ(window.Antenne->text(), QStringLiteral("yagi 3 elements 20m"));
  window.Antenne->setText(QStringLiteral("Yagi"));
  enter(window.Antenne);
  EXPECT_TRUE(window.Imprime->hasFocus());

  QTest::mouseClick(window.Effacer, Qt::LeftButton);
  for (QLineEdit* field : {window.Num_Activ, window.Nom_Activite, window.Num_Canton, window.Num_CP, window.Nom_Commune})
    EXPECT_TRUE(field->text().isEmpty());
  EXPECT_EQ(window.Antenne->text(), QStringLiteral("Yagi"));
  EXPECT_EQ(stored("N° CP"), "<absent>");
  QTest::keyClick(window.Num_CP, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(menus->selectQso()->etiquettes(), nullptr);
}

TEST_F(EtiquettesTest, PrintWritesTheSettingsWhichTheNextOpeningShows) {
  Etiquettes& window = openLabels(2);
  window.Num_Activ->setText(QStringLiteral("DFCF 59-045"));
  window.Nom_Commune->setText(QString::fromUtf8("Évreux"));
  window.Antenne->setText(QStringLiteral("Dipole"));
  window.Type_Etiquette[1]->setChecked(true);
  window.F_Etiquette[3]->setChecked(true);
  window.QSL[2]->setChecked(true);
  window.Ct_V->setCurrentIndex(1);
  enter(window.Rx_Tx, "FT-817");
  dialogs.expectPrinter(true);
  QTest::mouseClick(window.Imprime, Qt::LeftButton);
  EXPECT_EQ(stored("N° Activite") + "|" + stored("Commune") + "|" + stored("Transceiver") + "|" + stored("Antenne"),
            "DFCF 59-045|Évreux|FT-817|Dipole");
  EXPECT_EQ(stored("Type etiquette") + stored("Format etiquette") + stored("Format QSL") + stored("Centrage V"),
            "3431");
  EXPECT_EQ(fieldColour(window.Rx_Tx), AwaitingColour);
  EXPECT_TRUE(fs::exists(pdfFile()));

  window.close();
  QApplication::processEvents();
  Etiquettes& again = openLabels();
  EXPECT_EQ(again.Nom_Commune->text(), QString::fromUtf8("Évreux"));
  EXPECT_TRUE(again.Type_Etiquette[1]->isChecked() && again.F_Etiquette[3]->isChecked() && again.QSL[2]->isChecked());
  EXPECT_EQ(again.StartLabel->maximum(), 14);
  EXPECT_EQ(again.Ct_V->currentText(), QStringLiteral("-0,5"));
}

// A job without a contact or without a label type says what it lacks, in
// the interface language, and opens neither the printer choice nor the preview.
TEST_F(EtiquettesTest, NothingToPrintIsSaidWithoutAContact) {
  Etiquettes& window = openLabels(0);
  window.Type_Etiquette[1]->setChecked(true);
  dialogs.expectMessage("Aucun contact sélectionné");
  window.Imprime_Click();
  EXPECT_EQ(stored("Type etiquette"), "3");  // the window's choices are kept all the same
  state.Language = "An";
  dialogs.expectMessage("No contact selected");
  window.Preview_Click();
  EXPECT_FALSE(fs::exists(pdfFile()));
}

TEST_F(EtiquettesTest, NothingPrintedWithoutALabelTypeOrWithATextRefused) {
  Etiquettes& window = openLabels(2);
  dialogs.expectMessage("Aucun type d'étiquette choisi : individuel ou château");
  window.Imprime_Click();
  EXPECT_EQ(stored("Type etiquette") + stored("Format etiquette") + stored("Antenne"), "<absent>2");
  state.Language = "An";
  dialogs.expectMessage("No label type chosen: individual or castle");
  window.Preview_Click();
  state.Language = "Fr";
  window.Type_Etiquette[0]->setChecked(true);
  window.Antenne->setText(QStringLiteral("Yagi 3 elements 20m"));
  dialogs.expectMessage("15 caracteres maxi pour l'antenne");
  window.Imprime_Click();
  dialogs.expectMessage("15 caracteres maxi pour l'antenne");
  window.Preview_Click();
  window.Antenne->clear();
  window.Nom_Commune->setText(QString::fromUtf8("Jiřín"));
  dialogs.expectMessage(QString::fromUtf8("Ce caractère ne peut pas être enregistré : ř"));
  window.Imprime_Click();
  EXPECT_EQ(stored("Type etiquette"), "<absent>");
  EXPECT_FALSE(fs::exists(pdfFile()));
}

TEST_F(EtiquettesTest, PreviewShowsTheJobAndChangesNothing) {
  Etiquettes& window = openLabels(3);
  window.Type_Etiquette[0]->setChecked(true);
  window.F_Etiquette[4]->setChecked(true);
  const PrinterFont font = printer.font();
  const QSizeF paper = printer.paperSize();
  dialogs.expectPreview(true);  // no printer choice: the preview only, painting the three cards
  QTest::mouseClick(window.Preview, Qt::LeftButton);
  dialogs.verifyAllConsumed();
  EXPECT_EQ(stored("Type etiquette"), "<absent>");
  EXPECT_FALSE(printer.documentOpen());
  EXPECT_EQ(printer.font(), font);
  EXPECT_EQ(printer.paperSize(), paper);
  if (!havePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  const auto pages = pdfWords(pdfFile());
  ASSERT_EQ(pages.value_or(std::vector<PdfPage>{}).size(), 3u);
  EXPECT_NEAR(pages->front().size.width(), 140, 0.5);
}

}  // namespace
}  // namespace brivant
