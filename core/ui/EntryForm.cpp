#include "core/ui/EntryForm.h"

#include <QComboBox>
#include <QLineEdit>

namespace brivant {

std::array<EntryField, EntryFieldCount> EntryForm::fields() const {
  using enum EntryField::Holds;
  using F = QsoFields;
  // control, text, holds, capitals, typed, opensInTurn
  return {{
      {Bande_A, &F::band, Text, false, true, false},
      {Mode_A, &F::mode, Text, false, true, true},
      {Indicatif_A, &F::callsign, Text, true, true, false},
      {Depart_A, &F::departement, Text, false, true, true},
      {Locator_A, &F::locator, Text, false, true, true},
      {Activite_A, &F::activity, ItemIndex, false, true, true},
      {Date_A, &F::date, Text, false, true, true},
      {Debut_A, &F::start, Text, false, true, true},
      {Fin_A, &F::end, Text, false, true, true},
      {RSTR_A, &F::rstReceived, Text, false, true, true},
      {RSTE_A, &F::rstSent, Text, false, true, true},
      {Prenom_A, &F::firstName, Text, true, true, true},
      {QTH_A, &F::qth, Text, true, true, true},
      {Remarques_A, &F::castleName, Text, true, true, true},
      {Distance_A, &F::distance, Text, false, false, false},
      {Azimut_A, &F::azimuth, Text, false, false, false},
  }};
}

}  // namespace brivant
