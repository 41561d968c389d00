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
  void enter(QLineEdit* field) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
  }
};

TEST_F(EtiquettesTest, AFirstOpeningForANewCallsign) {
  state.StationCall = "F6ABC_P";
  writeBytes(programDir / "F6ABC_P.log", "");
  Etiquettes& window = openLabels();
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("    Impression d'étiquettes pour QSL"));
  EXPECT_EQ(window.Indica->text(), QStringLiteral("F6ABC/P"));
  for (LabelField which : LabelFields) EXPECT_TRUE(window.field(which)->text().isEmpty());
  EXPECT_TRUE(window.F_Etiquette[1]->isChecked());  // the DECADRY sheet
  EXPECT_FALSE(window.Type_Etiquette[0]->isChecked());
  EXPECT_FALSE(window.Type_Etiquette[1]->isChecked());
  EXPECT_TRUE(window.QSL[0]->isChecked());
  EXPECT_EQ(window.Ct_V->currentText(), QStringLiteral("0"));
  EXPECT_EQ(window.Ct_V->count(), 5);
  EXPECT_FALSE(window.Arret_Imp->isChecked());
  EXPECT_EQ(window.StartLabel->value(), 1);
  EXPECT_EQ(window.StartLabel->maximum(), 16);
  EXPECT_EQ(fieldColour(window.Num_Activ), AwaitingColour);
  EXPECT_EQ(fieldColour(window.Rx_Tx), AwaitingColour);
  // The samples show the label texts of the language.
  EXPECT_TRUE(window.individualSample->text().contains(QString::fromUtf8("Journée Nationale des Ruziduza")));
  EXPECT_TRUE(window.castleSample->text().contains(QStringLiteral("Canton")));
  EXPECT_FALSE(window.castleSample->text().contains(QString::fromUtf8("Journée")));
  expectDistinctAltLetters(window);
}

TEST_F(EtiquettesTest, CaptionsInEnglish) {
  state.Language = "An";
  Etiquettes& window = openLabels();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("    Printing labels for QSL"));
  EXPECT_EQ(window.Label1->text(), QStringLiteral("Printing labels for QSL"));
  EXPECT_EQ(window.indicaCaption->text(), QStringLiteral("Callsign"));
  EXPECT_EQ(window.F_Etiquette[4]->text(), QStringLiteral("QSL &direct printing on"));
  EXPECT_EQ(window.F_Etiquette[0]->text(),
            QStringLiteral("AVERY L716&2                 99.1 x 33.9     16 Etiquettes"));
  EXPECT_EQ(window.QSL[1]->text(), QStringLiteral("Tnx for the QSO and for &your QSL"));
  EXPECT_EQ(window.adviceLines[3]->text(), QStringLiteral("'Vertical offset sheet' below"));
  EXPECT_EQ(window.fieldCaptions[6]->text(), QStringLiteral("&Antenna"));
  EXPECT_EQ(window.Imprime->text(), QStringLiteral("Print &labels"));
  EXPECT_EQ(window.Preview->text(), QStringLiteral("&Preview"));
  EXPECT_TRUE(window.individualSample->text().contains(QStringLiteral("Ravuzore Ruruzav Evu")));
  expectDistinctAltLetters(window);
}

TEST_F(EtiquettesTest, TheStoredEntriesAreShown) {
  for (const auto& [key, value] : {std::pair{"N° Activite", "DFCF 59-045"},
                                   {"Nom Activite", "Château de Flers"},
                                   {"N° Canton", "5911"},
                                   {"N° CP", "59650"},
                                   {"Commune", "Villeneuve d'Ascq"},
                                   {"Transceiver", "FT-817"},
                                   {"Antenne", "Dipole"},
                                   {"Type etiquette", "3"},
                                   {"Format etiquette", "4"},
                                   {"Format QSL", "2"},
                                   {"Centrage V", "4"}}) {
    ASSERT_TRUE(store.save("ZIV", "Setup F6ABC", key, value).ok());
  }
  Etiquettes& window = openLabels();
  EXPECT_EQ(window.Nom_Activite->text(), QString::fromUtf8("Château de Flers"));
  EXPECT_EQ(window.Antenne->text(), QStringLiteral("Dipole"));
  EXPECT_TRUE(window.Type_Etiquette[1]->isChecked());
  EXPECT_TRUE(window.F_Etiquette[3]->isChecked());
  EXPECT_EQ(window.StartLabel->maximum(), 14);
  EXPECT_TRUE(window.QSL[1]->isChecked());
  EXPECT_EQ(window.Ct_V->currentText(), QStringLiteral("+1"));
}

TEST_F(EtiquettesTest, TheActivationChain) {
  Etiquettes& window = openLabels();
  activate(window);
  window.Num_Activ->setFocus();
  QTest::keyClicks(window.Num_Activ, "dfcf 59-045");
  EXPECT_EQ(window.Num_Activ->text(), QStringLiteral("DFCF 59-045"));
  enter(window.Num_Activ);
  EXPECT_EQ(fieldColour(window.Num_Activ), AcceptedColour);
  EXPECT_EQ(fieldColour(window.Nom_Activite), AwaitingColour);
  EXPECT_TRUE(window.Nom_Activite->hasFocus());

  dialogs.expectMessage(QString::fromUtf8("Nom de l'activité obligatoire"));
  enter(window.Nom_Activite);
  EXPECT_TRUE(window.Nom_Activite->hasFocus());
  QTest::keyClicks(window.Nom_Activite, "Chateau de Flers");
  enter(window.Nom_Activite);
  EXPECT_TRUE(window.Num_Canton->hasFocus());

  QTest::keyClicks(window.Num_Canton, "59111");
  dialogs.expectMessage("4 caracteres maxi");
  enter(window.Num_Canton);
  EXPECT_TRUE(window.Num_Canton->hasFocus());
  EXPECT_EQ(fieldColour(window.Num_Canton), AwaitingColour);
  window.Num_Canton->backspace();
  enter(window.Num_Canton);
  EXPECT_EQ(fieldColour(window.Num_Canton), AcceptedColour);
  QTest::keyClicks(window.Num_CP, "59650");
  enter(window.Num_CP);
  EXPECT_EQ(fieldColour(window.Nom_Commune), AwaitingColour);
  QTest::keyClicks(window.Nom_Commune, "Flers");
  enter(window.Nom_Commune);
  EXPECT_TRUE(window.Imprime->hasFocus());
  EXPECT_EQ(fieldColour(window.Nom_Commune), AwaitingColour);
}

TEST_F(EtiquettesTest, TheStationChain) {
  Etiquettes& window = openLabels();
  activate(window);
  // An empty transceiver moves on without a message.
  enter(window.Rx_Tx);
  EXPECT_TRUE(window.Antenne->hasFocus());
  EXPECT_EQ(fieldColour(window.Rx_Tx), AcceptedColour);
  EXPECT_EQ(fieldColour(window.Antenne), AwaitingColour);
  QTest::keyClicks(window.Antenne, "yagi 3 elements 20m");
  EXPECT_EQ(window.Antenne->text(), QStringLiteral("yagi 3 elements 20m"));  // no capitals here
  dialogs.expectMessage("15 caracteres maxi");
  enter(window.Antenne);
  EXPECT_TRUE(window.Antenne->hasFocus());
  window.Antenne->setText(QStringLiteral("Yagi"));
  enter(window.Antenne);
  EXPECT_TRUE(window.Imprime->hasFocus());
}

TEST_F(EtiquettesTest, ClearEmptiesTheActivationOnlyAndStoresNothing) {
  ASSERT_TRUE(store.save("ZIV", "Setup F6ABC", "N° CP", "59650").ok());
  Etiquettes& window = openLabels();
  window.Num_Activ->setText(QStringLiteral("DFCF 59-045"));
  window.Rx_Tx->setText(QStringLiteral("FT-817"));
  QTest::mouseClick(window.Effacer, Qt::LeftButton);
  for (QLineEdit* field : {window.Num_Activ, window.Nom_Activite, window.Num_Canton, window.Num_CP, window.Nom_Commune})
    EXPECT_TRUE(field->text().isEmpty());
  EXPECT_EQ(window.Rx_Tx->text(), QStringLiteral("FT-817"));
  EXPECT_EQ(stored("N° CP"), "59650");
}

TEST_F(EtiquettesTest, PrintWritesTheSettingsAndPaintsTheFirstFieldsAgain) {
  Etiquettes& window = openLabels(2);
  window.Num_Activ->setText(QStringLiteral("DFCF 59-045"));
  window.Nom_Commune->setText(QString::fromUtf8("Évreux"));
  window.Rx_Tx->setText(QStringLiteral("FT-817"));
  window.Antenne->setText(QStringLiteral("Dipole"));
  window.Type_Etiquette[1]->setChecked(true);
  window.F_Etiquette[2]->setChecked(true);
  window.QSL[2]->setChecked(true);
  window.Ct_V->setCurrentIndex(1);
  window.Rx_Tx->setFocus();
  QTest::keyClick(window.Rx_Tx, Qt::Key_Return);
  EXPECT_EQ(fieldColour(window.Rx_Tx), AcceptedColour);
  dialogs.expectPrinter(true);
  QTest::mouseClick(window.Imprime, Qt::LeftButton);
  EXPECT_EQ(stored("N° Activite"), "DFCF 59-045");
  EXPECT_EQ(stored("Commune"), "Évreux");
  EXPECT_EQ(stored("Transceiver"), "FT-817");
  EXPECT_EQ(stored("Antenne"), "Dipole");
  EXPECT_EQ(stored("Type etiquette"), "3");
  EXPECT_EQ(stored("Format etiquette"), "3");
  EXPECT_EQ(stored("Format QSL"), "3");
  EXPECT_EQ(stored("Centrage V"), "1");
  EXPECT_EQ(fieldColour(window.Rx_Tx), AwaitingColour);
  EXPECT_EQ(fieldColour(window.Num_Activ), AwaitingColour);
  EXPECT_TRUE(fs::exists(pdfFile()));
}

TEST_F(EtiquettesTest, AnAntennaOverFifteenCharactersStopsEverything) {
  Etiquettes& window = openLabels(2);
  window.Type_Etiquette[0]->setChecked(true);
  window.Antenne->setText(QStringLiteral("Yagi 3 elements 20m"));
  dialogs.expectMessage("15 caracteres maxi pour l'antenne");
  window.Imprime_Click();
  dialogs.expectMessage("15 caracteres maxi pour l'antenne");
  window.Preview_Click();
  EXPECT_EQ(stored("Antenne"), "<absent>");
  EXPECT_EQ(stored("Format etiquette"), "<absent>");
  EXPECT_FALSE(fs::exists(pdfFile()));
}

TEST_F(EtiquettesTest, ACharacterNoLabelCanCarryIsRefused) {
  Etiquettes& window = openLabels(1);
  window.Type_Etiquette[0]->setChecked(true);
  window.Nom_Commune->setText(QString::fromUtf8("Jiřín"));
  dialogs.expectMessage(QString::fromUtf8("Ce caractère ne peut pas être enregistré : ř"));
  window.Imprime_Click();
  EXPECT_EQ(stored("Commune"), "<absent>");
  EXPECT_FALSE(fs::exists(pdfFile()));
}

TEST_F(EtiquettesTest, WithoutALabelTypeThePrinterIsChosenAndNothingPrinted) {
  Etiquettes& window = openLabels(3);
  dialogs.expectPrinter(true);
  window.Imprime_Click();
  EXPECT_FALSE(fs::exists(pdfFile()));
  EXPECT_FALSE(printer.documentOpen());
  EXPECT_EQ(stored("Type etiquette"), "<absent>");
  EXPECT_EQ(stored("Format etiquette"), "2");
}

TEST_F(EtiquettesTest, PreviewShowsTheJobAndChangesNoSetting) {
  Etiquettes& window = openLabels(3);
  window.Type_Etiquette[0]->setChecked(true);
  window.F_Etiquette[4]->setChecked(true);
  window.Rx_Tx->setText(QStringLiteral("FT-817"));
  const PrinterFont font = printer.font();
  const QSizeF paper = printer.paperSize();
  // No printer choice: only the preview, which paints the three cards.
  dialogs.expectPreview(true);
  QTest::mouseClick(window.Preview, Qt::LeftButton);
  dialogs.verifyAllConsumed();
  EXPECT_EQ(stored("Transceiver"), "<absent>");
  EXPECT_EQ(stored("Type etiquette"), "<absent>");
  EXPECT_FALSE(printer.documentOpen());
  EXPECT_EQ(printer.font(), font);
  EXPECT_EQ(printer.paperSize(), paper);
  if (!havePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  const auto pages = pdfWords(pdfFile());
  ASSERT_TRUE(pages.has_value());
  ASSERT_EQ(pages->size(), 3u);
  EXPECT_NEAR(pages->front().size.width(), 140, 0.5);

  // Closed unpainted, nothing is drawn anywhere.
  fs::remove(pdfFile());
  dialogs.expectPreview(false);
  window.Preview_Click();
  EXPECT_FALSE(fs::exists(pdfFile()));
}

TEST_F(EtiquettesTest, EscapeClosesTheWindow) {
  Etiquettes& window = openLabels();
  QPointer<Etiquettes> open = &window;
  QTest::keyClick(window.Num_CP, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_TRUE(open.isNull());
}

}  // namespace
}  // namespace brivant
