#pragma once
// The departement grid of the main window (Dpt): 100 boxes, Dpt(0) to
// Dpt(99), the box of a departement being its number (Corsica 96 and 97),
// coloured by the level the tally holds for the band and mode shown.  The
// main window gives it its place in Frame3 (Main::setDeptGrid).

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

 signals:
  // A double click on a box (the per-departement list opens from it).
  void boxDoubleClicked(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<QLabel*, BoxCount> boxes_{};
};

// Affiche_Departements: the grid of a band and mode from the station's
// departement tally, and DeptCount.  A tally that cannot be read raises the
// missing-file window and gives false.
bool showDeptGrid(const MainView& view, DeptGridView& grid, std::string_view band, std::string_view mode);

}  // namespace brivant
