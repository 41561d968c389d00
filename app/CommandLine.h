#pragma once
// The command line, read before the program folder is touched: --help,
// --version, and a one-line error for anything else that is not one of Qt's
// own options (-platform, -style, ..., which QApplication takes first).

#include <QCoreApplication>
#include <optional>

namespace brivant {

// Whether the logbook can open its windows: a display ($DISPLAY,
// $WAYLAND_DISPLAY), a platform chosen with $QT_QPA_PLATFORM, or Qt's own
// option -platform (for example -platform offscreen) among the arguments.
bool displayAvailable(int argc, char** argv);

// Names the application (Brivant and its version, RevisionText) and reads the
// arguments QApplication left.  --help, --help-all and --version print on
// standard output and end the program with status 0; an unknown option or
// an argument prints one line on standard error and gives 2, the status to
// end with.  Nothing when the program goes on.
std::optional<int> readCommandLine(const QCoreApplication& application);

}  // namespace brivant
