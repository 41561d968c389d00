#pragma once
// What the main window's output and help menus do: the handlers Main calls
// from Mnu_ADIF, Mnu_Quellon, Mnu_Feuille_Recap, Mnu_Imprime_Tout,
// Mnu_Reglement, Mnu_Mode_Emploi and Mnu_A_Propos (Mnu_Historique is Main's).

#include <QObject>
#include <QPointer>
#include <functional>

#include "core/AppState.h"
#include "platform/Result.h"

class QWidget;

namespace brivant {

class HelpWindow;
class Impression;
class Printer;
class Recapitulation;
class Reglement;

class OutputMenus final : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    // The rebuild of the tallies before the sheet (MAJ_Prefixe then
    // MAJ_Departement); false when it had to stop, and the sheet is not shown.
    // Without it the tallies are rebuilt here and a failure is reported.
    std::function<bool()> rebuildTallies;
    // A log or tally file that cannot be read when the sheet loads; without it
    // a message with the error number is shown.
    std::function<void(const FileError&)> fileError;
  };

  // A child of mainWindow, whose windows the menus open as windows of their
  // own over it (and its children, closed with it); they print on the
  // program's printer, which outlives them.
  OutputMenus(AppState& state, QWidget& mainWindow, Printer& printer, Hooks hooks = {});

  // The windows while they are open (nullptr once closed).
  Recapitulation* recapitulation() const;
  Impression* impression() const;
  Reglement* reglement() const;
  HelpWindow* helpWindow() const;

 public slots:
  void Mnu_ADIF_Click();
  void Mnu_Quellon_Click();
  void Mnu_Feuille_Recap_Click();
  void Mnu_Imprime_Tout_Click();
  void Mnu_Reglement_Click();
  void Mnu_Mode_Emploi_Click();
  void Mnu_A_Propos_Click();

 private:
  void reportFileError(const FileError& error);

  AppState& state_;
  QWidget& mainWindow_;
  Printer& printer_;
  Hooks hooks_;
  QPointer<Recapitulation> recapitulation_;
  QPointer<Impression> impression_;
  QPointer<Reglement> reglement_;
  QPointer<HelpWindow> helpWindow_;
};

}  // namespace brivant
