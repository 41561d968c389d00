#pragma once
// "Annoncer…" of the cluster window: the station announced on the telnet
// cluster node.  The window opens with the radio's frequency (when a radio
// is read), the callsign and the comment filled in; Envoyer (Enter) checks
// them and sends "DX <kHz> <CALL> <comment>" through the cluster window,
// which says when there is no connection to send it on.

#include <QDialog>
#include <functional>
#include <string>

#include "cluster/SelfSpot.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace brivant {

class Dialogs;

class SelfSpotDialog final : public QDialog {
  Q_OBJECT

 public:
  // Sends the command line for the callsign; false when it could not go
  // (the window then stays, as typed).
  using Send = std::function<bool(const std::string& line, const std::string& call)>;

  SelfSpotDialog(bool french, const SelfSpotFields& fields, Dialogs& dialogs, Send send, QWidget* parent);

  // Envoyer: a problem of the fields is said and the window stays.
  void sendSpot();

  QLabel* frequencyLabel = nullptr;
  QLineEdit* frequency = nullptr;
  QLabel* callLabel = nullptr;
  QLineEdit* call = nullptr;
  QLabel* commentLabel = nullptr;
  QLineEdit* comment = nullptr;
  QPushButton* sendButton = nullptr;
  QPushButton* cancelButton = nullptr;

 private:
  bool french_;
  Dialogs& dialogs_;
  Send send_;
};

}  // namespace brivant
