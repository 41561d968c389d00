#include "entry/ui/DeptGridView.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>

#include "core/MissingFile.h"
#include "core/ui/KeyboardAccess.h"

namespace brivant {

namespace {

constexpr int Columns = 10;

// The box an arrow key leads to from a box; the same box at the edge.
int boxAfterArrow(int box, int key) {
  const int row = box / Columns;
  const int column = box % Columns;
  const int rows = DeptGridView::BoxCount / Columns;
  switch (key) {
    case Qt::Key_Left:
      return column > 0 ? box - 1 : box;
    case Qt::Key_Right:
      return column < Columns - 1 ? box + 1 : box;
    case Qt::Key_Up:
      return row > 0 ? box - Columns : box;
    case Qt::Key_Down:
      return row < rows - 1 ? box + Columns : box;
    default:
      return box;
  }
}

}  // namespace

DeptGridView::DeptGridView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Dpt"));
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  for (int i = 0; i < BoxCount; ++i) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Dpt(%1)").arg(i));
    // Each box carries its number so the grid reads without a map; Corsica's
    // boxes show the codes the operator knows.
    QString text = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    if (i == 96) text = QStringLiteral("2A");
    if (i == 97) text = QStringLiteral("2B");
    label->setText(text);
    label->setFont(small);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    label->setMinimumSize(24, 17);
    label->setAutoFillBackground(true);
    label->installEventFilter(this);
    boxes_[static_cast<std::size_t>(i)] = label;
    layout->addWidget(label, i / Columns, i % Columns);
  }
  for (int i = 0; i < BoxCount; ++i) setBoxLevel(i, 0);
  // Tab reaches the grid; a click leaves the keyboard where the entry has it.
  setFocusPolicy(Qt::TabFocus);
  setCurrentBox(current_);
}

void DeptGridView::setCurrentBox(int index) {
  if (index < 0 || index >= BoxCount) return;
  current_ = index;
  frameCurrentBox();
  setAccessibleDescription(box(current_)->text());
}

void DeptGridView::frameCurrentBox() {
  for (int i = 0; i < BoxCount; ++i) box(i)->setLineWidth(i == current_ && hasFocus() ? 3 : 1);
}

void DeptGridView::keyPressEvent(QKeyEvent* event) {
  if (isOpeningKey(*event)) {
    emit boxChosen(current_);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      setCurrentBox(boxAfterArrow(current_, event->key()));
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

bool DeptGridView::event(QEvent* event) {
  // Enter opens the current box, whatever else the window does with it.
  if (claimOpeningKeys(event)) return true;
  // The current box shows only while the grid has the keyboard.
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) frameCurrentBox();
  return QWidget::event(event);
}

QColor DeptGridView::levelColour(int level) const {
  if (const std::optional<GridRgb> rgb = gridLevelRgb(level)) return QColor(rgb->red, rgb->green, rgb->blue);
  return palette().color(QPalette::Active, QPalette::Base);
}

void DeptGridView::setBoxLevel(int box, int level) {
  if (box < 0 || box >= BoxCount) return;
  QLabel* label = boxes_[static_cast<std::size_t>(box)];
  QPalette palette = label->palette();
  const QColor colour = levelColour(level);
  palette.setColor(QPalette::Window, colour);
  palette.setColor(QPalette::Disabled, QPalette::Window, colour);
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
}

void DeptGridView::showGrid(const DeptGrid& grid) {
  for (int i = 0; i < BoxCount; ++i) setBoxLevel(i, grid.level[static_cast<std::size_t>(i)]);
}

QColor DeptGridView::boxColour(int index) const { return box(index)->palette().color(QPalette::Window); }

bool DeptGridView::eventFilter(QObject* watched, QEvent* event) {
  const bool press = event->type() == QEvent::MouseButtonPress;
  if (press || event->type() == QEvent::MouseButtonDblClick) {
    for (int i = 0; i < BoxCount; ++i) {
      if (watched != boxes_[static_cast<std::size_t>(i)]) continue;
      // A click makes the box the current one, a double click opens it.
      setCurrentBox(i);
      if (press) return false;
      emit boxChosen(i);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

bool showDeptGrid(const MainView& view, DeptGridView& grid, std::string_view band, std::string_view mode) {
  AppState& state = view.state;
  const Result<DeptGrid> shown = Affiche_Departements(state.programDir, state.StationCall, band, mode);
  if (!shown) {
    view.main.raiseFileError(shown.error(), MissingFileLabel::DepartementTallies);
    return false;
  }
  grid.showGrid(*shown);
  state.DeptCount = shown->DeptCount;
  return true;
}

}  // namespace brivant
