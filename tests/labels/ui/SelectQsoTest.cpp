#include "labels/ui/Select_QSO.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "core/LogFile.h"
#include "tests/labels/ui/LabelWindowsFixture.h"

namespace brivant {
namespace {

using namespace testing;

class SelectQsoTest : public LabelWindowsFixture {
 protected:
  static QStringList numbersIn(const QListView* list) {
    QStringList numbers;
    const QAbstractItemModel* model = list->model();
    for (int row = 0; row < model->rowCount(); ++row)
      numbers << model->index(row, 0).data().toString().left(5).trimmed();
    return numbers;
  }
  static void click(QListView* list, int row) {
    const QRect item = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
  }
};

TEST_F(SelectQsoTest, OpensWithEveryContactToChooseInBothLanguages) {
  writeLog(12);
  Select_QSO& window = openSelection();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.objectName(), QStringLiteral("Select_QSO"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Selection des QSO"));
  EXPECT_EQ(window.Label2->text(), QStringLiteral("Selection des QSO pour impression d'etiquettes"));
  EXPECT_EQ(window.Select_All->text(), QString::fromUtf8("&Tout séléctionner"));
  EXPECT_EQ(numbersIn(window.Liste_QSO), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
  EXPECT_EQ(window.Liste_Imprime->model()->rowCount(), 0);
  // Each item is the list line: the number in 5 columns, a blank, the record.
  EXPECT_EQ(window.Liste_QSO->model()->index(9, 0).data().toString(), QString::fromStdString(labelListLines(12)[9]));
  expectDistinctAltLetters(window);
  window.close();
  QApplication::processEvents();

  state.Language = "An";
  Select_QSO& english = openSelection();
  EXPECT_EQ(english.windowTitle(), QStringLiteral("Selection of the QSO"));
  EXPECT_EQ(english.Label3->text(), QStringLiteral("&Click on a QSO for select"));
  EXPECT_EQ(english.Impression->text(), QStringLiteral("&Go to page Print"));
  expectDistinctAltLetters(english);
}

TEST_F(SelectQsoTest, ClicksMoveContactsBothWaysInNumberOrder) {
  writeLog(6);
  Select_QSO& window = openSelection();
  window.show();
  click(window.Liste_QSO, 4);  // contact 5
  click(window.Liste_QSO, 1);  // contact 2
  click(window.Liste_QSO, 2);  // contact 4
  EXPECT_EQ(numbersIn(window.Liste_Imprime), QStringList({"2", "4", "5"}));
  EXPECT_EQ(numbersIn(window.Liste_QSO), QStringList({"1", "3", "6"}));
  click(window.Liste_Imprime, 1);  // contact 4 goes back
  EXPECT_EQ(numbersIn(window.Liste_QSO), QStringList({"1", "3", "4", "6"}));
  EXPECT_EQ(numbersIn(window.Liste_Imprime), QStringList({"2", "5"}));
  EXPECT_EQ(window.selection().chosenCount(), 2u);
}

TEST_F(SelectQsoTest, EnterOrSpaceMovesTheCurrentContactAndTheNextOneComesUp) {
  writeLog(4);
  Select_QSO& window = openSelection();
  window.Liste_QSO->setFocus();
  window.Liste_QSO->setCurrentIndex(window.Liste_QSO->model()->index(1, 0));
  QTest::keyClick(window.Liste_QSO, Qt::Key_Return);
  QTest::keyClick(window.Liste_QSO, Qt::Key_Space);
  EXPECT_EQ(numbersIn(window.Liste_Imprime), QStringList({"2", "3"}));
  EXPECT_EQ(window.Liste_QSO->currentIndex().row(), 1);
  window.Liste_Imprime->setCurrentIndex(window.Liste_Imprime->model()->index(0, 0));
  QTest::keyClick(window.Liste_Imprime, Qt::Key_Enter);
  EXPECT_EQ(numbersIn(window.Liste_QSO), QStringList({"1", "2", "4"}));
}

TEST_F(SelectQsoTest, SelectAllMovesEverythingAndThenNothing) {
  writeLog(5);
  Select_QSO& window = openSelection();
  window.Liste_QSO_Click(window.Liste_QSO->model()->index(3, 0));
  QTest::mouseClick(window.Select_All, Qt::LeftButton);
  EXPECT_EQ(numbersIn(window.Liste_Imprime), QStringList({"1", "2", "3", "4", "5"}));
  EXPECT_EQ(window.Liste_QSO->model()->rowCount(), 0);
  window.Select_All_Click();
  EXPECT_EQ(window.Liste_Imprime->model()->rowCount(), 5);
}

TEST_F(SelectQsoTest, TheMenuBringsTheOpenWindowForwardWithItsSelection) {
  writeLog(3);
  Select_QSO& first = openSelection();
  first.Liste_QSO_Click(first.Liste_QSO->model()->index(0, 0));
  writeLog(8);
  Select_QSO& again = openSelection();
  EXPECT_EQ(&again, &first);
  EXPECT_EQ(again.selection().chosenCount(), 1u);
  EXPECT_EQ(again.selection().unchosenCount(), 2u);
  // Closed, it forgets the selection; opened again, it reads the log again.
  QTest::keyClick(&again, Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_EQ(menus->selectQso(), nullptr);
  Select_QSO& reopened = openSelection();
  EXPECT_EQ(reopened.selection().unchosenCount(), 8u);
  EXPECT_EQ(reopened.selection().chosenCount(), 0u);
}

TEST_F(SelectQsoTest, AnEmptyLogGivesTwoEmptyLists) {
  writeLog(0);
  Select_QSO& window = openSelection();
  EXPECT_EQ(window.Liste_QSO->model()->rowCount(), 0);
  window.Select_All_Click();
  window.Liste_Imprime_Click(window.Liste_Imprime->model()->index(0, 0));
  EXPECT_EQ(window.Liste_Imprime->model()->rowCount(), 0);
}

TEST_F(SelectQsoTest, AMissingLogGoesToTheMainWindowOrIsReported) {
  std::optional<FileError> reported;
  menus = std::make_unique<LabelMenus>(state, &mainWindow, printer,
                                       LabelMenus::Hooks{[&](const FileError& error) { reported = error; }});
  menus->Mnu_Imp_QSL_Click();
  ASSERT_TRUE(reported.has_value());
  EXPECT_EQ(reported->number, FileNotFound);
  EXPECT_EQ(menus->selectQso(), nullptr);

  menus = std::make_unique<LabelMenus>(state, &mainWindow, printer);
  dialogs.expectMessage(::testing::HasSubstr("53"));
  menus->Mnu_Imp_QSL_Click();
  EXPECT_EQ(menus->selectQso(), nullptr);
}

TEST_F(SelectQsoTest, ImpressionOpensTheLabelWindowOverTheSelectionWhichStaysOpen) {
  writeLog(3);
  Select_QSO& window = openSelection();
  QTest::mouseClick(window.Impression, Qt::LeftButton);
  Etiquettes* labels = window.etiquettes();
  ASSERT_NE(labels, nullptr);
  EXPECT_TRUE(labels->isVisible());
  EXPECT_TRUE(window.isVisible());
  window.Impression_Click();
  EXPECT_EQ(window.etiquettes(), labels);
  // Back to the selection: the label window closes, the selection stays.
  QTest::mouseClick(labels->Selection, Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(window.etiquettes(), nullptr);
  EXPECT_TRUE(window.isVisible());
  // Closing the selection takes an open label window with it.
  window.Impression_Click();
  QPointer<Etiquettes> open = window.etiquettes();
  window.close();
  QApplication::processEvents();
  EXPECT_TRUE(open.isNull());
}

}  // namespace
}  // namespace brivant
