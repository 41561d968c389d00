#pragma once
// The prefix statistics window: the prefixes contacted on one band in one
// mode, with their country names, read from the mode's prefix tally.

#include "stats/ui/StatsWindow.h"

namespace brivant {

class Statistique_Prefixe final : public StatsWindow {
  Q_OBJECT

 public:
  Statistique_Prefixe(AppState& state, StatsHooks hooks, QWidget* parent = nullptr);

  // Centre, captions, the two lists with the stored mode and band; the list
  // starts empty.
  void Form_Load();

  QLabel* Label1 = nullptr;
  QComboBox* Mode_AX = nullptr;
  QLabel* Label2 = nullptr;
  QComboBox* Bande_E = nullptr;
  QPushButton* Afficher = nullptr;
  QListWidget* Liste_Prefixes = nullptr;
  QLabel* PrefixCount = nullptr;  // "n préfixes" under the list

 public slots:
  void Afficher_Click();
};

}  // namespace brivant
