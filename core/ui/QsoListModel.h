#pragma once
// The lines of Liste_QSO: a thin model over the list lines (Windows-1252
// bytes), so that ten thousand contacts load at once and are converted to
// text only when they are drawn.

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace brivant {

class QsoListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit QsoListModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // Replaces every line (the list is cleared first, as a reload does).
  void setLines(std::vector<std::string> lines);
  // Adds one line at the end.
  void appendLine(std::string line);
  void clear() { setLines({}); }

  const std::vector<std::string>& lines() const { return lines_; }
  // The line of a row, "" outside the list.
  const std::string& lineAt(int row) const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace brivant
