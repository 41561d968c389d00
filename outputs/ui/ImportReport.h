#pragma once
// The window that lists the records of an imported ADIF file that were
// refused: their number in the file, their callsign and the reason, under
// the count of the contacts imported and refused and the report file's name.

#include <QWidget>

#include "outputs/AdifImport.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace brivant {

class ImportReport final : public QWidget {
  Q_OBJECT

 public:
  ImportReport(bool french, QWidget* parent = nullptr);

  // Fills the window from the plan and the report file's name (empty when it
  // could not be written), and shows it centred.
  void showPlan(const ImportPlan& plan, const QString& reportFileName);

  QLabel* summaryLabel = nullptr;
  QTableWidget* refusedTable = nullptr;
  QPushButton* closeButton = nullptr;

 private:
  bool french_;
};

}  // namespace brivant
