#pragma once
// What the Fichier menu's ADIF import does: the file chosen (refused when it
// is larger than any day's log), read with its progress, the question on
// contacts of other dates than the event's, the accepted ones put into the
// log in one replacement, the list, the tallies, the grid and the score
// brought up to date, and the refused records and the remarks listed in a
// report window and a text file.  A file that cannot be
// read or written is named in a message with its error number; the log is
// then as it was.  A torn last line of the log is set aside (and said) before
// the log is read.

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/AppState.h"

class QProgressDialog;
class QWidget;

namespace brivant {

class ImportReport;

class AdifImporter final : public QObject {
  Q_OBJECT

 public:
  struct Hooks {
    // The log was replaced: the list shows its lines, the tallies are rebuilt
    // and the grid and the score follow.
    std::function<void(std::vector<std::string> listLines)> logReplaced;
    // The program runs as the template station, whose log is never written:
    // the station is asked for instead of a file.
    std::function<void()> askForStation;
  };

  // Files of more bytes than this show a progress bar while read.
  static constexpr std::uintmax_t ProgressFromBytes = 128 * 1024;

  // A child of mainWindow; the progress bar and the report window open over
  // it (its children, closed with it).
  AdifImporter(AppState& state, QWidget& mainWindow, Hooks hooks = {});

  // The report window while it is open, and the last progress bar (nullptr
  // when no file was long enough to need one).
  ImportReport* report() const;
  QProgressDialog* progressDialog() const;

 public slots:
  void Mnu_Import_ADIF_Click();

 private:
  AppState& state_;
  QWidget& mainWindow_;
  Hooks hooks_;
  QPointer<ImportReport> report_;
  QPointer<QProgressDialog> progress_;
};

}  // namespace brivant
