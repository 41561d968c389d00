#include "labels/ui/Select_QSO.h"

#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "tests/labels/ui/LabelWindowsFixture.h"

namespace brivant {
namespace {

using namespace testing;

class SelectQsoTest : public LabelWindowsFixture {
 protected:
  static QString numbersIn(const QListView* list) {
    QStringList numbers;
    for (int row = 0; row < list->model()->rowCount(); ++row)
      numbers << list->model()->index(row, 0).data().toString().left(5).trimmed();
    return numbers.join(u' ');
  }
  static void click(QListView* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
  }
};

TEST_F(SelectQsoTest, OpensWithEveryContactToChooseInBothLanguages) {
  writeLog(12);
  for (const char* language : {"Fr", "An"}) {
    state.Language = language;
    Select_QSO& window = openSelection();
    EXPECT_EQ(window.windowTitle(), state.french() ? "Selection des QSO" : "Selection of the QSO");
    EXPECT_EQ(window.Impression->text(), state.french() ? "&Vers page Impression" : "&Go to page Print");
    EXPECT_EQ(numbersIn(window.Liste_QSO), QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12"));
    EXPECT_EQ(window.Liste_Imprime->model()->rowCount(), 0);
    // Each item is the list line: the number in 5 columns, a blank, the record.
    EXPECT_EQ(window.Liste_QSO->model()->index(9, 0).data().toString(), QString::fromStdString(labelListLines(12)[9]));
    expectDistinctAltLetters(window);
    QTest::keyClick(&window, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(menus->selectQso(), nullptr);
  }
}

TEST_F(SelectQsoTest, ClicksAndKeysMoveContactsBothWaysInNumberOrder) {
  writeLog(6);
  Select_QSO& window = openSelection();
  activate(window);
  for (int row : {4, 1, 2}) click(window.Liste_QSO, row);  // contacts 5, 2, 4
  EXPECT_EQ(numbersIn(window.Liste_Imprime), QStringLiteral("2 4 5"));
  click(window.Liste_Imprime, 1);
  EXPECT_EQ(numbersIn(window.Liste_QSO), QStringLiteral("1 3 4 6"));
  // Enter or Space moves the current contact; the next one comes up.
  window.Liste_QSO->setFocus();
  window.Liste_QSO->setCurrentIndex(window.Liste_QSO->model()->index(0, 0));
  QTest::keyClick(window.Liste_QSO, Qt::Key_Return);
  QTest::keyClick(window.Liste_QSO, Qt::Key_Space);
  EXPECT_EQ(numbersIn(window.Liste_Imprime), QStringLiteral("1 2 3 5"));
  window.Liste_Imprime->setCurrentIndex(window.Liste_Imprime->model()->index(3, 0));
  QTest::keyClick(window.Liste_Imprime, Qt::Key_Enter);
  QTest::mouseClick(window.Select_All, Qt::LeftButton);
  EXPECT_EQ(numbersIn(window.Liste_Imprime), QStringLiteral("1 2 3 4 5 6"));
  window.Select_All_Click();  // nothing left to move
  EXPECT_EQ(window.Liste_QSO->model()->rowCount(), 0);
  EXPECT_EQ(window.selection().chosenCount(), 6u);
}

TEST_F(SelectQsoTest, TheMenuBringsTheOpenWindowForwardAndTheLabelWindowOpensOverIt) {
  writeLog(3);
  Select_QSO& first = openSelection();
  first.Liste_QSO_Click(first.Liste_QSO->model()->index(0, 0));
  writeLog(8);
  EXPECT_EQ(&openSelection(), &first);
  EXPECT_EQ(first.selection().unchosenCount(), 2u);  // not read again

  QTest::mouseClick(first.Impression, Qt::LeftButton);
  QPointer<Etiquettes> labels = first.etiquettes();
  ASSERT_FALSE(labels.isNull());
  first.Impression_Click();
  EXPECT_EQ(first.etiquettes(), labels.data());
  QTest::mouseClick(labels->Selection, Qt::LeftButton);  // back to the selection, which stays
  QApplication::processEvents();
  EXPECT_TRUE(labels.isNull());
  EXPECT_TRUE(first.isVisible());
  // Closing the selection takes an open label window with it.
  first.Impression_Click();
  labels = first.etiquettes();
  first.close();
  QApplication::processEvents();
  EXPECT_TRUE(labels.isNull());
  EXPECT_EQ(openSelection().selection().unchosenCount(), 8u);
}

TEST_F(SelectQsoTest, AMissingLogGoesToTheMainWindowOrIsReported) {
  std::optional<FileError> reported;
  menus = std::make_unique<LabelMenus>(state, mainWindow, printer,
                                       LabelMenus::Hooks{[&](const FileError& error) { reported = error; }});
  menus->Mnu_Imp_QSL_Click();
  EXPECT_EQ(reported.value_or(FileError{}).number, FileNotFound);
  EXPECT_EQ(menus->selectQso(), nullptr);
  menus = std::make_unique<LabelMenus>(state, mainWindow, printer);
  dialogs.expectMessage(::testing::HasSubstr("53"));
  menus->Mnu_Imp_QSL_Click();
  EXPECT_EQ(menus->selectQso(), nullptr);
}

}  // namespace
}  // namespace brivant
