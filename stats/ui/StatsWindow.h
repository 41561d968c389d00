#pragma once
// What every lookup and overview window is: a window of its own over the main
// window, named, closed by Escape and gone once closed, working on the
// program's state and on the main window through its hooks.

#include <QWidget>

#include "core/AppState.h"
#include "stats/ui/StatsHooks.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace brivant {

class StatsWindow : public QWidget {
  Q_OBJECT

 protected:
  StatsWindow(AppState& state, StatsHooks hooks, const QString& name, QWidget* parent);

  AppState& state_;
  StatsHooks hooks_;
};

}  // namespace brivant
