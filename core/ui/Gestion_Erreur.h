#pragma once
// The missing-file error window ("Erreur"): names the station file that could
// not be found and offers to re-initialise the station or to quit.  French
// only.  While it is up the rest of the program waits (the window is modal to
// the whole application) and keeps processing events.

#include <QWidget>
#include <string_view>

class QLabel;
class QPushButton;

namespace brivant {

class Main;

class Gestion_Erreur final : public QWidget {
  Q_OBJECT

 public:
  explicit Gestion_Erreur(Main& main);

  // Fills the callsign labels from StationCall and the file label, then shows
  // the window centred on the screen.
  void raise(std::string_view missingFileLabel);

  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Ind_Station = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Ind_Station1 = nullptr;
  QLabel* Err_Departement = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  QPushButton* Initialisation = nullptr;
  QPushButton* Quitter = nullptr;

 public slots:
  void Initialisation_Click();
  void Quitter_Click();

 protected:
  // Closing the window by its frame leaves the program as Quitter does: the
  // operation that raised it cannot go on.
  void closeEvent(QCloseEvent* event) override;

 private:
  Main& main_;
};

}  // namespace brivant
