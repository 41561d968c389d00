#pragma once
// The castle statistics window: the castle activations contacted on one band
// in one mode, read from the log, and how many there are.

#include "stats/ui/StatsWindow.h"

namespace brivant {

class Statistique_DFCF final : public StatsWindow {
  Q_OBJECT

 public:
  Statistique_DFCF(AppState& state, StatsHooks hooks, QWidget* parent = nullptr);

  // Centre, captions, the mode at SSB and the stored band; the list starts
  // empty.
  void Form_Load();

  QLabel* Label3 = nullptr;  // "Mode"
  QComboBox* Mode_A = nullptr;
  QLabel* Label2 = nullptr;  // "Bande" over the band list
  QComboBox* Bande_E = nullptr;
  QPushButton* Afficher = nullptr;
  QLabel* Label5 = nullptr;  // column heads
  QLabel* Label8 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label6 = nullptr;
  QListWidget* Liste_Chateaux = nullptr;
  QLabel* TotActiv = nullptr;
  QLabel* Label17 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* BandActiv = nullptr;

 public slots:
  void Afficher_Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void placeHeads();

  QWidget* heads_ = nullptr;
};

}  // namespace brivant
