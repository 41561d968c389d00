#pragma once
// One of the two lists of Select_QSO as a model over the LabelSelection: the
// lines are turned into text only when they are drawn, so a long log opens
// at once.

#include <QAbstractListModel>

namespace brivant {

class LabelSelection;

class SelectionListModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  // The chosen lines (Liste_Imprime) or the others (Liste_QSO).
  SelectionListModel(const LabelSelection& selection, bool chosen, QObject* parent = nullptr)
      : QAbstractListModel(parent), selection_(selection), chosen_(chosen) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // The selection changes between a start and its finish.
  void startRemoving(int row) { beginRemoveRows(QModelIndex(), row, row); }
  void finishRemoving() { endRemoveRows(); }
  void startInserting(int row) { beginInsertRows(QModelIndex(), row, row); }
  void finishInserting() { endInsertRows(); }
  void startReset() { beginResetModel(); }
  void finishReset() { endResetModel(); }

 private:
  const LabelSelection& selection_;
  bool chosen_;
};

}  // namespace brivant
