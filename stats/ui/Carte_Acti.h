#pragma once
// The map window: the departements worked on one band in one mode, coloured
// on a map of France, with the counts, a legend, and the picture saved as PNG.

#include <array>

#include "stats/ui/StatsWindow.h"

class QGroupBox;

namespace brivant {

class DeptMapView;

class Carte_Acti final : public StatsWindow {
  Q_OBJECT

 public:
  Carte_Acti(AppState& state, StatsHooks hooks, QWidget* parent = nullptr);

  // Centre, captions, the stored mode and band; the map starts uncoloured.
  void Form_Load();

  QLabel* Label5 = nullptr;  // "Mode : "
  QComboBox* Mode_AX = nullptr;
  QLabel* Label1 = nullptr;  // "Bande : "
  QComboBox* Bande_A = nullptr;
  QPushButton* Afficher = nullptr;
  QPushButton* Enregistrer_Image = nullptr;
  DeptMapView* Picture1 = nullptr;
  QLabel* Label2 = nullptr;               // the legend's title
  std::array<QLabel*, 5> LegendColour{};  // [1] to [4]
  std::array<QLabel*, 5> LegendText{};
  QGroupBox* Frame1 = nullptr;
  QLabel* Label4 = nullptr;  // the counts line
  QLabel* Label7 = nullptr;  // the band and mode shown

  // What the saved picture shows: the map, its legend and its counts.
  QWidget* pictureArea() const { return pictureArea_; }

 signals:
  // A click on a departement of the map or on its box.
  void departementChosen(int box);

 public slots:
  void Afficher_Click();
  void Enregistrer_Image_Click();

 private:
  QWidget* pictureArea_ = nullptr;
};

}  // namespace brivant
