#pragma once
// How the sheet and the listing go to paper: Courier New bold 10, the printer
// choice, one printer line per line, then the printer's font as it was.

#include <QString>
#include <string>
#include <vector>

namespace brivant {

class Dialogs;
class Printer;

// Remembers the font name and size, prints in "Courier New" bold 10 on the
// printer chosen in the dialog (or the current one when it is cancelled),
// ends the document, switches bold off and restores the name and size.  The
// lines are Windows-1252 bytes.  False when the printer refused the document.
bool printLines(Printer& printer, Dialogs& dialogs, const std::vector<std::string>& lines);

// The message shown when printLines failed.
QString printFailureMessage(bool french);

}  // namespace brivant
