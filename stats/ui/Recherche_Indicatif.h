#pragma once
// The search window: finds contacts in Liste_QSO by callsign, castle
// reference or departement; picking a result selects it in the main list.

#include <array>

#include "stats/QsoSearch.h"
#include "stats/ui/StatsWindow.h"

class QLineEdit;
class QListWidgetItem;
class QRadioButton;

namespace brivant {

class ColumnHeader;

class Recherche_Indicatif final : public StatsWindow {
  Q_OBJECT

 public:
  Recherche_Indicatif(AppState& state, StatsHooks hooks, QWidget* parent = nullptr);

  // Centre, captions in the interface language, Indica emptied.
  void Form_Load();

  // The criterion whose option is selected.
  SearchBy criterion() const;
  // The box of a criterion.
  QLineEdit* boxOf(SearchBy by) const;

  QLabel* Label3 = nullptr;
  std::array<QRadioButton*, 4> Option1{};  // indexes 1 to 3, as the options are numbered
  QLineEdit* Indica = nullptr;
  QLineEdit* Data = nullptr;
  QLineEdit* Depa = nullptr;
  ColumnHeader* Label2 = nullptr;  // column header
  QListWidget* QSO_Effectues = nullptr;
  QPushButton* Command1 = nullptr;

 public slots:
  void Option1_Click(int index);
  // Enter in the box of a criterion: its checks, then the search.
  void Box_Enter(SearchBy by);
  void Cherche_QSO();
  void QSO_Effectues_Click(QListWidgetItem* item);
  void Command1_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace brivant
