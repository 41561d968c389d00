#pragma once
// The updating window ("Morvex") shown while the tallies are rebuilt from the
// log.  No buttons, no state.

#include <QWidget>

class QLabel;

namespace brivant {

class Chargement final : public QWidget {
  Q_OBJECT

 public:
  explicit Chargement(QWidget* parent = nullptr);

  // Sets the texts for the language, centres the window and shows it.
  void open(bool french);

  QLabel* Label2 = nullptr;
  QLabel* Label1 = nullptr;
};

}  // namespace brivant
