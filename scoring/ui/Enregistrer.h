#pragma once
// The button Enregistrer ("QSO Suivant"): the accepted entry (the draft the
// entry chain hands over, and the fields of the form) becomes a log
// line, the lists and tallies learn the contact, the list, grid and score
// follow, and the entry starts again for the next contact.  It also ends an
// edit, replacing the edited contact's line.

#include "core/ui/MainOperations.h"

namespace brivant {

class Maintenance;
struct EntryDraft;

// The tallies are rebuilt through maintenance after an edit.  The whole
// contact is checked before any file is written, each field as its own Enter
// checks it; a refusal shows that field's message and focuses it.  Before a
// station is set nothing is saved: the Station window opens and a new
// contact waits at its callsign.
void Enregistrer_Click(const MainView& view, EntryDraft& draft, Maintenance& maintenance);

// The fields put back for the next contact (the band stays the entry's), and
// the score shown.
void resetForNextContact(const MainView& view, const EntryDraft& draft);

}  // namespace brivant
