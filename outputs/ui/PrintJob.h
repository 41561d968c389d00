#pragma once
// How the sheet and the listing go to paper: the printer choice, then Courier
// New bold 10, one printer line per line, in one document however many pages
// it takes, then the printer's font as it was.

#include <QString>
#include <string>
#include <vector>

namespace brivant {

class Dialogs;
class Printer;

// Prints nothing when the printer choice is cancelled.  Otherwise remembers
// the font name and size, prints in "Courier New" bold 10 on the printer
// chosen, ends the document, switches bold off and restores the name and
// size.  The lines are Windows-1252 bytes.  False when the printer refused
// the document.
bool printLines(Printer& printer, Dialogs& dialogs, const std::vector<std::string>& lines);

// The message shown when printLines failed.
QString printFailureMessage(bool french);

}  // namespace brivant
