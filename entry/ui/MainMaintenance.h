#pragma once
// The maintenance of a station's files from the main window: the reset after
// the critical question, the rebuild of the tallies from the log with the
// updating window up and the clock paused, and the backup when the window
// closes.

namespace brivant {

class Main;

// Mnu_RAZ_All: asks, and on OK replaces the log and the four tallies by the
// templates, then shows the empty grid, list and score.  Cancel changes nothing.
void resetAllFiles(Main& main);

// MAJ_Prefixe then MAJ_Departement: rebuilds the tallies from the log, showing
// "Prefixe Inconnu" for every logged callsign of an unknown prefix.  With
// showResult the grid, its count and the score follow (the menu); start-up
// shows them itself next.  False when the program cannot go on.
bool rebuildFromLog(Main& main, bool showResult);

// Copie_Securite when the main window closes: the reminder, then the ".bak"
// copies of the log and the four tallies.
void backupAtClosing(Main& main);

}  // namespace brivant
