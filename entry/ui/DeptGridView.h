#pragma once
// The departement grid of the main window (Dpt): 100 boxes, Dpt(0) to
// Dpt(99), the box of a departement being its number (Corsica 96 and 97),
// coloured by the level the tally holds for the band and mode shown.  The
// main window gives it its place in Frame3 (Main::setDeptGrid).
//
// From the keyboard the grid is one control: Tab reaches it, the arrows move
// the current box (framed thicker while the grid has the focus), Enter or
// the space bar opens it as a double click does.

#include <QColor>
#include <QWidget>
#include <array>
#include <string_view>

#include "core/ui/MainOperations.h"
#include "entry/DeptTally.h"

class QLabel;

namespace brivant {

class DeptGridView final : public QWidget {
  Q_OBJECT

 public:
  explicit DeptGridView(QWidget* parent = nullptr);

  static constexpr int BoxCount = 100;

  // Every box back to the window background, then each box coloured by its level.
  void showGrid(const DeptGrid& grid);
  // One box coloured for a level (0: the window background).
  void setBoxLevel(int box, int level);

  QLabel* box(int index) const { return boxes_.at(static_cast<std::size_t>(index)); }
  QColor boxColour(int index) const;
  // The colour a level is shown in.
  QColor levelColour(int level) const;
  // The box the arrows move and Enter opens.
  int currentBox() const { return current_; }
  void setCurrentBox(int index);

 signals:
  // A box chosen: double-clicked, or current when Enter was pressed (the
  // per-departement list opens from it).
  void boxChosen(int index);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void frameCurrentBox();

  std::array<QLabel*, BoxCount> boxes_{};
  int current_ = 1;
};

// Affiche_Departements: the grid of a band and mode from the station's
// departement tally, and DeptCount.  A tally that cannot be read raises the
// missing-file window and gives false.
bool showDeptGrid(const MainView& view, DeptGridView& grid, std::string_view band, std::string_view mode);

}  // namespace brivant
