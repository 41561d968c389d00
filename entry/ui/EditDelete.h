#pragma once
// The buttons under the entry that act on a logged contact or on the one
// being typed: Editer loads the selected contact into the fields, Effacer
// deletes it (then the tallies are rebuilt), Annuler abandons the entry.

#include <string_view>

#include "core/ui/MainOperations.h"

namespace brivant {

class Maintenance;
struct EntryDraft;

// The list's current line becomes the draft's EditedLine, except while a
// contact is edited: the edit replaces the line it loaded, whatever is clicked
// meanwhile.
void Liste_QSO_Click(const MainView& view, EntryDraft& draft);

void Editer_Click(const MainView& view, EntryDraft& draft);
// Deletes the selected contact, then rebuilds the tallies.  Before a station
// is set the Station window opens instead: the template log is never written.
void Effacer_Click(const MainView& view, const EntryDraft& draft, Maintenance& maintenance);
void Annuler_Click(const MainView& view, EntryDraft& draft);

// Asks, then removes the selected contact from the log and the list: 0 when
// it was deleted, 1 when the operator declined (or the log could not be
// changed).
int Efface_QSO(const MainView& view, std::string_view callsign);

}  // namespace brivant
