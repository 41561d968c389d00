#pragma once
// The per-departement list: every contact of Liste_QSO with one departement.

#include "stats/ui/StatsWindow.h"

class QGroupBox;

namespace brivant {

class ColumnHeader;

class Affiche_Dpt final : public StatsWindow {
  Q_OBJECT

 public:
  Affiche_Dpt(AppState& state, StatsHooks hooks, QWidget* parent = nullptr);

  // Centre, the header and Quitter in the interface language.
  void Form_Load();
  // Fills the list with the contacts of a box's departement, the count line
  // and the caption.
  void showDepartement(int box);

  QPushButton* Quitter = nullptr;
  QListWidget* QSO_DU_Dpt = nullptr;
  QGroupBox* Frame2 = nullptr;
  ColumnHeader* Label1 = nullptr;  // column header
  QGroupBox* Frame1 = nullptr;
  QLabel* Label2 = nullptr;  // count line
};

}  // namespace brivant
