#include "platform/ui/QtDialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <QVBoxLayout>
#include <functional>

#include "tests/support/ScriptedDialogs.h"
#include "tests/support/qt/ModalAnswers.h"

namespace {

using brivant::QtDialogs;
using brivant::testing::onNextModal;

struct SeenBox {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
};

// Presses `button` on the next message box and reports what it showed.
void pressOnNextBox(QMessageBox::StandardButton button, SeenBox& seen) {
  onNextModal([button, &seen](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) {
      ADD_FAILURE() << "not a message box: " << modal->metaObject()->className();
      modal->close();
      return;
    }
    seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
    box->button(button)->click();
  });
}

TEST(QtDialogs, MessageShowsAPlainBoxWithOk) {
  QtDialogs dialogs;
  SeenBox seen;
  pressOnNextBox(QMessageBox::Ok, seen);
  dialogs.message(QString::fromUtf8("Indicatif déjà contacté"));
  EXPECT_EQ(seen.title, QStringLiteral("Brivant"));
  EXPECT_EQ(seen.text, QString::fromUtf8("Indicatif déjà contacté"));
  EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
}

TEST(QtDialogs, YesNoAnswersTheButtonPressed) {
  QtDialogs dialogs;
  for (auto [button, expected] : {std::pair{QMessageBox::Yes, true}, std::pair{QMessageBox::No, false}}) {
    SeenBox seen;
    pressOnNextBox(button, seen);
    EXPECT_EQ(dialogs.yesNo(QStringLiteral("Nouveau préfixe ?")), expected);
    EXPECT_EQ(seen.title, QStringLiteral("Brivant"));
    EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
  }
  // Closing the box (Escape) is No.
  onNextModal([](QWidget* modal) { modal->close(); });
  EXPECT_FALSE(dialogs.yesNo(QStringLiteral("Fermer ?")));
}

TEST(QtDialogs, OkCancelHasTheCriticalIcon) {
  QtDialogs dialogs;
  for (auto [button, expected] : {std::pair{QMessageBox::Ok, true}, std::pair{QMessageBox::Cancel, false}}) {
    SeenBox seen;
    pressOnNextBox(button, seen);
    EXPECT_EQ(dialogs.okCancelCritical(QStringLiteral("!!! ATTENTION !!!")), expected);
    EXPECT_EQ(seen.icon, QMessageBox::Critical);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
  }
}

TEST(QtDialogs, ChoosePrinterIsFalseOnCancel) {
  QtDialogs dialogs;
  QPrinter printer;
  bool wasPrintDialog = false;
  bool offersPageRange = true;
  onNextModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QPrintDialog*>(modal);
    wasPrintDialog = dialog != nullptr;
    if (dialog) {
      offersPageRange = dialog->testOption(QAbstractPrintDialog::PrintPageRange);
      dialog->reject();
    } else {
      modal->close();
    }
  });
  EXPECT_FALSE(dialogs.choosePrinter(printer));
  EXPECT_TRUE(wasPrintDialog);
  EXPECT_FALSE(offersPageRange);  // a job prints whole
}

// After a box, the window that was active has the keyboard again: the field
// it focuses then receives the keys typed.
TEST(QtDialogs, TheWindowBeforeABoxIsActiveAgainAfterIt) {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* first = new QLineEdit(&window);
  auto* second = new QLineEdit(&window);
  layout->addWidget(first);
  layout->addWidget(second);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  second->setFocus();
  QtDialogs dialogs(&window);
  const std::function<void()> boxes[] = {
      [&] { dialogs.message(QStringLiteral("Bande inconnue")); },
      [&] { (void)dialogs.yesNo(QStringLiteral("Nouveau préfixe ?")); },
      [&] { (void)dialogs.okCancelCritical(QStringLiteral("!!! ATTENTION !!!")); },
  };
  for (const auto& box : boxes) {
    onNextModal([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->buttons().front()->click(); });
    box();
    // The field the entry expects next is focused before the window is back.
    first->setFocus();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window, 2000));
    EXPECT_EQ(QApplication::focusWidget(), first);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("F5"));
    EXPECT_EQ(first->text(), QStringLiteral("F5"));
    first->clear();
  }
}

TEST(ScriptedDialogsPrinter, AnswersThePrinterChoice) {
  brivant::testing::ScriptedDialogs dialogs;
  dialogs.expectPrinter(true).expectPrinter(false);
  QPrinter printer;
  EXPECT_TRUE(dialogs.choosePrinter(printer));
  EXPECT_FALSE(dialogs.choosePrinter(printer));
  EXPECT_EQ(dialogs.texts(brivant::testing::ScriptedDialogs::Kind::Printer).size(), 2);
}

}  // namespace
