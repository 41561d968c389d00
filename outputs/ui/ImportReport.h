#pragma once
// The window that reports an imported ADIF file: the count of the contacts
// imported and refused and the report file's name, how many records each
// reason concerns, then every record refused or imported with a remark: its
// number in the file, its callsign, what became of it and why.

#include <QWidget>
#include <vector>

#include "outputs/AdifImport.h"

class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace brivant {

class NotesModel;

class ImportReport final : public QWidget {
  Q_OBJECT

 public:
  ImportReport(bool french, QWidget* parent = nullptr);

  // Fills the window and shows it centred; reportFileName is empty when the
  // file could not be written.
  void showReport(std::size_t imported, std::vector<ImportNote> notes, const QString& reportFileName);

  QLabel* summaryLabel = nullptr;
  QTableWidget* reasonTable = nullptr;  // count, outcome, reason
  QTableView* notesTable = nullptr;     // number, callsign, outcome, reason
  QPushButton* closeButton = nullptr;

 private:
  bool french_;
  NotesModel* notes_ = nullptr;  // the notes table's, replaced by each report
};

}  // namespace brivant
