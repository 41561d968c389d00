#pragma once
// The entry chain of the main window: what Enter, Escape, clicks and double
// clicks do in each entry field, in the order the operator fills them, and
// the guard that keeps characters Windows-1252 cannot hold out of every
// field.  Enter on a focused button of the entry presses it; what the
// buttons do is connected by the composition of the program.

#include <QObject>
#include <QString>
#include <string>

#include "core/ui/MainOperations.h"
#include "entry/EntryDraft.h"
#include "entry/EntryRules.h"

class QLineEdit;
class QKeyEvent;
class QWidget;

namespace brivant {

class DeptGridView;
struct EntryForm;

class EntryChain final : public QObject {
  Q_OBJECT

 public:
  // Installs every handler on the form's fields; the main window owns the
  // chain.  grid is the departement grid the entry marks.
  EntryChain(MainView view, DeptGridView& grid);

  // The contact being typed.  The chain owns it; Editer, Annuler and the save
  // are handed it.
  EntryDraft& draft() { return draft_; }
  const EntryDraft& draft() const { return draft_; }
  // The start of the program: the entry stands on the band shown, no
  // contact edited.
  void startEntry(std::string band);

  // Enter in each field, in the order of entry.
  void Bande_A_Enter();
  void Mode_A_Enter();
  void Indicatif_A_Enter();
  void Depart_A_Enter();
  void Activite_A_Enter();
  void Date_A_Enter();
  void Debut_A_Enter();
  void Fin_A_Enter();
  void RSTR_A_Enter();
  void RSTE_A_Enter();
  void Prenom_A_Enter();
  void QTH_A_Enter();
  void Remarques_A_Enter();

  // Other keys and the mouse.
  void Bande_A_Click();
  // Bande_A shows another band than the entry's (chosen or typed without
  // Enter, or set by another window): what the contact's lookups found
  // belongs to the entry's band, so the entry goes back to the band.
  void bandChanged();
  void Indicatif_A_Escape();

  // A callsign offered from elsewhere (a spot of the cluster window): put in
  // Indicatif_A, focused, when the entry waits for a new contact's callsign;
  // whether it was.  Nothing changes while a contact is edited or another
  // field waits.
  bool offerCallsign(const QString& callsign);

  // The band and mode of the radio (mode empty: the band only), taken when
  // the entry waits for a new contact: no contact edited, and the band, the
  // mode or an empty callsign awaiting.  The band and mode then stand as if
  // typed and entered (the grid, Frame3, the reports of a new mode, the
  // stored choices); the focus stays where it is.  Whether they were taken.
  // (EntryFollowsRadio.cpp)
  bool followRadio(const std::string& band, const std::string& mode);

 private:
  void installKeys();
  void installGuards();
  // Keeps a field free of characters 1252 cannot hold, and in capitals when
  // the field wants them, whether the text was typed or pasted.
  void guard(QLineEdit* field, bool capitals);
  // A typed character 1252 cannot hold: refused before it reaches the field.
  bool refusesKey(const QKeyEvent& event);
  void refuseCharacter(const QString& character);
  // The lookups of an accepted callsign (first-name list, prefix tally,
  // directory); false when the program must stop.
  bool lookUpStation();
  void lookUpFirstName();
  bool lookUpPrefix();
  void lookUpDirectory();
  void refuse(EntryMessage message, const std::string& departement = {});
  bool french() const;

  MainView view_;
  EntryDraft draft_;
  AppState& state_;
  EntryForm& form_;
  const MainOperations& main_;
  DeptGridView& grid_;
};

}  // namespace brivant
