#pragma once
// The controls of the main window that the entry of a contact works on,
// grouped in one struct as Qt's generated Ui:: structs group a form's widgets:
// the fields in the order the operator fills them, the buttons under them,
// the captions the entry rewrites, the frames whose titles follow the entry,
// the list of contacts, the score and the step counter of the save.  Main
// fills it; the windows of the other folders receive it instead of Main.

#include <array>
#include <string>

#include "core/QsoRecord.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QWidget;

namespace brivant {

// One field of the form and what it holds of the contact.
struct EntryField {
  enum class Holds {
    Text,       // the contact's text is the field's text
    ItemIndex,  // the contact's text is the number of the combo's item (Activite_A)
  };
  QWidget* control;  // a QLineEdit, or an editable QComboBox
  std::string QsoFields::*text;
  Holds holds;
  bool capitals;     // letters typed in it become capitals
  bool typed;        // the operator fills it; false for the locator readouts (distance, azimuth)
  bool opensInTurn;  // closed at rest, opened as the entry reaches it
};
inline constexpr std::size_t EntryFieldCount = 16;

struct EntryForm {
  // Fields.  Bande_A, Mode_A and Activite_A are editable combos that never
  // add typed text to their items.
  QComboBox* Bande_A = nullptr;
  QComboBox* Mode_A = nullptr;
  QComboBox* Activite_A = nullptr;
  QLineEdit* Indicatif_A = nullptr;
  QLineEdit* Depart_A = nullptr;
  QLineEdit* Locator_A = nullptr;
  QLineEdit* Date_A = nullptr;
  QLineEdit* Debut_A = nullptr;
  QLineEdit* Fin_A = nullptr;
  QLineEdit* RSTR_A = nullptr;
  QLineEdit* RSTE_A = nullptr;
  QLineEdit* Prenom_A = nullptr;
  QLineEdit* QTH_A = nullptr;
  QLineEdit* Remarques_A = nullptr;
  QLineEdit* Distance_A = nullptr;
  QLineEdit* Azimut_A = nullptr;

  // Buttons; each starts disabled and is enabled where it is connected.
  QPushButton* Enregistrer = nullptr;
  QPushButton* Annuler = nullptr;
  QPushButton* Editer = nullptr;
  QPushButton* Effacer = nullptr;
  QPushButton* Recherche = nullptr;
  QPushButton* ClusterHF = nullptr;

  // Captions the entry rewrites: over the callsign, "DFCF" before the castle
  // reference, over the castle name.
  QLabel* Label5 = nullptr;
  QLabel* Label26 = nullptr;
  QLabel* Label38 = nullptr;

  // Frame3 holds the departement grid (title: its count), Frame4 the form
  // (title: the number of the next contact).
  QGroupBox* Frame3 = nullptr;
  QGroupBox* Frame4 = nullptr;

  QListView* Liste_QSO = nullptr;
  QLabel* P_QSO = nullptr;     // the score
  QLabel* NB_Debug = nullptr;  // the step of the save being run

  // Every field of the contact, in the order the operator fills them: the
  // one list of the fields that the entry, the save, the edit and the
  // cancellation go through.
  std::array<EntryField, EntryFieldCount> fields() const;
};

}  // namespace brivant
