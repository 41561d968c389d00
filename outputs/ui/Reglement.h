#pragma once
// The rules of the event: a heading and the list Reg of the rules lines.

#include <QWidget>

#include "core/AppState.h"

class QLabel;
class QListWidget;

namespace brivant {

class Reglement final : public QWidget {
  Q_OBJECT

 public:
  explicit Reglement(AppState& state, QWidget* parent = nullptr);

  // Form_Load: centre, fill Reg (the same lines in both languages).
  void Form_Load();

  QLabel* Label2 = nullptr;
  QListWidget* Reg = nullptr;

 private:
  AppState& state_;
};

}  // namespace brivant
