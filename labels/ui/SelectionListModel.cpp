#include "labels/ui/SelectionListModel.h"

#include "labels/LabelSelection.h"
#include "platform/Cp1252.h"

namespace brivant {

int SelectionListModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return static_cast<int>(chosen_ ? selection_.chosenCount() : selection_.unchosenCount());
}

QVariant SelectionListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  return Cp1252::toQString(chosen_ ? selection_.chosenLine(row) : selection_.unchosenLine(row));
}

}  // namespace brivant
