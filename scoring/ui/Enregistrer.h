#pragma once
// The button Enregistrer ("QSO Suivant"): the accepted entry becomes a log
// line, the lists and tallies learn the contact, the list, grid and score
// follow, and the entry starts again for the next contact.  It also ends an
// edit, replacing the edited contact's line.

namespace brivant {

class Main;

void Enregistrer_Click(Main& main);

// The fields put back for the next contact, and the score shown.
void resetForNextContact(Main& main);

}  // namespace brivant
