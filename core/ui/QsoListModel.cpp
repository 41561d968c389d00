#include "core/ui/QsoListModel.h"

#include "platform/Cp1252.h"

namespace brivant {

int QsoListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant QsoListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  return Cp1252::toQString(lines_[static_cast<std::size_t>(index.row())]);
}

void QsoListModel::setLines(std::vector<std::string> lines) {
  beginResetModel();
  lines_ = std::move(lines);
  endResetModel();
}

void QsoListModel::appendLine(std::string line) {
  const int row = rowCount();
  beginInsertRows(QModelIndex(), row, row);
  lines_.push_back(std::move(line));
  endInsertRows();
}

const std::string& QsoListModel::lineAt(int row) const {
  static const std::string none;
  if (row < 0 || row >= rowCount()) return none;
  return lines_[static_cast<std::size_t>(row)];
}

}  // namespace brivant
