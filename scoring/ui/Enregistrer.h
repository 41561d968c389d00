#pragma once
// The button Enregistrer ("QSO Suivant"): the accepted entry becomes a log
// line, the lists and tallies learn the contact, the list, grid and score
// follow, and the entry starts again for the next contact.  It also ends an
// edit, replacing the edited contact's line.

#include "core/ui/MainOperations.h"

namespace brivant {

class Maintenance;

// The tallies are rebuilt through maintenance after an edit.
void Enregistrer_Click(const MainView& view, Maintenance& maintenance);

// The fields put back for the next contact, and the score shown.
void resetForNextContact(const MainView& view);

}  // namespace brivant
