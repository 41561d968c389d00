#include "tests/support/qt/ModalAnswers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>
#include <memory>

#include "platform/ui/QtDialogs.h"

namespace brivant::testing {

void onNextModal(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  auto clock = std::make_shared<QElapsedTimer>();
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [timer, clock, act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr && clock->elapsed() < 5000) return;
    timer->stop();
    timer->deleteLater();
    if (modal == nullptr) {
      ADD_FAILURE() << "no modal window came up";
      return;
    }
    act(modal);
  });
  timer->start(10);
}

std::function<bool(QPrinter&)> realPrintDialog(std::optional<std::filesystem::path> pdf) {
  return [pdf = std::move(pdf)](QPrinter& printer) {
    bool shown = false;
    onNextModal([&shown, &pdf](QWidget* modal) {
      auto* dialog = qobject_cast<QPrintDialog*>(modal);
      QDialogButtonBox* buttons = dialog != nullptr ? dialog->findChild<QDialogButtonBox*>() : nullptr;
      if (buttons == nullptr) {
        ADD_FAILURE() << "not the print dialog: " << modal->metaObject()->className();
        modal->close();
        return;
      }
      shown = true;
      if (!pdf) {
        buttons->button(QDialogButtonBox::Cancel)->click();
        return;
      }
      // The file entry is the last of the printers, after the system's.
      auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
      auto* fileName = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
      if (printers == nullptr || fileName == nullptr || std::filesystem::exists(*pdf)) {
        ADD_FAILURE() << "the print dialog has no printer list or no file name, or " << pdf->string()
                      << " is there before the print";
        dialog->reject();
        return;
      }
      printers->setCurrentIndex(printers->count() - 1);
      fileName->setText(QString::fromStdString(pdf->string()));
      buttons->button(QDialogButtonBox::Ok)->click();
      if (dialog->isVisible()) {
        ADD_FAILURE() << "the print dialog stayed open after OK";
        dialog->reject();
      }
    });
    const bool chosen = QtDialogs().choosePrinter(printer);
    EXPECT_TRUE(shown) << "no print dialog was shown";
    return chosen;
  };
}

}  // namespace brivant::testing
