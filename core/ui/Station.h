#pragma once
// The Station window ("Identification de la station"): the station callsign
// and the event date.  Opened from Mnu_Station, and modal at first run.
// Validating a callsign switches the main window to that station.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace brivant {

class Main;

class Station final : public QDialog {
  Q_OBJECT

 public:
  explicit Station(Main& main);

  // Loads the window (fields from the store, captions for the language,
  // centred) and shows it: modal at first run, otherwise beside the main window.
  void openModal();
  void openNonModal();

  QLineEdit* Nouv_Date = nullptr;
  QPushButton* Validation = nullptr;
  QLineEdit* New_Locator = nullptr;
  QLineEdit* New_Indicatif = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label3 = nullptr;

 public slots:
  void Validation_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Form_Load();
  bool New_Indicatif_KeyPress(QKeyEvent& event);
  bool Nouv_Date_KeyPress(QKeyEvent& event);
  void New_Indicatif_Enter();
  void Nouv_Date_Enter();

  Main& main_;
};

}  // namespace brivant
