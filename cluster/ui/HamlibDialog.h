#pragma once
// The small window of "Autre (hamlib)…" in Emetteur: a radio hamlib knows,
// chosen from its list (searched by maker and name) with its serial port and
// speed, or a radio behind a running rigctld with its host and port.

#include <QDialog>
#include <string>
#include <vector>

#include "cluster/HamlibSettings.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace brivant {

class Dialogs;

class HamlibDialog final : public QDialog {
  Q_OBJECT

 public:
  // Shows the choice; ports are the serial ports to offer.
  HamlibDialog(bool french, const HamlibChoice& choice, const std::vector<std::string>& ports, Dialogs& dialogs,
               QWidget* parent = nullptr);

  // What the window holds now.
  HamlibChoice choice() const;

  // OK: the choice is kept when nothing is missing, else the message says
  // what is and the window stays.
  void accept() override;

  QRadioButton* serialChoice = nullptr;
  QRadioButton* rigctldChoice = nullptr;
  QLabel* searchLabel = nullptr;
  QLineEdit* modelSearch = nullptr;
  QLabel* modelLabel = nullptr;
  QListWidget* modelList = nullptr;
  QLabel* portLabel = nullptr;
  QComboBox* portBox = nullptr;
  QLabel* speedLabel = nullptr;
  QComboBox* speedBox = nullptr;
  QLabel* hostLabel = nullptr;
  QLineEdit* hostEdit = nullptr;
  QLabel* tcpPortLabel = nullptr;
  QSpinBox* tcpPortBox = nullptr;
  QDialogButtonBox* buttons = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void showCurrentModel();
  void filterModels(const QString& search);
  void enableLink();

  bool french_;
  Dialogs& dialogs_;
};

}  // namespace brivant
