#pragma once
// The buttons under the entry that act on a logged contact or on the one
// being typed: Editer loads the selected contact into the fields, Effacer
// deletes it (then the tallies are rebuilt), Annuler abandons the entry.

#include <string_view>

namespace brivant {

class Main;

// The list's current line becomes EditedLine, except while a contact is
// edited: the edit replaces the line it loaded, whatever is clicked meanwhile.
void Liste_QSO_Click(Main& main);

void Editer_Click(Main& main);
void Effacer_Click(Main& main);
void Annuler_Click(Main& main);

// Asks, then removes the selected contact from the log and the list: 0 when
// it was deleted, 1 when the operator declined (or the log could not be
// changed).
int Efface_QSO(Main& main, std::string_view callsign);

}  // namespace brivant
