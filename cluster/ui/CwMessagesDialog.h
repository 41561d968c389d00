#pragma once
// "Messages CW…": the eight messages of the function keys for the station,
// the castle reference and departement its macros give, and the cut
// numbers of the report.  Enregistrer keeps them all in one write of the
// settings; a character CW cannot send is refused, naming its field.

#include <QDialog>
#include <array>

#include "cluster/CwMessages.h"
#include "core/AppState.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brivant {

class CwMessagesDialog final : public QDialog {
  Q_OBJECT

 public:
  CwMessagesDialog(AppState& state, QWidget* parent);

  // The stored values (the defaults where none is) in the fields.
  void load();
  // Enregistrer: checks and stores; the window closes once stored.
  void save();

  QLabel* macrosLabel = nullptr;
  std::array<QLabel*, CwSettings::MessageCount> keyLabels{};
  std::array<QLineEdit*, CwSettings::MessageCount> messageEdits{};
  QLabel* referenceLabel = nullptr;
  QLineEdit* castleReference = nullptr;
  QLabel* departementLabel = nullptr;
  QLineEdit* departement = nullptr;
  QCheckBox* cutNumbers = nullptr;
  QPushButton* saveButton = nullptr;
  QPushButton* cancelButton = nullptr;

 private:
  // The first field holding a character CW cannot send, said; false then.
  bool sendable();

  AppState& state_;
};

}  // namespace brivant
