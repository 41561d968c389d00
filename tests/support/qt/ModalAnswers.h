#pragma once
// The program's own dialogs on the offscreen platform, answered while they
// run: a timer finds the next modal window (QApplication::activeModalWidget)
// and acts on it as an operator would.

#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace brivant::testing {

// Waits (inside the dialog's own event loop) for the next modal window and
// hands it to act, which must close it.  None within five seconds fails the
// test.
void onNextModal(std::function<void(QWidget*)> act);

// A printer choice for ScriptedDialogs::expectPrinter: the program's real one
// (QtDialogs::choosePrinter, Qt's print dialog).  With pdf, the dialog is told
// to print to that file ("Print to File (PDF)", the file's name) and its OK
// button is pressed; without, its Cancel button.  A window other than the
// print dialog, or a dialog that stays open after OK, fails the test.  The
// file must not exist yet (the dialog would ask whether to replace it).
std::function<bool(QPrinter&)> realPrintDialog(std::optional<std::filesystem::path> pdf);

}  // namespace brivant::testing
