#pragma once
// What the main window's Mnu_Imp_QSL does: opens the contact selection for
// QSL labels, from which the label window is opened.

#include <QObject>
#include <QPointer>
#include <functional>

#include "core/AppState.h"
#include "platform/Result.h"

class QWidget;

namespace brivant {

class Printer;
class Select_QSO;

class LabelMenus final : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    // The log cannot be read when the selection opens (the missing-file
    // window for a missing log); without it a message names the error.
    std::function<void(const FileError&)> fileError;
  };

  // A child of mainWindow; the windows open as windows of their own over it
  // (its children, closed with it) and print on the program's printer, which
  // outlives them.
  LabelMenus(AppState& state, QWidget& mainWindow, Printer& printer, Hooks hooks = {});

  // The selection window while it is open (nullptr once closed).
  Select_QSO* selectQso() const;

 public slots:
  // Opens Select_QSO, or brings it forward as it is when it is open.
  void Mnu_Imp_QSL_Click();

 private:
  AppState& state_;
  QWidget& mainWindow_;
  Printer& printer_;
  Hooks hooks_;
  QPointer<Select_QSO> selectQso_;
};

}  // namespace brivant
